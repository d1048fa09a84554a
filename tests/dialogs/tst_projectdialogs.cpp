// The title dialog and the existing projects window, and the round trip of what
// the dialogs accept through a save and a load from the recent list.

#include "dialogtestsupport.h"
#include "support/testfolder.h"

#include "dialogs/frmaddfield.h"
#include "dialogs/frmedit.h"
#include "dialogs/frmexisting.h"
#include "dialogs/installdialogs.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"
#include "wizard/frmmain.h"

#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const QString kInvalidTitle = QStringLiteral("Error: Invalid title. Please check and try again");
const QString kLoadedPrefix = QStringLiteral("Settings loaded for: ");

struct TitleBoxes {
    QWidget owner;
    QLineEdit *title = new QLineEdit(QStringLiteral("My Guestbook"), &owner);
    QLineEdit *saveTo = new QLineEdit(QStringLiteral("/srv/books/"), &owner);
    QStringList namesSet;
    std::function<void(const QString &)> setName = [this](const QString &name) { namesSet << name; };
};

QLineEdit *newTitleBox(QWidget *dialog)
{
    return named<QLineEdit>(dialog, QStringLiteral("txtNew"));
}

QStringList rowTexts(const QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0);
    return texts;
}

QTreeWidget *projectList(QWidget *window)
{
    return named<QTreeWidget>(window, QStringLiteral("lvwProjects"));
}

void doubleClickRow(QWidget *window, const QString &text)
{
    QTreeWidget *list = projectList(window);
    const QList<QTreeWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->setCurrentItem(found.first());
    const QPoint pos = list->visualItemRect(found.first()).center();
    sendMouse(list->viewport(), QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
}

// Types the text one character at a time, as keys would (QTest's key clicks take
// ASCII only).
void typeText(QLineEdit *box, const QString &text)
{
    for (const QChar c : text)
        box->insert(QString(c));
}

void typeInto(QComboBox *box, const QString &text)
{
    box->lineEdit()->clear();
    typeText(box->lineEdit(), text);
}

}  // namespace

class ProjectDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void titleRules_data();
    void titleRules();
    void enterActsAsOk();
    void titleHoldsFiftyCharacters();
    void cancelChangesNothing();

    void listsRecentProjects();
    void loadsIntoTheMainWindow();
    void doubleClickWithoutSelectionDoesNothing();
    void exitLoadsNothing();
    void secondOpeningOnlyMoves();
    void dragAreas_data();
    void dragAreas();

    void roundTrip_data();
    void roundTrip();
};

void ProjectDialogsTest::titleRules_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("section");
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("one character") << "A" << false << "";
    QTest::newRow("two spaces") << "  " << true << "__";
    QTest::newRow("with a space") << "My Site" << true << "My_Site";
    QTest::newRow("fifty characters") << QString(50, QLatin1Char('t')) << true << QString(50, QLatin1Char('t'));
    QTest::newRow("comma") << "Club, news" << false << "";
    QTest::newRow("underscore") << "My_Site" << false << "";
    QTest::newRow("a saved project's title") << "Club news" << true << "Club_news";
    QTest::newRow("saved title in other capitals") << "club News" << false << "";
    QTest::newRow("saved title with a leading space") << " Club news" << false << "";
    QTest::newRow("saved title with a trailing space") << "Club news " << false << "";
    QTest::newRow("the program's own section") << "Settings" << true << "Settings";
}

void ProjectDialogsTest::titleRules()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, section);
    TestProgramFolder folder;
    SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
    const QByteArray settingsBefore = readBytes(SettingsFilePath());
    DesktopRecorder desktop;
    TitleBoxes boxes;
    frmEdit dialog(boxes.title, boxes.saveTo, boxes.setName, &boxes.owner);
    dialog.show();
    QCOMPARE(named<QLineEdit>(&dialog, QStringLiteral("txtOld"))->text(), QStringLiteral("My Guestbook"));
    newTitleBox(&dialog)->setText(typed);
    clickWidget(named<QLabel>(&dialog, QStringLiteral("lblOK")));

    if (accepted) {
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(boxes.title->text(), typed);
        QCOMPARE(boxes.namesSet, QStringList{typed});
        QCOMPARE(GetINISetting(section, QStringLiteral("Project_Title"), QStringLiteral("<none>")), typed);
        QCOMPARE(GetINISetting(section, QStringLiteral("Project_Path"), QStringLiteral("<none>")), QStringLiteral("/srv/books/"));
    } else {
        QCOMPARE(desktop.texts(), QStringList{kInvalidTitle});
        QCOMPARE(desktop.messages.first().icon, MessagePrompt::Icon::Exclamation);
        QVERIFY(dialog.isVisible());
        QCOMPARE(newTitleBox(&dialog)->text(), typed);
        QCOMPARE(boxes.title->text(), QStringLiteral("My Guestbook"));
        QVERIFY(boxes.namesSet.isEmpty());
        QCOMPARE(readBytes(SettingsFilePath()), settingsBefore);
    }
}

void ProjectDialogsTest::enterActsAsOk()
{
    TestProgramFolder folder;
    DesktopRecorder desktop;
    TitleBoxes boxes;
    frmEdit dialog(boxes.title, boxes.saveTo, boxes.setName, &boxes.owner);
    dialog.show();
    QTest::keyClicks(newTitleBox(&dialog), "Garden Club");
    QTest::keyClick(newTitleBox(&dialog), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(boxes.title->text(), QStringLiteral("Garden Club"));
    QCOMPARE(GetINISetting(QStringLiteral("Garden_Club"), QStringLiteral("Project_Title"), QString()), QStringLiteral("Garden Club"));
}

void ProjectDialogsTest::titleHoldsFiftyCharacters()
{
    TitleBoxes boxes;
    frmEdit dialog(boxes.title, boxes.saveTo, boxes.setName, &boxes.owner);
    QTest::keyClicks(newTitleBox(&dialog), QString(51, QLatin1Char('w')));
    QCOMPARE(newTitleBox(&dialog)->text(), QString(50, QLatin1Char('w')));
}

void ProjectDialogsTest::cancelChangesNothing()
{
    TestProgramFolder folder;
    DesktopRecorder desktop;
    TitleBoxes boxes;
    frmEdit dialog(boxes.title, boxes.saveTo, boxes.setName, &boxes.owner);
    dialog.show();
    QTest::keyClicks(newTitleBox(&dialog), "Another title");
    clickWidget(named<QLabel>(&dialog, QStringLiteral("lblCancel")));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(boxes.title->text(), QStringLiteral("My Guestbook"));
    QVERIFY(boxes.namesSet.isEmpty());
    QVERIFY(!QFile::exists(SettingsFilePath()));
}

void ProjectDialogsTest::listsRecentProjects()
{
    TestProgramFolder folder;
    QWidget owner;
    SaveINISetting(QStringLiteral("Projects"), QStringLiteral("Recent_Projects"), QStringLiteral("My_Guestbook, Club_news, my_guestbook"));
    frmExisting window([](const QString &) {}, [] { return QString(); }, &owner);
    QCOMPARE(rowTexts(projectList(&window)), (QStringList{"My Guestbook", "Club news"}));
    QCOMPARE(projectList(&window)->headerItem()->text(0), QStringLiteral("Projects"));
}

void ProjectDialogsTest::loadsIntoTheMainWindow()
{
    TestProgramFolder folder;
    DesktopRecorder desktop;
    GuestbookProject club = GuestbookProject::startupDefaults();
    club.BG_Color = QStringLiteral("#336699");
    club.Fields = {{"Member", "Text", "20", ""}};
    SaveProject(QStringLiteral("My Guestbook"), GuestbookProject::startupDefaults());
    SaveProject(QStringLiteral("Club news"), club);

    InstallDialogs();
    frmMain main;
    main.show();
    QCOMPARE(main.CurrentMode(), 1);
    QCursor::setPos(200, 150);
    mainWindowDialogs().showExistingProjects(main);
    QPointer<frmExisting> window = shownExistingProjects();
    QVERIFY(window);
    QCOMPARE(window->parentWidget(), &main);
    QCOMPARE(window->pos(), QPoint(200, 150));

    bool closedBeforeMessage = false;
    desktop.onMessage = [&](const MessagePrompt::Shown &) { closedBeforeMessage = !shownExistingProjects(); };
    doubleClickRow(window, QStringLiteral("Club news"));

    QCOMPARE(main.CurrentMode(), 2);
    QCOMPARE(main.ProjectName(), QStringLiteral("Club news"));
    QCOMPARE(named<QLineEdit>(&main, QStringLiteral("txtTitle"))->text(), QStringLiteral("Club news"));
    QCOMPARE(main.readProject().BG_Color, QStringLiteral("#336699"));
    QCOMPARE(main.readProject().Fields, club.Fields);
    QCOMPARE(desktop.texts(), QStringList{kLoadedPrefix + QStringLiteral("Club news")});
    QCOMPARE(desktop.messages.first().icon, MessagePrompt::Icon::Information);
    QVERIFY(closedBeforeMessage);
    QTRY_VERIFY(!window);
}

void ProjectDialogsTest::doubleClickWithoutSelectionDoesNothing()
{
    TestProgramFolder folder;
    DesktopRecorder desktop;
    SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
    QWidget owner;
    QStringList loaded;
    ShowExistingProjects(&owner, [&loaded](const QString &name) { loaded << name; }, [] { return QString(); });
    frmExisting *window = shownExistingProjects();
    projectList(window)->clearSelection();
    sendMouse(projectList(window)->viewport(), QEvent::MouseButtonDblClick, QPoint(5, 100), Qt::LeftButton);
    QVERIFY(loaded.isEmpty());
    QVERIFY(desktop.messages.isEmpty());
    QCOMPARE(shownExistingProjects(), window);
    window->close();
}

void ProjectDialogsTest::exitLoadsNothing()
{
    TestProgramFolder folder;
    DesktopRecorder desktop;
    SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
    QWidget owner;
    QStringList loaded;
    ShowExistingProjects(&owner, [&loaded](const QString &name) { loaded << name; }, [] { return QString(); });
    frmExisting *window = shownExistingProjects();
    projectList(window)->setCurrentItem(projectList(window)->topLevelItem(0));
    QLabel *exit = named<QLabel>(window, QStringLiteral("imgExit"));
    QCOMPARE(exit->toolTip(), QStringLiteral("Exit"));
    clickWidget(exit);
    QVERIFY(!shownExistingProjects());
    QVERIFY(loaded.isEmpty());
    QVERIFY(desktop.messages.isEmpty());
}

void ProjectDialogsTest::secondOpeningOnlyMoves()
{
    TestProgramFolder folder;
    SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
    QWidget owner;
    const auto load = [](const QString &) {};
    const auto title = [] { return QString(); };
    QCursor::setPos(40, 30);
    ShowExistingProjects(&owner, load, title);
    frmExisting *window = shownExistingProjects();
    SaveProject(QStringLiteral("Later project"), GuestbookProject::startupDefaults());
    QCursor::setPos(500, 400);
    ShowExistingProjects(&owner, load, title);
    QCOMPARE(shownExistingProjects(), window);
    QCOMPARE(window->pos(), QPoint(500, 400));
    QCOMPARE(rowTexts(projectList(window)), QStringList{"Club news"});
    window->close();
}

void ProjectDialogsTest::dragAreas_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<bool>("moves");
    QTest::newRow("title") << "Label1" << true;
    QTest::newRow("icon") << "Image2" << true;
    QTest::newRow("background") << "" << true;
    QTest::newRow("banner") << "Image1" << false;
    QTest::newRow("list") << "lvwProjects" << false;
}

void ProjectDialogsTest::dragAreas()
{
    QFETCH(QString, area);
    QFETCH(bool, moves);
    TestProgramFolder folder;
    QWidget owner;
    QCursor::setPos(100, 100);
    ShowExistingProjects(&owner, [](const QString &) {}, [] { return QString(); });
    frmExisting *window = shownExistingProjects();
    const QPoint start = window->pos();
    QWidget *target = area.isEmpty() ? static_cast<QWidget *>(window) : named<QWidget>(window, area);
    // The background: the strip between the list and the bottom edge.
    const QPoint pressAt = area.isEmpty() ? QPoint(2, 155) : QPoint(3, 3);
    const QPoint global = target->mapToGlobal(pressAt);
    QCursor::setPos(global);
    sendMouse(target, QEvent::MouseButtonPress, pressAt, Qt::RightButton);
    QMouseEvent move(QEvent::MouseMove, QPointF(pressAt + QPoint(30, 20)), QPointF(global + QPoint(30, 20)), Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    sendMouse(target, QEvent::MouseButtonRelease, pressAt + QPoint(30, 20), Qt::RightButton);
    QCOMPARE(window->pos(), moves ? start + QPoint(30, 20) : start);
    window->close();
}

void ProjectDialogsTest::roundTrip_data()
{
    // Each field: name, kind, rows, columns, typed into the field dialog.
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<QStringList>>("typedFields");
    QTest::addColumn<bool>("titleAccepted");
    QTest::addColumn<int>("fieldsAccepted");

    const QList<QStringList> plain = {{"Name", "Text", "40", "40"}, {"Comments", "Textarea", "10", "39"}};
    QTest::newRow("plain") << "My Site" << plain << true << 2;
    QTest::newRow("two spaces") << "  " << QList<QStringList>{{"  ", "Text", "10", "40"}} << true << 1;
    QTest::newRow("ini punctuation") << "[Shop] = open; #1" << QList<QStringList>{{"[f] ;x #y", "Text", "5", "40"}} << true << 1;
    QTest::newRow("program's section") << "Projects" << plain << true << 2;
    QTest::newRow("accented") << QStringLiteral("G\u00E4stebuch \u00C9t\u00E9") << QList<QStringList>{{QStringLiteral("Gr\u00F6\u00DFe"), "Text", "3", "40"}} << true << 1;
    QTest::newRow("saved title again") << "Club news" << plain << true << 2;
    QTest::newRow("saved title in capitals") << "CLUB NEWS" << plain << false << 2;
    QTest::newRow("saved title with space at end") << "Club news " << plain << false << 2;
    QTest::newRow("underscore and comma") << "Club_news, old" << plain << false << 2;
    QTest::newRow("clashing field names")
        << "Clashes"
        << QList<QStringList>{{"Name", "Text", "40", "40"},  {"name", "Text", "40", "40"},  {"a b", "Text", "1", "40"},
                              {"a_b", "Text", "1", "40"},    {" lead", "Text", "2", "40"}, {"trail ", "Text", "2", "40"},
                              {"x=y,z\"", "Text", "3", "40"}, {"E-mail", "Text", "4", "40"}}
        << true << 6;
    QTest::newRow("kinds and sizes")
        << "Kinds"
        << QList<QStringList>{{"Big", "TEXTAREA", "7", "70"}, {"Small", "text", "5", "40"}, {"Memo", "Memo", "", "12"},
                              {"Spaced", "Text area", "1 0", "4,0"}, {"Blank", "", "", ""}}
        << true << 5;
}

void ProjectDialogsTest::roundTrip()
{
    QFETCH(QString, title);
    QFETCH(QList<QStringList>, typedFields);
    QFETCH(bool, titleAccepted);
    QFETCH(int, fieldsAccepted);
    TestProgramFolder folder;
    DesktopRecorder desktop;
    SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
    InstallDialogs();
    frmMain main;
    main.show();
    auto *titleBox = named<QLineEdit>(&main, QStringLiteral("txtTitle"));
    auto *fieldList = named<QTreeWidget>(&main, QStringLiteral("lvwFields"));

    {
        frmEdit dialog(titleBox, named<QLineEdit>(&main, QStringLiteral("txtSaveTo")),
                       [&main](const QString &name) { main.setProjectName(name); }, &main);
        dialog.show();
        newTitleBox(&dialog)->setText(title);
        clickWidget(named<QLabel>(&dialog, QStringLiteral("lblOK")));
        QCOMPARE(!dialog.isVisible(), titleAccepted);
    }
    fieldList->clear();
    for (const QStringList &typed : typedFields) {
        frmAddField dialog(fieldList, &main);
        dialog.show();
        typeText(named<QLineEdit>(&dialog, QStringLiteral("txtfldName")), typed.at(0));
        typeInto(named<QComboBox>(&dialog, QStringLiteral("Combo1")), typed.at(1));
        typeInto(named<QComboBox>(&dialog, QStringLiteral("cboRows")), typed.at(2));
        typeInto(named<QComboBox>(&dialog, QStringLiteral("cboCols")), typed.at(3));
        clickWidget(named<QLabel>(&dialog, QStringLiteral("lblOK")));
    }
    QCOMPARE(fieldList->topLevelItemCount(), fieldsAccepted);

    const GuestbookProject accepted = main.readProject();
    SaveProject(main.ProjectName(), accepted);
    main.showProject(GuestbookProject::startupDefaults());
    titleBox->setText(QStringLiteral("Something else"));
    desktop.messages.clear();

    mainWindowDialogs().showExistingProjects(main);
    doubleClickRow(shownExistingProjects(), accepted.Project_Title);
    QCOMPARE(titleBox->text(), accepted.Project_Title);
    QCOMPARE(main.readProject().Fields, accepted.Fields);
    QCOMPARE(main.readProject(), accepted);
    QCOMPARE(desktop.texts(), QStringList{kLoadedPrefix + accepted.Project_Title});
}

QTEST_MAIN(ProjectDialogsTest)
#include "tst_projectdialogs.moc"
