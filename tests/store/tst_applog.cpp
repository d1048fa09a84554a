#include "store/applog.h"
#include "store/atomicfile.h"
#include "store/filetests.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>

#include <sys/resource.h>
#endif

class TestAppLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineFormat()
    {
        const QDateTime moment(QDate(2005, 12, 5), QTime(14, 3, 9));
        QCOMPARE(FormatLogLine(moment, "Loading position"), QStringLiteral("05-12-2005 14:03:09 Loading position"));
    }

    void firstLineCreatesLogAndNamesIt()
    {
        TestProgramFolder folder;
        WriteLog("Loading position");
        WriteLog(QString());
        const QString logPath = folder.file("applog.log");
        QCOMPARE(GetINISetting("Settings", "AppLog", QString()), QDir::toNativeSeparators(logPath));
        const QString stamp = QStringLiteral("\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d ");
        const QRegularExpression lines('^' + stamp + "Loading position\\r\\n" + stamp + "\\r\\n$");
        QVERIFY2(lines.match(QString::fromLocal8Bit(readBytes(logPath))).hasMatch(), readBytes(logPath));
    }

    // A configured log is used and kept; one that cannot be written drops the line.
    void configuredLogIsUsedAndKept()
    {
        TestProgramFolder folder;
        const QString other = folder.file("elsewhere.txt");
        for (const QString &log : {folder.file("no/such/log"), other}) {
            SaveINISetting("Settings", "AppLog", log);
            WriteLog("one");
            WriteLog("two");
            QCOMPARE(GetINISetting("Settings", "AppLog", QString()), log);
        }
        QCOMPARE(logMessages(other), QStringList({"one", "two"}));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);  // no log made
    }

    // A line that the disk takes only in part is cut off again: the log keeps whole lines.
    void shortWriteLeavesNoPartLine_data()
    {
        QTest::addColumn<int>("room");  // bytes the file may still grow by
        QTest::newRow("no room") << 0;
        QTest::newRow("room for part of the line") << 10;
    }
    void shortWriteLeavesNoPartLine()
    {
#ifdef Q_OS_UNIX
        QFETCH(int, room);
        TestProgramFolder folder;
        WriteLog("first");
        const QString log = folder.file("applog.log");
        const QByteArray before = readBytes(log);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit saved = limit;
        limit.rlim_cur = rlim_t(before.size() + room);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const WriteResult appended = AtomicFile::append(log, "a line longer than the room left\r\n");
        WriteLog("second");
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!appended.succeeded());
        QCOMPARE(readBytes(log), before);
#else
        QSKIP("The file size limit is a POSIX facility");
#endif
    }

    void fileTests()
    {
        TestProgramFolder folder;
        QDir(folder.path()).mkdir("empty");
        writeBytes(folder.file("page.asp"), "x");
        writeBytes(folder.file(".hidden"), "x");
        QVERIFY(FolderExists(folder.file("empty")) && FolderExists(folder.file("empty/")));
        QVERIFY(!FolderExists(folder.file("missing")) && !FolderExists(QString()));
        QVERIFY(FileExists(folder.file("page.asp")) && !FileExists(folder.file(".hidden")));
        QVERIFY(!FileExists(folder.file("empty")) && !FileExists("   "));
        QVERIFY(IsBlankText(QString()) && IsBlankText("   ") && !IsBlankText(" \t "));
    }
};

QTEST_GUILESS_MAIN(TestAppLog)
#include "tst_applog.moc"
