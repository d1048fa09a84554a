// The field dialog on its own, and the field list's menu with the dialog as the
// window drives them.

#include "wizard/wizardtestsupport.h"

namespace {
const QString kInvalidName = QStringLiteral("! Ok: Error: Invalid field name");
const QString kDuplicate =
    QStringLiteral("! Ok: Error: Field name already present\r\n\r\nTo prevent problems, field names must be unique.");
// Names that differ only in capitals, or in a space against an underscore, would share one settings key.
const QString kClash = QStringLiteral("! Ok: Error: Field name too close to another field\r\n\r\n"
                                      "Field names must differ in more than capital letters, spaces and underscores.");

QStringList textsOf(const GuestbookField &field)
{
    return {field.FieldName, field.FieldType, field.Rows, field.Cols};
}

// A shown field dialog on a field, with the names of the list's other fields.
struct FieldDialog {
    explicit FieldDialog(const GuestbookField &field = kNewField, const QStringList &names = {})
        : dialog(field, names, &owner)
    {
        dialog.show();
    }
    QLineEdit *name() { return control<QLineEdit>(&dialog, "txtfldName"); }
    QComboBox *combo(const char *which) { return control<QComboBox>(&dialog, which); }

    QWidget owner;
    frmAddField dialog;
};
}  // namespace

class FieldEditingTest : public QObject
{
    Q_OBJECT

private slots:
    // The name as typed (^: the Home key), the characters the pages cannot hold dropped
    // at once; then OK and what it refuses.
    void okChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sizes");  // kind/rows/columns typed; empty: as the dialog shows them
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");  // the field given back when accepted, |-separated
        addRow("the eight characters dropped", "x/\\&?><+-y", "", QString(), "xy|Text|10|");
        addRow("quote, comma, equals dropped", "Your \"name\", age=3", "", QString(), "Your name age3|Text|10|");
        addRow("others stay", "Full_name 2 (opt.)!", "", QString(), "Full_name 2 (opt.)!|Text|10|");
        addRow("typing at the start continues at the end", "ab^xy", "", QString(), "xaby|Text|10|");
        addRow("empty name", "", "", kInvalidName, "");
        addRow("one character", "N", "", kInvalidName, "");
        addRow("two spaces", "  ", "", QString(), "  |Text|10|");
        addRow("underscore for a space in use", "Home_page", "", kClash, "");
        addRow("Textarea stores columns", "Field", "Textarea/10/40", QString(), "Field|Textarea|10|40");
        addRow("lower-case text keeps hidden columns", "Field", "text/10/40", QString(), "Field|text|10|40");
        addRow("euro and accent in the page code page", QStringLiteral("\u20ac \u00e9"), "", QString(),
               QStringLiteral("\u20ac \u00e9|Text|10|"));
        addRow("size as typed", "Field", "Text/wide/40", QString(), "Field|Text|wide|");
    }

    void okChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, sizes);
        QFETCH(QString, message);
        QFETCH(QString, field);
        ScriptedDesktop desktop;
        FieldDialog shown(kNewField, {"Name", "Home page"});
        for (const QChar c : name)
            c == '^' ? QTest::keyClick(shown.name(), Qt::Key_Home) : shown.name()->insert(QString(c));
        QCOMPARE(shown.name()->cursorPosition(), shown.name()->text().size());
        if (!sizes.isEmpty()) {
            typeText(shown.combo("Combo1")->lineEdit(), sizes.section('/', 0, 0));
            typeText(shown.combo("cboCols")->lineEdit(), sizes.section('/', 2, 2));
            typeText(shown.combo("cboRows")->lineEdit(), sizes.section('/', 1, 1));
        }
        shown.combo("Combo1")->setFocus();
        clickNamed(&shown.dialog, "lblOK");
        QCOMPARE(desktop.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(shown.dialog.isVisible(), !message.isEmpty());
        QCOMPARE(textsOf(shown.dialog.field()), message.isEmpty() ? field.split('|') : textsOf(kNewField));
        if (!message.isEmpty())
            QCOMPARE(shown.dialog.focusWidget(), shown.name());
    }

    // The field shown as given; its kind decides the layout, typed or picked.
    void layouts_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("typed");  // the kind typed afterwards; empty: none
        QTest::addColumn<QString>("shown");  // name, kind, rows, columns, then the size box's caption
        const QStringList story{"Story", "Textarea", "7", "60"};
        addRow("a new field", textsOf(kNewField), QString(), QString("|Text|10|-|Field size:"));
        addRow("a multi-line field", story, QString(), QString("Story|Textarea|7|60|Rows:"));
        addRow("no columns keeps 40", QStringList{"Town", "Text", "5", ""}, QString(), QString("Town|Text|5|-|Field size:"));
        addRow("typed textarea in capitals", textsOf(kNewField), QString("TEXTAREA"), QString("|TEXTAREA|10|40|Rows:"));
        addRow("typed something else", story, QString("Memo"), QString("Story|Memo|7|-|Field size:"));
    }

    void layouts()
    {
        QFETCH(QStringList, given);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        FieldDialog field({given[0], given[1], given[2], given[3]});
        if (!typed.isEmpty())
            typeText(field.combo("Combo1")->lineEdit(), typed);
        QWidget *dialog = &field.dialog;
        const QComboBox *cols = field.combo("cboCols");
        QCOMPARE(QStringList({field.name()->text(), field.combo("Combo1")->currentText(),
                              field.combo("cboRows")->currentText(), cols->isVisible() ? cols->currentText() : "-",
                              control<QLabel>(dialog, "Label3")->text()})
                     .join('|'),
                 shown);
        QCOMPARE(control(dialog, "Label4")->isVisible(), cols->isVisible());
        QCOMPARE(cols->currentText(), given[3].isEmpty() ? QStringLiteral("40") : given[3]);
        // Picking the kind shown changes no text, and still lays out and centres again.
        dialog->move(dialog->pos() + QPoint(40, 30));
        field.combo("Combo1")->activated(field.combo("Combo1")->currentIndex());
        const QPoint offCentre =
            dialog->frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
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
        addRow("add a name in use", 0, "lblAddField", "Comments", kDuplicate, all);
        addRow("add to an empty list", -1, "lblAddField", "Town", QString(), QString("Town"));
        addRow("edit, unchanged", 2, "lblEdit", "=", QString(), all);
        addRow("edit the last, unchanged", 3, "lblEdit", "=", QString(), all);
        addRow("edit to a new name", 1, "lblEdit", "Email", QString(), QString("Name|Email|Homepage|Comments"));
        addRow("edit to another's name in capitals", 1, "lblEdit", "NAME", kClash, all);
        addRow("delete", 1, "lblDelete", "", QString(), QString("Name|Homepage|Comments"));
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
        if (focused < 0)
            f.setFields({});
        else
            list->selectionModel()->setCurrentIndex(list->model()->index(focused, 0), QItemSelectionModel::NoUpdate);
        const bool menuKey = QTest::currentDataTag() == QLatin1String("add, by the Menu key");
        QTest::keyClick(list, menuKey ? Qt::Key_Menu : Qt::Key_F10, menuKey ? Qt::NoModifier : Qt::ShiftModifier);
        QVERIFY(FieldMenuShown());
        QCOMPARE(shownFieldMenu()->pos(),
                 focused < 0 ? list->mapToGlobal(QPoint(0, 0))
                             : list->viewport()->mapToGlobal(
                                   list->visualItemRect(list->topLevelItem(focused)).bottomLeft()));
        const bool acts = focused >= 0 || row == "lblAddField";
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
        for (const GuestbookField &field : f.window().readProject().Fields)
            fields << textsOf(field);
        QCOMPARE(rowsOf(list), fields);
        QStringList seen;
        for (const QStringList &shown : fields)
            seen << shown.first();
        QCOMPARE(seen.join('|'), names);
        QCOMPARE(FieldMenuShown(), !acts);
        CloseFieldMenu();
    }

    // A right press opens the menu at the pointer (Delete and Edit only with fields),
    // a second one moves it, another press closes it and no command runs.
    void menuOpenedAndClosedFromTheList()
    {
        const WindowFixture f;
        f.step(4);
        f.setFields({});
        QWidget *viewport = f.find<QTreeWidget>("lvwFields")->viewport();
        QCursor::setPos(120, 90);
        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
        QPointer<frmMenu> menu = shownFieldMenu();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->parentWidget(), f.main.get());
        QCOMPARE(menu->pos(), QPoint(120, 90));
        QString enabled;
        for (const char *name : {"lblAddField", "imgAdd", "lblDelete", "imgDelete", "lblEdit", "imgEdit"})
            enabled += control(menu, name)->isEnabled() ? '1' : '0';
        QCOMPARE(enabled, QStringLiteral("110000"));

        QCursor::setPos(300, 200);
        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(20, 20), Qt::RightButton);
        QCOMPARE(shownFieldMenu(), menu.data());
        QCOMPARE(menu->pos(), QPoint(300, 200));

        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
        QVERIFY(!FieldMenuShown());
        QTRY_VERIFY(!menu);
        QVERIFY(f.window().readProject().Fields.isEmpty());
    }
};

QTEST_MAIN(FieldEditingTest)
#include "tst_fieldediting.moc"
