// The settings file as the profile functions read and write it, and the log.

#include "store/applog.h"
#include "store/atomicfile.h"
#include "store/filetests.h"
#include "store/settingsfile.h"
#include "support/failingdevice.h"
#include "support/testfolder.h"

#include <QtTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>

#include <sys/resource.h>
#endif

// A settings file as a Windows program leaves it: CR LF, names in mixed case, comments and blank lines.
static const QByteArray kWindowsFile =
    "; Quillset settings\r\n[Position]\r\nLeft=4230\r\nTop=2115\r\n\r\n"
    "[settings]\r\nAppLog=C:\\Program Files\\Quillset\\applog.log\r\nprjNumber=2\r\n\r\n"
    "[My Guestbook]\r\nProject_Title=My Guestbook\r\nEmpty=\r\n";

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Rows with no value to write read a value as the profile functions return it, from the Windows file and from
    // files written by hand, with CR LF, LF and lone CR line ends. A write changes its own line only, in the Windows
    // file and in files that other programs or damage leave behind (or none at all), and the value reads back whole.
    // An empty expectation means the write is refused and the file stays as it was.
    void readsAndWrites_data()
    {
        QTest::addColumn<QByteArray>("stored");  // null: no file
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // null: only read
        QTest::addColumn<QByteArray>("expected");  // the file after the write, or the value read
        const auto row = [](const char *name, const QByteArray &stored, const char *section, const char *key,
                            const QString &value, const QByteArray &expected) {
            QTest::newRow(name) << stored << QString::fromUtf8(section) << QString::fromUtf8(key) << value << expected;
        };
        row("empty value is not the default", kWindowsFile, "My Guestbook", "Empty", {}, "");
        row("comment is no key", kWindowsFile, "Position", "; Quillset settings", {}, "-");
        row("blanks around names and value", "[ A ]\r\n TBL_Border  =  1 \t\r\n", "a", "tbl_border", {}, "1");
        row("blanks only", "[A]\r\nH_FColor =   \r\n", "A", "H_FColor", {}, "");
        row("empty quotes", "[A]\r\nBG_Image=\"\"\r\n", "A", "BG_Image", {}, "");
        row("double quotes keep blanks", "[A]\r\nx = \" a \"  \r\n", "A", "x", {}, " a ");
        row("single quotes", "[A]\r\nx='a'\r\n", "A", "x", {}, "a");
        row("one pair only", "[A]\r\nx=\"\"a\"\"\r\n", "A", "x", {}, "\"a\"");
        row("quotes that do not match", "[A]\r\nx=\"a'\r\n", "A", "x", {}, "\"a'");
        row("a lone quote", "[A]\r\nx=\"\r\n", "A", "x", {}, "\"");
        row("first of two keys", "[A]\r\nx=1\r\nX=2\r\n", "A", "x", {}, "1");
        row("first of two sections", "[A]\r\nx=1\r\n[a]\r\nx=2\r\ny=3\r\n", "A", "y", {}, "-");
        row("UTF-8 capitals", "[\xC3\x84RGER]\r\n\xC3\x89T\xC3\x89=1\r\n", "ärger", "été", {}, "1");
        row("windows-1252 capitals", "[\xC4RGER]\r\n\xC9T\xC9=Caf\xE9\r\n", "ärger", "été", {}, "Café");
        row("windows-1252 undefined bytes", "[A]\r\nx=\x80\x81\x8D\x8F\x90\x9D\x9F\r\n", "A", "x", {},
            QString::fromUtf16(u"\u20AC\u0081\u008D\u008F\u0090\u009D\u0178").toUtf8());
        row("replace in place, other case", kWindowsFile, "SETTINGS", "PRJNUMBER", "3",
            QByteArray(kWindowsFile).replace("prjNumber=2", "prjNumber=3"));
        row("new key at the end of its section", kWindowsFile, "Position", "Width", "517",
            QByteArray(kWindowsFile).replace("Top=2115\r\n", "Top=2115\r\nWidth=517\r\n"));
        row("line break in a value becomes a space", kWindowsFile, "Position", "Left", "1\r\n[Evil]\nx=2",
            QByteArray(kWindowsFile).replace("Left=4230", "Left=1  [Evil] x=2"));
        const QByteArray longValue = QByteArray(154, 'a') + QByteArray(400, 'b');
        row("long value", kWindowsFile, "Position", "Left", longValue,
            QByteArray(kWindowsFile).replace("4230", longValue));
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
        // Blanks at the end stay as they are; a value that reading would take more from is quoted.
        row("blanks at the end", "[B]\r\n", "B", "x", "2 ", "[B]\r\nx=2 \r\n");
        row("leading blank quoted", "[B]\r\n", "B", "x", " 2", "[B]\r\nx=\" 2\"\r\n");
        row("quotes quoted", "[B]\r\n", "B", "x", "'2'", "[B]\r\nx=\"'2'\"\r\n");
        row("blanks only quoted", "[B]\r\n", "B", "x", "  ", "[B]\r\nx=\"  \"\r\n");
        odd("spaced key, replace", "[B]\r\n x = 1 \r\n", "X", "[B]\r\n x =2\r\n");
        // Values in the file's own encoding: the bytes of a windows-1252 file stay.
        const QByteArray cp1252 = "[B]\r\nname=Caf\xE9 \x81\x8D\x8F\x90\x9D\r\n";
        row("windows-1252 file", cp1252, "b", "x", "D\u00E9j\u00E0 \u20AC \u009D",
            cp1252 + "x=D\xE9j\xE0 \x80 \x9D\r\n");
        row("UTF-8 file", "[B]\r\nname=Caf\xC3\xA9\r\n", "b", "x", "\u00E0",
            "[B]\r\nname=Caf\xC3\xA9\r\nx=\xC3\xA0\r\n");
        row("no such character in windows-1252", cp1252, "b", "x", "\u65E5", QByteArray());
        // A save keeps the file's encoding: one that takes away its last byte that is not UTF-8 marks the file, so
        // that x in [A] still reads "FaÃ§ade", not "Façade"; a file left all ASCII needs no mark.
        const QByteArray lastByte = "[A]\r\nx=Fa\xC3\xA7"
                                    "ade\r\n[B]\r\ny=Caf\xE9\r\n";
        row("windows-1252 kept when its last such byte goes", lastByte, "B", "y", "Cafe",
            "; This file is in windows-1252 \xAB\xBB\r\n" + QByteArray(lastByte).replace("Caf\xE9", "Cafe"));
        row("windows-1252 left all ASCII", "[B]\r\ny=Caf\xE9\r\n", "B", "y", "Cafe", "[B]\r\ny=Cafe\r\n");
        odd("key holding =", "[B]\r\n", "a=b", QByteArray());
        odd("empty key", "[B]\r\n", " ", QByteArray());
        odd("comment key", "[B]\r\n", ";x", QByteArray());
        odd("header-like key", "[B]\r\n", "[C]", QByteArray());
    }
    void readsAndWrites()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, expected);
        TestProgramFolder folder;
        if (value.isNull()) {  // only read, with each kind of line end
            for (const char *lineEnd : {"\r\n", "\n", "\r"}) {
                writeBytes(SettingsFilePath(), QByteArray(stored).replace("\r\n", lineEnd));
                QCOMPARE(GetINISetting(section, key, "-"), QString::fromUtf8(expected));
            }
            return;
        }
        if (!stored.isNull())
            writeBytes(SettingsFilePath(), stored);
        const QString before = GetINISetting("A", "x", "-");
        const WriteResult saved = SaveINISetting(section, key, value);
        QCOMPARE(saved.succeeded(), !expected.isEmpty());
        QCOMPARE(readBytes(SettingsFilePath()), expected.isEmpty() ? stored : expected);
        // What is read back: line breaks as spaces, no blanks after the last non-blank.
        const QString readBack =
            value.replace('\r', ' ').replace('\n', ' ').replace(QRegularExpression("(?<=\\S) +$"), "");
        if (saved.succeeded())
            QCOMPARE(GetINISetting(section.toLower(), key, "-"), readBack);
        QCOMPARE(GetINISetting("A", "x", "-"), before);
    }

    // A save the file system refuses (a read-only file, a missing folder, a write that fails at any step) changes
    // nothing, leaves no copy and says why; so does one to a settings file or lock that is a FIFO, a folder or a
    // device, which is never opened (a FIFO would block): reads then give the defaults.
    void refusedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");  // %1: the file's path
        const QString settings = "The settings file %1 is not a regular file";
        QTest::newRow("read-only file") << "read-only" << "";
        QTest::newRow("missing folder") << "missing" << "";
        for (int step = FailingDevice::Write; step <= FailingDevice::Commit; ++step)
            QTest::newRow(FailingDevice::kStepNames[step]) << QString::number(step) << FailingDevice::kError;
        QTest::newRow("FIFO") << "FIFO" << settings;
        QTest::newRow("folder") << "folder" << settings;
        QTest::newRow("device") << "device" << settings;
        QTest::newRow("FIFO as the lock") << "FIFO lock" << "The lock file %1 is not a regular file";
    }
    void refusedSaveChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        TestProgramFolder folder;
        const QString path = kind.endsWith("lock") ? SettingsLockPath() : SettingsFilePath();
        const bool failingStep = kind.at(0).isDigit(), kept = failingStep || kind == "read-only";
        if (kept || kind == "missing")
            writeBytes(path, kWindowsFile);
        if (kind == "read-only" || kind == "missing")
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        std::optional<FailingDevice::Installed> failing;
        if (failingStep)
            failing.emplace(path, FailingDevice::Step(kind.toInt()));
        if (kind == "missing")
            ProgramFolder::setPathForTesting(folder.file("gone"));
        QVERIFY(kind != "folder" || QDir().mkdir(path));
        QVERIFY(kind != "device" || QFile::link("/dev/null", path));
        QVERIFY(!kind.startsWith("FIFO") || QProcess::execute("mkfifo", {path}) == 0);
        const QString saveError = SaveINISetting("Position", "Left", "1").errorText.english();
        QVERIFY(!saveError.isEmpty()
                && (error.isEmpty() || saveError == QString(error).replace("%1", QDir::toNativeSeparators(path))));
        QCOMPARE(GetINISetting("Position", "Left", "d"), QString(kept ? "4230" : "d"));
        QVERIFY(!kept || readBytes(SettingsFilePath()) == kWindowsFile);
        QVERIFY(!kept || QDir(folder.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{"Quillset.ini"});
    }

    // Lines carry a time stamp and end in CR LF; the first names the log in the settings. A log that is a FIFO, a
    // folder or a device drops the line without blocking; a configured log is used and kept; one that cannot be
    // written drops the line. The path is read once a run (one per program folder here): a later change of it moves
    // no line, and a held lock makes only the first line try to write the default path back. A line that the disk
    // takes only in part (or not at all) is cut off again: the log keeps whole lines.
    void logLines()
    {
        const QDateTime moment(QDate(2005, 12, 5), QTime(14, 3, 9));
        QCOMPARE(FormatLogLine(moment, "Loading position"), QStringLiteral("05-12-2005 14:03:09 Loading position"));
        TestProgramFolder folder;
        const QString fifo = folder.file("applog.log"), other = folder.file("elsewhere.txt");
        QVERIFY(QProcess::execute("mkfifo", {fifo}) == 0 && QFile::link("/dev/null", folder.file("null")));
        WriteLog("dropped");
        QCOMPARE(GetINISetting("Settings", "AppLog", "-"), QDir::toNativeSeparators(fifo));
        for (const QString &log : {folder.file("no/such/log"), folder.file("null"), folder.path(), other}) {
            const QTemporaryDir run;  // a new run
            ProgramFolder::setPathForTesting(run.path());
            SaveINISetting("Settings", "AppLog", log);
            WriteLog("Loading position");
            SaveINISetting("Settings", "AppLog", folder.file("moved.log"));
            WriteLog(QString());
        }
        const QString stamp = QStringLiteral("\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d ");
        const QRegularExpression lines('^' + stamp + "Loading position\\r\\n" + stamp + "\\r\\n$");
        const QByteArray written = readBytes(other);
        QVERIFY2(lines.match(QString::fromLocal8Bit(written)).hasMatch(), written);
        const QTemporaryDir run;
        ProgramFolder::setPathForTesting(run.path());
        QLockFile lock(SettingsLockPath());
        QVERIFY(lock.tryLock(0));
        WriteLog("first");
        lock.unlock();
        WriteLog("second");
        QCOMPARE(GetINISetting("Settings", "AppLog", "-") + logMessages(run.filePath("applog.log")).join('|'),
                 "-first|second");
        ProgramFolder::setPathForTesting(folder.path());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 4);
#ifdef Q_OS_UNIX  // the file size limit is a POSIX facility
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit saved = limit;
        for (const int room : {0, 10}) {  // bytes the file may still grow by
            limit.rlim_cur = rlim_t(written.size() + room);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
            const WriteResult appended = AtomicFile::append(other, "a line longer than the room left\r\n");
            WriteLog("second");
            setrlimit(RLIMIT_FSIZE, &saved);
            QVERIFY(!appended.succeeded());
            QCOMPARE(readBytes(other), written);
        }
#endif
    }

    void fileTests()
    {
        TestProgramFolder folder;
        QDir(folder.path()).mkdir("empty");
        writeBytes(folder.file("page.asp"), "x");
        writeBytes(folder.file(".hidden"), "x");
        QVERIFY(FolderExists(folder.file("empty")) && FolderExists(folder.file("empty/")) && !FolderExists(QString()));
        QVERIFY(!FolderExists(folder.file("missing")) && !FileExists(folder.file("empty")) && !FileExists("   "));
        QVERIFY(FileExists(folder.file("page.asp")) && !FileExists(folder.file(".hidden")));
        QVERIFY(IsBlankText(QString()) && IsBlankText("   ") && !IsBlankText(" \t "));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
