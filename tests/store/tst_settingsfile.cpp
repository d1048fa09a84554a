#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QtTest>

// A settings file as a Windows program leaves it: CR LF, names in mixed case,
// comments and blank lines.
static const QByteArray kWindowsFile = "; Quillset settings\r\n"
                                       "[Position]\r\n"
                                       "Left=4230\r\n"
                                       "Top=2115\r\n"
                                       "\r\n"
                                       "[settings]\r\n"
                                       "AppLog=C:\\Program Files\\Quillset\\applog.log\r\n"
                                       "prjNumber=2\r\n"
                                       "\r\n"
                                       "[My Guestbook]\r\n"
                                       "Project_Title=My Guestbook\r\n"
                                       "Empty=\r\n";

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathLiesBesideTheProgram()
    {
        TestProgramFolder folder;
        QCOMPARE(SettingsFilePath(), folder.file(QStringLiteral("Quillset.ini")));
        ProgramFolder::setPathForTesting(folder.path() + QStringLiteral("/"));
        QCOMPARE(SettingsFilePath(), folder.file(QStringLiteral("Quillset.ini")));
    }

    void readsWindowsFile_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact names") << "Position"
                                     << "Left"
                                     << "4230";
        QTest::newRow("section in other case") << "SETTINGS"
                                               << "prjNumber"
                                               << "2";
        QTest::newRow("key in other case") << "Settings"
                                           << "APPLOG"
                                           << "C:\\Program Files\\Quillset\\applog.log";
        QTest::newRow("section with a space") << "my guestbook"
                                              << "Project_Title"
                                              << "My Guestbook";
        QTest::newRow("empty value is not the default") << "My Guestbook"
                                                        << "Empty"
                                                        << "";
        QTest::newRow("missing key") << "Position"
                                     << "Width"
                                     << "default";
        QTest::newRow("missing section") << "Projects"
                                         << "Recent_Projects"
                                         << "default";
        QTest::newRow("comment is no key") << "Position"
                                           << "; Quillset settings"
                                           << "default";
    }
    void readsWindowsFile()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        QCOMPARE(GetINISetting(section, key, QStringLiteral("default")), expected);
    }

    void writesKeepOtherLines_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("replace in place, other case")
            << "SETTINGS"
            << "PRJNUMBER"
            << "3" << QByteArray(kWindowsFile).replace("prjNumber=2", "prjNumber=3");
        QTest::newRow("new key at the end of its section")
            << "Position"
            << "Width"
            << "517" << QByteArray(kWindowsFile).replace("Top=2115\r\n", "Top=2115\r\nWidth=517\r\n");
        QTest::newRow("new key in the last section") << "My Guestbook"
                                                     << "BG_Color"
                                                     << "#ffffff" << kWindowsFile + "BG_Color=#ffffff\r\n";
        QTest::newRow("new section at the end")
            << "Projects"
            << "Recent_Projects"
            << "My_Guestbook" << kWindowsFile + "[Projects]\r\nRecent_Projects=My_Guestbook\r\n";
        QTest::newRow("line break in a value becomes a space")
            << "Position"
            << "Left"
            << "1\r\n[Evil]\nx=2" << QByteArray(kWindowsFile).replace("Left=4230", "Left=1  [Evil] x=2");
    }
    void writesKeepOtherLines()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, expected);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        SaveINISetting(section, key, value);
        QCOMPARE(readBytes(SettingsFilePath()), expected);
    }

    // Files that other programs or damage leave behind: each is read and written
    // without losing or changing a line the write does not own.
    void oddFiles_data()
    {
        const QByteArray brackets = "junk" + QByteArray(1 << 20, '[') + "\r\n";
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("key");  // written to section B with the value 2
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("bare CR at the end") << QByteArray("[B]\rx=1\r") << "y" << QByteArray("[B]\rx=1\ry=2\r\n");
        QTest::newRow("lone CR between lines, replace")
            << QByteArray("[A]\rx=1\r[B]\ry=1\r") << "y" << QByteArray("[A]\rx=1\r[B]\ry=2\r");
        QTest::newRow("byte-order mark kept")
            << QByteArray("\xEF\xBB\xBF[B]\r\nx=1\r\n") << "x" << QByteArray("\xEF\xBB\xBF[B]\r\nx=2\r\n");
        QTest::newRow("1 MB line of [") << QByteArray("[A]\r\n" + brackets + "[B]\r\nx=1\r\n") << "x"
                                        << QByteArray("[A]\r\n" + brackets + "[B]\r\nx=2\r\n");
        const QByteArray manyKeys = "[C]\r\n" + QByteArray("k=v\r\n").repeated(40000);
        QTest::newRow("large file, section at its start")
            << QByteArray("[B]\r\nx=1\r\n" + manyKeys + "[A]\r\nx=3\r\n") << "x"
            << QByteArray("[B]\r\nx=2\r\n" + manyKeys + "[A]\r\nx=3\r\n");
        QTest::newRow("key holding =") << QByteArray("[B]\r\n") << "a=b" << QByteArray();
        QTest::newRow("empty key") << QByteArray("[B]\r\n") << " " << QByteArray();
        QTest::newRow("comment key") << QByteArray("[B]\r\n") << ";x" << QByteArray();
        QTest::newRow("header-like key") << QByteArray("[B]\r\n") << "[C]" << QByteArray();
    }
    void oddFiles()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, key);
        QFETCH(QByteArray, expected);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), stored);
        const QString before = GetINISetting("A", "x", "-");
        const WriteResult saved = SaveINISetting("B", key, "2");
        QCOMPARE(saved.succeeded(), !expected.isEmpty());
        QCOMPARE(readBytes(SettingsFilePath()), expected.isEmpty() ? stored : expected);
        if (saved.succeeded())
            QCOMPARE(GetINISetting("b", key, "-"), QStringLiteral("2"));
        QCOMPARE(GetINISetting("A", "x", "-"), before);
    }

    // A large file is read in part when the section asked for lies at its start,
    // and whole otherwise.
    void largeFileReadsEverySection()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(),
                   "[B]\r\nx=1\r\n[C]\r\n" + QByteArray("k=v\r\n").repeated(40000) + "[A]\r\nx=3\r\n[B]\r\ny=4\r\n");
        QCOMPARE(GetINISetting("B", "x", "-"), QStringLiteral("1"));
        QCOMPARE(GetINISetting("A", "x", "-"), QStringLiteral("3"));
        QCOMPARE(GetINISetting("B", "y", "-"), QStringLiteral("-"));  // only the first [B] counts
    }

    void missingFileReadsDefaultsAndFirstWriteCreatesIt()
    {
        TestProgramFolder folder;
        QCOMPARE(GetINISetting(QStringLiteral("Position"), QStringLiteral("Left"), QStringLiteral("none")),
                 QStringLiteral("none"));
        SaveINISetting(QStringLiteral("Position"), QStringLiteral("Left"), QStringLiteral("4230"));
        QCOMPARE(readBytes(SettingsFilePath()), QByteArray("[Position]\r\nLeft=4230\r\n"));
    }

    void fileWithoutFinalLineBreak()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), "[A]\r\nx=1");
        SaveINISetting(QStringLiteral("a"), QStringLiteral("y"), QStringLiteral("2"));
        SaveINISetting(QStringLiteral("B"), QStringLiteral("z"), QStringLiteral("3"));
        QCOMPARE(readBytes(SettingsFilePath()), QByteArray("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n"));
    }

    void longValuesComeBackWhole()
    {
        TestProgramFolder folder;
        const QString value = QString(154, QLatin1Char('a')) + QString(400, QLatin1Char('b'));
        SaveINISetting(QStringLiteral("Projects"), QStringLiteral("Recent_Projects"), value);
        QCOMPARE(GetINISetting(QStringLiteral("Projects"), QStringLiteral("Recent_Projects"), QString()), value);
    }

    void readOnlyFileIsLeftAlone()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        QFile::setPermissions(SettingsFilePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        QVERIFY(!SaveINISetting(QStringLiteral("Position"), QStringLiteral("Left"), QStringLiteral("1")).succeeded());
        QFile::setPermissions(SettingsFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(readBytes(SettingsFilePath()), kWindowsFile);
    }

    void missingFolderWriteIsReported()
    {
        TestProgramFolder folder;
        ProgramFolder::setPathForTesting(folder.file(QStringLiteral("gone")));
        QVERIFY(!SaveINISetting(QStringLiteral("Position"), QStringLiteral("Left"), QStringLiteral("1"))
                     .errorText.isEmpty());
        QVERIFY(!QFileInfo::exists(SettingsFilePath()));
        QCOMPARE(GetINISetting(QStringLiteral("Position"), QStringLiteral("Left"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    // A writer killed in the middle of its work leaves a file that still reads.
    void killedWriterLeavesReadableFile()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-forever"), folder.path()});
        QVERIFY(writer.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(readBytes(SettingsFilePath()).contains("Round="), 10000);
        QTest::qWait(200);
        writer.kill();
        writer.waitForFinished();
        const QByteArray text = readBytes(SettingsFilePath());
        QVERIFY(text.startsWith(kWindowsFile));
        QVERIFY(text.endsWith("\r\n"));
        QVERIFY(!GetINISetting(QStringLiteral("Stress"), QStringLiteral("Round"), QString()).isEmpty());
        QCOMPARE(GetINISetting(QStringLiteral("Position"), QStringLiteral("Left"), QString()), QStringLiteral("4230"));
    }

    // Two processes writing at once keep each other's keys.
    void concurrentWritersLoseNothing()
    {
        TestProgramFolder folder;
        const int keysEach = 60;
        QProcess first;
        QProcess second;
        first.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--write-keys"), folder.path(), QStringLiteral("First"), QString::number(keysEach)});
        second.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--write-keys"), folder.path(), QStringLiteral("Second"), QString::number(keysEach)});
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        for (int i = 0; i < keysEach; ++i) {
            QCOMPARE(GetINISetting(QStringLiteral("First"), QStringLiteral("K%1").arg(i), QString()),
                     QString::number(i));
            QCOMPARE(GetINISetting(QStringLiteral("Second"), QStringLiteral("K%1").arg(i), QString()),
                     QString::number(i));
        }
    }
};

// The test binary doubles as the writer processes of the last two tests.
static int runWriter(const QStringList &args)
{
    ProgramFolder::setPathForTesting(args.at(2));
    if (args.at(1) == QLatin1String("--write-forever")) {
        const QString big(20000, QLatin1Char('x'));
        for (int round = 0;; ++round) {
            SaveINISetting(QStringLiteral("Stress"), QStringLiteral("Round"), QString::number(round));
            SaveINISetting(QStringLiteral("Stress"), QStringLiteral("Big%1").arg(round % 50), big);
        }
    }
    const int count = args.at(4).toInt();
    for (int i = 0; i < count; ++i)
        SaveINISetting(args.at(3), QStringLiteral("K%1").arg(i), QString::number(i));
    return 0;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1).startsWith(QLatin1String("--write-")))
        return runWriter(args);
    TestSettingsFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsfile.moc"
