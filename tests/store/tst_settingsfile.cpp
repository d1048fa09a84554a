#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QProcess>
#include <QtTest>

// A settings file as a Windows program leaves it: CR LF, names in mixed case,
// comments and blank lines.
static const QByteArray kWindowsFile =
    "; Quillset settings\r\n[Position]\r\nLeft=4230\r\nTop=2115\r\n\r\n"
    "[settings]\r\nAppLog=C:\\Program Files\\Quillset\\applog.log\r\nprjNumber=2\r\n\r\n"
    "[My Guestbook]\r\nProject_Title=My Guestbook\r\nEmpty=\r\n";

static QProcess *startWriter(QObject *parent, const QStringList &args)
{
    auto *writer = new QProcess(parent);
    writer->start(QCoreApplication::applicationFilePath(), args);
    return writer;
}

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathLiesBesideTheProgram()
    {
        TestProgramFolder folder;
        QCOMPARE(SettingsFilePath(), folder.file("Quillset.ini"));
        ProgramFolder::setPathForTesting(folder.path() + "/");
        QCOMPARE(SettingsFilePath(), folder.file("Quillset.ini"));
    }

    void readsWindowsFile_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *section, const char *key, const char *expected) {
            QTest::newRow(name) << QString(section) << QString(key) << QString(expected);
        };
        row("exact names", "Position", "Left", "4230");
        row("section in other case", "SETTINGS", "prjNumber", "2");
        row("key in other case", "Settings", "APPLOG", "C:\\Program Files\\Quillset\\applog.log");
        row("section with a space", "my guestbook", "Project_Title", "My Guestbook");
        row("empty value is not the default", "My Guestbook", "Empty", "");
        row("missing key", "Position", "Width", "default");
        row("missing section", "Projects", "Recent_Projects", "default");
        row("comment is no key", "Position", "; Quillset settings", "default");
    }
    void readsWindowsFile()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        QCOMPARE(GetINISetting(section, key, "default"), expected);
    }

    // A write changes its own line only, and the value reads back whole.
    void writesKeepOtherLines_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const char *section, const char *key, const QString &value,
                            const QByteArray &expected) {
            QTest::newRow(name) << QString(section) << QString(key) << value << expected;
        };
        const QByteArray file = kWindowsFile;
        row("replace in place, other case", "SETTINGS", "PRJNUMBER", "3",
            QByteArray(file).replace("prjNumber=2", "prjNumber=3"));
        row("new key at the end of its section", "Position", "Width", "517",
            QByteArray(file).replace("Top=2115\r\n", "Top=2115\r\nWidth=517\r\n"));
        row("new key in the last section", "My Guestbook", "BG_Color", "#ffffff", file + "BG_Color=#ffffff\r\n");
        row("new section at the end", "Projects", "Recent_Projects", "My_Guestbook",
            file + "[Projects]\r\nRecent_Projects=My_Guestbook\r\n");
        row("line break in a value becomes a space", "Position", "Left", "1\r\n[Evil]\nx=2",
            QByteArray(file).replace("Left=4230", "Left=1  [Evil] x=2"));
        const QByteArray longValue = QByteArray(154, 'a') + QByteArray(400, 'b');
        row("long value", "Position", "Left", longValue, QByteArray(file).replace("4230", longValue));
    }
    void writesKeepOtherLines()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, expected);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        QVERIFY(SaveINISetting(section, key, value).succeeded());
        QCOMPARE(readBytes(SettingsFilePath()), expected);
        QCOMPARE(GetINISetting(section, key, "-"), value.replace('\r', ' ').replace('\n', ' '));
    }

    // Files that other programs or damage leave behind (or none at all): each is
    // read and written without losing or changing a line the write does not own.
    // An empty expectation means the write is refused and the file stays as it was.
    void oddFiles_data()
    {
        QTest::addColumn<QByteArray>("stored");  // null: no file
        QTest::addColumn<QString>("key");  // written to section B with the value 2
        QTest::addColumn<QByteArray>("expected");
        const QByteArray brackets = "junk" + QByteArray(1 << 20, '[') + "\r\n";
        const QByteArray manyKeys = "[C]\r\n" + QByteArray("k=v\r\n").repeated(40000);
        const auto row = [](const char *name, const QByteArray &stored, const char *key, const QByteArray &expected) {
            QTest::newRow(name) << stored << QString(key) << expected;
        };
        row("no file", QByteArray(), "x", "[B]\r\nx=2\r\n");
        row("bare CR at the end", "[B]\rx=1\r", "y", "[B]\rx=1\ry=2\r\n");
        row("lone CR between lines, replace", "[A]\rx=1\r[B]\ry=1\r", "y", "[A]\rx=1\r[B]\ry=2\r");
        row("no final line break, new key", "[B]\r\nx=1", "y", "[B]\r\nx=1\r\ny=2\r\n");
        row("no final line break, new section", "[A]\r\nx=1", "y", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        row("byte-order mark kept", "\xEF\xBB\xBF[B]\r\nx=1\r\n", "x", "\xEF\xBB\xBF[B]\r\nx=2\r\n");
        row("1 MB line of [", "[A]\r\n" + brackets + "[B]\r\nx=1\r\n", "x", "[A]\r\n" + brackets + "[B]\r\nx=2\r\n");
        // Only the first [B] counts, though the file is read past it.
        row("large file, section at its start", "[B]\r\nx=1\r\n" + manyKeys + "[A]\r\nx=3\r\n[B]\r\ny=4\r\n", "y",
            "[B]\r\nx=1\r\ny=2\r\n" + manyKeys + "[A]\r\nx=3\r\n[B]\r\ny=4\r\n");
        row("key holding =", "[B]\r\n", "a=b", QByteArray());
        row("empty key", "[B]\r\n", " ", QByteArray());
        row("comment key", "[B]\r\n", ";x", QByteArray());
        row("header-like key", "[B]\r\n", "[C]", QByteArray());
    }
    void oddFiles()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, key);
        QFETCH(QByteArray, expected);
        TestProgramFolder folder;
        if (!stored.isNull())
            writeBytes(SettingsFilePath(), stored);
        const QString before = GetINISetting("A", "x", "-");
        const WriteResult saved = SaveINISetting("B", key, "2");
        QCOMPARE(saved.succeeded(), !expected.isEmpty());
        QCOMPARE(readBytes(SettingsFilePath()), expected.isEmpty() ? stored : expected);
        if (saved.succeeded())
            QCOMPARE(GetINISetting("b", key, "-"), QStringLiteral("2"));
        QCOMPARE(GetINISetting("A", "x", "-"), before);
    }

    // A write the file system refuses changes nothing and says why.
    void refusedWriteChangesNothing_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only file") << true;
        QTest::newRow("missing folder") << false;
    }
    void refusedWriteChangesNothing()
    {
        QFETCH(bool, readOnly);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        QFile::setPermissions(SettingsFilePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        if (!readOnly)
            ProgramFolder::setPathForTesting(folder.file("gone"));
        QVERIFY(!SaveINISetting("Position", "Left", "1").errorText.isEmpty());
        QCOMPARE(readBytes(SettingsFilePath()), readOnly ? kWindowsFile : QByteArray());
        QCOMPARE(GetINISetting("Position", "Left", "d"), QString(readOnly ? "4230" : "d"));
    }

    // A writer killed in the middle of its work leaves a file that still reads.
    void killedWriterLeavesReadableFile()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), kWindowsFile);
        QProcess *writer = startWriter(this, {"--write-forever", folder.path()});
        QTRY_VERIFY_WITH_TIMEOUT(readBytes(SettingsFilePath()).contains("Round="), 10000);
        QTest::qWait(200);
        writer->kill();
        writer->waitForFinished();
        const QByteArray text = readBytes(SettingsFilePath());
        QVERIFY(text.startsWith(kWindowsFile));
        QVERIFY(text.endsWith("\r\n"));
        QVERIFY(!GetINISetting("Stress", "Round", QString()).isEmpty());
        QCOMPARE(GetINISetting("Position", "Left", QString()), QStringLiteral("4230"));
    }

    // Two processes writing at once keep each other's keys.
    void concurrentWritersLoseNothing()
    {
        TestProgramFolder folder;
        const int keysEach = 60;
        const QStringList sections = {"First", "Second"};
        QList<QProcess *> writers;
        for (const QString &section : sections)
            writers << startWriter(this, {"--write-keys", folder.path(), section, QString::number(keysEach)});
        for (QProcess *writer : writers)
            QVERIFY(writer->waitForFinished(60000));
        for (const QString &section : sections) {
            for (int i = 0; i < keysEach; ++i)
                QCOMPARE(GetINISetting(section, QStringLiteral("K%1").arg(i), QString()), QString::number(i));
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
            SaveINISetting("Stress", "Round", QString::number(round));
            SaveINISetting("Stress", QStringLiteral("Big%1").arg(round % 50), big);
        }
    }
    for (int i = 0; i < args.at(4).toInt(); ++i)
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
