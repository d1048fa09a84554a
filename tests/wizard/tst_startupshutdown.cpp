// Start-up and shut-down of the main window: log lines, saved position,
// initial controls, the projects folder and the save question.

#include "support/testfolder.h"
#include "wizardtestsupport.h"

#include "store/settingsfile.h"
#include "wizard/wizardflags.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTreeWidget>

#include <memory>

class StartupShutdownTest : public QObject
{
    Q_OBJECT

private slots:
    void startLogAndPosition_data();
    void startLogAndPosition();
    void defaultFieldsAndControls_data();
    void defaultFieldsAndControls();
    void fontListsAndFlags();
    void shutDown_data();
    void shutDown();
    void noQuestionRightAfterGeneration();
    void unwritableProgramFolderNeverBlocks();
};

namespace {
const QStringList kLoadStart = {"Initializing Quillset 1.2.6", "Loading position"};
const QStringList kLoadRest = {"Loading default mode",
                               "Mode loaded, continuing main application execution",
                               "Loading fonts",
                               "Initializing listview",
                               "Checking existance of projects folder",
                               "Projects folder does not exist, Quillset will now create it"};
const QString kNotSaved = QStringLiteral("Position not saved, will revert to default");

bool isCentred(const QWidget &window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return qAbs(window.x() - (screen.width() - window.width()) / 2) <= 1
        && qAbs(window.y() - (screen.height() - window.height()) / 2) <= 1;
}
}  // namespace

void StartupShutdownTest::startLogAndPosition_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("positionLines");
    QTest::addColumn<QPoint>("position");  // (-1, -1): centred

    const QPoint centred(-1, -1);
    QTest::newRow("first start") << QByteArray() << QStringList{kNotSaved} << centred;
    QTest::newRow("saved, fraction dropped")
        << QByteArray("[Position]\r\nLeft=4230.4\r\nTop=3000\r\n") << QStringList{"Left: 4230", "Top: 3000"}
        << QPoint(282, 200);
    QTest::newRow("halves go to the even neighbour")
        << QByteArray("[Position]\r\nLeft=1500.5\r\nTop=1501.5\r\n") << QStringList{"Left: 1500", "Top: 1502"}
        << QPoint(100, 100);
    QTest::newRow("negative edge still on screen")
        << QByteArray("[Position]\r\nLeft=-1500\r\nTop=0\r\n") << QStringList{"Left: -1500", "Top: 0"}
        << QPoint(-100, 0);
    QTest::newRow("Left not a number") << QByteArray("[Position]\r\nLeft=abc\r\nTop=3000\r\n")
                                       << QStringList{kNotSaved} << centred;
    QTest::newRow("Top not a number") << QByteArray("[Position]\r\nLeft=3000\r\nTop=12px\r\n")
                                      << QStringList{kNotSaved} << centred;
    QTest::newRow("Left without Top") << QByteArray("[Position]\r\nLeft=3000\r\n") << QStringList{kNotSaved}
                                      << centred;
    QTest::newRow("Top without Left") << QByteArray("[Position]\r\nTop=3000\r\n") << QStringList{kNotSaved}
                                      << centred;
    QTest::newRow("wholly off every screen") << QByteArray("[Position]\r\nLeft=400000\r\nTop=3000\r\n")
                                             << QStringList{kNotSaved} << centred;
}

void StartupShutdownTest::startLogAndPosition()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, positionLines);
    QFETCH(QPoint, position);

    TestProgramFolder folder;
    if (!settings.isEmpty())
        writeBytes(folder.file("Quillset.ini"), settings);
    ScriptedDesktop desktop;
    frmMain window;

    QCOMPARE(logMessages(folder.file("applog.log")), kLoadStart + positionLines + kLoadRest);
    QVERIFY(QDir(folder.file("projects")).exists());
    if (position == QPoint(-1, -1))
        QVERIFY2(isCentred(window), qPrintable(QStringLiteral("at %1,%2").arg(window.x()).arg(window.y())));
    else
        QCOMPARE(window.pos(), position);
    QCOMPARE(window.size(), QSize(517, 366));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillset"));
    QVERIFY(desktop.shown().isEmpty());
}

void StartupShutdownTest::defaultFieldsAndControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("choices");  // -1: not a list

    QTest::newRow("title") << "txtTitle" << "My Guestbook" << -1;
    QTest::newRow("background image") << "txtBGImage" << "None" << -1;
    QTest::newRow("background colour") << "txtBGColor" << "#ffffff" << -1;
    QTest::newRow("table width") << "cbotblWidth" << "45%" << 19;
    QTest::newRow("border width") << "cbotblBorder" << "0" << 5;
    QTest::newRow("text colour") << "txtFColor" << "#000000" << -1;
    QTest::newRow("text size") << "cboPX" << "11" << 12;
    QTest::newRow("link colour") << "txtHColor" << "#3333ff" << -1;
    QTest::newRow("link size") << "cboHPX" << "11" << 12;
    QTest::newRow("hover colour") << "txtHMColor" << "#ff0000" << -1;
    QTest::newRow("hover size") << "cboHMPX" << "11" << 12;
    QTest::newRow("text face") << "cboFont" << "Verdana" << -2;
    QTest::newRow("link face") << "cboHFont" << "Verdana" << -2;
    QTest::newRow("hover face") << "cboHMFont" << "Verdana" << -2;
}

void StartupShutdownTest::defaultFieldsAndControls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, choices);

    TestProgramFolder folder;
    frmMain window;
    QWidget *widget = window.findChild<QWidget *>(name);
    QVERIFY(widget);
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(box->text(), text);
        QCOMPARE(choices, -1);
    } else {
        auto *combo = qobject_cast<QComboBox *>(widget);
        QVERIFY(combo);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->currentText(), text);
        const int expected = choices == -2 ? int(QFontDatabase::families().size()) : choices;
        QCOMPARE(combo->count(), expected);
    }

    auto *fields = control<QTreeWidget>(window, "lvwFields");
    QCOMPARE(fields->columnCount(), 4);
    const QList<QStringList> rows = {{"Name", "Text", "40", ""},
                                     {"E-mail", "Text", "40", ""},
                                     {"Homepage", "Text", "40", ""},
                                     {"Comments", "Textarea", "10", "39"}};
    QCOMPARE(fields->topLevelItemCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 4; ++column)
            QCOMPARE(fields->topLevelItem(row)->text(column), rows[row][column]);
    }
    QCOMPARE(control<QLineEdit>(window, "txtSaveTo")->text(),
             QDir::toNativeSeparators(folder.path()) + QDir::separator() + "projects" + QDir::separator());
    QCOMPARE(window.ProjectName(), QStringLiteral("My Guestbook"));
}

void StartupShutdownTest::fontListsAndFlags()
{
    TestProgramFolder folder;
    WizardFlags::FieldMenuShown = true;
    WizardFlags::FieldEditMode = WizardFlags::EditField;
    frmMain window;

    const QStringList families = QFontDatabase::families();
    auto *font = control<QComboBox>(window, "cboHMFont");
    QStringList listed;
    for (int i = 0; i < font->count(); ++i)
        listed << font->itemText(i);
    QCOMPARE(listed, families);
    QCOMPARE(WizardFlags::FieldMenuShown, false);
    QCOMPARE(WizardFlags::FieldEditMode, int(WizardFlags::AddField));
    QCOMPARE(window.GuestbookGenerated(), false);
    QCOMPARE(window.CurrentMode(), 1);
    auto *border = control<QCheckBox>(window, "chkBorder");
    QVERIFY(!border->isChecked());
    QCOMPARE(border->text(), QStringLiteral("No"));
}

void StartupShutdownTest::shutDown_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("byExitButton");
    QTest::addColumn<QStringList>("closingLines");

    QTest::newRow("Yes, exit button") << true << true
                                      << QStringList{"Initializing Quillset shutdown procedure",
                                                     "User wishes to save settings first", "Settings saved",
                                                     "Saving position"};
    QTest::newRow("No, close request") << false << false
                                       << QStringList{"Initializing Quillset shutdown procedure", "Saving position"};
}

void StartupShutdownTest::shutDown()
{
    QFETCH(bool, answer);
    QFETCH(bool, byExitButton);
    QFETCH(QStringList, closingLines);

    TestProgramFolder folder;
    ScriptedDesktop desktop;
    desktop.answers = {answer};
    auto window = std::make_unique<frmMain>();
    window->show();
    window->move(300, 200);
    const int before = int(logMessages(folder.file("applog.log")).size());

    if (byExitButton)
        clickControl(*window, "imgExit");
    else
        window->close();

    QVERIFY(!window->isVisible());
    QCOMPARE(desktop.shown().size(), 1);
    QCOMPARE(desktop.shown().first().text, QStringLiteral("Would you like to save your guestbook settings first?"));
    QCOMPARE(desktop.shown().first().icon, MessagePrompt::Icon::Question);
    QCOMPARE(desktop.shown().first().buttons, MessagePrompt::Buttons::YesNo);
    QCOMPARE(logMessages(folder.file("applog.log")).mid(before), closingLines);
    QCOMPARE(GetINISetting("Position", "Left", "-"), QStringLiteral("4500"));
    QCOMPARE(GetINISetting("Position", "Top", "-"), QStringLiteral("3000"));
    QCOMPARE(GetINISetting("My Guestbook", "BG_Color", "-"), answer ? QStringLiteral("#ffffff") : QStringLiteral("-"));
    QCOMPARE(GetINISetting("Settings", "prjNumber", "-"), answer ? QStringLiteral("1") : QStringLiteral("-"));
}

void StartupShutdownTest::noQuestionRightAfterGeneration()
{
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    window.show();
    for (int i = 0; i < 4; ++i)
        clickControl(window, "lblNext");
    clickControl(window, "lblNext");  // Finish
    QCOMPARE(desktop.shown().size(), 1);  // the completion question, answered No
    QVERIFY(window.GuestbookGenerated());
    window.move(150, 100);

    window.close();

    QCOMPARE(desktop.shown().size(), 1);
    QCOMPARE(logMessages(folder.file("applog.log")).last(2),
             (QStringList{"Initializing Quillset shutdown procedure", "Saving position"}));
    QCOMPARE(GetINISetting("Position", "Left", "-"), QStringLiteral("2250"));
    QCOMPARE(GetINISetting("Position", "Top", "-"), QStringLiteral("1500"));
}

void StartupShutdownTest::unwritableProgramFolderNeverBlocks()
{
    TestProgramFolder base;
    writeBytes(base.file("plain-file"), "not a folder");
    // A program folder inside a plain file: nothing can be created or written there.
    ProgramFolder::setPathForTesting(base.file("plain-file/program"));
    ScriptedDesktop desktop;
    desktop.answers = {true};
    {
        frmMain window;
        window.show();
        QCOMPARE(window.CurrentMode(), 1);
        QVERIFY(isCentred(window));
        window.close();
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(desktop.shown().size(), 1);  // the save question, nothing about the failures
    ProgramFolder::setPathForTesting(base.path());
}

QTEST_MAIN(StartupShutdownTest)
#include "tst_startupshutdown.moc"
