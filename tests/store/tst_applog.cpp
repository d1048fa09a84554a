#include "store/applog.h"
#include "store/filetests.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

class TestAppLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineFormat()
    {
        const QDateTime moment(QDate(2005, 12, 5), QTime(14, 3, 9));
        QCOMPARE(FormatLogLine(moment, QStringLiteral("Loading position")),
                 QStringLiteral("05-12-2005 14:03:09 Loading position"));
    }

    void firstLineCreatesLogAndNamesIt()
    {
        TestProgramFolder folder;
        WriteLog(QStringLiteral("Loading position"));
        WriteLog(QString());
        const QString logPath = folder.file(QStringLiteral("applog.log"));
        QCOMPARE(GetINISetting(QStringLiteral("Settings"), QStringLiteral("AppLog"), QString()),
                 QDir::toNativeSeparators(logPath));
        const QRegularExpression line(QStringLiteral("^\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d Loading position\\r\\n"
                                                     "\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d \\r\\n$"));
        QVERIFY2(line.match(QString::fromLocal8Bit(readBytes(logPath))).hasMatch(), readBytes(logPath));
    }

    void configuredLogIsUsedAndKept()
    {
        TestProgramFolder folder;
        const QString other = folder.file(QStringLiteral("elsewhere.txt"));
        SaveINISetting(QStringLiteral("Settings"), QStringLiteral("AppLog"), other);
        WriteLog(QStringLiteral("one"));
        WriteLog(QStringLiteral("two"));
        QCOMPARE(logMessages(other), QStringList({"one", "two"}));
        QCOMPARE(GetINISetting(QStringLiteral("Settings"), QStringLiteral("AppLog"), QString()), other);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("applog.log"))));
    }

    void unwritableLogIsDroppedSilently()
    {
        TestProgramFolder folder;
        SaveINISetting(QStringLiteral("Settings"), QStringLiteral("AppLog"),
                       folder.file(QStringLiteral("no/such/log")));
        WriteLog(QStringLiteral("lost"));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("no"))));
    }

    void fileTests()
    {
        TestProgramFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("empty"));
        writeBytes(folder.file(QStringLiteral("page.asp")), "x");
        writeBytes(folder.file(QStringLiteral(".hidden")), "x");
        QVERIFY(FolderExists(folder.file(QStringLiteral("empty"))));
        QVERIFY(FolderExists(folder.file(QStringLiteral("empty/"))));
        QVERIFY(!FolderExists(folder.file(QStringLiteral("missing"))));
        QVERIFY(!FolderExists(QString()));
        QVERIFY(FileExists(folder.file(QStringLiteral("page.asp"))));
        QVERIFY(!FileExists(folder.file(QStringLiteral(".hidden"))));
        QVERIFY(!FileExists(folder.file(QStringLiteral("empty"))));
        QVERIFY(!FileExists(QStringLiteral("   ")));
        QVERIFY(IsBlankText(QString()));
        QVERIFY(IsBlankText(QStringLiteral("   ")));
        QVERIFY(!IsBlankText(QStringLiteral(" \t ")));
    }
};

QTEST_GUILESS_MAIN(TestAppLog)
#include "tst_applog.moc"
