#include "generator/generationrun.h"
#include "goldendesigns.h"
#include "recordinghost.h"
#include "store/settingsfile.h"
#include "support/failingdevice.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

Q_DECLARE_METATYPE(GuestbookProject)

namespace {

const QString kSep = QDir::separator();

// The log and status rows of a run into a fresh folder F, and of one into an existing folder.
QStringList freshRunLog(const QString &f)
{
    return {"Status: Checking project name",
            "Status: Checking project path",
            "Status: Creating project directory",
            "Status: Checking project path",
            "Status: Creating project files",
            "Status: Checking file paths",
            f + "guestbook.txt does not exist, Quillset will now create a fresh copy",
            f + "guestbook.txt created",
            f + "default.asp does not exist, Quillset will now create a fresh copy",
            f + "default.asp created",
            "Status: Writing file header [ default.asp ]",
            "[ default.asp ] File header created",
            "Status: Writing file body [ default.asp ]",
            "Status: Writing page title [ default.asp ]",
            "Status: Writing fields [ default.asp ]",
            "Status: Writing file footer [ default.asp ]",
            "Main file created, will now generate addtogb.asp",
            "Status: Writing script header [ addtogb.asp ]",
            "Status: Writing file header [ addtogb.asp ]",
            "Status: Writing page title [ addtogb.asp ]",
            "Status: Writing fields [ addtogb.asp ]",
            "Status: Writing file footer [ addtogb.asp ]",
            "addtogb.asp file created, will now generate viewguestbook.asp",
            "Status: Writing file header [ viewguestbook.asp ]",
            "Status: Writing file body [ viewguestbook.asp ]",
            "Status: Writing page title [ viewguestbook.asp ]",
            "Status: Writing file footer [ viewguestbook.asp ]",
            "Guestbook [ My Guestbook ] created successfully"};
}

QStringList statusesOf(const QStringList &log)
{
    QStringList statuses;
    for (const QString &line : log) {
        if (line.startsWith(QLatin1String("Status: ")))
            statuses << line;
        if (line == QLatin1String("Status: Writing file header [ addtogb.asp ]"))
            statuses << QStringLiteral("Status: Writing file body [ addtogb.asp ]");
    }
    return statuses;
}

}  // namespace

class TestGenerationRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesMatchByteForByte_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<QString>("codePage");  // Settings/PageCodePage; empty: not set
        QTest::addColumn<QString>("logged");  // a log line the run must write
        QTest::newRow("default project") << "default"
                                         << "My_Guestbook"
                                         << ""
                                         << "";
        QTest::newRow("bordered, one Textarea field, one-character title") << "bordered"
                                                                           << "My_Guestbook"
                                                                           << ""
                                                                           << "";
        QTest::newRow("no border, no image, lower-case kind") << "mixed"
                                                              << "Club_&_news"
                                                              << ""
                                                              << "";
        QTest::newRow("windows-1252 by default") << "western" << QStringLiteral("Caf\u00e9_M\u00fcller") << ""
                                                 << "";
        QTest::newRow("windows-1252 named") << "western" << QStringLiteral("Caf\u00e9_M\u00fcller") << "windows-1252"
                                            << "";
        QTest::newRow("unknown name falls back")
            << "western" << QStringLiteral("Caf\u00e9_M\u00fcller") << "cp-none"
            << "Page code page \"cp-none\" is unknown, pages are written in windows-1252";
        QTest::newRow("windows-1251")
            << "cyrillic"
            << QStringLiteral("\u0413\u043e\u0441\u0442\u0435\u0432\u0430\u044f_\u043a\u043d\u0438\u0433\u0430")
            << "windows-1251"
            << "";
    }
    void pagesMatchByteForByte()
    {
        QFETCH(QString, design);
        QFETCH(QString, folderName);
        QFETCH(QString, codePage);
        QFETCH(QString, logged);
        TestProgramFolder folder;
        if (!codePage.isEmpty())
            SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
        const QString out = folder.path() + kSep;
        const GuestbookProject project = goldenProject(design, out);
        QString name = project.Project_Title;
        RecordingHost host;
        QVERIFY(GenerateGuestbook(name, project, host).succeeded);
        QCOMPARE(name, folderName);
        for (const char *page : {"default.asp", "addtogb.asp", "viewguestbook.asp"}) {
            const QByteArray written = readBytes(out + folderName + kSep + QLatin1String(page));
            const QByteArray expected = readBytes(goldenFile(design, QLatin1String(page)));
            QVERIFY2(!expected.isEmpty(), page);
            QCOMPARE(QString::fromUtf8(written), QString::fromUtf8(expected));
            QCOMPARE(written, expected);
        }
        QCOMPARE(readBytes(out + folderName + kSep + QStringLiteral("guestbook.txt")), QByteArray());
        const QStringList log = logMessages(folder.file(QStringLiteral("applog.log")));
        QCOMPARE(log.first(), logged.isEmpty() ? QStringLiteral("Status: Checking project name") : logged);
    }

    // A project that would put server script into a page is refused before the
    // run shows, logs or writes anything.
    void refusedProjectWritesNothing()
    {
        TestProgramFolder folder;
        const QString saveTo = folder.file(QStringLiteral("site"));
        QDir().mkpath(saveTo);
        GuestbookProject project = defaultProject(saveTo);
        project.Fields[1].FieldName = QStringLiteral("x<%=Request(\"c\")%>");
        QString name = QStringLiteral("My Guestbook");
        RecordingHost host;
        const GenerationOutcome outcome = GenerateGuestbook(name, project, host);
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.errorText,
                 QStringLiteral("Field name \"x<%=Request(...\" cannot be used in a page: "
                                "it holds the server script marker \"<%\""));
        QCOMPARE(name, QStringLiteral("My Guestbook"));
        QVERIFY(host.events.isEmpty());
        QVERIFY(host.statuses.isEmpty());
        QVERIFY(QDir(saveTo).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("applog.log"))));
    }

    void freshFolderSequence()
    {
        TestProgramFolder folder;
        const QString out = folder.path() + kSep;
        QString name = QStringLiteral("My Guestbook");
        RecordingHost host;
        QVERIFY(GenerateGuestbook(name, defaultProject(out), host).succeeded);
        const QString f = out + QStringLiteral("My_Guestbook") + kSep;
        const QStringList expected = freshRunLog(f);
        QCOMPARE(logMessages(folder.file(QStringLiteral("applog.log"))), expected);
        QCOMPARE(host.statuses, statusesOf(expected));
        QCOMPARE(host.events, QStringList({"visible", "step 2", "hidden", "ask", "generated"}));
        QCOMPARE(host.question,
                 QStringLiteral("Your guestbook has been generated successfully\r\n\r\n"
                                "Would you like to view your files now?"));
    }

    void secondRunReusesFolderAndKeepsEntries()
    {
        TestProgramFolder folder;
        const QString out = folder.path() + kSep;
        RecordingHost first;
        QString name = QStringLiteral("My Guestbook");
        QVERIFY(GenerateGuestbook(name, defaultProject(out), first).succeeded);
        const QString f = out + QStringLiteral("My_Guestbook") + kSep;
        const QByteArray entries = "Comments : hi//vbReturn//there vbCrLf Name : Ann vbCrLf Date : 1/1/2026\r\n";
        writeBytes(f + QStringLiteral("guestbook.txt"), entries);
        writeBytes(f + QStringLiteral("default.asp"), "stale");
        QFile::remove(folder.file(QStringLiteral("applog.log")));

        RecordingHost second;
        second.answerYes = true;
        GuestbookProject changed = defaultProject(out);
        changed.Fields.removeLast();
        QVERIFY(GenerateGuestbook(name, changed, second).succeeded);
        QCOMPARE(name, QStringLiteral("My_Guestbook"));

        QStringList expected = freshRunLog(f);
        expected.removeAt(2);  // the folder is there: no "Creating project directory"
        expected.removeAt(2);  // and one pass of the folder loop
        expected.erase(expected.begin() + 4, expected.begin() + 8);  // both files exist
        QCOMPARE(logMessages(folder.file(QStringLiteral("applog.log"))), expected);
        QCOMPARE(readBytes(f + QStringLiteral("guestbook.txt")), entries);
        QVERIFY(!readBytes(f + QStringLiteral("default.asp")).contains("stale"));
        QVERIFY(!readBytes(f + QStringLiteral("default.asp")).contains("Comments"));
        QCOMPARE(second.events, QStringList({"visible", "step 2", "hidden", "ask", "open " + f, "generated"}));
    }

    void titleBecomesFolderName_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("empty") << ""
                               << "My_Guestbook" << true;
        QTest::newRow("one character") << "Q"
                                       << "My_Guestbook" << true;
        QTest::newRow("one space") << " "
                                   << "My_Guestbook" << true;
        QTest::newRow("two characters") << "Qs"
                                        << "Qs" << false;
        QTest::newRow("two spaces between words") << "Club  news"
                                                  << "Club__news" << false;
    }
    void titleBecomesFolderName()
    {
        QFETCH(QString, title);
        QFETCH(QString, folderName);
        QFETCH(bool, shortened);
        TestProgramFolder folder;
        QString name = title;
        RecordingHost host;
        QVERIFY(GenerateGuestbook(name, defaultProject(folder.path()), host).succeeded);
        QCOMPARE(name, folderName);
        QVERIFY(QFileInfo(folder.file(folderName)).isDir());
        const QStringList log = logMessages(folder.file(QStringLiteral("applog.log")));
        QCOMPARE(log.contains(QStringLiteral("Project name too short, setting to default")), shortened);
        QCOMPARE(log.indexOf(QStringLiteral("Project name too short, setting to default")), shortened ? 1 : -1);
    }

    // A title that would name a folder outside the save folder writes nothing.
    void titleThatIsNoFolderName_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("parent folder") << "..";
        QTest::newRow("nested folders") << "../escape";
        QTest::newRow("backslash") << "a\\b";
    }
    void titleThatIsNoFolderName()
    {
        QFETCH(QString, title);
        TestProgramFolder folder;
        const QString saveTo = folder.file(QStringLiteral("site"));
        QDir().mkpath(saveTo);
        QString name = title;
        RecordingHost host;
        const GenerationOutcome outcome = GenerateGuestbook(name, defaultProject(saveTo), host);
        QVERIFY(!outcome.succeeded);
        QVERIFY(!outcome.errorText.isEmpty());
        QCOMPARE(host.events, QStringList({"visible"}));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"applog.log", "Quillset.ini", "site"}));
        QVERIFY(QDir(saveTo).isEmpty());
    }

    void pathWithOrWithoutFinalSeparator()
    {
        TestProgramFolder folder;
        for (const QString &path : {folder.path(), folder.path() + kSep}) {
            QString name = QStringLiteral("Same");
            RecordingHost host;
            host.answerYes = true;
            QVERIFY(GenerateGuestbook(name, defaultProject(path), host).succeeded);
            QCOMPARE(host.events.at(4), QStringLiteral("open ") + folder.path() + kSep + "Same" + kSep);
        }
    }

    void missingParentStopsBeforeWriting()
    {
        TestProgramFolder folder;
        const QString parent = folder.file(QStringLiteral("missing"));
        QString name = QStringLiteral("My Guestbook");
        RecordingHost host;
        const GenerationOutcome outcome = GenerateGuestbook(name, defaultProject(parent), host);
        QVERIFY(!outcome.succeeded);
        QVERIFY(!outcome.errorText.isEmpty());
        QVERIFY(!QFileInfo::exists(parent));
        QCOMPARE(host.events, QStringList({"visible"}));
        QCOMPARE(host.statuses.last(), QStringLiteral("Status: Creating project directory"));
        QCOMPARE(logMessages(folder.file(QStringLiteral("applog.log"))).last(),
                 QStringLiteral("Status: Creating project directory"));
    }

    // A page that cannot be replaced stops the run with the system's error after
    // every page was built; the pages are written as a set, so none is written
    // and no temporary file is left behind.
    void failedPageStopsRunAndLeavesNoPartialFile()
    {
        TestProgramFolder folder;
        const QString f = folder.path() + kSep + QStringLiteral("My_Guestbook") + kSep;
        QDir().mkpath(f + QStringLiteral("viewguestbook.asp"));
        QString name = QStringLiteral("My Guestbook");
        RecordingHost host;
        const GenerationOutcome outcome = GenerateGuestbook(name, defaultProject(folder.path()), host);
        QVERIFY(!outcome.succeeded);
        QVERIFY(!outcome.errorText.isEmpty());
        QCOMPARE(host.events, QStringList({"visible"}));
        QCOMPARE(host.statuses.last(), QStringLiteral("Status: Writing file footer [ viewguestbook.asp ]"));
        QVERIFY(!logMessages(folder.file(QStringLiteral("applog.log"))).last().startsWith("Guestbook ["));
        QCOMPARE(QDir(f).entryList(QDir::Files | QDir::Hidden), QStringList{"guestbook.txt"});
    }

    // A write that fails at any page, at any step, leaves the old set of pages
    // byte for byte, no temporary file, and returns the error text.
    void failureAtEachPageKeepsOldSet_data()
    {
        QTest::addColumn<QString>("failingPage");
        QTest::addColumn<int>("step");
        for (const char *page : {"default.asp", "addtogb.asp", "viewguestbook.asp"}) {
            for (int step = int(FailingDevice::Write); step <= int(FailingDevice::Commit); ++step)
                QTest::newRow(qPrintable(
                    QStringLiteral("%1, %2").arg(QLatin1String(page), QLatin1String(FailingDevice::stepName(step)))))
                    << page << step;
        }
    }
    void failureAtEachPageKeepsOldSet()
    {
        QFETCH(QString, failingPage);
        QFETCH(int, step);
        TestProgramFolder folder;
        const QString f = folder.path() + kSep + QStringLiteral("My_Guestbook") + kSep;
        QDir().mkpath(f);
        for (const char *page : {"default.asp", "addtogb.asp", "viewguestbook.asp", "guestbook.txt"})
            writeBytes(f + page, QByteArray("old ") + page);
        const FailingDevice::Installed failing(f + failingPage, FailingDevice::Step(step));
        QString name = QStringLiteral("My Guestbook");
        RecordingHost host;
        const GenerationOutcome outcome = GenerateGuestbook(name, defaultProject(folder.path()), host);
        QCOMPARE(outcome.errorText, FailingDevice::kError);
        for (const char *page : {"default.asp", "addtogb.asp", "viewguestbook.asp", "guestbook.txt"})
            QCOMPARE(readBytes(f + page), QByteArray("old ") + page);
        QCOMPARE(QDir(f).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestGenerationRun)
#include "tst_generationrun.moc"
