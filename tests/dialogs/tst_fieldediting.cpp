// The field dialog on its own, and the field list's menu with the dialog as the window drives them.

#include "wizard/wizardtestsupport.h"

static const QString kInvalidName = QStringLiteral("! Ok: Error: Invalid field name\r\n\r\nThe field name ");
// Names that differ only in capitals, or in a space against an underscore, would share one settings key.
static const QString kClash = QStringLiteral("! Ok: Error: Field name too close to another field\r\n\r\n"
                                             "Field names must differ in more than capital letters and in more than "
                                             "a space where the other has an underscore.");

static QStringList textsOf(const GuestbookField &field)
{
    return {field.FieldName, field.FieldType, field.Rows, field.Cols};
}

class FieldEditingTest : public QObject
{
    Q_OBJECT

private slots:
    // The field dialog on a field: what it shows, then after typing (^ in the name: the
    // Home key; the characters the pages cannot hold are dropped at once; the kind
    // decides the layout), then OK: what it refuses or gives back.
    void fieldDialog_data()
    {
        QTest::addColumn<QString>("given");  // name|kind|rows|columns; empty: a new field
        QTest::addColumn<QString>("typed");  // name|kind|rows|columns; an empty part: nothing typed
        QTest::addColumn<QString>("shown");  // name|kind|rows|columns (-: hidden)|the size box's caption[|left out]
        QTest::addColumn<QString>("outcome");  // the message, or the field given back
        const QString single = QStringLiteral("|Text|10|-40|Field size:");
        addRow("the eight characters dropped, each named once", "", "x/\\&?><+-y<",
               "xy" + single + "|Left out: / \\ & ? > < + -", "xy|Text|10|");
        addRow("quote, comma, equals dropped", "", "Your \"name\", age=3",
               "Your name age3" + single + "|Left out: \" , =", "Your name age3|Text|10|");
        addRow("others stay", "", "Full_name 2 (opt.)!", "Full_name 2 (opt.)!" + single,
               "Full_name 2 (opt.)!|Text|10|");
        addRow("typing at the start continues at the end", "", "ab^xy", "xaby" + single, "xaby|Text|10|");
        addRow("a new field, no name", "", "", single, kInvalidName + "is empty");
        addRow("one character", "", "N", "N" + single, kInvalidName + "needs at least 2 characters");
        addRow("two spaces", "", "  ", "  " + single, "  |Text|10|");
        addRow("underscore for a space in use", "", "Home_page", "Home_page" + single, kClash);
        addRow("Textarea stores columns", "", "Field|Textarea|10|40",
               "Field|Textarea|10|40|Rows:", "Field|Textarea|10|40");
        addRow("lower-case text keeps hidden columns", "", "Field|text|10|40",
               "Field|text|10|-40|Field size:", "Field|text|10|40");
        addRow("euro and accent in the page code page", "", QStringLiteral("\u20ac \u00e9"),
               QStringLiteral("\u20ac \u00e9") + single, QStringLiteral("\u20ac \u00e9|Text|10|"));
        addRow("size as typed", "", "Field|Text|wide|40", "Field|Text|wide|-40|Field size:", "Field|Text|wide|");
        addRow("a multi-line field", "Story|Textarea|7|60", "", "Story|Textarea|7|60|Rows:", "Story|Textarea|7|60");
        addRow("no columns keeps 40", "Town|Text|5|", "", "Town|Text|5|-40|Field size:", "Town|Text|5|");
        addRow("typed textarea in capitals", "", "|TEXTAREA", "|TEXTAREA|10|40|Rows:", kInvalidName + "is empty");
        addRow("typed something else", "Story|Textarea|7|60", "|Memo",
               "Story|Memo|7|-60|Field size:", "Story|Memo|7|60");
    }

    void fieldDialog()
    {
        QFETCH(QString, given);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, outcome);
        ScriptedDesktop desktop;
        const QStringList g = given.split('|');
        const GuestbookField field = given.isEmpty() ? kNewField : GuestbookField{g[0], g[1], g[2], g[3]};
        QWidget owner;
        frmAddField dialog(field, {"Name", "Home page"}, &owner);  // the names of the list's other fields
        dialog.show();
        auto *name = control<QLineEdit>(&dialog, "txtfldName");
        const auto combo = [&dialog](const char *which) { return control<QComboBox>(&dialog, which); };
        const QStringList t = (typed + "|||").split('|');
        for (const QChar c : t[0])
            c == '^' ? QTest::keyClick(name, Qt::Key_Home) : name->insert(QString(c));
        QCOMPARE(name->cursorPosition(), name->text().size());
        const char *const boxes[] = {"", "Combo1", "cboRows", "cboCols"};
        for (int i : {1, 3, 2})  // the kind first: it shows or hides the columns
            if (!t[i].isEmpty())
                typeText(combo(boxes[i])->lineEdit(), t[i]);
        const QComboBox *cols = combo("cboCols");
        const QLabel *leftOut = control<QLabel>(&dialog, "lblLeftOut");
        const QString caption = control<QLabel>(&dialog, "Label3")->text();
        QStringList seen{name->text(), combo("Combo1")->currentText(), combo("cboRows")->currentText(),
                         (cols->isVisible() ? "" : "-") + cols->currentText(), caption};
        QCOMPARE(seen.join('|') + (leftOut->isVisible() ? '|' + leftOut->text() : QString()), shown);
        QCOMPARE(control(&dialog, "Label4")->isVisible(), cols->isVisible());
        // Picking the kind shown changes no text, and still lays out and centres again.
        dialog.move(dialog.pos() + QPoint(40, 30));
        combo("Combo1")->activated(combo("Combo1")->currentIndex());
        const QPoint offCentre = dialog.frameGeometry().center() - dialog.screen()->geometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
        combo("Combo1")->setFocus();
        clickNamed(&dialog, "lblOK");
        const bool refused = outcome.startsWith("! ");
        QCOMPARE(desktop.boxes(), refused ? QStringList{outcome} : QStringList());
        QCOMPARE(dialog.isVisible(), refused);
        QCOMPARE(textsOf(dialog.field()), refused ? textsOf(field) : outcome.split('|'));
        QCOMPARE(dialog.focusWidget() == name, refused);
    }

    // The menu, opened by Shift+F10 or the Menu key below the focused row, which it
    // selects (at the list's corner when the list is empty), and its commands as the
    // window carries them out, the field dialog answered by typing a name and OK.
    void menuCommands_data()
    {
        QTest::addColumn<int>("focused");  // the row with the focus mark, not selected; -1: an empty list
        QTest::addColumn<QString>("row");  // the menu row clicked
        QTest::addColumn<QString>("typed");  // into the dialog's name; "=": left as shown
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("names");  // the fields' names afterwards
        const QString all = QStringLiteral("Name|E-mail|Homepage|Comments");
        addRow("add, by the Menu key", 1, "lblAddField", "Town", QString(), all + "|Town");
        const QString inUse = "! Ok: Error: Field name already present\r\n\r\n"
                              "To prevent problems, field names must be unique.";
        addRow("add a name in use", 0, "lblAddField", "Comments", inUse, all);
        addRow("add to an empty list", -1, "lblAddField", "Town", QString(), QString("Town"));
        addRow("edit, unchanged", 2, "lblEdit", "=", QString(), all);
        addRow("edit the last, unchanged", 3, "lblEdit", "=", QString(), all);
        addRow("edit to a new name", 1, "lblEdit", "Email", QString(), QString("Name|Email|Homepage|Comments"));
        addRow("edit to another's name in capitals", 1, "lblEdit", "NAME", kClash, all);
        addRow("delete", 1, "lblDelete", "", QString(), QString("Name|Homepage|Comments"));
        addRow("delete the first, focused by Tab", 0, "lblDelete", "", QString(), QString("E-mail|Homepage|Comments"));
        addRow("delete in an empty list: disabled", -1, "lblDelete", "", QString(), QString());
    }

    void menuCommands()
    {
        QFETCH(int, focused);
        QFETCH(QString, row);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, names);
        const WindowFixture f;
        f.step(4);
        auto *list = f.find<QTreeWidget>("lvwFields");
        showActive(f.main.get());
        if (focused < 0)
            f.setFields({});
        list->setFocus(Qt::TabFocusReason);  // the focus mark on the first row, not selected
        if (focused > 0)
            list->selectionModel()->setCurrentIndex(list->model()->index(focused, 0), QItemSelectionModel::NoUpdate);
        const bool menuKey = QTest::currentDataTag() == QLatin1String("add, by the Menu key");
        QTest::keyClick(list, menuKey ? Qt::Key_Menu : Qt::Key_F10, menuKey ? Qt::NoModifier : Qt::ShiftModifier);
        QVERIFY(FieldMenuShown());
        const QRect focusedRow = list->visualItemRect(list->topLevelItem(focused));
        QCOMPARE(shownFieldMenu()->pos(), focused < 0 ? list->mapToGlobal(QPoint(0, 0))
                                                      : list->viewport()->mapToGlobal(focusedRow.bottomLeft()));
        const bool acts = focused >= 0 || row == "lblAddField";  // Delete and Edit need fields
        QCOMPARE(control(shownFieldMenu(), row)->isEnabled(), acts);
        bool dialogShown = false;
        actOnModal([&](QWidget *dialog) {
            if (!(dialogShown = dialog))
                return;
            QVERIFY(!FieldMenuShown());  // closed before the dialog opens
            if (typed != "=")
                control<QLineEdit>(dialog, "txtfldName")->setText(typed);
            clickNamed(dialog, "lblOK");
        });
        clickNamed(shownFieldMenu(), row);
        QCoreApplication::processEvents();
        QCOMPARE(dialogShown, acts && row != "lblDelete");
        QCOMPARE(f.boxes(), box.isEmpty() ? QStringList() : QStringList{box});
        Rows fields;  // as the window holds them, to match the list's rows
        QStringList seen;
        for (const GuestbookField &field : f.window().readProject().Fields)
            fields << textsOf(field), seen << field.FieldName;
        QCOMPARE(rowsOf(list), fields);
        QCOMPARE(seen.join('|'), names);
        QCOMPARE(FieldMenuShown(), !acts);
        CloseFieldMenu();
    }

    // A right press opens the menu at the pointer, a second one moves it, a left press
    // closes it and no command runs.
    void menuByRightPress()
    {
        const WindowFixture f;
        f.step(4);
        QWidget *viewport = f.find<QTreeWidget>("lvwFields")->viewport();
        QPointer<frmMenu> menu;
        for (const QPoint at : {QPoint(120, 90), QPoint(300, 200)}) {
            QCursor::setPos(at);
            sendMouse(viewport, QEvent::MouseButtonPress, at / 10, Qt::RightButton);
            menu = menu ? menu.data() : shownFieldMenu();
            QVERIFY(menu && menu == shownFieldMenu() && menu->isVisible() && menu->parentWidget() == f.main.get());
            QCOMPARE(menu->pos(), at);
        }
        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
        QTRY_VERIFY(!menu && !FieldMenuShown());
        QCOMPARE(f.window().readProject().Fields.size(), 4);
    }
};

QTEST_MAIN(FieldEditingTest)
#include "tst_fieldediting.moc"
