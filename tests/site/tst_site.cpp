// The generated pages run on a VBScript engine, as a visitor meets them: the sign page, a refused and an accepted
// post, the thank-you page and the view page; and with protection: robot guard, banners, length limit, pages of
// entries, the owner page and moderation, and the pages' SHA-256.

#include "generatedsite.h"
#include "generator/pagecodepage.h"
#include "generator/pagenames.h"
#include "generator/preview.h"
#include "generator/protection.h"
#include "siteruntime.h"
#include "store/settingsfile.h"
#include "support/goldenprojects.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

#include <functional>

namespace {

// A golden design, with options when given, generated as the wizard's Finish writes it into a program folder of its
// own, in the page code page the design needs (windows-1252 unless it needs another), and run on the VBScript engine.
struct Site {
    TestProgramFolder program;
    GuestbookProject project;
    QString codePage, folder;

    explicit Site(const QString &design, const std::function<void(GuestbookProject &)> &options = {})
        : project(goldenProject(design, program.file(QStringLiteral("projects"))))
        , codePage(goldenCodePage(design).isEmpty() ? QStringLiteral("windows-1252") : goldenCodePage(design))
    {
        if (options)
            options(project);
        SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
        folder = generateSite(project);
        if (folder.isEmpty())
            qWarning("The design %s could not be generated", qPrintable(design));
    }
    SiteRuntime runtime() const { return SiteRuntime(folder, codePage); }
    QList<SiteAnswer> run(const QList<SiteRequest> &requests) const { return runtime().run(requests); }
    QString file(const QString &name) const { return folder + QLatin1Char('/') + name; }
};

// The first group of each match of the pattern in the text.
QStringList captures(const QString &pattern, const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

// The errors of the answers; empty when every page ran.
QString errorsIn(const QList<SiteAnswer> &answers)
{
    QString errors;
    for (const SiteAnswer &answer : answers)
        errors += answer.error;
    return errors;
}

// Server.HTMLEncode as the server documents it.
QString htmlEncoded(const QString &text)
{
    QString encoded;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        encoded += c == '&'                ? "&amp;"
            : c == '<'                     ? "&lt;"
            : c == '>'                     ? "&gt;"
            : c == '"'                     ? "&quot;"
            : code >= 0xa0 && code <= 0xff ? QStringLiteral("&#%1;").arg(code)
                                           : QString(c);
    }
    return encoded;
}

// The lines of the data file as a reader finds them: CR LF, CR or LF ends one.
qsizetype storedLineCount(const Site &site)
{
    QStringDecoder decoder(site.codePage.toLatin1().constData());
    const QString text = decoder.decode(readBytes(site.file(kDataFileName)));
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    return lines.size() - (lines.last().isEmpty() ? 1 : 0);
}

// The thank-you page shows each value posted as a cell of its table.
bool thanksShow(const SiteAnswer &answer, const QString &value)
{
    return answer.text.contains(QStringLiteral("align=\"left\">") + htmlEncoded(value) + QStringLiteral("</td>"));
}

const QString kPassword = QStringLiteral("p\u00e4ss\u0436word!");
const QString kVisitor = QStringLiteral("192.0.2.1"), kOwner = QStringLiteral("192.0.2.9");

// The start-up design with the robot guard and a length limit of 60.
const auto kGuarded = [](GuestbookProject &p) { p.Spam_Guard = 1, p.Max_Entry_Length = "60"; };

// The names of a data file's entries, first line first.
QStringList namesIn(const Site &site, const QString &file = kDataFileName)
{
    return captures(QStringLiteral("Name : ([A-Z][a-z]{2})"), QString::fromLatin1(readBytes(site.file(file))));
}

void writeEntries(const Site &site, const QStringList &names)
{
    QByteArray lines;
    for (const QString &name : names)
        lines += "Name : " + name.toLatin1() + "vbCrLf Date : 1/2/2026\r\n";
    writeBytes(site.file(kDataFileName), lines);
}

// A post of the sign form; the guard's fields as the last sign page gave them.
SiteRequest post(const QString &name, const QString &comments, int wait, const SiteValues &guard = {},
                 const QString &visitor = kVisitor)
{
    const SiteValues form = {{"txtName", name}, {"txtE-mail", "a@b.example"}, {"txtHomepage", "none"},
                             {"txtaComments", comments}};
    return {kEntryScriptName, "POST", form + guard, {}, visitor, wait};
}

// What the last post led to: an error, a redirect, the thank-you page or another page.
QString outcomeOf(const SiteAnswer &answer)
{
    if (!answer.error.isEmpty() || !answer.redirect.isEmpty())
        return answer.error + answer.redirect;
    const QString thanks = QStringLiteral("Thankyou, your comments have now been added to the guestbook");
    return answer.text.contains(thanks) ? QStringLiteral("thanks") : answer.text;
}

// A guard case: whether the form is loaded first, the seconds to the post, the guard's fields (the page's unless
// replaced), the comments, the seconds to a second post by the same visitor (0: none); the outcome of the last post
// (the thank-you page, or the error the sign page then shows) and the entries written.
struct Guard {
    bool loadsForm;
    int wait;
    SiteValues replaced;
    QString comments;
    int again;
    QString outcome;
    int written;
};

// An owner case: whether entries are moderated, the steps (see owner()), what the last answer shows, and the names in
// the data file and in the pending file.
struct Owner {
    int moderate;
    QString steps, shows, entries, pending;
};

}  // namespace

class TestSite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void road_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("extra");  // typed into every value of the newer post: text of the code page
        for (const QString &design : kGoldenDesigns)
            QTest::newRow(qPrintable(design)) << design << QString();
        QTest::newRow("western, windows-1252")
            << "western" << QStringLiteral(" Gr\u00fc\u00dfe \u20ac \u00e9\u00e8 \u00ab\u00bb \u00a9 \u0153");
        QTest::newRow("cyrillic, windows-1251")
            << "cyrillic"
            << QStringLiteral(" \u041f\u0440\u0438\u0432\u0435\u0442 \u0451\u0401 \u00ab\u00bb \u00a9 \u2116");
    }
    // Sign page, a value too short, the error banner, two good posts and the list; text of the page's code page comes
    // back unchanged on both pages.
    void road()
    {
        QFETCH(QString, design);
        QFETCH(QString, extra);
        Site site(design);
        SiteRuntime runtime = site.runtime();
        QCOMPARE(runtime.posted(extra), extra);
        const QStringList controls = captures(QStringLiteral("<(?:input type=\"text\"|textarea) name=\"([^\"]+)\""),
                                              runtime.get(kSignPageName).text);
        QCOMPARE(controls.size(), site.project.Fields.size());
        SiteValues older, newer, tooShort;
        QString newerEntry, olderEntry;  // as the view page shows them: the fields in list order
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const GuestbookField &field = site.project.Fields.at(i);
            const QString old = IsTextareaField(field) ? "First line\r\nsecond line" : field.FieldName + " one";
            older << qMakePair(controls.at(i), old);
            newer << qMakePair(controls.at(i), field.FieldName + QStringLiteral(" two") + extra);
            newerEntry += htmlEncoded(field.FieldName + " : " + newer.last().second) + "<br/>";
            olderEntry += htmlEncoded(field.FieldName + " : " + old).replace("\r\n", " <br> ") + "<br/>";
        }
        tooShort = newer;
        tooShort.last().second = QStringLiteral("ab");
        const QList<SiteAnswer> answers = runtime.run(
            {{kSignPageName}, {kEntryScriptName, "POST", tooShort}, {kSignPageName, "GET", {}, {{"err", "1"}}},
             {kEntryScriptName, "POST", older}, {kEntryScriptName, "POST", newer}, {kViewPageName}});
        QCOMPARE(errorsIn(answers), QString());
        const QString banner = QStringLiteral("Error: One or more required fields were of an invalid length");
        QVERIFY(!answers.at(0).text.contains(banner) && answers.at(2).text.contains(banner));
        QCOMPARE(answers.at(1).redirect, QStringLiteral("default.asp?err=1"));
        for (const auto &value : newer)
            QVERIFY(thanksShow(answers.at(4), value.second));
        QVERIFY(answers.at(4).text.contains(QStringLiteral("Thankyou, your comments have now been added")));
        QCOMPARE(storedLineCount(site), 2);
        // Newest first; in each entry the date, then the fields.
        static const QRegularExpression entries(
            QStringLiteral("<br/>Date : [^<]+<br/>(.*)<br/>Date : [^<]+<br/>(.*)\r\n<br/><br/><center>"));
        const QRegularExpressionMatch shown = entries.match(answers.at(5).text);
        QVERIFY2(shown.hasMatch(), qPrintable(answers.at(5).text));
        QCOMPARE(shown.captured(1), newerEntry);
        QCOMPARE(shown.captured(2), olderEntry);
    }

    // Posted in every one-line field and every multi-line field; what the view page shows for the Name field and for
    // the Comments field.
    void hostilePost_data()
    {
        QTest::addColumn<QStringList>("row");
        const auto row = [](const char *name, const QString &text, const QString &area, const QString &shownText,
                            const QString &shownArea) {
            QTest::newRow(name) << QStringList{text, area, "Name : " + shownText + "<br/>",
                                               "Comments : " + shownArea + "<br/>"};
        };
        row("markup", "<script>alert(\"x\")</script>", "<b onclick='x'>bold</b> & more",
            "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;", "&lt;b onclick='x'&gt;bold&lt;/b&gt; &amp; more");
        row("server script", "<%= Now %>", "<% Write 1 %>", "&lt;%= Now %&gt;", "&lt;% Write 1 %&gt;");
        row("CR LF", "one\r\ntwo", "one\r\n\r\ntwo", "one <br> two", "one <br>  <br> two");
        row("CR", "one\rtwo", "one\rtwo\r", "one <br> two", "one <br> two <br> ");
        row("LF", "one\ntwo", "\none\ntwo", "one <br> two", " <br> one <br> two");
        // The typed item separator splits the entry; it stays one line.
        QTest::newRow("item separator") << QStringList{"abcvbCrLf Date : forged", "vbCrLf vbCrLf x",
                                                       "Date : forged<br/>Name : abc<br/>",
                                                       "x<br/><br/>Comments : <br/>"};
        row("line marker", "a//vbReturn//b", "<a//vbReturn//>", "a <br> b", "&lt;a <br> &gt;");
        const QString longValue = QString(99990, QLatin1Char('x')) + QStringLiteral("<i>\"&</i>");
        row("100,000 characters", longValue, longValue, htmlEncoded(longValue), htmlEncoded(longValue));
        row("outside the code page", "\u65e5\u672c", "\u0416 \U0001F600", "&amp;#26085;&amp;#26412;",
            "&amp;#1046; &amp;#128512;");
    }
    // One post is one stored line, and what the visitor typed is shown as text.
    void hostilePost()
    {
        QFETCH(QStringList, row);
        Site site(QStringLiteral("default"));
        SiteRuntime runtime = site.runtime();
        SiteValues form;
        for (const GuestbookField &field : site.project.Fields) {
            const bool area = IsTextareaField(field);
            form << qMakePair((area ? "txta" : "txt") + field.FieldName, row.at(area));
        }
        const QList<SiteAnswer> answers = runtime.run({{kEntryScriptName, "POST", form}, {kViewPageName}});
        QCOMPARE(errorsIn(answers), QString());
        QCOMPARE(storedLineCount(site), 1);
        for (const auto &[control, value] : form)
            QVERIFY2(thanksShow(answers.at(0), runtime.posted(value)), qPrintable(control));
        for (const QString &shown : row.mid(2))
            QVERIFY2(answers.at(1).text.contains(shown), qPrintable(answers.at(1).text.right(2000)));
        for (const char *markup : {"<script", "<b ", "<%", "<i>"})
            QVERIFY2(!(answers.at(0).text + answers.at(1).text).contains(QLatin1String(markup)), markup);
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
        row("many fields", QByteArray("L : 12vbCrLf K : 11vbCrLf J : 10vbCrLf I : 9vbCrLf H : 8vbCrLf G : 7vbCrLf "
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
        const QList<SiteAnswer> answers = site.run({{kViewPageName}, {kDesignViewPage}});
        QCOMPARE(errorsIn(answers), QString());
        QCOMPARE(answers.at(0).body, answers.at(1).body);
        QByteArray preview = codePage.encode(BuildPreviewPages(site.project, newest).viewPage);
        preview.replace("<a href=\"index.html\">", "<a href=\"default.asp\">");
        QVERIFY(!data.isNull() || answers.at(0).body == preview);
    }

    // Posts after loading the form (or not) and waiting; a robot's get the thank-you page and write nothing.
    void guard_data()
    {
        QTest::addColumn<Guard>("guard");
        const QString text = QStringLiteral("Nice site"), expired = "Error: This form has expired, please post again";
        const QString links = "Error: Please include no more than 3 web addresses";
        const QString tooLong = "Error: Your entry is too long (at most 60 characters in each field)";
        const QString wait = "Error: Please wait a moment before posting again";
        const QString three = QStringLiteral("http://a https://b http://www.c"), four = "www.d " + three.toUpper();
        QTest::newRow("person") << Guard{true, 5, {}, QString(60, 'x'), 0, "thanks", 1};
        QTest::newRow("direct post") << Guard{false, 5, {}, text, 0, "thanks", 0};
        QTest::newRow("trap filled") << Guard{true, 5, {{"qsWebsite", "x"}}, text, 0, "thanks", 0};
        QTest::newRow("too fast") << Guard{true, 2, {}, text, 0, "thanks", 0};
        QTest::newRow("forged proof") << Guard{true, 5, {{"qsProof", QString(32, '0')}}, text, 0, "thanks", 0};
        QTest::newRow("expired") << Guard{true, 86401, {}, text, 0, expired, 0};
        QTest::newRow("three addresses") << Guard{true, 5, {}, three, 0, "thanks", 1};
        QTest::newRow("four addresses") << Guard{true, 5, {}, four, 0, links, 0};
        QTest::newRow("too long") << Guard{true, 5, {}, QString(61, 'x'), 0, tooLong, 0};
        QTest::newRow("again too soon") << Guard{true, 5, {}, text, 29, wait, 1};
        QTest::newRow("again later") << Guard{true, 5, {}, text, 30, "thanks", 2};
    }
    // A refused post sends the visitor back to the sign page, which shows why. The sign
    // page holds the length limit and the hidden trap field.
    void guard()
    {
        QFETCH(Guard, guard);
        Site site(QStringLiteral("default"), kGuarded);
        SiteValues fields = guard.replaced;
        for (const auto &field : SiteValues{{"qsServed", kFromPage}, {"qsProof", kFromPage}}) {
            if (std::none_of(fields.begin(), fields.end(), [&](const auto &v) { return v.first == field.first; }))
                fields << field;
        }
        QList<SiteRequest> requests;
        if (guard.loadsForm)
            requests << SiteRequest{kSignPageName};
        requests << post("Ann", guard.comments, guard.wait, fields);
        if (guard.again > 0)
            requests << SiteRequest{kSignPageName, "GET", {}, {}, kVisitor, guard.again - 4}
                     << post("Ann", guard.comments, 4, fields);
        const QList<SiteAnswer> answers = site.run(requests);
        QString outcome = outcomeOf(answers.last());
        if (outcome.startsWith(QStringLiteral("default.asp?err="))) {
            const SiteAnswer back = site.run({{kSignPageName, "GET", {}, {{"err", outcome.section('=', 1)}}}}).first();
            outcome = captures(QStringLiteral("<b>(Error: [^<]*)</b>"), back.text).join('|');
        }
        QCOMPARE(outcome, guard.outcome);
        QCOMPARE(namesIn(site).size(), guard.written);
        const QString form = answers.first().text;
        QVERIFY(!guard.loadsForm || form.count(" maxlength=60 ") == 4);
        QVERIFY(!guard.loadsForm
                || form.contains("<div style=\"display: none\" aria-hidden=\"true\"><input name=\"qsWebsite\" "
                                 "type=\"text\" value=\"\" tabindex=\"-1\" autocomplete=\"off\"></div>"));
    }

    // Three entries a page, newest first; what a page shows, then "<" and ">" for its links to newer and older
    // entries.
    void pages_data()
    {
        QTest::addColumn<QStringList>("paging");  // the entries in the file, the page asked for, what it shows
        const QString four = "e1 e2 e3 e4";
        QTest::newRow("none") << QStringList{"", "", ""};
        QTest::newRow("a page full") << QStringList{"e1 e2 e3", "", "e3 e2 e1"};
        QTest::newRow("one more") << QStringList{four, "", "e4 e3 e2 >"};
        QTest::newRow("second page") << QStringList{four, "2", "< e1"};
        QTest::newRow("middle page") << QStringList{four + " e5 e6 e7", "2", "< e4 e3 e2 >"};
        QTest::newRow("not a number") << QStringList{four, "x", "e4 e3 e2 >"};
        QTest::newRow("zero") << QStringList{four, "0", "e4 e3 e2 >"};
        QTest::newRow("beyond the last") << QStringList{four, "99", "< e1"};
        QTest::newRow("huge") << QStringList{four, "99999999999999", "< e1"};
    }
    void pages()
    {
        QFETCH(QStringList, paging);
        Site site(QStringLiteral("default"), [](GuestbookProject &p) { p.Entries_Per_Page = "3"; });
        writeEntries(site, paging.at(0).split(' ', Qt::SkipEmptyParts));
        const SiteAnswer answer = site.run({{kViewPageName, "GET", {}, {{"page", paging.at(1)}}}}).first();
        QVERIFY2(answer.error.isEmpty(), qPrintable(answer.error));
        QStringList seen = captures(QStringLiteral("Name : (\\w+)"), answer.text);
        if (answer.text.contains("\">Newer entries</a>"))
            seen.prepend("<");
        if (answer.text.contains("\">Older entries</a>"))
            seen.append(">");
        QCOMPARE(seen.join(' '), paging.at(2));
    }

    // The owner page: steps, then what the last answer shows and the names in the data files. Steps:
    // "in[:<password>]", "out", "get", "wait:<seconds>", "post:<name>", "delete:<list>:<position>:<name>",
    // "forged:..." (a delete with another token), "approve:<position>:<name>", "run" (a new run).
    void owner_data()
    {
        QTest::addColumn<Owner>("owner");
        const QString signedIn = QStringLiteral(">Sign out</a>"), signIn = QStringLiteral("value=\"Sign in\"");
        const QString misses = QStringLiteral("in:wrong ").repeated(5);
        const auto row = [](const char *name, int moderate, const QString &steps, const QString &shows,
                            const QString &entries = QStringLiteral("Ann Bob"), const QString &pending = {}) {
            QTest::newRow(name) << Owner{moderate, steps, shows, entries, pending};
        };
        row("wrong password", 0, "in:wrong", "Error: Wrong password");
        row("sign in, newest first", 0, "in", "Name : Bob<br/>");
        row("locked out", 0, misses + "in", "Error: Too many attempts, please try again later");
        row("four misses", 0, misses.mid(9) + "in", signedIn);
        row("lock holds", 0, misses + "wait:898 in", "Error: Too many attempts, please try again later");
        row("lock ends", 0, misses + "wait:899 in", signedIn);  // 900 seconds after the fifth miss
        row("sign out", 0, "in out get", signIn);
        row("idle", 0, "in wait:1200 get", signIn);
        row("not idle", 0, "in wait:1199 get", signedIn);
        row("delete", 0, "in delete:entries:0:Ann", signedIn, "Bob");
        row("delete without token", 0, "in forged:entries:0:Ann", "Error: This change did not come from this page");
        row("delete signed out", 0, "delete:entries:0:Ann", signIn);
        row("post in between", 0, "in post:Cyd delete:entries:1:Bob", signedIn, "Ann Cyd");
        const QString twice = QStringLiteral("in delete:entries:0:Ann delete:entries:0:Ann");
        row("stale position", 0, twice, "Error: That entry has changed or is gone", "Bob");
        row("held", 1, "post:Cyd", "Thank you, your entry will appear once it has been approved", "Ann Bob", "Cyd");
        row("approved", 1, "post:Cyd post:Dee run in approve:0:Cyd", "Waiting for approval (1)", "Ann Bob Cyd", "Dee");
        row("held deleted", 1, "post:Cyd run in delete:pending:0:Cyd", "Waiting for approval (0)");
    }
    void owner()
    {
        QFETCH(Owner, owner);
        Site site(QStringLiteral("default"), [&owner](GuestbookProject &p) {
            p.Owner_Password = OwnerPasswordValue(kPassword), p.Moderate_Entries = owner.moderate;
        });
        writeEntries(site, {"Ann", "Bob"});
        QList<SiteAnswer> answers;
        for (const QString &batch : owner.steps.split(QStringLiteral(" run "))) {
            answers = site.run(ownerRequests(site, batch.split(' ')));
            QCOMPARE(errorsIn(answers), QString());
        }
        QVERIFY2(answers.last().text.contains(owner.shows), qPrintable(answers.last().text.right(600)));
        QCOMPARE(namesIn(site).join(' '), owner.entries);
        QCOMPARE(namesIn(site, kPendingFileName).join(' '), owner.pending);
    }

    // The pages' SHA-256, salted as the owner password is, against Qt's: about the end of a block and for text beyond
    // ASCII.
    void sha256()
    {
        Site site(QStringLiteral("default"),
                  [](GuestbookProject &p) { p.Owner_Password = OwnerPasswordValue(kPassword); });
        writeBytes(site.file("digest.asp"), "<%=QsDigest(Request.Form(\"salt\"), Request.Form(\"text\"))%>");
        const QByteArray salt = QByteArray::fromHex("00ff10e0a5c3000102030405060708f0");
        const QList<QPair<QByteArray, QString>> cases = {
            {{}, {}}, {{}, "abc"}, {{}, QString(55, 'a')}, {{}, QString(56, 'b')}, {{}, QString(64, 'c')},
            {{}, QStringLiteral("\u00e9\u20ac\u0436\U0001F600")}, {salt, kPassword}};
        QList<SiteRequest> requests = {{kOwnerPageName}};
        QString expected, digests;
        for (const auto &[salt, text] : cases) {
            const SiteValues form = {{"salt", QString::fromLatin1(salt.toHex())}, {"text", text}};
            requests << SiteRequest{"digest.asp", "POST", form};
            expected += QCryptographicHash::hash(salt + text.toUtf8(), QCryptographicHash::Sha256).toHex() + ' ';
        }
        const QList<SiteAnswer> answers = site.run(requests);
        for (const SiteAnswer &answer : answers.mid(1))
            digests += answer.text + ' ';
        QCOMPARE(errorsIn(answers) + digests, expected);
    }

private:
    // One run's requests (sessions last through one run); a change names an entry by its line in the file as the
    // steps start.
    static QList<SiteRequest> ownerRequests(const Site &site, const QStringList &steps)
    {
        QList<SiteRequest> requests;
        int wait = 0;
        for (const QString &step : steps) {
            const QStringList part = step.split(':');
            const QString kind = part.at(0), list = kind == "approve" ? QStringLiteral("pending") : part.value(1);
            if (kind == "wait")
                wait = part.at(1).toInt();
            else if (kind == "in")
                requests << SiteRequest{kOwnerPageName, "POST",
                                        {{"action", "signin"}, {"password", part.value(1, kPassword)}}, {}, kOwner, 1};
            else if (kind == "out")
                requests << SiteRequest{kOwnerPageName, "GET", {}, {{"signout", "1"}}, kOwner, 1};
            else if (kind == "get")
                requests << SiteRequest{kOwnerPageName, "GET", {}, {}, kOwner};
            else if (kind == "post")
                requests << post(part.at(1), "Hello", 40, {}, "192.0.2." + QString::number(requests.size() + 20));
            else {
                const QByteArray file = readBytes(site.file(list == "pending" ? kPendingFileName : kDataFileName));
                const QString line = "([^\r\n]*Name : " + part.last() + "vbCrLf[^\r\n]*)";
                const SiteValues form = {{"token", kind == "forged" ? QString(32, 'f') : kFromPage},
                                         {"action", kind == "approve" ? "approve" : "delete"},
                                         {"list", list},
                                         {"position", part.at(part.size() - 2)},
                                         {"entry", captures(line, QString::fromLatin1(file)).value(0)}};
                requests << SiteRequest{kOwnerPageName, "POST", form, {}, kOwner, 1};
            }
            if (kind != "wait") {
                requests.last().wait += wait;
                wait = 0;
            }
        }
        return requests;
    }
};

QTEST_GUILESS_MAIN(TestSite)
#include "tst_site.moc"
