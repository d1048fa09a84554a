#include "generator/generationrun.h"
#include "goldendesigns.h"
#include "store/settingsfile.h"
#include "support/failingdevice.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

const QString kSep = QDir::separator();
const QStringList kPages = {"default.asp", "addtogb.asp", "viewguestbook.asp"};

// One run in a fresh program folder, saving into it unless told otherwise. It
// stands in for the window and records, in order, everything the run asks of it.
struct Run : GenerationHost {
    TestProgramFolder folder;
    QString name = QStringLiteral("My Guestbook");
    QStringList events;  // "visible", "hidden", "finished <folder>"
    QStringList statuses;  // every status text, in order

    void setStatusVisible(bool visible) override { events << (visible ? "visible" : "hidden"); }
    void setStatusText(const QString &text) override { statuses << text; }
    void generationFinished(const QString &path) override { events << QStringLiteral("finished ") + path; }

    QString out() const { return folder.path() + kSep; }
    // The project folder of a run named "My Guestbook".
    QString pages() const { return out() + QStringLiteral("My_Guestbook") + kSep; }
    QStringList log() const { return logMessages(folder.file(QStringLiteral("applog.log"))); }
    GenerationOutcome operator()(const GuestbookProject &project) { return GenerateGuestbook(name, project, *this); }
};

// "Status: Writing <step> [ <page> ]" for each step.
QStringList writing(const QString &page, const QStringList &steps)
{
    QStringList rows;
    for (const QString &step : steps)
        rows << "Status: Writing " + step + " [ " + page + " ]";
    return rows;
}

// The log and status rows of a run into a fresh folder F. What says a page was
// created comes once the set is in place.
QStringList freshRunLog(const QString &f)
{
    const QString path = "Status: Checking project path";
    const QString fresh = " does not exist, Quillset will now create a fresh copy";
    return QStringList{"Status: Checking project name", path, "Status: Creating project directory", path,
                       "Status: Creating project files", "Status: Checking file paths", f + "guestbook.txt" + fresh,
                       f + "guestbook.txt created", f + "default.asp" + fresh}
        + writing("default.asp", {"file header", "file body", "page title", "fields", "file footer"})
        + writing("addtogb.asp", {"script header", "file header", "page title", "fields", "file footer"})
        + writing("viewguestbook.asp", {"file header", "file body", "page title", "file footer"})
        + QStringList{f + "default.asp created", "[ default.asp ] File header created",
                      "Main file created, will now generate addtogb.asp",
                      "addtogb.asp file created, will now generate viewguestbook.asp",
                      "Guestbook [ My Guestbook ] created successfully"};
}

// The status rows of a logged run: addtogb.asp's body status is shown but not logged.
QStringList statusesOf(const QStringList &log)
{
    QStringList statuses = log.filter(QRegularExpression(QStringLiteral("^Status: ")));
    statuses.insert(statuses.indexOf(QStringLiteral("Status: Writing file header [ addtogb.asp ]")) + 1,
                    QStringLiteral("Status: Writing file body [ addtogb.asp ]"));
    return statuses;
}

void addGoldenRow(const char *row, const QString &design, const QString &folder, const QString &codePage = {},
                  const QString &logged = {})
{
    QTest::newRow(row) << design << folder << codePage << logged;
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
        QTest::addColumn<QString>("logged");  // the run's first log line when not the usual one
        const QString cafe = QStringLiteral("Caf\u00e9_M\u00fcller");
        addGoldenRow("default project", "default", "My_Guestbook");
        addGoldenRow("bordered, one Textarea field, one-character title", "bordered", "My_Guestbook");
        addGoldenRow("no border, no image, lower-case kind", "mixed", "Club_&_news");
        addGoldenRow("windows-1252 by default", "western", cafe);
        addGoldenRow("windows-1252 named", "western", cafe, "windows-1252");
        const QString unknown = QStringLiteral("Page code page \"%1\" is unknown, pages are written in windows-1252");
        addGoldenRow("unknown name falls back", "western", cafe, "cp-none", unknown.arg("cp-none"));
        addGoldenRow("stateful ISO-2022-JP falls back", "western", cafe, "ISO-2022-JP", unknown.arg("ISO-2022-JP"));
        addGoldenRow("windows-1251", "cyrillic",
                     QStringLiteral("\u0413\u043e\u0441\u0442\u0435\u0432\u0430\u044f_\u043a\u043d\u0438\u0433\u0430"),
                     "windows-1251");
    }
    void pagesMatchByteForByte()
    {
        QFETCH(QString, design);
        QFETCH(QString, folderName);
        QFETCH(QString, codePage);
        QFETCH(QString, logged);
        Run run;
        if (!codePage.isEmpty())
            SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
        const GuestbookProject project = goldenProject(design, run.out());
        run.name = project.Project_Title;
        QVERIFY(run(project).succeeded);
        QCOMPARE(run.name, folderName);
        const QString f = run.out() + folderName + kSep;
        for (const QString &page : kPages)
            QCOMPARE(readBytes(f + page), readBytes(goldenFile(design, page)));
        QCOMPARE(readBytes(f + QStringLiteral("guestbook.txt")), QByteArray());
        QCOMPARE(run.log().first(), logged.isEmpty() ? QStringLiteral("Status: Checking project name") : logged);
    }

    // A project that would put server script into a page is refused before the
    // run shows, logs or writes anything.
    void refusedProjectWritesNothing()
    {
        Run run;
        GuestbookProject project = defaultProject(run.out());
        project.Fields[1].FieldName = QStringLiteral("x<%=Request(\"c\")%>");
        QCOMPARE(run(project).errorText,
                 QStringLiteral("Field name \"x<%=Request(...\" cannot be used in a page: "
                                "it holds the server script marker \"<%\""));
        QCOMPARE(run.name, QStringLiteral("My Guestbook"));
        QVERIFY(run.events.isEmpty() && run.statuses.isEmpty());
        QVERIFY(QDir(run.out()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    // A first run makes the folder and every file; a second one reuses the folder,
    // replaces the pages and keeps the entries.
    void firstAndSecondRun()
    {
        Run run;
        QVERIFY(run(defaultProject(run.out())).succeeded);
        const QString f = run.pages();
        QStringList expected = freshRunLog(f);
        QCOMPARE(run.log(), expected);
        QCOMPARE(run.statuses, statusesOf(expected));
        QCOMPARE(run.events, QStringList({"visible", "finished " + f}));

        const QByteArray entries = "Comments : hi//vbReturn//there vbCrLf Name : Ann vbCrLf Date : 1/1/2026\r\n";
        writeBytes(f + QStringLiteral("guestbook.txt"), entries);
        writeBytes(f + QStringLiteral("default.asp"), "stale");
        QFile::remove(run.folder.file(QStringLiteral("applog.log")));

        run.events.clear();
        GuestbookProject changed = defaultProject(run.out());
        changed.Fields.removeLast();
        QVERIFY(run(changed).succeeded);
        QCOMPARE(run.name, QStringLiteral("My_Guestbook"));

        expected.remove(2, 2);  // the folder is there: no "Creating project directory", one pass of the loop
        expected.remove(4, 3);  // both files exist
        expected.removeOne(f + "default.asp created");
        QCOMPARE(run.log(), expected);
        QCOMPARE(readBytes(f + QStringLiteral("guestbook.txt")), entries);
        const QByteArray signPage = readBytes(f + QStringLiteral("default.asp"));
        QVERIFY(!signPage.contains("stale"));
        QVERIFY(!signPage.contains("Comments"));
        QCOMPARE(run.events, QStringList({"visible", "finished " + f}));
    }

    // The owner page and pending.txt come with their options; a later run without
    // the password takes the owner page away and keeps pending.txt as it is.
    void protectionFiles_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("moderate");
        QTest::addColumn<QStringList>("extra");
        const QString password = "sha256:" + QString(32, '1') + ":" + QString(64, '2');
        QTest::newRow("off") << QString() << 0 << QStringList{};
        QTest::newRow("owner page") << password << 0 << QStringList{"owner.asp"};
        QTest::newRow("moderation") << password << 1 << QStringList{"owner.asp", "pending.txt"};
        QTest::newRow("moderation without owner page") << QString() << 1 << QStringList{};
    }
    void protectionFiles()
    {
        QFETCH(QString, password);
        QFETCH(int, moderate);
        QFETCH(QStringList, extra);
        Run run;
        GuestbookProject project = defaultProject(run.out());
        project.Owner_Password = password;
        project.Moderate_Entries = moderate;
        QVERIFY(run(project).succeeded);
        QStringList files = kPages + QStringList{"guestbook.txt"} + extra;
        files.sort();
        QCOMPARE(QDir(run.pages()).entryList(QDir::Files, QDir::Name), files);

        const QString pending = run.pages() + QStringLiteral("pending.txt");
        if (QFileInfo::exists(pending))
            writeBytes(pending, "held\r\n");
        project.Owner_Password.clear();
        QVERIFY(run(project).succeeded);
        QVERIFY(!QFileInfo::exists(run.pages() + QStringLiteral("owner.asp")));
        QCOMPARE(readBytes(pending), QByteArray(extra.contains("pending.txt") ? "held\r\n" : ""));
    }

    // The title names the folder (spaces as "_", one shorter than two characters
    // as the default); a title that would name a folder outside the save folder, or
    // a save folder that is missing, stops the run before it writes anything.
    void titleAndSaveFolder_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("saveFolderMade");
        QTest::addColumn<QString>("folderName");  // empty: the run stops
        QTest::addColumn<QString>("lastStatus");  // of a run that stops; of one that goes on: "shortened" or not
        const QString nameStatus = QStringLiteral("Status: Checking project name");
        QTest::newRow("empty") << QString() << true << "My_Guestbook" << "shortened";
        QTest::newRow("one character") << "Q" << true << "My_Guestbook" << "shortened";
        QTest::newRow("two characters") << "Qs" << true << "Qs" << "";
        QTest::newRow("two spaces between words") << "Club  news" << true << "Club__news" << "";
        QTest::newRow("parent folder") << ".." << true << "" << nameStatus;
        QTest::newRow("nested folders") << "../escape" << true << "" << nameStatus;
        QTest::newRow("backslash") << "a\\b" << true << "" << nameStatus;
        QTest::newRow("missing save folder") << "My Guestbook" << false << "" << "Status: Creating project directory";
    }
    void titleAndSaveFolder()
    {
        QFETCH(QString, title);
        QFETCH(bool, saveFolderMade);
        QFETCH(QString, folderName);
        QFETCH(QString, lastStatus);
        Run run;
        const QString saveTo = run.folder.file(QStringLiteral("site"));
        QStringList programFolder = {"applog.log", "Quillset.ini"};
        if (saveFolderMade && QDir().mkpath(saveTo))
            programFolder << QStringLiteral("site");
        run.name = title;
        const GenerationOutcome outcome = run(defaultProject(saveTo));
        if (!folderName.isEmpty()) {
            QVERIFY(outcome.succeeded);
            QCOMPARE(run.name, folderName);
            QVERIFY(QFileInfo(saveTo + kSep + folderName).isDir());
            QCOMPARE(run.log().indexOf("Project name too short, setting to default"), lastStatus.isEmpty() ? -1 : 1);
            return;
        }
        QVERIFY(!outcome.succeeded && !outcome.errorText.isEmpty());
        QCOMPARE(run.events, QStringList({"visible"}));
        QCOMPARE(run.statuses.last(), lastStatus);
        QCOMPARE(run.log().mid(run.log().size() - 2),
                 QStringList({lastStatus, "Guestbook [ My Guestbook ] not created: " + outcome.errorText}));
        QCOMPARE(QDir(run.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), programFolder);
        QVERIFY(QDir(saveTo).isEmpty());
    }

    // A write that fails at any page, at any step, stops the run with the system's
    // error and leaves the old set of pages byte for byte and no temporary file.
    void failureAtEachPageKeepsOldSet_data()
    {
        QTest::addColumn<QString>("failingPage");
        QTest::addColumn<int>("step");
        for (const QString &page : kPages) {
            for (int step = int(FailingDevice::Write); step <= int(FailingDevice::Commit); ++step)
                QTest::newRow(qPrintable(page + QStringLiteral(", ") + QLatin1String(FailingDevice::stepName(step))))
                    << page << step;
        }
    }
    void failureAtEachPageKeepsOldSet()
    {
        QFETCH(QString, failingPage);
        QFETCH(int, step);
        Run run;
        const QString f = run.pages();
        const QStringList files = kPages + QStringList{"guestbook.txt"};
        QDir().mkpath(f);
        for (const QString &file : files)
            writeBytes(f + file, "old " + file.toLatin1());
        const FailingDevice::Installed failing(f + failingPage, FailingDevice::Step(step));
        QCOMPARE(run(defaultProject(run.folder.path())).errorText, FailingDevice::kError);
        QCOMPARE(run.events, QStringList({"visible"}));
        QCOMPARE(run.statuses.last(), QStringLiteral("Status: Writing file footer [ viewguestbook.asp ]"));
        // The log claims no page, and ends with the failure.
        QCOMPARE(run.log().filter(QRegularExpression(QStringLiteral("created(,|$)"))), QStringList());
        QCOMPARE(run.log().last(), "Guestbook [ My Guestbook ] not created: " + FailingDevice::kError);
        for (const QString &file : files)
            QCOMPARE(readBytes(f + file), "old " + file.toLatin1());
        QCOMPARE(QDir(f).entryList(QDir::Files | QDir::Hidden).size(), files.size());
    }

    // A page that is a FIFO or a folder stops the run with its name, without
    // blocking on the FIFO, and the other pages keep their old bytes.
    void nonRegularPageRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "FIFO";
        QTest::newRow("folder") << "folder";
    }
    void nonRegularPageRefused()
    {
        QFETCH(QString, kind);
        Run run;
        const QString f = run.pages(), odd = f + "addtogb.asp";
        QDir().mkpath(f);
        writeBytes(f + "default.asp", "old");
        QVERIFY(kind == "folder" ? QDir().mkdir(odd) : QProcess::execute("mkfifo", {odd}) == 0);
        QCOMPARE(run(defaultProject(run.folder.path())).errorText,
                 QDir::toNativeSeparators(odd) + " is not a regular file");
        QCOMPARE(readBytes(f + "default.asp"), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestGenerationRun)
#include "tst_generationrun.moc"
