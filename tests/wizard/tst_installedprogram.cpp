// The program as installed: where settings, log and projects live when the
// program's own folder cannot be written, its desktop identity and its information options.

#include "wizardtestsupport.h"

#include "chrome/desktopstartup.h"

class InstalledProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void dataFolderChoice_data()
    {
        // The program folder and the per-user one, each w (writable) or - (lies under a plain
        // file, which holds for root too); i: installed (share/quillset in the prefix);
        // s: a settings file beside the program, from an earlier version.
        QTest::addColumn<QString>("folders");
        QTest::addColumn<QString>("expected");
        addRow("build tree or copy: beside the program", "ww", "program");
        addRow("copy, no per-user folder", "w-", "program");
        addRow("copy in a read-only folder", "-w", "per-user");
        addRow("neither writable", "--", "per-user");
        addRow("installed: the per-user folder", "wwi", "per-user");
        addRow("installed, no per-user folder", "w-i", "per-user");
        addRow("installed, earlier settings beside: copied", "wwis", "per-user");
    }

    // The files go where the choice says, nothing lands in the other folder, and only
    // when the chosen one cannot be written the message appears, once, before start-up
    // goes on; the save asked for on closing then fails and says so too.
    void dataFolderChoice()
    {
        QFETCH(QString, folders);
        QFETCH(QString, expected);
        TestProgramFolder base;
        writeBytes(base.file("plain-file"), "not a folder");
        const QString program = base.file(folders[0] == 'w' ? "prefix/bin" : "plain-file/program");
        const QString perUser = base.file(folders[1] == 'w' ? "home/.local/share/Quillset" : "plain-file/Quillset");
        QDir().mkpath(program);
        if (folders.contains('i'))
            QDir().mkpath(base.file("prefix/share/quillset"));
        if (folders.contains('s'))
            writeBytes(program + "/Quillset.ini", "[Projects]\r\nRecent_Projects=Earlier\r\n");
        ProgramFolder::setPathForTesting(program);
        ProgramFolder::setPerUserFolderForTesting(perUser);
        ScriptedDesktop desktop;
        DesktopStartup::chooseDataFolder();
        desktop.answers = {true};
        frmMain().close();
        const bool beside = expected == "program", kept = folders[beside ? 0 : 1] == 'w';
        const QString chosen = beside ? program : perUser, other = beside ? perUser : program;
        QCOMPARE(ProgramFolder::path(), chosen);
        QStringList boxes = desktop.boxes();
        QVERIFY(kept || boxes.takeLast().startsWith("! Ok: Error: "));
        const QString cannot = "! Ok: Error: Quillset cannot save its settings in " + perUser
            + ". Projects will not be kept.";
        QCOMPARE(boxes, (kept ? QStringList() : QStringList{cannot})
                            << "? YesNoMustAnswer: Would you like to save your guestbook settings first?");
        for (const char *name : {"Quillset.ini", "applog.log", "projects"})
            QCOMPARE(QFileInfo::exists(chosen + "/" + name), kept);
        QCOMPARE(QDir(other).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 folders.contains('s') ? QStringList{"Quillset.ini"} : QStringList());
        QCOMPARE(readBytes(chosen + "/Quillset.ini").contains("Recent_Projects=Earlier"), folders.contains('s'));
    }

    // The windows carry the installed desktop entry's name and icon sizes. --help and --version
    // answer and end the program with no display at all (the window system, if reached, would
    // abort the program).
    void identityAndInformationOptions()
    {
        DesktopStartup::setIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.quillset.Quillset"));
        QCOMPARE(QApplication::windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        for (const char *option : {"--version", "-v", "--help"}) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QUILLSET_PROGRAM, {option});
            QVERIFY(program.waitForFinished(30000));
            QVERIFY(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
            const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
            const QRegularExpression expected(option == QString("--help")
                                                  ? "^Usage: \\S*quillset \\[options\\]\n.*--help.*--version.*$"
                                                  : "^Quillset 1\\.2\\.6\n$",
                                              QRegularExpression::DotMatchesEverythingOption);
            QVERIFY2(expected.match(printed).hasMatch(), qPrintable(option + (": " + printed)));
        }
    }
};

QTEST_MAIN(InstalledProgramTest)
#include "tst_installedprogram.moc"
