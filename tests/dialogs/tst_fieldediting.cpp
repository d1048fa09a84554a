// The field dialog and the field list's menu, driven by their controls' names.

#include "dialogtestsupport.h"
#include "support/testfolder.h"

#include "chrome/messageprompt.h"
#include "dialogs/frmaddfield.h"
#include "dialogs/frmmenu.h"
#include "dialogs/installdialogs.h"
#include "wizard/frmmain.h"

#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(Rows)

namespace {

const QString kInvalidName = QStringLiteral("Error: Invalid field name");
const QString kDuplicate =
    QStringLiteral("Error: Field name already present\r\n\r\nTo prevent problems, field names must be unique.");

const Rows kDefaultFields = {{"Name", "Text", "40", ""},
                             {"E-mail", "Text", "40", ""},
                             {"Homepage", "Text", "40", ""},
                             {"Comments", "Textarea", "10", "39"}};

QLineEdit *nameBox(QWidget *dialog)
{
    return named<QLineEdit>(dialog, QStringLiteral("txtfldName"));
}

QComboBox *combo(QWidget *dialog, const char *name)
{
    return named<QComboBox>(dialog, QString::fromLatin1(name));
}

void typeInto(QComboBox *box, const QString &text)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(box->lineEdit(), text);
}

}  // namespace

class FieldEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { WizardFlags::FieldEditMode = WizardFlags::AddField; }

    void nameFilter_data();
    void nameFilter();
    void typingInTheMiddleContinuesAtTheEnd();
    void okChecks_data();
    void okChecks();
    void storedSubItems_data();
    void storedSubItems();
    void layouts_data();
    void layouts();
    void sizeBoxesRefuseCommasAndSpaces();
    void editingEmailDropsItsHyphen();
    void editingKeepsColumnsWhenEmpty();
    void closingResetsTheMode_data();
    void closingResetsTheMode();

    void menuEnabledStates_data();
    void menuEnabledStates();
    void menuDeleteKeepsOrder();
    void menuCommandsWithoutSelectionDoNothing();
    void menuHighlightFollowsTheRow();
    void menuOpensTheFieldDialog_data();
    void menuOpensTheFieldDialog();
    void menuOpenedAndClosedFromTheList();
};

void FieldEditingTest::nameFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("a / b - c") << "a/b-c" << "abc";
    QTest::newRow("the eight characters") << "x/\\&?><+-y" << "xy";
    QTest::newRow("quote, comma, equals") << "Your \"name\", age=3" << "Your name age3";
    QTest::newRow("others stay") << "Full_name 2 (opt.)!" << "Full_name 2 (opt.)!";
}

void FieldEditingTest::nameFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QWidget owner;
    frmAddField dialog(makeFieldList(&owner, {}), &owner);
    QTest::keyClicks(nameBox(&dialog), typed);
    QCOMPARE(nameBox(&dialog)->text(), kept);
    QCOMPARE(nameBox(&dialog)->cursorPosition(), kept.size());
}

void FieldEditingTest::typingInTheMiddleContinuesAtTheEnd()
{
    QWidget owner;
    frmAddField dialog(makeFieldList(&owner, {}), &owner);
    QLineEdit *box = nameBox(&dialog);
    QTest::keyClicks(box, "abcd");
    box->setCursorPosition(2);
    QTest::keyClicks(box, "xy");
    QCOMPARE(box->text(), QStringLiteral("abxcdy"));
}

void FieldEditingTest::okChecks_data()
{
    QTest::addColumn<int>("editRow");  // 0-based row to edit, -1 to add
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Rows>("after");

    const Rows start = {{"Name", "Text", "40", ""}, {"Homepage", "Text", "40", ""}};
    const QString clash = FieldDialogText::kClashingName;
    QTest::newRow("empty name") << -1 << "" << kInvalidName << start;
    QTest::newRow("one character") << -1 << "N" << kInvalidName << start;
    QTest::newRow("two spaces") << -1 << "  " << QString() << (start + Rows{{"  ", "Text", "10", ""}});
    QTest::newRow("add listed name") << -1 << "Name" << kDuplicate << start;
    QTest::newRow("add new name") << -1 << "City" << QString() << (start + Rows{{"City", "Text", "10", ""}});
    // Names that differ only in capitals, or in a space against an underscore, would
    // share one settings key: refused with their own message, not the duplicate one.
    QTest::newRow("add lower-case of listed") << -1 << "name" << clash << start;
    QTest::newRow("add underscore of spaced")
        << -1 << "Home_page" << QString() << (start + Rows{{"Home_page", "Text", "10", ""}});
    QTest::newRow("edit unchanged") << 0 << "Name" << QString() << start;
    QTest::newRow("edit to other listed") << 0 << "Homepage" << kDuplicate << start;
    QTest::newRow("edit to capitals of other") << 0 << "HOMEPAGE" << clash << start;
    QTest::newRow("edit to capitals of itself")
        << 0 << "NAME" << QString() << Rows{{"NAME", "Text", "40", ""}, {"Homepage", "Text", "40", ""}};
}

void FieldEditingTest::okChecks()
{
    QFETCH(int, editRow);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(Rows, after);
    DesktopRecorder desktop;
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, {{"Name", "Text", "40", ""}, {"Homepage", "Text", "40", ""}});
    if (editRow >= 0) {
        list->topLevelItem(editRow)->setSelected(true);
        WizardFlags::FieldEditMode = WizardFlags::EditField;
    }
    frmAddField dialog(list, &owner);
    dialog.show();
    nameBox(&dialog)->setText(name);
    combo(&dialog, "Combo1")->setFocus();
    clickWidget(named<QLabel>(&dialog, QStringLiteral("lblOK")));

    QCOMPARE(rowsOf(list), after);
    if (message.isEmpty()) {
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(!dialog.isVisible());
    } else {
        QCOMPARE(desktop.texts(), QStringList{message});
        QCOMPARE(desktop.messages.first().icon, MessagePrompt::Icon::Exclamation);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), nameBox(&dialog));
    }
}

void FieldEditingTest::storedSubItems_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("cols");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("Text") << "Text" << "10" << "40" << QStringList{"Field", "Text", "10", ""};
    QTest::newRow("Textarea") << "Textarea" << "10" << "40" << QStringList{"Field", "Textarea", "10", "40"};
    QTest::newRow("lower-case text keeps hidden columns") << "text" << "10" << "40" << QStringList{"Field", "text", "10", "40"};
    QTest::newRow("capital TEXTAREA") << "TEXTAREA" << "8" << "60" << QStringList{"Field", "TEXTAREA", "8", "60"};
    QTest::newRow("empty size") << "Text" << "" << "40" << QStringList{"Field", "Text", "", ""};
    QTest::newRow("size not a number") << "Text" << "wide" << "40" << QStringList{"Field", "Text", "wide", ""};
}

void FieldEditingTest::storedSubItems()
{
    QFETCH(QString, kind);
    QFETCH(QString, rows);
    QFETCH(QString, cols);
    QFETCH(QStringList, stored);
    DesktopRecorder desktop;
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, {});
    frmAddField dialog(list, &owner);
    dialog.show();
    QTest::keyClicks(nameBox(&dialog), "Field");
    typeInto(combo(&dialog, "Combo1"), kind);
    typeInto(combo(&dialog, "cboCols"), cols);
    typeInto(combo(&dialog, "cboRows"), rows);
    clickWidget(named<QLabel>(&dialog, QStringLiteral("lblOK")));
    QCOMPARE(desktop.messages.size(), 0);
    QCOMPARE(rowsOf(list), Rows{stored});
}

void FieldEditingTest::layouts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("picked");
    QTest::addColumn<bool>("multiLine");
    QTest::newRow("picked Textarea") << "Textarea" << true << true;
    QTest::newRow("picked Text") << "Text" << true << false;
    QTest::newRow("typed textarea in capitals") << "TEXTAREA" << false << true;
    QTest::newRow("typed textArea") << "textArea" << false << true;
    QTest::newRow("typed text") << "text" << false << false;
    QTest::newRow("typed something else") << "Memo" << false << false;
}

void FieldEditingTest::layouts()
{
    QFETCH(QString, kind);
    QFETCH(bool, picked);
    QFETCH(bool, multiLine);
    QWidget owner;
    frmAddField dialog(makeFieldList(&owner, {}), &owner);
    dialog.show();
    QComboBox *kindBox = combo(&dialog, "Combo1");
    // Start from the other layout, so that the change is seen.
    kindBox->setEditText(multiLine ? QStringLiteral("Text") : QStringLiteral("Textarea"));
    if (picked)
        kindBox->setCurrentIndex(kindBox->findText(kind));
    else
        typeInto(kindBox, kind);

    // Frame height, buttons' top, in twips at 15 to the pixel.
    const int frameHeight = (multiLine ? 1725 : 1365) / 15;
    const int buttonTop = (multiLine ? 1800 : 1440) / 15;
    QCOMPARE(named<QWidget>(&dialog, QStringLiteral("Frame1"))->height(), frameHeight);
    for (const char *button : {"lblOK", "lblCancel", "shOK", "shCancel"})
        QCOMPARE(named<QWidget>(&dialog, QString::fromLatin1(button))->y(), buttonTop);
    QCOMPARE(named<QWidget>(&dialog, QStringLiteral("cboCols"))->isVisible(), multiLine);
    QCOMPARE(named<QWidget>(&dialog, QStringLiteral("Label4"))->isVisible(), multiLine);
    QCOMPARE(named<QLabel>(&dialog, QStringLiteral("Label3"))->text(),
             multiLine ? QStringLiteral("Rows:") : QStringLiteral("Field size:"));
    // Re-centred after the change of height.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = dialog.frameGeometry();
    QVERIFY2(qAbs(frame.center().y() - screen.center().y()) <= 1, qPrintable(QString::number(frame.y())));
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
}

void FieldEditingTest::sizeBoxesRefuseCommasAndSpaces()
{
    // The kind and sizes come back from the settings file without spaces and split
    // at commas, so neither can be typed.
    QWidget owner;
    frmAddField dialog(makeFieldList(&owner, {}), &owner);
    typeInto(combo(&dialog, "cboRows"), "1, 0");
    QCOMPARE(combo(&dialog, "cboRows")->currentText(), QStringLiteral("10"));
    typeInto(combo(&dialog, "Combo1"), "Text area");
    QCOMPARE(combo(&dialog, "Combo1")->currentText(), QStringLiteral("Textarea"));
}

void FieldEditingTest::editingEmailDropsItsHyphen()
{
    DesktopRecorder desktop;
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, kDefaultFields);
    list->topLevelItem(1)->setSelected(true);
    WizardFlags::FieldEditMode = WizardFlags::EditField;
    frmAddField dialog(list, &owner);
    dialog.show();
    QCOMPARE(nameBox(&dialog)->text(), QStringLiteral("Email"));
    QCOMPARE(combo(&dialog, "Combo1")->currentText(), QStringLiteral("Text"));
    QCOMPARE(combo(&dialog, "cboRows")->currentText(), QStringLiteral("40"));
    QVERIFY(!named<QWidget>(&dialog, QStringLiteral("cboCols"))->isVisible());
    clickWidget(named<QLabel>(&dialog, QStringLiteral("lblOK")));
    Rows expected = kDefaultFields;
    expected[1] = {"Email", "Text", "40", ""};
    QCOMPARE(rowsOf(list), expected);
    QCOMPARE(WizardFlags::FieldEditMode, int(WizardFlags::AddField));
}

void FieldEditingTest::editingKeepsColumnsWhenEmpty()
{
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, {{"Notes", "Textarea", "5", ""}});
    list->topLevelItem(0)->setSelected(true);
    WizardFlags::FieldEditMode = WizardFlags::EditField;
    frmAddField dialog(list, &owner);
    dialog.show();
    QCOMPARE(combo(&dialog, "cboCols")->currentText(), QStringLiteral("40"));
    QVERIFY(named<QWidget>(&dialog, QStringLiteral("cboCols"))->isVisible());
}

void FieldEditingTest::closingResetsTheMode_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "Escape";
}

void FieldEditingTest::closingResetsTheMode()
{
    QFETCH(QString, how);
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, kDefaultFields);
    list->topLevelItem(0)->setSelected(true);
    WizardFlags::FieldEditMode = WizardFlags::EditField;
    frmAddField dialog(list, &owner);
    QVERIFY(dialog.isEditing());
    dialog.show();
    nameBox(&dialog)->setText(QStringLiteral("Changed"));
    if (how == QLatin1String("Cancel"))
        clickWidget(named<QLabel>(&dialog, QStringLiteral("lblCancel")));
    else if (how == QLatin1String("close"))
        dialog.close();
    else
        QTest::keyClick(nameBox(&dialog), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(rowsOf(list), kDefaultFields);
    QCOMPARE(WizardFlags::FieldEditMode, int(WizardFlags::AddField));
    // The next dialog adds.
    frmAddField next(list, &owner);
    QVERIFY(!next.isEditing());
    QCOMPARE(nameBox(&next)->text(), QString());
}

void FieldEditingTest::menuEnabledStates_data()
{
    QTest::addColumn<Rows>("fields");
    QTest::addColumn<bool>("deleteAndEdit");
    QTest::newRow("empty list") << Rows{} << false;
    QTest::newRow("one field") << Rows{{"Name", "Text", "40", ""}} << true;
}

void FieldEditingTest::menuEnabledStates()
{
    QFETCH(Rows, fields);
    QFETCH(bool, deleteAndEdit);
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, fields);
    ShowFieldMenu(&owner, list);
    frmMenu *menu = shownFieldMenu();
    QVERIFY(menu);
    QVERIFY(WizardFlags::FieldMenuShown);
    QVERIFY(named<QWidget>(menu, QStringLiteral("lblAddField"))->isEnabled());
    QVERIFY(named<QWidget>(menu, QStringLiteral("imgAdd"))->isEnabled());
    for (const char *name : {"lblDelete", "imgDelete", "lblEdit", "imgEdit"})
        QCOMPARE(named<QWidget>(menu, QString::fromLatin1(name))->isEnabled(), deleteAndEdit);
    // The state is the one computed when the menu opened.
    new QTreeWidgetItem(list, {"Late", "Text", "10", ""});
    ShowFieldMenu(&owner, list);
    QCOMPARE(shownFieldMenu(), menu);
    QCOMPARE(named<QWidget>(menu, QStringLiteral("lblDelete"))->isEnabled(), deleteAndEdit);
    CloseFieldMenu();
    QVERIFY(!shownFieldMenu());
    QVERIFY(!WizardFlags::FieldMenuShown);
}

void FieldEditingTest::menuDeleteKeepsOrder()
{
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, {{"One", "Text", "1", ""}, {"Two", "Text", "2", ""}, {"Three", "Textarea", "3", "4"}});
    list->topLevelItem(1)->setSelected(true);
    ShowFieldMenu(&owner, list);
    clickWidget(named<QLabel>(shownFieldMenu(), QStringLiteral("lblDelete")));
    QCOMPARE(rowsOf(list), (Rows{{"One", "Text", "1", ""}, {"Three", "Textarea", "3", "4"}}));
    QVERIFY(!shownFieldMenu());
    QVERIFY(!WizardFlags::FieldMenuShown);
}

void FieldEditingTest::menuCommandsWithoutSelectionDoNothing()
{
    DesktopRecorder desktop;
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, kDefaultFields);
    list->clearSelection();
    ShowFieldMenu(&owner, list);
    frmMenu *menu = shownFieldMenu();
    bool dialogOpened = false;
    actOnModal([&dialogOpened](QWidget *modal) { dialogOpened = modal != nullptr; });
    clickWidget(named<QLabel>(menu, QStringLiteral("lblEdit")));
    clickWidget(named<QLabel>(menu, QStringLiteral("lblDelete")));
    QCoreApplication::processEvents();
    QVERIFY(!dialogOpened);
    QCOMPARE(rowsOf(list), kDefaultFields);
    QCOMPARE(shownFieldMenu(), menu);
    QCOMPARE(WizardFlags::FieldEditMode, int(WizardFlags::AddField));
    CloseFieldMenu();
}

void FieldEditingTest::menuHighlightFollowsTheRow()
{
    QWidget owner;
    ShowFieldMenu(&owner, makeFieldList(&owner, kDefaultFields));
    frmMenu *menu = shownFieldMenu();
    QWidget *bar = named<QWidget>(menu, QStringLiteral("shHighlight"));
    QCOMPARE(bar->y(), -12000 / 15);
    const struct {
        const char *label;
        int top;
    } rows[] = {{"lblAddField", 480}, {"lblDelete", 840}, {"lblEdit", 1200}};
    for (const auto &row : rows) {
        moveMouse(named<QWidget>(menu, QString::fromLatin1(row.label)), QPoint(5, 5));
        QCOMPARE(bar->y(), row.top / 15);
        QCOMPARE(bar->width(), 2295 / 15);
    }
    moveMouse(menu, QPoint(150, 100));
    QCOMPARE(bar->y(), -12000 / 15);
    CloseFieldMenu();
}

void FieldEditingTest::menuOpensTheFieldDialog_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("editing");
    QTest::newRow("Add new Field") << "lblAddField" << false;
    QTest::newRow("Edit Field") << "lblEdit" << true;
}

void FieldEditingTest::menuOpensTheFieldDialog()
{
    QFETCH(QString, command);
    QFETCH(bool, editing);
    QWidget owner;
    QTreeWidget *list = makeFieldList(&owner, kDefaultFields);
    list->topLevelItem(2)->setSelected(true);
    ShowFieldMenu(&owner, list);
    QPointer<frmMenu> menu = shownFieldMenu();
    QString seenName;
    bool seenEditing = !editing;
    bool menuGone = false;
    int modeWhileOpen = -1;
    actOnModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<frmAddField *>(modal);
        QVERIFY(dialog);
        seenEditing = dialog->isEditing();
        seenName = nameBox(dialog)->text();
        modeWhileOpen = WizardFlags::FieldEditMode;
        menuGone = !shownFieldMenu() && !WizardFlags::FieldMenuShown;
        QCOMPARE(dialog->parentWidget(), &owner);
        clickWidget(named<QLabel>(dialog, QStringLiteral("lblCancel")));
    });
    clickWidget(named<QLabel>(menu, command));
    QCOMPARE(seenEditing, editing);
    QCOMPARE(seenName, editing ? QStringLiteral("Homepage") : QString());
    QCOMPARE(modeWhileOpen, editing ? 1 : 0);
    QVERIFY(menuGone);
    QCOMPARE(WizardFlags::FieldEditMode, 0);
}

void FieldEditingTest::menuOpenedAndClosedFromTheList()
{
    TestProgramFolder folder;
    DesktopRecorder desktop;
    InstallDialogs();
    frmMain window;
    window.show();
    window.DoMode(4);
    auto *list = named<QTreeWidget>(&window, QStringLiteral("lvwFields"));
    QWidget *viewport = list->viewport();

    QCursor::setPos(120, 90);
    sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
    QPointer<frmMenu> menu = shownFieldMenu();
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QVERIFY(WizardFlags::FieldMenuShown);
    QCOMPARE(menu->parentWidget(), &window);
    QCOMPARE(menu->pos(), QPoint(120, 90));

    // A second right press only moves the menu.
    QCursor::setPos(300, 200);
    sendMouse(viewport, QEvent::MouseButtonPress, QPoint(20, 20), Qt::RightButton);
    QCOMPARE(shownFieldMenu(), menu.data());
    QCOMPARE(menu->pos(), QPoint(300, 200));

    // Another button closes it; no command runs.
    const Rows before = rowsOf(list);
    sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
    QVERIFY(!shownFieldMenu());
    QVERIFY(!WizardFlags::FieldMenuShown);
    QTRY_VERIFY(!menu);
    QCOMPARE(rowsOf(list), before);
}

QTEST_MAIN(FieldEditingTest)
#include "tst_fieldediting.moc"
