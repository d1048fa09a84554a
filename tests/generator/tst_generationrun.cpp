// A generation run and a preview, as the window starts them: the pages they write, byte for byte, what they log and
// show, and what they leave when they stop.

#include "generator/generationrun.h"
#include "generator/preview.h"
#include "store/settingsfile.h"
#include "support/failingdevice.h"
#include "support/goldenprojects.h"
#include "support/testfolder.h"

#include <QDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <optional>

namespace {

const QString kSep = QDir::separator();
const QStringList kPages = {"default.asp", "addtogb.asp", "viewguestbook.asp"};
const QStringList kFiles = kPages + QStringList{"guestbook.txt"};
const QDateTime kNewest(QDate(2026, 12, 5), QTime(14, 3, 9));

QStringList entriesIn(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// One run in a fresh program folder. It stands in for the window and records, in order, everything the run asks of
// it.
struct Run : GenerationHost {
    TestProgramFolder folder;
    QString name = QStringLiteral("My Guestbook");
    QStringList events, statuses;  // "visible", "hidden", "finished <folder>"; every status text

    void setStatusVisible(bool visible) override { events << (visible ? "visible" : "hidden"); }
    void setStatusText(const UserText &text) override { statuses << text.english(); }
    void generationFinished(const QString &path) override { events << QStringLiteral("finished ") + path; }

    QString out() const { return folder.path() + kSep; }
    QStringList log() const { return logMessages(folder.file(QStringLiteral("applog.log"))); }
    GenerationOutcome operator()(const GuestbookProject &project) { return GenerateGuestbook(name, project, *this); }
};

// The log of a run into a fresh folder F. What says a page was created comes once the set is in place.
QStringList freshRunLog(const QString &f)
{
    const QString path = "Status: Checking project path";
    const QString fresh = " does not exist, Quillset will now create a fresh copy";
    QStringList log = {"Status: Checking project name", path, "Status: Creating project directory", path,
                       "Status: Creating project files", "Status: Checking file paths", f + "guestbook.txt" + fresh,
                       f + "guestbook.txt created", f + "default.asp" + fresh};
    for (const char *steps : {"default.asp:file header,file body,page title,fields,file footer",
                              "addtogb.asp:script header,file header,page title,fields,file footer",
                              "viewguestbook.asp:file header,file body,page title,file footer"}) {
        for (const QString &step : QString(steps).section(':', 1).split(','))
            log << "Status: Writing " + step + " [ " + QString(steps).section(':', 0, 0) + " ]";
    }
    return log + QStringList{f + "default.asp created", "[ default.asp ] File header created",
                             "Main file created, will now generate addtogb.asp",
                             "addtogb.asp file created, will now generate viewguestbook.asp",
                             "Guestbook [ My Guestbook ] created successfully"};
}

}  // namespace

class TestGenerationRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Golden designs; the run's name (the title unless given) names the folder: spaces as "_", and one shorter than
    // two characters as the default, which the log tells.
    void pagesMatchByteForByte_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("name");  // null: the title
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<QString>("codePage");  // Settings/PageCodePage; empty: not set
        QTest::addColumn<QString>("logged");  // the run's first two log lines
        const QString checking = "Status: Checking project name|";
        const auto row = [&](const char *name, const char *design, const QString &folder, const QString &codePage = {},
                             const QString &logged = {}, const QString &runName = {}) {
            QTest::newRow(name) << QString(design) << runName << folder << codePage
                                << (logged.isEmpty() ? checking + "Status: Checking project path" : logged);
        };
        const QString cafe = QStringLiteral("Caf\u00e9_M\u00fcller");
        const QString tooShort = checking + "Project name too short, setting to default";
        const QString unknown = "Page code page \"%1\" is unknown, pages are written in windows-1252|"
            + checking.chopped(1);
        row("default project", "default", "My_Guestbook");
        row("bordered, one Textarea field, one-character title", "bordered", "My_Guestbook", {}, tooShort);
        row("no border, no image, lower-case kind", "mixed", "Club_&_news");
        row("empty name", "default", "My_Guestbook", {}, tooShort, "");
        row("two-character name", "default", "Qs", {}, {}, "Qs");
        row("two spaces between words", "default", "Club__news", {}, {}, "Club  news");
        row("windows-1252 by default", "western", cafe);
        row("windows-1252 named", "western", cafe, "windows-1252");
        // A code page that is unknown, not ASCII-based (yen sign for backslash, EBCDIC), or stateful falls back.
        for (const char *name : {"cp-none", "utf-16", "Shift_JIS", "IBM037", "ISO-2022-JP", "csISO2022JP", "JIS",
                                 "ISO-2022-KR", "UTF-7", "HZ-GB-2312", "SCSU", "BOCU-1"})
            row(qPrintable(name + QStringLiteral(" falls back")), "western", cafe, name, unknown.arg(name));
        row("windows-1251", "cyrillic",
            QStringLiteral("\u0413\u043e\u0441\u0442\u0435\u0432\u0430\u044f_\u043a\u043d\u0438\u0433\u0430"),
            "windows-1251");
    }
    // The pages of a run; and the preview, in one new folder of its own: the sign page as the server sends it to a
    // first visitor, and the view page up to its script, with the links between the pages going to the preview's
    // files.
    void pagesMatchByteForByte()
    {
        QFETCH(QString, design);
        QFETCH(QString, name);
        QFETCH(QString, folderName);
        QFETCH(QString, codePage);
        QFETCH(QString, logged);
        Run run;
        if (!codePage.isEmpty())
            SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
        const GuestbookProject project = goldenProject(design, run.out());
        run.name = name.isNull() ? project.Project_Title : name;
        QVERIFY(run(project).succeeded);
        QCOMPARE(run.name, folderName);
        const QString f = run.out() + folderName + kSep;
        for (const QString &page : kPages)
            QCOMPARE(readBytes(f + page), readBytes(QUILLSET_TEST_DATA "/golden/" + design + '/' + page));
        QCOMPARE(readBytes(f + QStringLiteral("guestbook.txt")), QByteArray());
        QCOMPARE(run.log().mid(0, 2).join('|'), logged);
        const PreviewFolder preview = WritePreview(project, run.folder.path(), kNewest);
        QVERIFY2(preview.outcome.succeeded, qPrintable(preview.outcome.errorText.english()));
        QVERIFY(preview.folder.startsWith(run.out() + QStringLiteral("quillset-preview-")));
        QCOMPARE(preview.signPage, preview.folder + kSep + QStringLiteral("index.html"));
        QCOMPARE(entriesIn(preview.folder), QStringList({".quillset-preview", "index.html", "view.html"}));
        QCOMPARE(readBytes(preview.folder + kSep + ".quillset-preview"), "Quillset preview\r\n");
        // The log, the settings, the list of unfinished sets (empty), the project and preview folders.
        QCOMPARE(entriesIn(run.folder.path()).size(), 5);
        QCOMPARE(entriesIn(run.folder.file(".quillset-unfinished-sets")), QStringList());
        QCOMPARE(run.log().last(), "Preview written to " + preview.folder);
        const QByteArray banner = "<%if not request.querystring(\"err\") = \"\" then%><div align=\"center\"><font "
                                  "style=\"font-size: 15px; color: #ff0000\"><b>Error: One or more required fields "
                                  "were of an invalid length</b></font></div><br/><br/><%end if%>";
        QCOMPARE(readBytes(preview.signPage), readBytes(f + "default.asp")
                                                  .replace(banner, "")
                                                  .replace("<form action=\"addtogb.asp\"", "<form action=\"view.html\"")
                                                  .replace("<a href=\"viewguestbook.asp\">", "<a href=\"view.html\">"));
        const QByteArray viewPage = readBytes(preview.folder + kSep + QStringLiteral("view.html"));
        const QByteArray golden = readBytes(f + "viewguestbook.asp");
        QVERIFY(viewPage.startsWith(golden.left(golden.indexOf("<%"))));
        QVERIFY(viewPage.endsWith("\r\n<br/><br/><center><a href=\"index.html\"><b>Sign Guestbook</b></a></center>"
                                  "<br/><br/>\r\n</body>\r\n</html>\r\n"));
    }

    // The pages in another language say nothing in English, whatever options they carry; a language that the page
    // code page cannot hold is refused before anything is written. A title and a field name that hold placeholders
    // of the pages' script stay as typed, and the site's secret stays in the script.
    void pagesInTheOwnersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QStringList>("shown");  // texts the pages hold; empty: refused
        QTest::addColumn<QString>("style");
        const auto row = [](const char *name, const char *language, const char *codePage, const QStringList &shown,
                            const char *style = "Classic") {
            QTest::newRow(name) << QString(language) << QString(codePage) << shown << QString(style);
        };
        const QStringList typed = {"<title>%SECRET% %DATA%</title>", "WriteLine \"%DATA% %SECRET% : \""};
        row("German", "de", "windows-1252",
            QStringList{"Ins G\u00e4stebuch eintragen", "G\u00e4stebuch ansehen", "\u00c4ltere Eintr\u00e4ge",
                        "Fehler: Bitte warten Sie einen Moment", "Datum : ", "\"Fehler: Falsches Passwort\"",
                        "Gel\u00f6schte Eintr\u00e4ge"}
                + typed);
        row("Japanese, Modern", "ja", "utf-8",
            QStringList{"\u30b2\u30b9\u30c8\u30d6\u30c3\u30af\u3092\u898b\u308b",
                        "If Left(QsDone, 4) = \"\u30a8\u30e9\u30fc:\" Then"}
                + typed,
            "Modern");
        row("French", "fr", "windows-1252",
            {"Signer mon livre d'or", "Merci, votre message appara\u00eetra", "Date : "});
        row("Russian", "ru", "windows-1251",
            {"\u0421\u043f\u0430\u0441\u0438\u0431\u043e", "\u0414\u0430\u0442\u0430 : "});
        row("Japanese", "ja", "utf-8",
            {"\u30b2\u30b9\u30c8\u30d6\u30c3\u30af\u3092\u898b\u308b",
             "\u65e5\u4ed8 : ", "If Left(QsDone, 4) = \"\u30a8\u30e9\u30fc:\" Then"});
        row("Japanese in windows-1252", "ja", "windows-1252", {});
    }
    void pagesInTheOwnersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, codePage);
        QFETCH(QStringList, shown);
        QFETCH(QString, style);
        Run run;
        SaveINISetting("Settings", "PageCodePage", codePage);
        GuestbookProject project = defaultProject(run.out());
        project.Page_Language = language, project.Page_Style = style;
        project.Project_Title = "%SECRET% %DATA%", project.Fields.last().FieldName = "%DATA% %SECRET%";
        project.Spam_Guard = 1, project.Max_Entry_Length = "500", project.Entries_Per_Page = "5";
        project.Owner_Password = "sha256:" + QString(32, '1') + ":" + QString(64, '2'), project.Moderate_Entries = 1;
        const GenerationOutcome outcome = run(project);
        QCOMPARE(outcome.succeeded, !shown.isEmpty());
        if (shown.isEmpty()) {
            QVERIFY(
                outcome.errorText.english().startsWith("Page language \"ja\" cannot be used in a page: in its text"));
            QVERIFY(!QDir(run.out() + "My_Guestbook").exists());
            return;
        }
        QString pages;
        for (const QString &page : kPages + QStringList{"owner.asp"})
            pages += QStringDecoder(qPrintable(codePage)).decode(readBytes(run.out() + "My_Guestbook" + kSep + page));
        for (const QString &text : shown)
            QVERIFY2(pages.contains(text), qPrintable(text));
        const QString secret = QRegularExpression("QsFormAge\\(\"([0-9a-f]{32,})\"").match(pages).captured(1);
        QVERIFY(!secret.isEmpty());
        QCOMPARE(pages.count(secret), pages.count("(\"" + secret));
        // French writes "Date" too, and a Modern site stores every date under "Date".
        const bool dateWord = language == "fr" || style == "Modern";
        for (const QString &english : kEnglishPageTexts)
            QVERIFY2(!pages.contains(english) || (dateWord && english == "Date : "), qPrintable(english));
    }

    // A first run makes the folder and every file, and the owner page with its deleted entries and journal, and
    // pending.txt, with their options; a second one, without the password, reuses the folder, replaces the pages,
    // takes the owner page away and keeps the entries and pending.txt. Entries that Modern pages left in the Unicode
    // format go into the page code page, what it cannot hold as character references, and the log says so.
    void firstAndSecondRun_data()
    {
        QTest::addColumn<int>("moderate");
        // guestbook.txt before the second run: "entries" or "mark" (alone) in the Unicode format, else 8-bit entries
        QTest::addColumn<QString>("unicode");
        // owner.asp: with an owner password; usedforms.txt: with the robot guard. A protected set has a web.config.
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("no protection") << 0 << "" << QStringList{};
        QTest::newRow("owner page, Unicode entries")
            << 0 << "entries" << QStringList{"deleted.txt", "journal.txt", "owner.asp", "web.config"};
        QTest::newRow("moderation")
            << 1 << "" << QStringList{"deleted.txt", "journal.txt", "owner.asp", "pending.txt", "web.config"};
        QTest::newRow("moderation without owner page") << 1 << "" << QStringList{};
        QTest::newRow("robot guard, Unicode mark alone") << 0 << "mark" << QStringList{"usedforms.txt", "web.config"};
    }
    void firstAndSecondRun()
    {
        QFETCH(int, moderate);
        QFETCH(QString, unicode);
        QFETCH(QStringList, extra);
        Run run;
        GuestbookProject project = defaultProject(run.out());
        const QString password = "sha256:" + QString(32, '1') + ":" + QString(64, '2');
        project.Owner_Password = extra.contains("owner.asp") ? password : QString();
        project.Moderate_Entries = moderate;
        project.Spam_Guard = extra.contains("usedforms.txt");
        QVERIFY(run(project).succeeded);
        const QString f = run.out() + "My_Guestbook" + kSep;
        QStringList files = kFiles + extra, expected = freshRunLog(f);
        files.sort();
        QCOMPARE(entriesIn(f), files);
        // Without protection files (which add their own lines), the log is the fresh run's and the statuses are the
        // logged ones, and addtogb.asp's body, shown but not logged.
        QVERIFY(!extra.isEmpty() || run.log() == expected);
        QStringList statuses = expected.filter(QRegularExpression(QStringLiteral("^Status: ")));
        statuses.insert(statuses.indexOf("Status: Writing file header [ addtogb.asp ]") + 1,
                        "Status: Writing file body [ addtogb.asp ]");
        QVERIFY(!extra.isEmpty() || run.statuses == statuses);
        QCOMPARE(run.events, QStringList({"visible", "finished " + f}));

        QByteArray entries = "Comments : hi//vbReturn//there vbCrLf Name : Ann vbCrLf Date : 1/1/2026\r\n";
        writeBytes(f + QStringLiteral("guestbook.txt"), entries);
        if (unicode == "entries") {
            const QString typed =
                QStringLiteral("Comments : Caf\u00e9 \u65e5\u672c \U0001F600\r\nName : Ren\u00e9e\r\n");
            writeBytes(f + QStringLiteral("guestbook.txt"),
                       "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(typed.utf16()), typed.size() * 2));
            entries = "Comments : Caf\xe9 &#26085;&#26412; &#128512;\r\nName : Ren\xe9" "e\r\n";
        } else if (unicode == "mark") {
            writeBytes(f + QStringLiteral("guestbook.txt"), "\xff\xfe");
            entries.clear();
        }
        writeBytes(f + QStringLiteral("default.asp"), "stale");
        if (extra.contains("pending.txt"))
            writeBytes(f + QStringLiteral("pending.txt"), "held\r\n");
        QFile::remove(run.folder.file(QStringLiteral("applog.log")));
        project.Owner_Password.clear();
        project.Spam_Guard = 0;
        project.Fields.removeLast();
        QVERIFY(run(project).succeeded);
        expected.remove(2, 2);  // the folder is there: no "Creating project directory", one pass of the loop
        expected.remove(4, 3);  // both files exist
        expected.removeOne(f + "default.asp created");
        QVERIFY(!extra.isEmpty() || run.log() == expected);
        QCOMPARE(readBytes(f + QStringLiteral("guestbook.txt")), entries);
        const QByteArray signPage = readBytes(f + QStringLiteral("default.asp"));
        QVERIFY(signPage.contains("Homepage") && !signPage.contains("Comments"));
        QVERIFY(!QFileInfo::exists(f + QStringLiteral("owner.asp")));
        QCOMPARE(readBytes(f + QStringLiteral("pending.txt")), extra.contains("pending.txt") ? "held\r\n" : "");
        const QString converted =
            f + "guestbook.txt was in the Unicode format of the Modern pages and is now in windows-1252";
        QCOMPARE(run.log().contains(converted), !unicode.isEmpty());
    }

    // A picture on this computer goes beside the pages and they name it by its file name; a web address or a plain
    // file name goes into the pages as it is, and "none" in any case means no picture. A local picture that cannot be
    // read stops the run.
    void backgroundPicture_data()
    {
        QTest::addColumn<QString>("image");  // "<local>" stands for the folder of the test's own picture
        QTest::addColumn<QString>("bodyEnd");  // how the body tag ends, "" when the run stops
        QTest::addColumn<QStringList>("copied");
        QTest::newRow("web address") << "https://example.org/img/Back.gif"
                                     << " background=https://example.org/img/back.gif>" << QStringList();
        QTest::newRow("plain file name") << "back.gif" << " background=back.gif>" << QStringList();
        QTest::newRow("none in mixed case") << "nOnE" << ">" << QStringList();
        QTest::newRow("word containing none") << "nonesuch.gif" << " background=nonesuch.gif>" << QStringList();
        QTest::newRow("local picture") << "<local>/My Back.png" << " background=my%20back.png>"
                                       << QStringList{"My Back.png"};
        QTest::newRow("local file address") << "file://<local>/tile.png" << " background=tile.png>"
                                            << QStringList{"tile.png"};
        QTest::newRow("missing local picture") << "<local>/gone.png" << "" << QStringList();
    }
    void backgroundPicture()
    {
        QFETCH(QString, image);
        QFETCH(QString, bodyEnd);
        QFETCH(QStringList, copied);
        Run run;
        const QString pictures = run.folder.file("pictures");
        QVERIFY(QDir().mkpath(pictures));
        for (const char *name : {"My Back.png", "tile.png"})
            writeBytes(pictures + kSep + name, QByteArray("picture ") + name);
        GuestbookProject project = defaultProject(run.folder.file("site"));
        QVERIFY(QDir().mkpath(project.Project_Path));
        project.BG_Image = QString(image).replace("<local>", pictures);
        const GenerationOutcome outcome = run(project);
        QCOMPARE(outcome.succeeded, !bodyEnd.isEmpty());
        const QString f = project.Project_Path + kSep + "My_Guestbook" + kSep;
        if (bodyEnd.isEmpty()) {
            QVERIFY(
                outcome.errorText.english().startsWith("The background picture " + QDir::toNativeSeparators(pictures)));
            QVERIFY(!QFile::exists(f + "default.asp"));
            return;
        }
        for (const QString &page : kPages)
            QVERIFY(readBytes(f + page).contains(" marginwidth=\"0\" bgcolor=#ffffff" + bodyEnd.toLatin1() + "\r\n"));
        QStringList expected = kFiles + copied, found = entriesIn(f);
        expected.sort(), found.sort();
        QCOMPARE(found, expected);
        for (const QString &name : copied)
            QCOMPARE(readBytes(f + name), "picture " + name.toLatin1());
    }

    // A run that stops, for a project that would put server script into a page, a title that would name a folder
    // outside the save folder, a missing save folder, a write that fails at any page and step, or a page that is a
    // FIFO (not blocking on it) or a folder: it returns the error, writes nothing, and logs why, after the last
    // status shown (none: the run never showed). The old pages keep their bytes. A preview of the refused project,
    // or into the missing folder, stops too and leaves no folder.
    void stoppedRunWritesNothing_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fault");  // "page:step" makes that page's write fail at that step
        QTest::addColumn<QString>("error");  // how the error ends
        QTest::addColumn<QString>("lastStatus");
        const auto row = [](const QString &name, const QString &title, const QString &fault, const QString &error,
                            const QString &lastStatus) {
            QTest::newRow(qPrintable(name)) << title << fault << error << lastStatus;
        };
        const QString name = "My Guestbook", nameStatus = "Status: Checking project name";
        row("script in a field name", name, "field",
            "Field name \"x<%=Request(...\" cannot be used in a page: it holds the server script marker \"<%\"", "");
        row("parent folder", "..", "", "", nameStatus);
        row("nested folders", "../escape", "", "", nameStatus);
        row("backslash", "a\\b", "", "", nameStatus);
        row("missing save folder", name, "no save folder", "", "Status: Creating project directory");
        const QString footer = "Status: Writing file footer [ viewguestbook.asp ]";
        for (const QString &kind : {QStringLiteral("FIFO"), QStringLiteral("folder")})
            row(kind, name, kind + " addtogb.asp", "addtogb.asp is not a regular file", footer);
        row("FIFO data file", name, "FIFO guestbook.txt", "guestbook.txt is not a regular file",
            "Status: Checking file paths");
        for (const QString &page : kPages) {
            for (int step = FailingDevice::Write; step <= FailingDevice::Commit; ++step)
                row(page + ", " + FailingDevice::kStepNames[step], name, page + ':' + QString::number(step),
                    FailingDevice::kError, footer);
        }
    }
    void stoppedRunWritesNothing()
    {
        QFETCH(QString, title);
        QFETCH(QString, fault);
        QFETCH(QString, error);
        QFETCH(QString, lastStatus);
        Run run;
        const QString saveTo = run.folder.file("site"), f = saveTo + kSep + "My_Guestbook" + kSep;
        if (fault != "no save folder") {
            QVERIFY(QDir().mkpath(f));
            for (const QString &file : kFiles)
                writeBytes(f + file, "old " + file.toLatin1());
        }
        GuestbookProject project = defaultProject(saveTo);
        if (fault == "field")
            project.Fields[1].FieldName = QStringLiteral("x<%=Request(\"c\")%>");
        if (const QString odd = f + fault.section(' ', 1); fault.startsWith("FIFO") || fault.startsWith("folder")) {
            QFile::remove(odd);
            QVERIFY(fault.startsWith("folder") ? QDir().mkdir(odd) : QProcess::execute("mkfifo", {odd}) == 0);
        }
        std::optional<FailingDevice::Installed> failing;
        if (fault.contains(':'))
            failing.emplace(f + fault.section(':', 0, 0), FailingDevice::Step(fault.section(':', 1).toInt()));
        run.name = title;
        const GenerationOutcome outcome = run(project);
        QVERIFY(!outcome.succeeded && !outcome.errorText.english().isEmpty()
                && outcome.errorText.english().endsWith(error));
        QCOMPARE(run.events, lastStatus.isEmpty() ? QStringList() : QStringList{"visible"});
        QCOMPARE(run.statuses.isEmpty() ? QString() : run.statuses.last(), lastStatus);
        // Before the failure line: the last status, or the data file's announced creation.
        const QString before = fault.endsWith("guestbook.txt")
            ? f + "guestbook.txt does not exist, Quillset will now create a fresh copy" : lastStatus;
        const QStringList stopped = {before, "Guestbook [ My Guestbook ] not created: " + outcome.errorText.english()};
        QCOMPARE(run.log().mid(run.log().size() - 2), lastStatus.isEmpty() ? QStringList() : stopped);
        QCOMPARE(run.log().filter(QRegularExpression(QStringLiteral("created(,|$)"))), QStringList());
        if (fault == "field" || fault == "no save folder") {
            const PreviewFolder preview = WritePreview(project, saveTo, kNewest);
            QVERIFY(preview.outcome.errorText.english().startsWith(
                fault == "field" ? error : "The preview folder could not be made in " + saveTo + ": "));
            QVERIFY(!preview.outcome.succeeded && preview.signPage.isEmpty());
            QCOMPARE(entriesIn(saveTo).filter("quillset-preview-"), QStringList());
        }
        const QStringList made = QStringList{"applog.log", "Quillset.ini", "site"}.mid(lastStatus.isEmpty() ? 2 : 0);
        // The list of unfinished sets, made by the first set write, is empty again.
        QCOMPARE(entriesIn(run.folder.path()).filter(QRegularExpression("^[^.]")),
                 fault == "no save folder" ? made.mid(0, 2) : made);
        QCOMPARE(entriesIn(run.folder.file(".quillset-unfinished-sets")), QStringList());
        for (const QString &file : kFiles) {
            if (QFileInfo(f + file).isFile())
                QCOMPARE(readBytes(f + file), "old " + file.toLatin1());
        }
        QCOMPARE(entriesIn(f).size(), fault == "no save folder" ? 0 : kFiles.size());
    }

    // A protected set's web.config hides the data files from IIS visitors: by name, and any text file or temporary
    // copy by its extension. It replaces one this program wrote; one that the site owner wrote stays as it was.
    void requestFilter_data()
    {
        QTest::addColumn<QByteArray>("before");  // null: no web.config yet
        QTest::newRow("new") << QByteArray();
        QTest::newRow("written before") << QByteArray("<!-- Written by Quillset: old -->");
        QTest::newRow("the owner's") << QByteArray("<configuration/>");
    }
    void requestFilter()
    {
        QFETCH(QByteArray, before);
        Run run;
        GuestbookProject project = defaultProject(run.out());
        project.Entries_Per_Page = "10";
        const QString path = run.out() + "My_Guestbook" + kSep + "web.config";
        QDir().mkpath(run.out() + "My_Guestbook");
        if (!before.isNull())
            writeBytes(path, before);
        QVERIFY(run(project).succeeded);
        const bool owners = before == "<configuration/>";
        QCOMPARE(run.log().filter("web.config was not written by Quillset").size(), int(owners));
        QVERIFY(!owners || readBytes(path) == before);
        QStringList hidden;  // the names hidden, and the extensions followed by whether they are allowed
        QXmlStreamReader xml(readBytes(path));
        while (!xml.atEnd()) {
            const QXmlStreamAttributes a = xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"add"
                ? xml.attributes()
                : QXmlStreamAttributes();
            if (!a.isEmpty())
                hidden << a.value("segment").toString() + a.value("fileExtension").toString()
                        + a.value("allowed").toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(hidden,
                 owners ? QStringList()
                        : QStringList({"guestbook.txt", "pending.txt", "usedforms.txt", "deleted.txt", "journal.txt",
                                       ".txtfalse", ".tmpfalse", ".oldfalse"}));
    }

    // The view page shows the two sample entries newest first, each item HTML-encoded and each stored line break as "
    // <br> ", as its script would. Without a multi-line field, the last field shows the line break and the markup.
    void sampleEntries()
    {
        const QString entries =
            QStringLiteral("<br/><br/>\r\n<br/>Date : 12/5/2026 2:03:09 PM<br/>Name : Sample entry<br/>E-mail : Sample "
                           "entry<br/>Homepage : Sample entry<br/>Comments : Sample entry with &lt;b&gt;bold&lt;/b&gt; "
                           "text<br/><br/>Date : 12/4/2026 2:03:09 PM<br/>Name : Sample entry<br/>E-mail : Sample "
                           "entry<br/>Homepage : Sample entry<br/>Comments : Sample entry <br> on two lines<br/>\r\n"
                           "<br/><br/><center>");
        const SiteDescription site(GuestbookProject::startupDefaults(), SiteTarget::Preview);
        QVERIFY(BuildPreviewPages(site, kNewest).viewPage.contains(entries));
        QCOMPARE(SampleEntryLines({{"Your Name", "Text", "30", ""}, {"Town", "text", "30", ""}}, kNewest),
                 QStringList({"Town : Sample entry//vbReturn//on two linesvbCrLf Your Name : Sample entryvbCrLf "
                              "Date : 12/4/2026 2:03:09 PM",
                              "Town : Sample entry with <b>bold</b> textvbCrLf Your Name : Sample entryvbCrLf "
                              "Date : 12/5/2026 2:03:09 PM"}));
    }
};

QTEST_GUILESS_MAIN(TestGenerationRun)
#include "tst_generationrun.moc"
