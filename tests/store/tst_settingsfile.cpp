#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QtTest>

// A settings file as a Windows program leaves it: CR LF, names in mixed case,
// comments and blank lines.
static const QByteArray kWindowsFile =
    "; Quillset settings\r\n[Position]\r\nLeft=4230\r\nTop=2115\r\n\r\n"
    "[settings]\r\nAppLog=C:\\Program Files\\Quillset\\applog.log\r\nprjNumber=2\r\n\r\n"
    "[My Guestbook]\r\nProject_Title=My Guestbook\r\nEmpty=\r\n";

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathLiesBesideTheProgram()
    {
        TestProgramFolder folder;
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
        row("section in other case", "SETTINGS", "prjNumber", "2");
        row("key in other case", "Settings", "APPLOG", "C:\\Program Files\\Quillset\\applog.log");
        row("section with a space", "my guestbook", "Project_Title", "My Guestbook");
        row("empty value is not the default", "My Guestbook", "Empty", "");
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

    // A write changes its own line only, in the Windows file and in files that
    // other programs or damage leave behind (or none at all), and the value reads
    // back whole. An empty expectation means the write is refused and the file
    // stays as it was.
    void writesKeepOtherLines_data()
    {
        QTest::addColumn<QByteArray>("stored");  // null: no file
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const QByteArray &stored, const char *section, const char *key,
                            const QString &value, const QByteArray &expected) {
            QTest::newRow(name) << stored << QString(section) << QString(key) << value << expected;
        };
        const auto edit = [&row](const char *name, const char *section, const char *key, const QString &value,
                                 const char *before, const QByteArray &after) {
            row(name, kWindowsFile, section, key, value, QByteArray(kWindowsFile).replace(before, after));
        };
        edit("replace in place, other case", "SETTINGS", "PRJNUMBER", "3", "prjNumber=2", "prjNumber=3");
        edit("new key at the end of its section", "Position", "Width", "517", "Top=2115\r\n",
             "Top=2115\r\nWidth=517\r\n");
        edit("line break in a value becomes a space", "Position", "Left", "1\r\n[Evil]\nx=2", "Left=4230",
             "Left=1  [Evil] x=2");
        const QByteArray longValue = QByteArray(154, 'a') + QByteArray(400, 'b');
        edit("long value", "Position", "Left", longValue, "4230", longValue);
        row("new key in the last section", kWindowsFile, "My Guestbook", "BG_Color", "#ffffff",
            kWindowsFile + "BG_Color=#ffffff\r\n");
        row("new section at the end", kWindowsFile, "Projects", "Recent_Projects", "My_Guestbook",
            kWindowsFile + "[Projects]\r\nRecent_Projects=My_Guestbook\r\n");

        // Odd files: the key is written to section B with the value 2.
        const auto odd = [&row](const char *name, const QByteArray &stored, const char *key,
                                const QByteArray &expected) { row(name, stored, "B", key, "2", expected); };
        const QByteArray brackets = "junk" + QByteArray(1 << 20, '[') + "\r\n";
        const QByteArray manyKeys = "[C]\r\n" + QByteArray("k=v\r\n").repeated(40000);
        odd("no file", QByteArray(), "x", "[B]\r\nx=2\r\n");
        odd("bare CR at the end", "[B]\rx=1\r", "y", "[B]\rx=1\ry=2\r\n");
        odd("lone CR between lines, replace", "[A]\rx=1\r[B]\ry=1\r", "y", "[A]\rx=1\r[B]\ry=2\r");
        odd("no final line break, new key", "[B]\r\nx=1", "y", "[B]\r\nx=1\r\ny=2\r\n");
        odd("no final line break, new section", "[A]\r\nx=1", "y", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        odd("byte-order mark kept", "\xEF\xBB\xBF[B]\r\nx=1\r\n", "x", "\xEF\xBB\xBF[B]\r\nx=2\r\n");
        odd("1 MB line of [", "[A]\r\n" + brackets + "[B]\r\nx=1\r\n", "x", "[A]\r\n" + brackets + "[B]\r\nx=2\r\n");
        // Only the first [B] counts, though the file is read past it.
        odd("large file, section at its start", "[B]\r\nx=1\r\n" + manyKeys + "[A]\r\nx=3\r\n[B]\r\ny=4\r\n", "y",
            "[B]\r\nx=1\r\ny=2\r\n" + manyKeys + "[A]\r\nx=3\r\n[B]\r\ny=4\r\n");
        odd("key holding =", "[B]\r\n", "a=b", QByteArray());
        odd("empty key", "[B]\r\n", " ", QByteArray());
        odd("comment key", "[B]\r\n", ";x", QByteArray());
        odd("header-like key", "[B]\r\n", "[C]", QByteArray());
    }
    void writesKeepOtherLines()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, expected);
        TestProgramFolder folder;
        if (!stored.isNull())
            writeBytes(SettingsFilePath(), stored);
        const QString before = GetINISetting("A", "x", "-");
        const WriteResult saved = SaveINISetting(section, key, value);
        QCOMPARE(saved.succeeded(), !expected.isEmpty());
        QCOMPARE(readBytes(SettingsFilePath()), expected.isEmpty() ? stored : expected);
        if (saved.succeeded())
            QCOMPARE(GetINISetting(section.toLower(), key, "-"), value.replace('\r', ' ').replace('\n', ' '));
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
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
