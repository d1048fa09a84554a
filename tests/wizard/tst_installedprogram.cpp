// The program as installed: where settings, log and projects live when the
// program's own folder cannot be written, and where Help finds the manual.

#include "wizardtestsupport.h"

#include "chrome/desktopstartup.h"

#include <QIcon>
#include <QProcess>
#include <QRegularExpression>

namespace {
const QByteArray kEarlierSettings = "[Projects]\r\nRecent_Projects=Earlier\r\n";
const QString kSaveQuestion =
    QStringLiteral("? YesNoMustAnswer: Would you like to save your guestbook settings first?");

// A program folder and a per-user folder, each writable or not (an unwritable one
// lies under a plain file, which holds for root too); installed: share/quillset in
// the prefix; settingsBeside: a settings file beside the program.
struct StartFolders {
    StartFolders(bool programWritable, bool perUserWritable, bool installed = false, bool settingsBeside = false)
    {
        writeBytes(m_base.file("plain-file"), "not a folder");
        program = m_base.file(programWritable ? "prefix/bin" : "plain-file/program");
        perUser = m_base.file(perUserWritable ? "home/.local/share/Quillset" : "plain-file/Quillset");
        if (programWritable)
            QDir().mkpath(program);
        if (installed)
            QDir().mkpath(m_base.file("prefix/share/quillset"));
        if (settingsBeside)
            writeBytes(program + "/Quillset.ini", kEarlierSettings);
        ProgramFolder::setPathForTesting(program);
        ProgramFolder::setPerUserFolderForTesting(perUser);
    }

    TestProgramFolder m_base;
    QString program;
    QString perUser;
};

// Starts the program as main() does, then closes the window answering Yes to the
// save question.
void startAndClose(ScriptedDesktop &desktop)
{
    DesktopStartup::chooseDataFolder();
    frmMain window;
    window.show();
    desktop.answers = {true};
    window.close();
    QVERIFY(!window.isVisible());
}
}  // namespace

class InstalledProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void dataFolderChoice_data()
    {
        QTest::addColumn<bool>("programWritable");  // as for root, when installed
        QTest::addColumn<bool>("perUserWritable");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("settingsBeside");
        QTest::addColumn<QString>("expected");  // "program", "per-user"
        addRow("build tree or copy: beside the program", true, true, false, false, QString("program"));
        addRow("copy, no per-user folder", true, false, false, false, QString("program"));
        addRow("copy in a read-only folder", false, true, false, false, QString("per-user"));
        addRow("neither writable", false, false, false, false, QString("per-user"));
        addRow("installed: the per-user folder", true, true, true, false, QString("per-user"));
        addRow("installed, no per-user folder", true, false, true, false, QString("per-user"));
        addRow("installed, earlier settings beside: copied", true, true, true, true, QString("per-user"));
    }

    // The files go where the choice says, nothing lands in the other folder, and only
    // when the chosen one cannot be written the message appears, once, before
    // start-up goes on.
    void dataFolderChoice()
    {
        QFETCH(bool, programWritable);
        QFETCH(bool, perUserWritable);
        QFETCH(bool, installed);
        QFETCH(bool, settingsBeside);
        QFETCH(QString, expected);
        const StartFolders folders(programWritable, perUserWritable, installed, settingsBeside);
        const QString chosen = expected == "program" ? folders.program : folders.perUser;
        const QString other = expected == "program" ? folders.perUser : folders.program;
        ScriptedDesktop desktop;

        startAndClose(desktop);

        QCOMPARE(ProgramFolder::path(), chosen);
        const bool kept = expected == "program" ? programWritable : perUserWritable;
        QStringList boxes;
        if (!kept)
            boxes << "! Ok: Error: Quillset cannot save its settings in " + folders.perUser
                    + ". Projects will not be kept.";
        boxes << kSaveQuestion;
        // Where nothing can be written, the save asked for on closing fails and says so too.
        QCOMPARE(desktop.boxes().size(), boxes.size() + (kept ? 0 : 1));
        QCOMPARE(desktop.boxes().mid(0, boxes.size()), boxes);
        if (!kept)
            QVERIFY(desktop.boxes().last().startsWith("! Ok: Error: "));
        for (const char *name : {"Quillset.ini", "applog.log", "projects"})
            QCOMPARE(QFileInfo::exists(chosen + "/" + name), kept);
        const QStringList left = QDir(other).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(left, settingsBeside ? QStringList{"Quillset.ini"} : QStringList());
        if (settingsBeside) {
            QCOMPARE(readBytes(other + "/Quillset.ini"), kEarlierSettings);
            QVERIFY(readBytes(chosen + "/Quillset.ini").contains("Recent_Projects=Earlier"));
        }
    }

    // The windows carry the installed desktop entry's name and icon sizes.
    void desktopIdentity()
    {
        DesktopStartup::setIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.quillset.Quillset"));
        QCOMPARE(QApplication::windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
    }

    // --help and --version answer and end the program with no display at all (the
    // window system, if reached, would abort the program).
    void informationOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("output");  // a pattern for the whole output
        addRow("--version", QString("--version"), QString("Quillset 1\\.2\\.6\n"));
        addRow("-v", QString("-v"), QString("Quillset 1\\.2\\.6\n"));
        addRow("--help", QString("--help"), QString("Usage: \\S*quillset \\[options\\]\n.*--help.*--version.*"));
    }

    void informationOptions()
    {
        QFETCH(QString, option);
        QFETCH(QString, output);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(QUILLSET_PROGRAM, {option});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(output),
                                         QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(pattern.match(printed).hasMatch(), qPrintable(printed));
    }

    // help.chm first, then the manual beside the program, then the installed one;
    // without any, the question, and Yes opens the online documentation.
    void helpLookupOrder_data()
    {
        QTest::addColumn<QStringList>("files");  // relative to the program's folder
        QTest::addColumn<bool>("answer");  // to the question, if it comes
        QTest::addColumn<QString>("opened");  // relative to the program's folder, or an address
        const QString beside = "help/index.html";
        const QString installed = "../share/quillset/help/index.html";
        addRow("help.chm first", QStringList{"help.chm", beside, installed}, false, QString("help.chm"));
        addRow("then the manual beside the program", QStringList{beside, installed}, false, beside);
        addRow("then the installed manual", QStringList{installed}, false, installed);
        addRow("a help folder without its page", QStringList{"help/style.css"}, false, QString());
        addRow("none, No: nothing opens", QStringList(), false, QString());
        addRow("none, Yes: the online documentation", QStringList(), true,
               QString("https://quillset.example.org/support/"));
    }

    void helpLookupOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, answer);
        QFETCH(QString, opened);
        TestProgramFolder prefix;
        const QDir program(prefix.file("bin"));
        QVERIFY(QDir().mkpath(program.path()));
        ProgramFolder::setPathForTesting(program.path());
        for (const QString &file : files) {
            QVERIFY(QDir().mkpath(QFileInfo(program.filePath(file)).path()));
            writeBytes(program.filePath(file), "help");
        }
        ScriptedDesktop desktop;
        frmMain window;
        desktop.answers = {answer};
        clickNamed(&window, "imgHelp");
        const bool found = !opened.isEmpty() && !opened.startsWith("https:");
        const QString question = "! YesNo: Help files not present.\r\n\r\nWould you like to visit the online "
                                 "documentation?";
        QCOMPARE(desktop.boxes(), found ? QStringList() : QStringList{question});
        const QString target = found ? QDir::toNativeSeparators(QDir::cleanPath(program.filePath(opened))) : opened;
        QCOMPARE(desktop.opened, opened.isEmpty() ? QStringList() : QStringList{target});
    }
};

QTEST_MAIN(InstalledProgramTest)
#include "tst_installedprogram.moc"
