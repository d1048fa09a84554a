// The Modern pages as a generation run writes them: HTML5 in UTF-8 with labels, alerts, articles and paging links,
// a style sheet made from the design, entries kept in the file object's Unicode format; the preview of such a
// design, and the colour contrast the wizard warns about.

#include "generator/modernpages.h"
#include "generator/preview.h"
#include "support/goldenprojects.h"
#include "support/quiethost.h"
#include "support/testfolder.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

namespace {

const QStringList kPageNames = {"default.asp", "addtogb.asp", "viewguestbook.asp", "owner.asp"};

// The pages of a design generated as Modern pages, as Finish generates them; empty when the run refused it.
struct ModernSite {
    TestProgramFolder program;
    GuestbookProject project;
    QStringList pages;  // decoded as UTF-8
    bool validUtf8 = true;

    // The golden design, the page language, then "guard", "paged" and "owner" for those options.
    explicit ModernSite(const QStringList &words)
        : project(goldenProject(words.at(0), program.file(QStringLiteral("projects"))))
    {
        project.Page_Style = QStringLiteral("Modern"), project.Page_Language = words.at(1);
        if (words.contains(QLatin1String("guard")))
            project.Spam_Guard = 1, project.Max_Entry_Length = QStringLiteral("300");
        if (words.contains(QLatin1String("paged")))
            project.Entries_Per_Page = QStringLiteral("10");
        if (words.contains(QLatin1String("owner")))
            project.Owner_Password = "sha256:" + QString(32, '1') + ':' + QString(64, '2');
        const QString site = generateSite(project);
        const QDir folder(site);
        for (const QString &name : site.isEmpty() ? QStringList() : kPageNames) {
            if (name == QLatin1String("owner.asp") && project.Owner_Password.isEmpty())
                continue;
            QStringDecoder utf8(QStringDecoder::Utf8);
            pages << utf8.decode(readBytes(folder.filePath(name)));
            validUtf8 = validUtf8 && !utf8.hasError();
        }
    }
};

int count(const QString &page, const QString &pattern)
{
    return int(page.count(QRegularExpression(pattern)));
}

}  // namespace

class TestModernPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesAsABrowserReadsThem_data()
    {
        QTest::addColumn<QString>("site");  // as ModernSite reads it
        QTest::addColumn<int>("banners");  // on the sign page
        QTest::addColumn<QStringList>("signShows");  // texts of the sign page in the language
        QTest::addColumn<QStringList>("ownerShows");  // and of the owner page
        QTest::newRow("default, English")
            << "default en" << 1 << QStringList{"Sign my guestbook", "View Guestbook"} << QStringList{};
        QTest::newRow("bordered, German, guarded and paged")
            << "bordered de guard paged owner" << 5
            << QStringList{"Ins G\u00e4stebuch eintragen",
                           "Fehler: Ihr Eintrag ist zu lang (h\u00f6chstens 300 Zeichen"}
            << QStringList{">Passwort:</label>", ">Anmelden</button>", "\"Fehler: Falsches Passwort\""};
        QTest::newRow("Cyrillic design, Japanese, paged")
            << "cyrillic ja paged owner" << 5
            << QStringList{"\u30b2\u30b9\u30c8\u30d6\u30c3\u30af\u306b\u8a18\u5e33\u3059\u308b"}
            << QStringList{">\u30d1\u30b9\u30ef\u30fc\u30c9:</label>", ">\u30ed\u30b0\u30a4\u30f3</button>"};
    }
    void pagesAsABrowserReadsThem()
    {
        QFETCH(QString, site);
        QFETCH(int, banners);
        QFETCH(QStringList, signShows);
        QFETCH(QStringList, ownerShows);
        const QStringList words = site.split(QLatin1Char(' '));
        const ModernSite pages(words);
        QCOMPARE(pages.pages.size(), words.contains("owner") ? 4 : 3);
        QVERIFY(pages.validUtf8);
        for (const QString &page : pages.pages) {
            QVERIFY(page.startsWith("<%@ CodePage=65001 %>\r\n<%Response.CharSet = \"utf-8\"%>\r\n"));
            for (const QString &part :
                 {QStringLiteral("\r\n<!DOCTYPE html>\r\n<html lang=\"") + pages.project.Page_Language
                      + "\">\r\n<head>\r\n"
                        "<meta charset=\"utf-8\">\r\n<meta name=\"viewport\" content=\"width=device-width, "
                        "initial-scale=1\">\r\n<meta name=\"color-scheme\" content=\"light\">\r\n<title>",
                  QStringLiteral("@media (max-width: 599px)"), QStringLiteral("<main>\r\n<h1>"),
                  QStringLiteral("</main>\r\n</body>\r\n</html>\r\n")})
                QVERIFY2(page.contains(part), qPrintable(part));
            // No layout tables, no font tags, no presentational attributes.
            QCOMPARE(count(page, "<(table|font|center)\\b|\\balign=|\\bbgcolor="), 0);
        }
        const QString &sign = pages.pages.at(0);
        // Every field: a label tied to its control, and the control's posted name as the entry script reads it.
        for (const GuestbookField &field : pages.project.Fields) {
            const QString name =
                QRegularExpression::escape((field.FieldType == "Textarea" ? "txta" : "txt")
                                           + QString(field.FieldName).replace(QLatin1Char(' '), QLatin1Char('_')));
            QCOMPARE(count(sign, "<label for=\"" + name + "\">"), 1);
            QCOMPARE(count(sign, " id=\"" + name + "\" name=\"" + name + "\""), 1);
        }
        QCOMPARE(count(sign, "<label "), int(pages.project.Fields.size()));
        QCOMPARE(count(sign, "<p class=\"alert\" role=\"alert\">"), banners);
        for (const QString &text : signShows)
            QVERIFY2(sign.contains(text), qPrintable(text));
        // The entry script appends in the Unicode format, after making an 8-bit file Unicode, under the lock.
        const QString &entry = pages.pages.at(1);
        const qsizetype store =
            entry.indexOf("   GuestBookFile = Server.MapPath(\"guestbook.txt\")\r\n   QsMakeUnicode "
                          "GuestBookFile\r\n   Set OutputStream = FileObject.OpenTextFile("
                          "GuestBookFile, ForAppending, True, -1)\r\n");
        QVERIFY(store > entry.indexOf("   Application.Lock\r\n"));
        QVERIFY(entry.indexOf("   Application.UnLock\r\n", store) > store);
        QCOMPARE(entry.contains("   QsRememberPost Request.ServerVariables"), words.contains("guard"));
        QVERIFY(entry.contains("<dl class=\"sheet\">\r\n<dt>"));
        // The view page: articles, and the paging links in a nav when entries come in pages.
        const QString &view = pages.pages.at(2);
        QVERIFY(view.contains("Response.Write \"<article><header>\""));
        QCOMPARE(view.contains("QsSize = 10\r\n"), words.contains("paged"));
        QVERIFY(view.contains("<%If QsPages > 1 Then%><nav aria-label=\""));
        // The owner page: its one field labelled, its messages announced, entries as articles, its lists read and
        // written in the Unicode format; kept out of search engines.
        const QString owner = pages.pages.value(3);
        QCOMPARE(count(owner, "<label "), int(!owner.isEmpty()));
        const QStringList ownerParts =
            QStringList{"<input type=\"password\" name=\"password\" id=\"password\"",
                        "Response.Write \"<p class=\"\"alert\"\" role=\"\"alert\"\">\" & QsMessage & \"</p>\"",
                        "Response.Write \"<article>\"",
                        "    Set stream = files.OpenTextFile(source, 1, False, QsFileFormat(source))\r\n",
                        "    If mode = 8 Then QsMakeUnicode path\r\n    Set stream = files.OpenTextFile(path, mode, "
                        "True, -1)\r\n",
                        "<meta name=\"robots\" content=\"noindex, nofollow\">\r\n</head>"}
            + ownerShows;
        for (const QString &part : owner.isEmpty() ? QStringList() : ownerParts)
            QVERIFY2(owner.contains(part), qPrintable(part));
        // In another language, none of the design's English texts; the stored entry line keeps its English date key.
        for (const QString &english : words.at(1) == "en" ? QStringList() : kEnglishPageTexts)
            QVERIFY2(english == "Date : " || !pages.pages.join("").contains(english), qPrintable(english));
    }

    // The design's values as the style sheet writes them; a value that is no CSS is left out.
    void styleSheet_data()
    {
        QTest::addColumn<GuestbookProject>("project");
        QTest::addColumn<QStringList>("rules");
        GuestbookProject p = GuestbookProject::startupDefaults();
        QTest::newRow("start-up design")
            << p
            << QStringList{
                   ":root { color-scheme: light; }",
                   "body { margin: 0; padding: 1rem; line-height: 1.5; overflow-wrap: anywhere; "
                   "background-color: #ffffff; font-family: Verdana, Geneva, sans-serif; font-size: 11px; "
                   "color: #000000; }",
                   "a:link, a:visited { font-family: Verdana, Geneva, sans-serif; font-size: 11px; color: #3333ff; "
                   "text-decoration: underline; }",
                   "a:hover { font-family: Verdana, Geneva, sans-serif; font-size: 11px; color: #ff0000; }",
                   "a:focus, input:focus, textarea:focus, button:focus { outline: 3px solid #000000; "
                   "outline-offset: 2px; }",
                   ".sheet { margin: 0 auto; padding: 0.5rem; width: 45%; }",
                   "@media (max-width: 599px) { body { padding: 0.5rem; } .sheet, .alert, article { width: "
                   "auto; } }"};
        p = goldenProject("bordered", "/srv/");
        QTest::newRow("bordered, image")
            << p
            << QStringList{"background-color: #ffcc00; background-image: url(\"Images/Back.GIF\"); font-family: "
                           "Times New Roman, Times, serif; font-size: 12px; color: #112233; }",
                           ".sheet { margin: 0 auto; padding: 0.5rem; width: 80%; border: 2px solid #112233; }"};
        p = GuestbookProject::startupDefaults();
        p.BG_Color = "#202020", p.M_FSize = "big", p.M_FColor = "ink", p.TBL_Width = "33", p.M_FFace = "My \"Font\"";
        p.HM_FFace = "courier new";
        QTest::newRow("dark background, values that are no CSS")
            << p
            << QStringList{":root { color-scheme: dark; }",
                           "background-color: #202020; font-family: \"My \\\"Font\\\"\", sans-serif; }",
                           "a:hover { font-family: courier new, Courier, monospace; font-size: 11px;",
                           ".sheet { margin: 0 auto; padding: 0.5rem; }",
                           "a:focus, input:focus, textarea:focus, button:focus { outline: 3px solid currentColor; "};
    }
    void styleSheet()
    {
        QFETCH(GuestbookProject, project);
        QFETCH(QStringList, rules);
        const QString sheet = BuildModernStyleSheet(PageDesign::of(project));
        for (const QString &rule : rules)
            QVERIFY2(sheet.contains(rule), qPrintable(rule + "\nin\n" + sheet));
    }

    void contrast_data()
    {
        QTest::addColumn<QString>("colours");  // text, then background
        QTest::addColumn<double>("ratio");  // to two decimals; 0: not colours
        QTest::newRow("black on white") << "#000000 #ffffff" << 21.0;
        QTest::newRow("just under") << "#777777 #FFFFFF" << 4.48;
        QTest::newRow("just over, either way round") << "#ffffff #767676" << 4.54;
        QTest::newRow("red on white") << "#ff0000 #ffffff" << 4.0;
        QTest::newRow("same colour") << "#3333ff #3333ff" << 1.0;
        QTest::newRow("short form") << "#fff #000000" << 0.0;
        QTest::newRow("a word") << "black #ffffff" << 0.0;
    }
    void contrast()
    {
        QFETCH(QString, colours);
        QFETCH(double, ratio);
        const QStringList pair = colours.split(QLatin1Char(' '));
        QCOMPARE(qRound(ContrastRatio(pair.at(0), pair.at(1)) * 100) / 100.0, ratio);
    }

    // The preview holds no server script; its view page shows the sample entries as articles, newest first.
    void preview()
    {
        GuestbookProject p = GuestbookProject::startupDefaults();
        p.Page_Style = "Modern", p.Page_Language = "de";
        const PreviewPages pages =
            BuildPreviewPages(SiteDescription(p, SiteTarget::Preview), QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)));
        QVERIFY(!pages.signPage.contains("<%"));
        QVERIFY(!pages.viewPage.contains("<%"));
        QVERIFY(pages.signPage.contains("<form class=\"sheet\" action=\"view.html\" method=\"post\">"));
        QVERIFY(pages.viewPage.contains(
            "<h1>My Guestbook</h1>\r\n<article><header><h2>Sample entry</h2><p>12/5/2026 2:03:09 PM</p></header>"
            "<p>E-mail : Sample entry</p><p>Homepage : Sample entry</p>"
            "<p>Comments : Sample entry with &lt;b&gt;bold&lt;/b&gt; text</p></article>\r\n<article><header><h2>Sample "
            "entry</h2><p>12/4/2026 2:03:09 PM</p></header><p>E-mail : Sample entry</p><p>Homepage : Sample entry</p>"
            "<p>Comments : Sample entry<br>on two lines</p></article>\r\n<p class=\"links\">"));
        QVERIFY(pages.viewPage.contains("<a href=\"index.html\">Ins G\u00e4stebuch eintragen</a>"));
    }
};

QTEST_GUILESS_MAIN(TestModernPages)
#include "tst_modernpages.moc"
