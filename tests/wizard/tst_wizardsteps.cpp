// The wizard's steps: navigation, the field-list check, the captions of the
// last step, and Finish into a temporary program folder.

#include "support/testfolder.h"
#include "wizardtestsupport.h"

#include "store/settingsfile.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

class WizardStepsTest : public QObject
{
    Q_OBJECT

private slots:
    void navigation_data();
    void navigation();
    void emptyFieldListRefusesLastStep();
    void numbersOutsideTheStepsChangeNothing_data();
    void numbersOutsideTheStepsChangeNothing();
    void lastStepCaptions();
    void finishGeneratesAndReturnsToStep2_data();
    void finishGeneratesAndReturnsToStep2();
    void generatedFlagFollowsStep2();
    void failedRunStaysOnLastStep();
};

namespace {
const char *const kFrames[] = {"frMain", "frStep1", "frStep2", "frStep3", "frStep4"};

QString visibleFrames(frmMain &window)
{
    QStringList shown;
    for (const char *name : kFrames) {
        if (control(window, name)->isVisibleTo(&window))
            shown << QLatin1String(name);
    }
    return shown.join(',');
}

QString caption(frmMain &window, const char *name)
{
    return control<QLabel>(window, name)->text();
}

QString folderOf(const QString &parent, const QString &name)
{
    return QDir::toNativeSeparators(parent) + QDir::separator() + name;
}
}  // namespace

void WizardStepsTest::navigation_data()
{
    QTest::addColumn<QString>("clicks");  // N: Next, B: Back
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<QString>("nextCaption");

    QTest::newRow("start") << "" << 1 << "frMain" << "Step 1: Introduction" << false << "Next >>";
    QTest::newRow("Back on step 1") << "B" << 1 << "frMain" << "Step 1: Introduction" << false << "Next >>";
    QTest::newRow("step 2") << "N" << 2 << "frStep1" << "Step 2: Title, body and tables" << true << "Next >>";
    QTest::newRow("step 3") << "NN" << 3 << "frStep2" << "Step 3: Fonts and links" << true << "Next >>";
    QTest::newRow("step 4") << "NNN" << 4 << "frStep3" << "Step 4: Fields" << true << "Next >>";
    QTest::newRow("step 5") << "NNNN" << 5 << "frStep4" << "Step 5: Guestbook Generation" << true << "Finish";
    QTest::newRow("Back from step 5") << "NNNNB" << 4 << "frStep3" << "Step 4: Fields" << true << "Next >>";
    QTest::newRow("Back and on again") << "NNNNBN" << 5 << "frStep4" << "Step 5: Guestbook Generation" << true
                                       << "Finish";
    QTest::newRow("Back to step 1") << "NNBB" << 1 << "frMain" << "Step 1: Introduction" << false << "Next >>";
}

void WizardStepsTest::navigation()
{
    QFETCH(QString, clicks);
    QFETCH(int, step);
    QFETCH(QString, frame);
    QFETCH(QString, heading);
    QFETCH(bool, backEnabled);
    QFETCH(QString, nextCaption);

    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    window.show();
    for (const QChar c : clicks)
        clickControl(window, c == 'N' ? "lblNext" : "lblBack");

    QCOMPARE(window.CurrentMode(), step);
    QCOMPARE(visibleFrames(window), frame);
    QCOMPARE(caption(window, "lblSteps"), heading);
    QCOMPARE(control(window, "lblBack")->isEnabled(), backEnabled);
    QCOMPARE(caption(window, "lblNext"), nextCaption);
    QCOMPARE(caption(window, "lblBack"), QStringLiteral("<< Back"));
    QVERIFY(desktop.shown().isEmpty());
    if (step == 2)
        QCOMPARE(window.focusWidget(), control(window, "txtBGColor"));
}

void WizardStepsTest::emptyFieldListRefusesLastStep()
{
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    window.show();
    GuestbookProject project = window.readProject();
    project.Fields.clear();
    window.showProject(project);
    for (int i = 0; i < 4; ++i)
        clickControl(window, "lblNext");

    QCOMPARE(desktop.shown().size(), 1);
    QCOMPARE(desktop.shown().first().text, QStringLiteral("Error: You must specify atleast one field"));
    QCOMPARE(desktop.shown().first().icon, MessagePrompt::Icon::Exclamation);
    QCOMPARE(desktop.shown().first().buttons, MessagePrompt::Buttons::Ok);
    QCOMPARE(window.CurrentMode(), 4);
    QCOMPARE(visibleFrames(window), QStringLiteral("frStep3"));
    QVERIFY(control(window, "lblBack")->isEnabled());
    QCOMPARE(caption(window, "lblNext"), QStringLiteral("Next >>"));

    project.Fields = {{"Name", "Text", "40", ""}};
    window.showProject(project);
    clickControl(window, "lblNext");
    QCOMPARE(window.CurrentMode(), 5);
    QCOMPARE(desktop.shown().size(), 1);
}

void WizardStepsTest::numbersOutsideTheStepsChangeNothing_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0;
    QTest::newRow("6") << 6;
    QTest::newRow("-1") << -1;
}

void WizardStepsTest::numbersOutsideTheStepsChangeNothing()
{
    QFETCH(int, number);
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    for (int i = 0; i < 4; ++i)
        clickControl(window, "lblNext");

    window.DoMode(number);

    QCOMPARE(window.CurrentMode(), 5);
    QCOMPARE(visibleFrames(window), QStringLiteral("frStep4"));
    QCOMPARE(caption(window, "lblSteps"), QStringLiteral("Step 5: Guestbook Generation"));
    QCOMPARE(caption(window, "lblNext"), QStringLiteral("Finish"));
    QVERIFY(control(window, "lblBack")->isEnabled());
}

void WizardStepsTest::lastStepCaptions()
{
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    GuestbookProject project = window.readProject();
    project.Project_Path = QDir::toNativeSeparators("/srv/sites/");
    project.Project_Title = "Club news";
    window.showProject(project);
    window.setProjectName("Club news");
    for (int i = 0; i < 4; ++i)
        clickControl(window, "lblNext");

    QCOMPARE(caption(window, "lblProjectName"), QStringLiteral("Project Name: Club news"));
    QCOMPARE(caption(window, "lblGBPath"), QDir::toNativeSeparators("/srv/sites/Club_news"));

    clickControl(window, "lblGBPath");
    QCOMPARE(desktop.opened, QStringList{QDir::toNativeSeparators("/srv/sites/Club_news")});
}

void WizardStepsTest::finishGeneratesAndReturnsToStep2_data()
{
    QTest::addColumn<bool>("viewFiles");
    QTest::newRow("No: nothing opened") << false;
    QTest::newRow("Yes: folder opened") << true;
}

void WizardStepsTest::finishGeneratesAndReturnsToStep2()
{
    QFETCH(bool, viewFiles);
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    desktop.answers = {viewFiles};
    frmMain window;
    window.show();
    for (int i = 0; i < 5; ++i)
        clickControl(window, "lblNext");

    const QString pages = folderOf(folder.path(), "projects") + QDir::separator() + "My_Guestbook";
    for (const char *file : {"default.asp", "addtogb.asp", "viewguestbook.asp", "guestbook.txt"})
        QVERIFY2(QFile::exists(pages + QDir::separator() + file), file);
    QCOMPARE(desktop.shownTexts(),
             QStringList{"Your guestbook has been generated successfully\r\n\r\nWould you like to view your files now?"});
    QCOMPARE(desktop.shown().first().icon, MessagePrompt::Icon::Information);
    QCOMPARE(desktop.opened, viewFiles ? QStringList{pages + QDir::separator()} : QStringList());
    QVERIFY(!control(window, "lblStatus")->isVisibleTo(&window));
    QCOMPARE(window.CurrentMode(), 2);
    QCOMPARE(visibleFrames(window), QStringLiteral("frStep1"));
    QVERIFY(control(window, "lblBack")->isEnabled());
    QCOMPARE(caption(window, "lblNext"), QStringLiteral("Next >>"));
    QVERIFY(window.GuestbookGenerated());
    QCOMPARE(window.ProjectName(), QStringLiteral("My_Guestbook"));
    QCOMPARE(control<QLineEdit>(window, "txtTitle")->text(), QStringLiteral("My Guestbook"));
    // Saved before the run, under the name as it was then.
    QCOMPARE(GetINISetting("My Guestbook", "FLD_Names", "-"), QStringLiteral(", Name, E-mail, Homepage, Comments"));
    QCOMPARE(GetINISetting("My Guestbook", "TBL_Width", "-"), QStringLiteral("45%"));
    QCOMPARE(GetINISetting("Projects", "Recent_Projects", "-"), QStringLiteral("My_Guestbook"));
}

void WizardStepsTest::generatedFlagFollowsStep2()
{
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    window.show();
    for (int i = 0; i < 5; ++i)
        clickControl(window, "lblNext");
    QVERIFY(window.GuestbookGenerated());

    clickControl(window, "lblNext");
    QCOMPARE(window.CurrentMode(), 3);
    QVERIFY(window.GuestbookGenerated());
    clickControl(window, "lblBack");
    QCOMPARE(window.CurrentMode(), 2);
    QVERIFY(!window.GuestbookGenerated());
}

void WizardStepsTest::failedRunStaysOnLastStep()
{
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    writeBytes(folder.file("plain-file"), "not a folder");
    frmMain window;
    window.show();
    GuestbookProject project = window.readProject();
    project.Project_Path = folderOf(folder.path(), "plain-file") + QDir::separator();
    window.showProject(project);
    for (int i = 0; i < 5; ++i)
        clickControl(window, "lblNext");

    QCOMPARE(desktop.shown().size(), 1);
    const MessagePrompt::Shown error = desktop.shown().first();
    QVERIFY2(error.text.startsWith("Error: ") && error.text.size() > 8, qPrintable(error.text));
    QCOMPARE(error.icon, MessagePrompt::Icon::Exclamation);
    QCOMPARE(error.buttons, MessagePrompt::Buttons::Ok);
    QCOMPARE(window.CurrentMode(), 5);
    QCOMPARE(visibleFrames(window), QStringLiteral("frStep4"));
    QVERIFY(control(window, "lblBack")->isEnabled());
    QCOMPARE(caption(window, "lblNext"), QStringLiteral("Finish"));
    QVERIFY(control(window, "lblStatus")->isVisibleTo(&window));
    QVERIFY(caption(window, "lblStatus").startsWith("Status: "));
    QVERIFY(!window.GuestbookGenerated());

    // Mended: a usable folder, and Finish again.
    setFolderChooserForTesting([&](QWidget *, const QString &) { return folder.path(); });
    clickControl(window, "lblBack");
    clickControl(window, "lblBack");
    clickControl(window, "lblBack");
    clickControl(window, "lblBrowse");
    for (int i = 0; i < 4; ++i)
        clickControl(window, "lblNext");
    QCOMPARE(window.CurrentMode(), 2);
    QVERIFY(window.GuestbookGenerated());
    QVERIFY(QFile::exists(folderOf(folder.path(), "My_Guestbook") + QDir::separator() + "viewguestbook.asp"));
}

QTEST_MAIN(WizardStepsTest)
#include "tst_wizardsteps.moc"
