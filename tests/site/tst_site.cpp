// The generated pages run on a VBScript engine, as a visitor meets them: the sign page, a refused and an accepted
// post, the thank-you page and the view page; and with protection: robot guard, banners, length limit, pages of
// entries, the owner page and moderation, and the pages' SHA-256.

#include "generatedsite.h"
#include "generator/ownerpage.h"
#include "generator/pagecodepage.h"
#include "generator/pagenames.h"
#include "generator/preview.h"
#include "generator/protection.h"
#include "siteruntime.h"
#include "store/pagechoices.h"
#include "store/settingsfile.h"
#include "support/goldenprojects.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

#include <functional>
#include <utility>

namespace {

// The first group of each match of the pattern in the text.
QStringList captures(const QString &pattern, const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

// A golden design, with options when given, generated as the wizard's Finish writes it into a program folder of its
// own, in the page code page given or the one the design needs (windows-1252 unless it needs another), and run on the
// VBScript engine; a protected one must change its files under the application lock.
struct Site {
    TestProgramFolder program;
    GuestbookProject project;
    QString codePage, folder;

    explicit Site(const QString &design, const std::function<void(GuestbookProject &)> &options = {},
                  const QString &pageCodePage = {})
        : project(goldenProject(design, program.file(QStringLiteral("projects"))))
        , codePage(!pageCodePage.isEmpty()                ? pageCodePage
                       : goldenCodePage(design).isEmpty() ? QStringLiteral("windows-1252")
                                                          : goldenCodePage(design))
    {
        if (options)
            options(project);
        SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
        folder = generateSite(project);
        if (folder.isEmpty())
            qWarning("The design %s could not be generated", qPrintable(design));
    }
    SiteRuntime runtime() const
    {
        SiteRuntime runtime(folder, codePage);
        if (IsProtected(project))
            runtime.requireLockedWrites();
        return runtime;
    }
    QString file(const QString &name) const { return folder + QLatin1Char('/') + name; }
    // A data file in the file object's Unicode format (a Modern site's) or as bytes.
    QString text(const QString &name) const
    {
        const QByteArray bytes = readBytes(file(name));
        return bytes.startsWith("\xff\xfe") ? QStringDecoder(QStringDecoder::Utf16).decode(bytes)
                                            : QString::fromLatin1(bytes);
    }
    // The three-letter names of the entries in the file, as "Ann" in "Name : Ann".
    QStringList names(const QString &name) const
    {
        return captures(QStringLiteral("Name : ([A-Z][a-z]{2})"), text(name));
    }
};

// The errors of the answers; empty when every page ran.
QString errorsIn(const QList<SiteAnswer> &answers)
{
    QString errors;
    for (const SiteAnswer &answer : answers)
        errors += answer.error;
    return errors;
}

// Server.HTMLEncode as the server documents it: the four markup characters escaped, and the bytes 0xa0-0xff of the
// code page as numbers (a double-byte code page has no such single bytes).
QString htmlEncoded(const QString &text, const QString &codePage = QStringLiteral("windows-1252"))
{
    QString encoded;
    for (const QChar c : text) {
        const bool numbered = c.unicode() >= 0xa0 && c.unicode() <= 0xff
            && QByteArray(QStringEncoder(codePage.toLatin1().constData()).encode(QString(c))).size() == 1;
        encoded += numbered ? QStringLiteral("&#%1;").arg(c.unicode()) : QString(c).toHtmlEscaped();
    }
    return encoded;
}

// What a visitor reads in each page language (Classic pages: ""): the banner of a too-short value, the thank-you
// text, the links to newer and older entries; and the end of the owner page's length of a long entry.
struct VisitorTexts {
    QString banner, thanks, newer, older, inAll;
};
const QMap<QString, VisitorTexts> kVisitorTexts = {
    {"",
     {"Error: One or more required fields were of an invalid length",
      "Thankyou, your comments have now been added to the guestbook", "Newer entries", "Older entries",
      " characters in all)"}},
    {"de",
     {"Fehler: Mindestens ein Pflichtfeld hat eine ungültige Länge",
      "Vielen Dank, Ihr Eintrag wurde in das Gästebuch aufgenommen", "Neuere Einträge", "Ältere Einträge",
      " Zeichen)"}},
    {"ja",
     {"エラー: 必須項目の長さが正しくありません", "ありがとうございます。ゲストブックに記帳されました", "新しい記帳",
      "古い記帳", " 文字)"}}};

VisitorTexts visitorTexts(const QString &language)
{
    return kVisitorTexts.value(language == "en" ? "" : language);
}

// A data file in the file object's Unicode format, as a Modern site keeps it.
QByteArray unicodeFile(const QString &text)
{
    return "\xff\xfe" + QStringEncoder(QStringEncoder::Utf16LE).encode(text);
}

const QString kPassword = QStringLiteral("p\u00e4ss\u0436word!"), kOwner = QStringLiteral("192.0.2.9");
const QString kThanks = kVisitorTexts.value("").thanks;

// A visit to the start-up design with options (see withOptions(); "held": the names written are held entries;
// "nocreate": the server may change files but not make them; "nodeleted": no list of deleted entries yet; "8-bit": a
// Modern site's files written in the code page, as a Classic site left them, with "held" "Old" in the data file), its
// data file holding the names written; its steps (see visitRequests()), what the last page shows (a refused post's is
// the sign page it sends the visitor back to; a view page's, its names and "<" and ">" for its links to newer and older
// entries), and the names in the data file (null: as written), in the pending file and in the deleted (null: unchecked)
// after.
struct Visit {
    QString options, written, steps, shows, entries, pending, deleted;
};

// Options of a design: "guard": the robot guard and a length limit of 60; "paged": three entries a page; "owner": an
// owner password; "moderate": posts wait for approval; "all": every option on, with the longest entry the key allows
// and 20 entries a page; "german": pages in German; "chinese": in GBK, a double-byte code page, "留言簿" with the
// fields "姓名" and "留言"; "modern:<language>": Modern pages in that language.
std::function<void(GuestbookProject &)> withOptions(const QString &options)
{
    return [options](GuestbookProject &p) {
        const auto has = [&options](const char *option) { return options.contains(QLatin1String(option)); };
        if (has("guard"))
            p.Spam_Guard = 1, p.Max_Entry_Length = "60";
        if (has("paged"))
            p.Entries_Per_Page = "3";
        const qsizetype modern = options.indexOf(QLatin1String("modern:"));
        if (modern >= 0)
            p.Page_Style = kModernPageStyle, p.Page_Language = options.mid(modern + 7, 2);
        if (has("owner") || has("all"))
            p.Owner_Password = OwnerPasswordValue(kPassword), p.Moderate_Entries = has("moderate");
        if (has("all"))
            p.Spam_Guard = 1, p.Max_Entry_Length = "100000", p.Entries_Per_Page = "20";
        if (has("german"))
            p.Page_Language = "de";
        if (has("chinese")) {
            p.Project_Title = QStringLiteral("\u7559\u8a00\u7c3f");
            p.Fields = {{QStringLiteral("\u59d3\u540d"), "Text", "40", {}},
                        {QStringLiteral("\u7559\u8a00"), "Textarea", "5", "30"}};
        }
    };
}

// A line's short digest as the owner page names an entry by it: the Adler-32, in hex, of its length, a colon and its
// characters, the first and last 1,000 of a longer one than 2,000.
QString shortDigest(const QString &line)
{
    quint32 a = 1, b = 0;
    const QString sample =
        QString::number(line.size()) + ':' + (line.size() > 2000 ? line.left(1000) + line.right(1000) : line);
    for (const QChar c : sample)
        a = (a + c.unicode()) % 65521, b = (b + a) % 65521;
    return QStringLiteral("%1%2").arg(b, 4, 16, QLatin1Char('0')).arg(a, 4, 16, QLatin1Char('0'));
}

// A stored entry of the name: "Nul", "Big" and "Tag" carry a NUL byte, 120,000 characters and markup.
QByteArray entryLine(const QString &name)
{
    const QByteArray comments = name == "Nul" ? QByteArray("a\0b", 3)
        : name == "Big"                       ? QByteArray(120000, 'x')
        : name == "Tag"                       ? QByteArray("<script>alert(1)</script>")
                                              : QByteArray();
    return (comments.isNull() ? "" : "Comments : " + comments + "vbCrLf ") + "Name : " + name.toLatin1()
        + "vbCrLf Date : 1/2/2026\r\n";
}

// The language of Modern pages that a row's name gives as "Modern <language>"; empty: Classic pages.
QString modernLanguage(const QString &rowName)
{
    return QRegularExpression(QStringLiteral("Modern (\\w\\w)\\b")).match(rowName).captured(1);
}

void visitRow(const char *name, const QString &options, const QString &written, const QString &steps,
              const QString &shows, const QString &entries = {}, const QString &pending = {},
              const QString &deleted = {})
{
    const QString modern = modernLanguage(name);
    QTest::newRow(name) << Visit{
        modern.isEmpty() ? options : options + " modern:" + modern, written, steps, shows, entries, pending, deleted};
}

// A visit to the owner page of a guestbook with "Ann Bob" written, held for approval when moderate is 1.
void owner(const char *name, int moderate, const QString &steps, const QString &shows, const QString &entries = {},
           const QString &pending = {}, const QString &deleted = {})
{
    visitRow(name, moderate ? "owner moderate" : "owner", "Ann Bob", steps, shows, entries, pending, deleted);
}

}  // namespace

class TestSite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void road_data()
    {
        QTest::addColumn<QString>("design");  // "chinese": the GBK design
        QTest::addColumn<bool>("guarded");  // every option on ("all")
        QTest::addColumn<QString>("extra");  // typed into every value of the newer post: text of the code page
        // Or the newer post's one-line and multi-line values, and what the view page shows for Name and Comments.
        QTest::addColumn<QStringList>("hostile");
        QTest::addColumn<QString>("language");  // of Modern pages, from the row's name; "": Classic pages
        const auto typed = [](const QString &name, const QString &design, bool guarded, const QString &extra,
                              const QStringList &hostile = {}) {
            QTest::newRow(qPrintable(name)) << design << guarded << extra << hostile << modernLanguage(name);
        };
        for (const QString &design : kGoldenDesigns)
            typed(design, design, false, {});
        typed("western, windows-1252", "western", false,
              QStringLiteral(" Gr\u00fc\u00dfe \u20ac \u00e9\u00e8 \u00ab\u00bb \u00a9 \u0153"));
        typed("cyrillic, windows-1251", "cyrillic", false,
              QStringLiteral(" \u041f\u0440\u0438\u0432\u0435\u0442 \u0451\u0401 \u00ab\u00bb \u00a9 \u2116"));
        // "你好，世界 · × 。" in GBK, which holds U+00B7 and U+00D7 in two bytes.
        for (const bool guarded : {false, true})
            typed(guarded ? "chinese, GBK, protected" : "chinese, GBK", "chinese", guarded,
                  QStringLiteral(" \u4f60\u597d\uff0c\u4e16\u754c \u00b7 \u00d7 \u3002"));
        // Modern pages take any character.
        typed("Modern en", "default", false, QStringLiteral(" Gr\u00fc\u00dfe \u20ac \u0416 \u65e5\u672c \U0001F600"));
        typed("Modern de, protected", "western", true, QStringLiteral(" \u00e9\u00e8 \u00ab\u00bb \u00a9 \u0153"));
        typed("Modern ja", "chinese", false, QStringLiteral(" \u65e5\u672c\u8a9e\u3067\u3059 \U0001F338 \u00b7"));
        // Each hostile post on an unprotected guestbook and on one with every option on; Modern pages in German
        // unprotected and in Japanese protected, whose view page shows the name as the entry's heading and a line end
        // as "<br>", and whose owner page shows the values as a Classic one (the last two).
        const auto modernRow = [&typed](const QString &name, const QString &text, const QString &area,
                                        const QString &shownText, const QString &shownArea) {
            const QStringList shown = {"<h2>" + QString(shownText).replace(" <br> ", "<br>") + "</h2>",
                                       "<p>Comments : " + QString(shownArea).replace(" <br> ", "<br>") + "</p>",
                                       "Name : " + shownText, "Comments : " + shownArea};
            for (const bool guarded : {false, true})
                typed(name + (guarded ? ", Modern ja, protected" : ", Modern de"), "default", guarded, {},
                      QStringList{text, area} + shown);
        };
        const auto row = [&typed, &modernRow](const char *name, const QString &text, const QString &area,
                                              const QString &shownText, const QString &shownArea, bool modern = true) {
            for (const bool guarded : {false, true})
                typed(QString(name) + (guarded ? ", protected" : ""), "default", guarded, {},
                      {text, area, "Name : " + shownText + "<br/>", "Comments : " + shownArea + "<br/>"});
            if (modern)
                modernRow(name, text, area, shownText, shownArea);
        };
        row("markup", "<script>alert(\"x\")</script>", "<b onclick='x'>bold</b> & more",
            "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;", "&lt;b onclick='x'&gt;bold&lt;/b&gt; &amp; more");
        row("server script", "<%= Now %>", "<% Write 1 %>", "&lt;%= Now %&gt;", "&lt;% Write 1 %&gt;");
        row("line ends", "one\r\ntwo\rthree\nfour", "\none\r\n\r\ntwo\rthree\r", "one <br> two <br> three <br> four",
            " <br> one <br>  <br> two <br> three <br> ");
        // The typed item separator splits the entry of an unprotected guestbook; a protected one keeps it in its item
        // with a tab, which a browser shows as the space. It stays one line.
        const QString separated = QStringLiteral("abcvbCrLf Date : forged"),
                      separators = QStringLiteral("vbCrLf vbCrLf x");
        typed("item separator", "default", false, {},
              {separated, separators, "Date : forged<br/>Name : abc<br/>", "x<br/><br/>Comments : <br/>"});
        typed("item separator, protected", "default", true, {},
              {separated, separators, "Name : abcvbCrLf\tDate : forged<br/>", "Comments : vbCrLf\tvbCrLf\tx<br/>"});
        modernRow("item separator", separated, separators, "abcvbCrLf\tDate : forged", "vbCrLf\tvbCrLf\tx");
        row("line marker", "a//vbReturn//b", "<a//vbReturn//>", "a <br> b", "&lt;a <br> &gt;");
        const QString longValue = QString(99990, QLatin1Char('x')) + QStringLiteral("<i>\"&</i>");
        row("100,000 characters", longValue, longValue, htmlEncoded(longValue), htmlEncoded(longValue));
        row("outside the code page", "\u65e5\u672c", "\u0416 \U0001F600", "&amp;#26085;&amp;#26412;",
            "&amp;#1046; &amp;#128512;", false);
        modernRow("Japanese and emoji", "\u65e5\u672c \U0001F600", "\u0416\r\n\U0001F338\u3002",
                  "\u65e5\u672c \U0001F600", "\u0416 <br> \U0001F338\u3002");
    }
    // Sign page, a value too short, the error banner, two good posts and the list; text of the page's code page (of
    // any script on Modern pages) comes back unchanged on both pages, and one post is one stored line whose values are
    // shown as text, on the view page and, when protected, on the owner page. A protected guestbook's posts carry the
    // sign page's guard fields.
    void road()
    {
        QFETCH(QString, design);
        QFETCH(bool, guarded);
        QFETCH(QString, extra);
        QFETCH(QStringList, hostile);
        QFETCH(QString, language);
        const bool gbk = design == "chinese", modern = !language.isEmpty();
        const QString options = QString(gbk ? "chinese" : "") + (guarded ? " all" : "") + (modern ? " modern:" : "");
        Site site(gbk ? "default" : design, withOptions(options + language),
                  gbk && !modern ? QStringLiteral("GBK") : QString());
        const VisitorTexts texts = visitorTexts(language);
        SiteRuntime runtime = site.runtime();
        const QStringList controls =
            captures(QStringLiteral("<(?:input type=\"text\"|textarea)[^>]*? name=\"([^\"]+)\""),
                     runtime.get(kSignPageName).text);
        QCOMPARE(controls.size(), site.project.Fields.size());
        SiteValues older, newer, tooShort;
        // An entry as the view page shows it, without its date: Classic pages each field and value in list order,
        // Modern pages the first value as the heading, then each other field and value.
        const auto shownEntry = [&](const SiteValues &values) {
            QString entry;
            for (qsizetype i = 0; i < values.size(); ++i) {
                const QString item =
                    htmlEncoded((modern && i == 0 ? QString() : site.project.Fields.at(i).FieldName + " : ")
                                    + values.at(i).second,
                                site.codePage)
                        .replace("\r\n", modern ? "<br>" : " <br> ");
                entry += !modern ? item + "<br/>" : i == 0 ? "<h2>" + item + "</h2></header>" : "<p>" + item + "</p>";
            }
            return entry;
        };
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const GuestbookField &field = site.project.Fields.at(i);
            older << qMakePair(controls.at(i),
                               IsTextareaField(field) ? "First line\r\nsecond line" : field.FieldName + " one");
            newer << qMakePair(controls.at(i),
                               hostile.isEmpty() ? field.FieldName + QStringLiteral(" two") + extra
                                                 : hostile.at(IsTextareaField(field)));
        }
        tooShort = newer;
        tooShort.last().second = QStringLiteral("ab");
        const QString visitor = SiteRequest{}.visitor;
        const SiteValues guard = {
            {"qsWebsite", ""}, {"qsServed", kFromPage}, {"qsForm", kFromPage}, {"qsProof", kFromPage}};
        QList<SiteRequest> requests = {{kSignPageName},
                                       {kEntryScriptName, "POST", tooShort + guard, {}, visitor, 5},
                                       {kSignPageName, "GET", {}, {{"err", "1"}}},
                                       {kEntryScriptName, "POST", older + guard, {}, visitor, 5},
                                       {kSignPageName},
                                       {kEntryScriptName, "POST", newer + guard, {}, visitor, 31},
                                       {kViewPageName}};
        const bool owned = HasOwnerPage(site.project);
        if (owned)
            requests << visitRequests(site, {"in", "get"});
        const QList<SiteAnswer> answers = runtime.run(requests);
        QCOMPARE(errorsIn(answers), QString());
        QVERIFY(!answers.at(0).text.contains(texts.banner) && answers.at(2).text.contains(texts.banner));
        QCOMPARE(answers.at(1).redirect, QStringLiteral("default.asp?err=1"));
        QCOMPARE(answers.at(0).charSet, modern ? QStringLiteral("utf-8") : QString());
        // The thank-you page shows each value posted beside its field; each post is one line of the data file.
        const QString thanks = answers.at(5).text, view = answers.at(6).text, owner = answers.last().text;
        for (const auto &[control, value] : newer) {
            const QString posted = htmlEncoded(runtime.posted(value, kEntryScriptName), site.codePage);
            QVERIFY2(thanks.contains(modern ? "<dd>" + posted + "</dd>" : "align=\"left\">" + posted + "</td>"),
                     qPrintable(control));
        }
        QVERIFY(thanks.contains(texts.thanks));
        QCOMPARE(captures(QStringLiteral("(\r\n|\r|\n)"), site.text(kDataFileName)).size(), 2);
        // Newest first; in each entry the date, then the fields (Modern pages: the date after the heading).
        static const QRegularExpression entries(
            QStringLiteral("<br/>Date : [^<]+<br/>(.*)<br/>Date : [^<]+<br/>(.*?)(?:\r\n)?<br/><br/><center>"));
        static const QRegularExpression articles(
            QStringLiteral("<article><header>(.*?)</article>\r\n<article><header>(.*?)</article>\r\n(?!<article>)"));
        static const QRegularExpression date(QStringLiteral("<p>[0-9/: APM]+</p></header>"));
        const QRegularExpressionMatch shown = (modern ? articles : entries).match(view);
        QVERIFY2(shown.hasMatch(), qPrintable(view.right(2000)));
        const QString newest = shown.captured(1).replace(date, "</header>");
        QCOMPARE(shown.captured(2).replace(date, "</header>"), shownEntry(older));
        if (hostile.isEmpty())
            QCOMPARE(newest, shownEntry(newer));
        for (int i = 2; i < qMin(hostile.size(), 4); ++i) {
            QVERIFY2(newest.contains(hostile.at(i)), qPrintable(newest.right(2000)));
            // The owner page shows a long entry's first 2,000 characters and says how long it is.
            const QString ownerShows = hostile.at(i).size() > 1000 ? texts.inAll
                : modern                                           ? hostile.at(i + 2)
                                                                   : hostile.at(i).chopped(5);
            QVERIFY2(!owned || owner.contains(ownerShows), qPrintable(owner.right(2000)));
        }
        for (const char *markup : {"<script", "<b ", "<%", "<i>"})
            QVERIFY2(!(thanks + view + (owned ? owner : QString())).contains(QLatin1String(markup)), markup);
    }

    // A Classic guestbook whose entries were posted in windows-1252, generated again with Modern pages: a post in
    // Japanese converts its data file to the Unicode format, and the view page shows every entry as it was posted.
    // Generated Classic again, the file is in windows-1252 once more, what it cannot hold as character references,
    // and a Classic post adds its line to it.
    void switchedToModern()
    {
        Site site(QStringLiteral("western"));  // the fields "Straße" and "Grüße in €"
        const auto post = [](const QString &street, const QString &greeting) {
            return SiteRequest{kEntryScriptName, "POST", {{"txtStraße", street}, {"txtaGrüße_in_€", greeting}}};
        };
        const QString greeting = QStringLiteral("Grüße € «à bientôt»");
        QCOMPARE(errorsIn(site.runtime().run({post("Jörg", greeting), post("Ærø", "Café œuvre ©")})), QString());
        const QString classic = QStringDecoder("windows-1252").decode(readBytes(site.file(kDataFileName)));
        QCOMPARE(classic.count(QStringLiteral("\r\n")), 2);
        site.project.Page_Style = kModernPageStyle, site.project.Page_Language = "ja";
        QCOMPARE(generateSite(site.project), site.folder);
        const QList<SiteAnswer> answers = site.runtime().run({post("日本 \U0001F600", "ありがとう"), {kViewPageName}});
        QCOMPARE(errorsIn(answers), QString());
        QVERIFY(readBytes(site.file(kDataFileName)).startsWith("\xff\xfe"));
        QVERIFY(site.text(kDataFileName).startsWith(classic));
        QCOMPARE(site.text(kDataFileName).count(QStringLiteral("\r\n")), 3);
        const QString view = answers.last().text;
        QCOMPARE(captures(QStringLiteral("<h2>([^<]*)</h2>"), view),
                 QStringList({"日本 \U0001F600", htmlEncoded("Ærø"), htmlEncoded("Jörg")}));
        QVERIFY(view.contains("<p>" + htmlEncoded("Grüße in € : " + greeting) + "</p>"));

        site.project.Page_Style = kClassicPageStyle, site.project.Page_Language = "en";
        QCOMPARE(generateSite(site.project), site.folder);
        QCOMPARE(errorsIn(site.runtime().run({post("Zoë", "Danke")})), QString());
        const QString back = QStringDecoder("windows-1252").decode(readBytes(site.file(kDataFileName)));
        QVERIFY(back.startsWith(classic));
        QCOMPARE(back.count(QStringLiteral("\r\n")), 4);
        QVERIFY(back.contains("&#12354;&#12426;&#12364;&#12392;&#12358;")
                && back.contains("&#26085;&#26412; &#128512;"));
        QVERIFY(back.section(QStringLiteral("\r\n"), 3, 3).contains("Zoë"));
    }

    void viewPage_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QByteArray>("data");  // null: the preview's two sample entries
        for (const QString &design : kGoldenDesigns)
            QTest::newRow(qPrintable(design + ", sample entries")) << design << QByteArray();
        const auto row = [](const char *name, const QByteArray &data) { QTest::newRow(name) << "default" << data; };
        row("no entries", "");
        row("one entry", "Comments : Hi//vbReturn//againvbCrLf Name : AnnvbCrLf Date : 1/2/2026\r\n");
        row("empty lines", "\r\nName : AnnvbCrLf Date : 1/1/2026\r\n\r\n\r\nName : Bob\r\n\r\n");
        row("markers", "A : //vbReturn////vbReturn//x//vbReturnvbCrLf B : vbReturn////vbReturn//\r\n");
        row("markup and quotes", "A : <b onclick=\"x\">'y' & z</b>vbCrLf B : &amp; \xe9\xa0\x80\r\nC : <%=1%>\r\n");
        row("one field", "Name : Solo\r\nName : Duo\r\nName : Trio\r\n");
        row("many fields",
            QByteArray("L : 12vbCrLf K : 11vbCrLf J : 10vbCrLf I : 9vbCrLf H : 8vbCrLf G : 7vbCrLf "
                       "F : 6vbCrLf E : 5vbCrLf D : 4vbCrLf C : 3vbCrLf B : 2vbCrLf A : 1\r\n")
                .repeated(3));
        row("separators at the ends", "vbCrLf A : xvbCrLf \r\nvbCrLf vbCrLf \r\n");
        row("no final line end", "A : 1\r\nA : 2");
    }
    // The view page sends what its reader as first written sends; for the preview's two sample entries, it sends the
    // preview's view page.
    void viewPage()
    {
        QFETCH(QString, design);
        QFETCH(QByteArray, data);
        Site site(design);
        const QDateTime newest(QDate(2026, 12, 5), QTime(14, 3, 9));
        const PageCodePage codePage = PageCodePage::fromSettings();
        const QString samples = SampleEntryLines(site.project.Fields, newest).join("\r\n") + "\r\n";
        writeBytes(site.file(kDataFileName), data.isNull() ? codePage.encode(samples) : data);
        writeDesignViewPage(site.folder);
        const QList<SiteAnswer> answers = site.runtime().run({{kViewPageName}, {kDesignViewPage}});
        QCOMPARE(errorsIn(answers), QString());
        QCOMPARE(answers.at(0).body, answers.at(1).body);
        const SiteDescription previewSite(site.project, SiteTarget::Preview);
        QByteArray preview = codePage.encode(BuildPreviewPages(previewSite, newest).viewPage);
        QVERIFY(!data.isNull() || answers.at(0).body == preview.replace("href=\"index.html\"", "href=\"default.asp\""));
    }

    void visit_data()
    {
        QTest::addColumn<Visit>("visit");
        const auto guard = [](const char *name, const QString &steps, const QString &shows, const QString &data = {}) {
            visitRow(name, "guard", {}, steps, shows, data);
        };
        const QString three = QStringLiteral("http://a,https://b,http://www.c"), again = "form wait:5 post:Ann %1";
        const QString expired = QStringLiteral("Error: This form has expired, please post again");
        const QString links = QStringLiteral("Error: Please include no more than 3 web addresses");
        const QString tooLong = QStringLiteral("Error: Your entry is too long (at most 60 characters in each field)");
        // A robot's post gets the thank-you page and writes nothing.
        guard("person", "form wait:5 post:Ann:" + QString(60, 'x'), kThanks, "Ann");
        guard("direct post", "wait:5 post:Ann", kThanks);
        guard("trap filled", "form wait:5 trap:Ann", kThanks);
        guard("too fast", "form wait:2 post:Ann", kThanks);
        guard("forged proof", "form wait:5 proof:Ann", kThanks);
        guard("expired", "form wait:86401 post:Ann", expired);
        guard("three addresses", "form wait:5 post:Ann:" + three, kThanks, "Ann");
        guard("four addresses", "form wait:5 post:Ann:www.d," + three.toUpper(), links);
        guard("too long", "form wait:5 post:Ann:" + QString(61, 'x'), tooLong);
        guard("again too soon", again.arg("wait:25 form wait:4 post:Ann"),
              "Error: Please wait a moment before posting again", "Ann");
        guard("again later", again.arg("wait:26 form wait:4 post:Ann"), kThanks, "Ann Ann");
        // One served form makes one post, whoever sends it; two forms served in the same second are two forms.
        guard("replayed", "form wait:5 post:Ann wait:31 post:Bob", kThanks, "Ann");
        guard("replayed elsewhere", "form wait:5 post:Ann replay@7:Bob", kThanks, "Ann");
        guard("replayed first", "form wait:5 replay@7:Bob post:Ann", kThanks, "Bob");
        guard("forms of one second", "form form@7 wait:5 post:Ann post@7:Bob", kThanks, "Ann Bob");
        // Summer time ending: the clock goes back an hour between the form and the post, or between two posts.
        guard("clock set back", "form wait:-3595 post:Ann", kThanks, "Ann");
        guard("clock set back between posts", "form wait:5 post:Ann wait:-3600 form wait:5 post:Bob", kThanks,
              "Ann Bob");
        guard("clock set back a day", "form wait:-86401 post:Ann", expired);
        // Only the last 30 seconds' posts and the forms of the last 24 hours are remembered.
        guard("posts forgotten", "form wait:5 post:Ann wait:31 form@7 wait:5 post@7:Bob state", "[1 2]", "Ann Bob");
        guard("forms forgotten", "form wait:5 post:Ann wait:86401 form@7 wait:5 post@7:Bob state", "[1 1]", "Ann Bob");
        // Every spelling of a web address counts; an address that begins with several counts once.
        guard("ftp in any case", "form wait:5 post:Ann:FTP://a,ftp://b,Ftp://c,fTp://d", links);
        guard("url tags", "form wait:5 post:Ann:[url=a],[URL=b],[url=c],[url=d]", links);
        guard("addresses without scheme", "form wait:5 post:Ann://a.example~//b.example~//c.d,//e.f", links);
        guard("three spellings", "form wait:5 post:Ann:[url=http://www.a],[URL=www.b]~//c.example/x", kThanks, "Ann");
        // A character outside the code page arrives as its reference and counts as one.
        guard("60 beyond the code page", "form wait:5 post:Ann:" + QString(60, QChar(0x436)), kThanks, "Ann");
        guard("61 beyond the code page", "form wait:5 post:Ann:" + QString(61, QChar(0x436)), tooLong);
        // The typed item separator stays inside its item, with a tab for its space.
        guard("typed separator",
              "form wait:5 post:Ann:xvbCrLf~Date~:~forged view:", "<br/>Comments : xvbCrLf\tDate : forged<br/>", "Ann");
        const QString trap =
            "<div style=\"display: none\" aria-hidden=\"true\"><input name=\"qsWebsite\" type=\"text\" "
            "value=\"\" tabindex=\"-1\" autocomplete=\"off\"></div>";
        guard("sign page", "form", trap);  // with the length limit on each of its four fields

        // On Modern pages, in the visitor's language; a character of any script counts as one.
        const QString thanksDe = visitorTexts("de").thanks, thanksJa = visitorTexts("ja").thanks;
        guard("person, Modern de", "form wait:5 post:Ann:" + QString(60, 'x'), thanksDe, "Ann");
        guard("too fast, Modern ja", "form wait:2 post:Ann", thanksJa);
        guard("expired, Modern ja", "form wait:86401 post:Ann",
              "エラー: このフォームは期限切れです。もう一度送信してください");
        guard("four addresses, Modern de", "form wait:5 post:Ann:www.d," + three,
              "Fehler: Bitte geben Sie höchstens 3 Webadressen an");
        guard("again too soon, Modern de", again.arg("wait:25 form wait:4 post:Ann"),
              "Fehler: Bitte warten Sie einen Moment, bevor Sie erneut etwas eintragen", "Ann");
        guard("60 in Japanese, Modern ja", "form wait:5 post:Ann:" + QString(60, QChar(0x65e5)), thanksJa, "Ann");
        guard("61 in Japanese, Modern ja", "form wait:5 post:Ann:" + QString(61, QChar(0x65e5)),
              "エラー: 入力が長すぎます (各項目 60 文字まで)");
        guard("sign page, Modern en", "form", trap);

        const auto paged = [](const char *name, const QString &written, const QString &page, const QString &shows) {
            visitRow(name, "paged", written, "view:" + page, shows);
        };
        const QString four = QStringLiteral("Ann Bob Cyd Dee");
        paged("no entries", "", "", "");
        paged("a page full", "Ann Bob Cyd", "", "Cyd Bob Ann");
        paged("one more", four, "", "Dee Cyd Bob >");
        paged("second page", four, "2", "< Ann");
        paged("middle page", four + " Eve Fay Gus", "2", "< Dee Cyd Bob >");
        paged("not a number", four, "x", "Dee Cyd Bob >");
        paged("zero", four, "0", "Dee Cyd Bob >");
        paged("beyond the last", four, "99", "< Ann");
        paged("huge", four, "99999999999999", "< Ann");
        paged("one more, Modern de", four, "", "Dee Cyd Bob >");
        paged("second page, Modern ja", four, "2", "< Ann");
        paged("middle page, Modern en", four + " Eve Fay Gus", "2", "< Dee Cyd Bob >");

        const QString signedIn = QStringLiteral(">Sign out</a>"), signIn = QStringLiteral("value=\"Sign in\"");
        const QString misses = QStringLiteral("in:wrong ").repeated(5), wrong = QStringLiteral("Error: Wrong password");
        const QString locked = QStringLiteral("Error: Too many attempts, please try again later");
        const QString changed = QStringLiteral("Error: That entry has changed or is gone");
        owner("wrong password", 0, "in:wrong", wrong);
        owner("sign in, newest first", 0, "in", "Name : Bob<br/>");
        owner("four misses", 0, misses.mid(9) + "in", signedIn);
        owner("lock holds", 0, misses + "wait:898 in", locked);
        owner("lock ends", 0, misses + "wait:899 in", signedIn);  // 900 seconds after the fifth miss
        owner("sign out", 0, "in out get", signIn);
        owner("idle", 0, "in wait:1200 get", signIn);
        owner("not idle", 0, "in wait:1199 get", signedIn);
        owner("delete", 0, "in delete:entries:0:Ann", signedIn, "Bob");
        owner("delete without token", 0, "in forged:entries:0:Ann", "Error: This change did not come from this page");
        owner("delete signed out", 0, "delete:entries:0:Ann", signIn);
        owner("post in between", 0, "in post:Cyd delete:entries:1:Bob", signedIn, "Ann Cyd");
        owner("stale position", 0, "in delete:entries:0:Ann delete:entries:0:Ann", changed, "Bob");
        owner("held", 1, "post:Cyd", "Thank you, your entry will appear once it has been approved", {}, "Cyd");
        owner("approved", 1, "post:Cyd wait:30 post:Dee run in approve:0:Cyd", "Waiting for approval (1)",
              "Ann Bob Cyd", "Dee");
        owner("held deleted", 1, "post:Cyd run in delete:pending:0:Cyd", "Waiting for approval (0)");
        // What the owner page says, sign-in from many places, lists of any size, deleted entries.
        owner("what the buttons do", 0, "in",
              "<p>Approve shows a held entry in the guestbook; Delete moves an entry to "
              "the deleted entries, from which you can restore it for 30 days.</p>");
        owner("no-store", 0, "get", "Cache-Control: no-store\n");
        visitRow("markup as text", "owner", "Tag", "in", "Comments : &lt;script&gt;alert(1)&lt;/script&gt;");
        const QString fromThisPage = QStringLiteral("Error: This sign-in did not come from this page");
        owner("cross-site sign-in", 0, "xsite", fromThisPage);
        owner("cross-site sign-ins", 0, "xsite xsite xsite xsite xsite xsite in", signedIn);
        const QString tryLater = QStringLiteral("Error: Too many passwords were tried, please try again in a minute");
        QString guesses;  // 74 wrong passwords from 19 addresses, none of them locked out
        for (int i = 0; i < 74; ++i)
            guesses += QStringLiteral("in:wrong%1:192.0.2.%2 ").arg(i).arg(100 + i % 19);
        owner("guesses from many addresses", 0, guesses + "in", tryLater);
        owner("a minute later", 0, guesses + "wait:60 in", signedIn);
        const QString fourOthers = QStringLiteral("in:a:192.0.2.50 in:b:192.0.2.51 in:c:192.0.2.52 in:d:192.0.2.53 ");
        owner("five a minute", 0, fourOthers + "in", signedIn);
        owner("six a minute", 0, fourOthers + "in:e:192.0.2.54 in", tryLater);
        const QString huge = QString(20000, 'x');
        owner("20,000 characters", 0, "in:" + huge, wrong);
        QString hugeTries;  // refused unchecked: the sixth check in the minute is the owner's
        for (int i = 0; i < 5; ++i)
            hugeTries += QStringLiteral("in:%1:192.0.2.%2 ").arg(huge).arg(60 + i);
        owner("20,000 characters, unchecked", 0, hugeTries + "in", signedIn);
        const QString restored = QStringLiteral("in delete:entries:0:Ann run in restore:0:Ann");
        owner("deleted, then restored", 0, restored, "The entry was restored", "Bob Ann");
        owner("deleted, kept", 0, "in delete:entries:0:Ann", "Deleted entries (1)", "Bob", "", "Ann");
        owner("restored after 30 days", 0, "in delete:entries:0:Ann run wait:2592001 in restore:0:Ann", changed, "Bob",
              "", "Ann");
        const QString held = QStringLiteral("owner moderate held"), approved = QStringLiteral("The entry was approved");
        visitRow("NUL byte approved", held, "Ann Nul", "in approve:1:Nul", approved, "Nul", "Ann");
        visitRow("120 KB approved", held, "Ann Big", "in approve:1:Big", "(120050 characters in all)", "Big", "Ann");
        visitRow("120 KB deleted", held, "Big Ann", "in delete:pending:0:Big", "The entry was deleted", "", "Ann",
                 "Big");
        visitRow("all held, asked", held, "Ann Bob Cyd", "in confirm",
                 "Delete all 3 held entries? You can restore them for 30 days.", "", "Ann Bob Cyd");
        visitRow("all held deleted", held, "Ann Bob Cyd", "in confirm post:Dee held", "3 held entries were deleted", "",
                 "Dee", "Ann Bob Cyd");
        visitRow("no new files", held + " nocreate", "Ann Bob", "in approve:1:Bob", approved, "Bob", "Ann");
        visitRow("no new files, none made", held + " nocreate nodeleted", "Ann Bob", "in delete:pending:1:Bob",
                 "Error: The change could not be saved, nothing was changed", "", "Ann Bob");
        // In German: the list a deleted entry came from, a count at a text's end, a failed change shown as an error.
        const QString german = QStringLiteral("owner german"),
                      germanHeld = QStringLiteral("owner moderate held german");
        visitRow("German: wrong password", german, "Ann Bob", "in:wrong", "Fehler: Falsches Passwort");
        visitRow("German: deleted", german, "Ann Bob", "in delete:entries:0:Ann",
                 "Gel\u00f6scht aus den Eintr\u00e4gen:<br/>", "Bob", "", "Ann");
        visitRow("German: held deleted", germanHeld, "Ann Bob", "in delete:pending:0:Ann",
                 "Gel\u00f6scht aus den wartenden Eintr\u00e4gen:<br/>", "", "Bob", "Ann");
        visitRow("German: all held deleted", germanHeld, "Ann Bob Cyd", "in confirm held",
                 "<b>Gel\u00f6schte wartende Eintr\u00e4ge: 3</b>", "", "", "Ann Bob Cyd");
        visitRow("German: stale position", german, "Ann Bob", "in delete:entries:0:Ann delete:entries:0:Ann",
                 "color: #ff0000\"><b>Fehler: Dieser Eintrag wurde ge\u00e4ndert oder entfernt", "Bob");
        // The Modern owner page keeps its lists in the Unicode format, and takes over a Classic site's 8-bit ones.
        visitRow("Modern en: wrong password", "owner", "Ann", "in:wrong",
                 "<p class=\"alert\" role=\"alert\">Error: Wrong password</p>");
        visitRow("Modern de: approved", held, "Ann Bob", "in approve:1:Bob",
                 "<p class=\"thanks\" role=\"status\">Der Eintrag wurde freigegeben</p>", "Bob", "Ann");
        visitRow("Modern de: 8-bit held entries approved", held + " 8-bit", "Ann Bob", "in approve:1:Bob",
                 "<article>Datum : 1/2/2026<br/>Name : Ann<br/>", "Old Bob", "Ann");
        owner("Modern ja: deleted, then restored", 0, restored, "記帳を元に戻しました", "Bob Ann", "", "");
        // Signed in with a password beyond the server's code page, in each language: approve, delete, restore.
        owner("Modern en: sign in, newest first", 0, "in", "Name : Bob<br/>");
        owner("Modern en: deleted", 0, "in delete:entries:0:Ann", "The entry was deleted", "Bob", "", "Ann");
        visitRow("Modern ja: approved", held, "Ann Bob", "in approve:1:Bob", "記帳を承認しました", "Bob", "Ann");
        owner("Modern de: deleted, then restored", 0, restored, "Der Eintrag wurde wiederhergestellt", "Bob Ann", "",
              "");
        // The pages' SHA-256 against Qt's: at the end of a block, beyond ASCII, and salted as the owner password is.
        // On a Modern site the text reaches the page as it is, not as references (the guarded sign page brings the
        // functions).
        const auto digest = [](const QString &name, const QString &text, const QByteArray &salt = {}) {
            const QByteArray sum = QCryptographicHash::hash(salt + text.toUtf8(), QCryptographicHash::Sha256).toHex();
            visitRow(qPrintable(name), "owner", {}, "get digest:" + salt.toHex() + ':' + text, sum);
            if (!text.isEmpty() && text.size() < 60)
                visitRow(qPrintable(name + ", Modern"), "guard modern:ja", {},
                         "form digest:" + salt.toHex() + ':' + text, sum);
        };
        digest("SHA-256 of nothing", {});
        digest("SHA-256 of 55 bytes", QString(55, 'a'));
        digest("SHA-256 of 56 bytes", QString(56, 'b'));
        digest("SHA-256 of 64 bytes", QString(64, 'c'));
        // Each side of the points where a character's UTF-8 grows by a byte.
        digest("SHA-256 at the UTF-8 lengths", QStringLiteral("\u007f\u0080\u07ff\u0800\uffff\U00010000"));
        digest("SHA-256 of look-alikes", QStringLiteral("\u0100\u0142\u221e\uff47\u2010"));  // "Āł∞ｇ‐"
        digest("SHA-256 salted", kPassword, QByteArray::fromHex("00ff10e0a5c3000102030405060708f0"));
    }
    // The robot guard, banners and length limit, pages of entries, the owner page and moderation.
    void visit()
    {
        QFETCH(Visit, visit);
        const auto has = [&visit](const char *option) { return visit.options.contains(QLatin1String(option)); };
        Site site(QStringLiteral("default"), withOptions(visit.options));
        QByteArray lines;
        for (const QString &name : visit.written.split(' ', Qt::SkipEmptyParts))
            lines += entryLine(name);
        writeBytes(site.file(has("held") ? kPendingFileName : kDataFileName),
                   has("modern") && !has("8-bit") ? unicodeFile(QString::fromLatin1(lines)) : lines);
        if (has("nodeleted"))
            QFile::remove(site.file(kDeletedFileName));
        if (has("8-bit") && has("held"))
            writeBytes(site.file(kDataFileName), entryLine("Old"));
        writeBytes(site.file("digest.asp"),
                   QByteArray(has("modern") ? "<%@ Language=VBScript CodePage=65001 %>" : "")
                       + "<%=QsDigest(Request.Form(\"salt\"), Request.Form(\"text\"))%>");
        writeBytes(site.file("state.asp"),
                   "<%Set files = Server.CreateObject(\"Scripting.FileSystemObject\")\r\n"
                   "Set used = files.OpenTextFile(Server.MapPath(\"usedforms.txt\"), 1, False)\r\n"
                   "Do While Not used.AtEndOfStream\r\nused.ReadLine\r\nn = n + 1\r\nLoop%>["
                   "<%=UBound(Split(Application(\"qsRecentPosts\") & \"\", vbLf)) + 1%> <%=n%>]");
        QList<SiteAnswer> answers;
        for (const QString &batch : visit.steps.split(QStringLiteral(" run "))) {
            SiteRuntime runtime = site.runtime();
            runtime.setNoCreate(has("nocreate"));
            answers = runtime.run(visitRequests(site, batch.split(' ')));
            QCOMPARE(errorsIn(answers), QString());
        }
        QString shown = "Cache-Control: " + answers.last().cacheControl + "\n" + answers.last().text;
        const QString back = answers.last().redirect;
        if (back.startsWith(kSignPageName + "?err="))  // a refused post: the sign page shows why
            shown = site.runtime().run({{kSignPageName, "GET", {}, {{"err", back.section('=', 1)}}}}).first().text;
        if (visit.steps.startsWith("view:")) {
            const VisitorTexts texts = visitorTexts(visit.options.section("modern:", 1).left(2));
            const QStringList seen = QStringList{shown.contains("\">" + texts.newer + "</a>") ? "<" : ""}
                + captures(QStringLiteral("(?:Name : |<h2>)(\\w+)"), shown)
                + QStringList{shown.contains("\">" + texts.older + "</a>") ? ">" : ""};
            QCOMPARE(seen.join(' ').trimmed(), visit.shows);
        } else {
            QVERIFY2(shown.contains(visit.shows),
                     qPrintable(shown.mid(std::max(shown.indexOf("<div align=\"center\"><font style=\"font-size: 15"),
                                                   shown.indexOf("<h1>")),
                                          700)));
        }
        if (visit.steps == "form")
            QCOMPARE(shown.count(QRegularExpression(" maxlength=\"?60\\b")), 4);
        QCOMPARE(site.names(kDataFileName).join(' '), visit.entries.isNull() ? visit.written : visit.entries);
        QCOMPARE(site.names(kPendingFileName).join(' '), visit.pending);
        if (!visit.deleted.isNull())
            QCOMPARE(site.names(kDeletedFileName).join(' '), visit.deleted);
        for (const QString &list : has("8-bit") ? QStringList{kDataFileName, kPendingFileName} : QStringList())
            QVERIFY2(readBytes(site.file(list)).startsWith("\xff\xfe"), qPrintable(list + " is not Unicode"));
    }

    void ownerStop_data()
    {
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("options");
        for (int changes :
             {0, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28})
            QTest::addRow("stop after %d file changes", changes) << changes << "owner moderate";
        QTest::newRow("no stop") << 1000 << "owner moderate";
        // A Modern site's lists in the Unicode format, the 8-bit ones of a Classic site converted on the way.
        for (int changes : {6, 12, 18, 24, 1000})
            QTest::addRow("Modern, stop after %d file changes", changes) << changes << "owner moderate modern:de";
    }
    // The server stops in the middle of an Approve; after it starts again a post comes, then the owner: no entry is
    // lost or there twice, and nothing is left half done.
    void ownerStop()
    {
        QFETCH(int, changes);
        QFETCH(QString, options);
        Site site(QStringLiteral("default"), withOptions(options));
        writeBytes(site.file(kDataFileName), entryLine("Ann") + entryLine("Bob"));
        writeBytes(site.file(kPendingFileName), entryLine("Cyd"));
        SiteRuntime stopping = site.runtime();
        stopping.setStopAfterFileChanges(changes);
        stopping.run(visitRequests(site, {"in", "approve:0:Cyd"}));
        const QList<SiteAnswer> answers = site.runtime().run(visitRequests(site, {"post:Dee", "in"}));
        QCOMPARE(errorsIn(answers), QString());
        QVERIFY(!answers.last().text.contains("Error:") && !answers.last().text.contains("role=\"alert\""));
        QStringList all = site.names(kDataFileName) + site.names(kPendingFileName) + site.names(kDeletedFileName);
        all.sort();
        QCOMPARE(all.join(' '), QStringLiteral("Ann Bob Cyd Dee"));
        QCOMPARE(site.text(kJournalFileName), QString());
        QVERIFY(changes < 1000 || site.names(kDataFileName).join(' ') == "Ann Bob Cyd");
    }

    // A flood of 2,300 held entries of 200 characters: the owner page shows a page of them, under 1 MB, and deletes
    // them all after asking; an entry held in between stays.
    void ownerFlood()
    {
        Site site(QStringLiteral("default"), withOptions("owner moderate"));
        QByteArray flood;
        for (int i = 0; i < 2300; ++i)
            flood += "Comments : " + QByteArray(200 - 44, 'a' + i % 26) + "vbCrLf Name : Robot"
                + QByteArray::number(i % 10) + "vbCrLf Date : 1/2/2026\r\n";
        writeBytes(site.file(kPendingFileName), flood);
        const QList<SiteAnswer> answers =
            site.runtime().run(visitRequests(site, {"in", "confirm", "post:Dee", "held", "get"}));
        QCOMPARE(errorsIn(answers), QString());
        QVERIFY2(answers.at(1).body.size() < 1000000, qPrintable(QString::number(answers.at(1).body.size())));
        QCOMPARE(answers.at(1).text.count("value=\"Approve\">"), 20);
        const QList<std::pair<int, QString>> shown = {
            {1, "<h2>Waiting for approval (2300)</h2>"},
            {1, "<a href=\"owner.asp?pending=2\">Older entries</a>"},
            {2, "Delete all 2300 held entries? You can restore them for 30 days."},
            {4, "2300 held entries were deleted"},
            {5, "<h2>Waiting for approval (1)</h2>"}};
        for (const auto &[at, text] : shown)
            QVERIFY2(answers.at(at).text.contains(text), qPrintable(text));
        QCOMPARE(site.names(kPendingFileName), QStringList{"Dee"});
        QCOMPARE(site.text(kDeletedFileName).count(" pending Comments : "), 2300);
    }

    // Each sign-in form and each signed-in session has a token of its own.
    void signInTokens()
    {
        Site site(QStringLiteral("default"), withOptions("owner"));
        writeBytes(site.file(kDataFileName), entryLine("Ann"));
        const QList<SiteAnswer> answers = site.runtime().run(visitRequests(site, {"in", "out", "in", "in:x:192.0.2.70"})
                                                             + QList<SiteRequest>{{kOwnerPageName}});
        QCOMPARE(errorsIn(answers), QString());
        QStringList tokens;
        // The owner's form, signed in, the form after signing out, signed in again; two other visitors' forms.
        for (int at : {0, 1, 2, 4, 5, 7})
            tokens += captures("name=\"token\" value=\"([0-9a-f]{32})\"", answers.at(at).text).value(0);
        for (int i = 0; i < tokens.size(); ++i)
            QVERIFY2(!tokens.at(i).isEmpty() && tokens.lastIndexOf(tokens.at(i)) == i, qPrintable(tokens.join(' ')));
    }

private:
    // One run's requests (sessions last through one run). Steps: "wait:<seconds>" before the next one; the sign page
    // ("form"), a post by the visitor ("post:<name>[:<comments>]", "~" for a space; "trap:<name>", "proof:<name>": with
    // the hidden trap filled, with a forged proof; "replay:<name>": with the first visitor's form), "@<n>" after the
    // step for visitor 192.0.2.<n> instead of the first, 192.0.2.1; "state": "[<posts remembered> <forms remembered>]";
    // the view page ("view:<page>"), the digest page ("digest:<salt in hex>:<text>"); the owner's
    // "in[:<password>[:<address>]]" (the form loaded, then posted), "xsite" (a wrong sign-in posted from another
    // site), "out", "get", "delete:<list>:<position>:<name>", "forged:..." (a delete with another token),
    // "approve:<position>:<name>", "restore:<position>:<name>", "confirm" (asks to delete all held entries), "held"
    // (deletes them). A change names an entry by its position and the digest of its line as the steps start.
    static QList<SiteRequest> visitRequests(const Site &site, const QStringList &steps)
    {
        QList<SiteRequest> requests;
        int wait = 0;
        for (const QString &step : steps) {
            const QStringList part = step.split(':');
            const QString kind = part.at(0).section('@', 0, 0);
            const QString visitor = "192.0.2." + part.at(0).section('@', 1).rightJustified(1, '1');
            const auto toOwner = [&requests](const QString &method, const SiteValues &form,
                                             const SiteValues &query = {}, int seconds = 1,
                                             const QString &address = kOwner) {
                requests << SiteRequest{kOwnerPageName, method, form, query, address, seconds};
            };
            if (kind == "wait")
                wait = part.at(1).toInt();
            else if (kind == "form")
                requests << SiteRequest{kSignPageName, "GET", {}, {}, visitor};
            else if (kind == "state")
                requests << SiteRequest{"state.asp"};
            else if (kind == "view")
                requests << SiteRequest{kViewPageName, "GET", {}, {{"page", part.at(1)}}};
            else if (kind == "post" || kind == "trap" || kind == "proof" || kind == "replay") {
                // guard fields as the form gave them
                const QString form = kind == "replay" ? fromPageOf(SiteRequest{}.visitor) : kFromPage;
                const QString comments = part.size() > 2 ? step.section(':', 2).replace('~', ' ') : "Hello";
                const SiteValues values = {{"txtName", part.at(1)},
                                           {"txtE-mail", "a@b.example"},
                                           {"txtHomepage", "none"},
                                           {"txtaComments", comments},
                                           {"qsWebsite", kind == "trap" ? "x" : ""},
                                           {"qsServed", form},
                                           {"qsForm", form},
                                           {"qsProof", kind == "proof" ? QString(32, '0') : form}};
                requests << SiteRequest{kEntryScriptName, "POST", values, {}, visitor};
            } else if (kind == "in" || kind == "xsite") {  // the sign-in form loaded first, or a post from another site
                if (kind == "in")
                    toOwner("GET", {}, {}, 0, part.value(2, kOwner));
                toOwner("POST",
                        {{"action", "signin"},
                         {"password", part.value(1, kind == "in" ? kPassword : "wrong")},
                         {"token", kind == "in" ? kFromPage : QString()}},
                        {}, 1, part.value(2, kOwner));
            } else if (kind == "confirm" || kind == "get")
                toOwner("GET", {}, kind == "confirm" ? SiteValues{{"confirm", "held"}} : SiteValues{}, 0);
            else if (kind == "held")
                toOwner("POST", {{"token", kFromPage}, {"action", "deleteheld"}, {"count", kFromPage}});
            else if (kind == "out")
                toOwner("GET", {}, {{"signout", "1"}});
            else if (kind == "digest")
                requests << SiteRequest{"digest.asp", "POST", {{"salt", part.at(1)}, {"text", step.section(':', 2)}}};
            else {
                const QString list = kind == "approve" ? "pending" : kind == "restore" ? "deleted" : part.value(1);
                const QString line = "([^\r\n]*Name : " + part.last() + "vbCrLf[^\r\n]*)";
                const QString file = list == "pending" ? kPendingFileName
                    : list == "deleted"                ? kDeletedFileName
                                                       : kDataFileName;
                toOwner("POST",
                        {{"token", kind == "forged" ? QString(32, 'f') : kFromPage},
                         {"action", kind == "forged" ? "delete" : kind},
                         {"list", list},
                         {"position", part.at(part.size() - 2)},
                         {"digest", shortDigest(captures(line, site.text(file)).value(0))}});
            }
            if (kind != "wait")
                requests.last().wait += std::exchange(wait, 0);
        }
        return requests;
    }
};

QTEST_GUILESS_MAIN(TestSite)
#include "tst_site.moc"
