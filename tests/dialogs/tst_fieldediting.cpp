// The field dialog on its own, and the field list's menu with the dialog as the
// window drives them.

#include "wizard/wizardtestsupport.h"

namespace {
const QString kInvalidName = QStringLiteral("! Ok: Error: Invalid field name\r\n\r\nThe field name ");
const QString kDuplicate =
    QStringLiteral("! Ok: Error: Field name already present\r\n\r\nTo prevent problems, field names must be unique.");
// Names that differ only in capitals, or in a space against an underscore, would share one settings key.
const QString kClash = QStringLiteral("! Ok: Error: Field name too close to another field\r\n\r\n"
                                      "Field names must differ in more than capital letters and in more than a space "
                                      "where the other has an underscore.");

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
    void nameFilter_data()
    {
        QTest::addColumn<QString>("typed");  // ^: the Home key
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("leftOut");  // the dialog's line on what the filter dropped, each once
        addRow("the eight characters", "x/\\&?><+-y<", "xy", "Left out: / \\ & ? > < + -");
        addRow("quote, comma, equals", "Your \"name\", age=3", "Your name age3", "Left out: \" , =");
        addRow("others stay", "Full_name 2 (opt.)!", "Full_name 2 (opt.)!", "");
        addRow("typing at the start continues at the end", "ab^xy", "xaby", "");
    }

    void nameFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        FieldDialog field;
        for (const QChar c : typed) {
            if (c == '^')
                QTest::keyClick(field.name(), Qt::Key_Home);
            else
                QTest::keyClicks(field.name(), QString(c));
        }
        QCOMPARE(field.name()->text(), kept);
        QCOMPARE(field.name()->cursorPosition(), kept.size());
        const QLabel *leftOut = control<QLabel>(&field.dialog, "lblLeftOut");
        QTEST(leftOut->isVisible() ? leftOut->text() : QString(), "leftOut");
    }

    void okChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sizes");  // kind/rows/columns typed; empty: as the dialog shows them
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");  // the field given back when accepted, |-separated
        addRow("empty name", "", "", kInvalidName + "is empty", "");
        addRow("one character", "N", "", kInvalidName + "needs at least 2 characters", "");
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
        shown.name()->setText(name);
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

    // The menu, opened by Shift+F10 or the Menu key below the selected row (at the
    // list's corner when none is), and its commands as the window carries them out
    // on the selected row, with the field dialog answered by typing a name and OK.
    void menuCommands_data()
    {
        QTest::addColumn<int>("selected");  // -1: none
        QTest::addColumn<QString>("row");  // the menu row clicked
        QTest::addColumn<QString>("typed");  // into the dialog's name; "=": left as shown
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("names");  // the fields' names afterwards
        QTest::addColumn<bool>("menuShown");
        const QStringList all{"Name", "E-mail", "Homepage", "Comments"};
        addRow("add, by the Menu key", 1, "lblAddField", "Town", QStringList(), all + QStringList{"Town"}, false);
        addRow("add a name in use", -1, "lblAddField", "Comments", QStringList{kDuplicate}, all, false);
        addRow("edit, unchanged", 2, "lblEdit", "=", QStringList(), all, false);
        addRow("edit the last, unchanged", 3, "lblEdit", "=", QStringList(), all, false);
        addRow("edit to a new name", 1, "lblEdit", "Email", QStringList(),
               QStringList{"Name", "Email", "Homepage", "Comments"}, false);
        addRow("edit to another's name in capitals", 1, "lblEdit", "NAME", QStringList{kClash}, all, false);
        addRow("edit with none selected", -1, "lblEdit", "Town", QStringList(), all, true);
        addRow("delete", 1, "lblDelete", "", QStringList(), QStringList{"Name", "Homepage", "Comments"}, false);
        addRow("delete with none selected", -1, "lblDelete", "", QStringList(), all, true);
    }

    void menuCommands()
    {
        QFETCH(int, selected);
        QFETCH(QString, row);
        QFETCH(QString, typed);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, names);
        QFETCH(bool, menuShown);
        const WindowFixture f;
        f.step(4);
        auto *list = f.find<QTreeWidget>("lvwFields");
        if (selected >= 0)
            list->topLevelItem(selected)->setSelected(true);
        if (QTest::currentDataTag() == QLatin1String("add, by the Menu key"))
            QTest::keyClick(list, Qt::Key_Menu);
        else
            QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(FieldMenuShown());
        QCOMPARE(shownFieldMenu()->pos(),
                 selected < 0 ? list->mapToGlobal(QPoint(0, 0))
                              : list->viewport()->mapToGlobal(
                                    list->visualItemRect(list->topLevelItem(selected)).bottomLeft()));
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
        QCOMPARE(dialogShown, row != "lblDelete" && !menuShown);
        QCOMPARE(f.boxes(), boxes);
        QStringList seen;
        for (const GuestbookField &field : f.window().readProject().Fields)
            seen << field.FieldName;
        QCOMPARE(seen, names);
        QCOMPARE(rowsOf(list).size(), names.size());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(rowsOf(list).at(i), textsOf(f.window().readProject().Fields.at(i)));
        QCOMPARE(FieldMenuShown(), menuShown);
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
