// The protected guestbook on the VBScript engine: robot guard, banners, length
// limit, pages of entries, the owner page and moderation, and the pages' SHA-256.

#include "generatedsite.h"
#include "generator/protection.h"
#include "siteruntime.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kPassword = QStringLiteral("p\u00e4ss\u0436word!");
const QString kThanks = QStringLiteral("Thankyou, your comments have now been added to the guestbook");

struct Options {
    int guard = 0;
    QString length = QStringLiteral("0");
    QString perPage = QStringLiteral("0");
    bool owner = false;
    int moderate = 0;
};

// The start-up design with protection, generated into a program folder of its own.
struct Site {
    TestProgramFolder program;
    QString folder;
    explicit Site(const Options &options)
    {
        GuestbookProject p = GuestbookProject::startupDefaults();
        p.Project_Path = program.file(QStringLiteral("projects"));
        p.Spam_Guard = options.guard;
        p.Max_Entry_Length = options.length;
        p.Entries_Per_Page = options.perPage;
        p.Owner_Password = options.owner ? OwnerPasswordValue(kPassword) : QString();
        p.Moderate_Entries = options.moderate;
        SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), QStringLiteral("windows-1252"));
        folder = generateSite(p);
    }
    QList<SiteAnswer> run(const QList<SiteRequest> &requests) const
    {
        return SiteRuntime(folder, QStringLiteral("windows-1252")).run(requests);
    }
    // The names of a data file's entries, first line first.
    QStringList names(const QString &file = kDataFileName) const
    {
        static const QRegularExpression name(QStringLiteral("Name : ([A-Z][a-z]{2})"));
        QStringList found;
        for (const QRegularExpressionMatch &match : name.globalMatch(QString::fromLatin1(readBytes(folder + "/" + file))))
            found << match.captured(1);
        return found;
    }
    void writeEntries(const QStringList &names) const
    {
        QByteArray lines;
        for (const QString &entry : names)
            lines += entryLine(entry).toLatin1() + "\r\n";
        writeBytes(folder + "/" + kDataFileName, lines);
    }
    static QString entryLine(const QString &name) { return "Name : " + name + "vbCrLf Date : 1/2/2026"; }
};

SiteRequest request(const QString &page, const QString &method, const SiteValues &form, int wait,
                    const QString &visitor = QStringLiteral("192.0.2.1"), const SiteValues &query = {})
{
    SiteRequest r{page, method, form, query, visitor};
    r.wait = wait;
    return r;
}

// A post of the sign form; the guard's fields as the last sign page gave them.
SiteRequest post(const QString &name, const QString &comments, int wait, const SiteValues &guard = {},
                 const QString &visitor = QStringLiteral("192.0.2.1"))
{
    const SiteValues form = {{"txtName", name}, {"txtE-mail", "a@b.example"}, {"txtHomepage", "none"},
                             {"txtaComments", comments}};
    return request(kEntryScriptName, "POST", form + guard, wait, visitor);
}

const SiteValues kServedForm = {{"qsServed", kFromPage}, {"qsProof", kFromPage}};

QString lastOutcome(const SiteAnswer &answer)
{
    if (!answer.error.isEmpty())
        return answer.error;
    if (!answer.redirect.isEmpty())
        return answer.redirect;
    return answer.text.contains(kThanks) ? QStringLiteral("thanks") : answer.text;
}

}  // namespace

class TestProtection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Posts after loading the form (or not) and waiting; a robot's get the thank-you
    // page and write nothing.
    void guard_data()
    {
        QTest::addColumn<bool>("loadsForm");
        QTest::addColumn<int>("wait");
        QTest::addColumn<SiteValues>("extra");
        QTest::addColumn<QString>("comments");
        QTest::addColumn<int>("again");  // seconds to a second post by the same visitor; 0: none
        QTest::addColumn<QString>("outcome");  // of the last post
        QTest::addColumn<int>("written");
        const SiteValues none;
        const QString text = QStringLiteral("Nice site"), err = QStringLiteral("default.asp?err=");
        QTest::newRow("person") << true << 5 << none << QString(60, 'x') << 0 << "thanks" << 1;
        QTest::newRow("direct post") << false << 5 << none << text << 0 << "thanks" << 0;
        QTest::newRow("trap filled") << true << 5 << SiteValues{{"qsWebsite", "x"}} << text << 0 << "thanks" << 0;
        QTest::newRow("too fast") << true << 2 << none << text << 0 << "thanks" << 0;
        const SiteValues forged = {{"qsProof", QString(32, '0')}};
        QTest::newRow("forged proof") << true << 5 << forged << text << 0 << "thanks" << 0;
        QTest::newRow("expired") << true << 86401 << none << text << 0 << err + "expired" << 0;
        const QString three = QStringLiteral("http://a https://b http://www.c"), four = "www.d " + three.toUpper();
        QTest::newRow("three addresses") << true << 5 << none << three << 0 << "thanks" << 1;
        QTest::newRow("four addresses") << true << 5 << none << four << 0 << err + "links" << 0;
        QTest::newRow("too long") << true << 5 << none << QString(61, 'x') << 0 << err + "long" << 0;
        QTest::newRow("again too soon") << true << 5 << none << text << 29 << err + "wait" << 1;
        QTest::newRow("again later") << true << 5 << none << text << 30 << "thanks" << 2;
    }
    void guard()
    {
        QFETCH(bool, loadsForm);
        QFETCH(int, wait);
        QFETCH(SiteValues, extra);
        QFETCH(QString, comments);
        QFETCH(int, again);
        QFETCH(QString, outcome);
        QFETCH(int, written);
        Options options;
        options.guard = 1;
        options.length = "60";
        Site site(options);
        QList<SiteRequest> requests;
        SiteValues guard = extra;
        for (const auto &field : kServedForm) {
            if (std::none_of(extra.begin(), extra.end(), [&](const auto &v) { return v.first == field.first; }))
                guard << field;
        }
        if (loadsForm)
            requests << request(kSignPageName, "GET", {}, 0);
        requests << post("Ann", comments, wait, guard);
        if (again > 0)
            requests << request(kSignPageName, "GET", {}, again - 4) << post("Ann", comments, 4, guard);
        const QList<SiteAnswer> answers = site.run(requests);
        QCOMPARE(lastOutcome(answers.last()), outcome);
        QCOMPARE(site.names().size(), written);
    }

    // The sign page's banners, its length limit and its trap field.
    void signPage()
    {
        Options options;
        options.guard = 1;
        options.length = "60";
        Site site(options);
        const QStringList errors = {"", "1", "expired", "wait", "links", "long"};
        QList<SiteRequest> requests;
        for (const QString &error : errors)
            requests << request(kSignPageName, "GET", {}, 0, "192.0.2.1", {{"err", error}});
        const QList<SiteAnswer> answers = site.run(requests);
        const QStringList banners = {
            "", "Error: One or more required fields were of an invalid length",
            "Error: This form has expired, please post again", "Error: Please wait a moment before posting again",
            "Error: Please include no more than 3 web addresses",
            "Error: Your entry is too long (at most 60 characters in each field)"};
        static const QRegularExpression banner(QStringLiteral("<b>(Error: [^<]*)</b>"));
        for (int i = 0; i < errors.size(); ++i) {
            QVERIFY2(answers.at(i).error.isEmpty(), qPrintable(answers.at(i).error));
            QCOMPARE(banner.match(answers.at(i).text).captured(1), banners.at(i));
        }
        const QString page = answers.first().text;
        QCOMPARE(page.count(" maxlength=60 "), 4);
        QVERIFY(page.contains("<div style=\"display: none\" aria-hidden=\"true\"><input name=\"qsWebsite\" "
                              "type=\"text\" value=\"\" tabindex=\"-1\" autocomplete=\"off\"></div>"));
    }

    // Three entries a page, newest first.
    void pages_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("newer");
        QTest::addColumn<bool>("older");
        QTest::newRow("none") << 0 << "" << "" << false << false;
        QTest::newRow("a page full") << 3 << "" << "e3 e2 e1" << false << false;
        QTest::newRow("one more") << 4 << "" << "e4 e3 e2" << false << true;
        QTest::newRow("second page") << 4 << "2" << "e1" << true << false;
        QTest::newRow("middle page") << 7 << "2" << "e4 e3 e2" << true << true;
        QTest::newRow("not a number") << 4 << "x" << "e4 e3 e2" << false << true;
        QTest::newRow("zero") << 4 << "0" << "e4 e3 e2" << false << true;
        QTest::newRow("beyond the last") << 4 << "99" << "e1" << true << false;
        QTest::newRow("huge") << 4 << "99999999999999" << "e1" << true << false;
    }
    void pages()
    {
        QFETCH(int, entries);
        QFETCH(QString, page);
        QFETCH(QString, shown);
        QFETCH(bool, newer);
        QFETCH(bool, older);
        Options options;
        options.perPage = "3";
        Site site(options);
        QStringList names;
        for (int i = 1; i <= entries; ++i)
            names << QStringLiteral("e%1").arg(i);
        site.writeEntries(names);
        const SiteAnswer answer = site.run({request(kViewPageName, "GET", {}, 0, "192.0.2.1", {{"page", page}})}).first();
        QVERIFY2(answer.error.isEmpty(), qPrintable(answer.error));
        static const QRegularExpression name(QStringLiteral("Name : (\\w+)"));
        QStringList found;
        for (const QRegularExpressionMatch &match : name.globalMatch(answer.text))
            found << match.captured(1);
        QCOMPARE(found.join(' '), shown);
        QCOMPARE(answer.text.contains("\">Newer entries</a>"), newer);
        QCOMPARE(answer.text.contains("\">Older entries</a>"), older);
    }

    // The owner page: steps, then what the last answer shows and the names in the data files. Steps:
    // "in[:<password>]", "out", "get", "wait:<seconds>", "post:<name>", "delete:<list>:<position>:<name>",
    // "forged:..." (a delete with another token), "approve:<position>:<name>", "run" (a new run).
    void owner_data()
    {
        QTest::addColumn<int>("moderate");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("pending");
        const QString signedIn = QStringLiteral(">Sign out</a>"), signIn = QStringLiteral("value=\"Sign in\"");
        const QString misses = QStringLiteral("in:wrong ").repeated(5);
        const auto row = [](const char *name, int moderate, const QString &steps, const QString &shows,
                            const QString &entries = QStringLiteral("Ann Bob"), const QString &pending = {}) {
            QTest::newRow(name) << moderate << steps << shows << entries << pending;
        };
        row("wrong password", 0, "in:wrong", "Error: Wrong password");
        row("sign in, newest first", 0, "in", "Name : Bob<br/>");
        row("locked out", 0, misses + "in", "Error: Too many attempts, please try again later");
        row("four misses", 0, misses.mid(9) + "in", signedIn);
        row("lock ends", 0, misses + "wait:900 in", signedIn);
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
        QFETCH(int, moderate);
        QFETCH(QString, steps);
        QFETCH(QString, shows);
        QFETCH(QString, entries);
        QFETCH(QString, pending);
        Options options;
        options.owner = true;
        options.moderate = moderate;
        Site site(options);
        site.writeEntries({"Ann", "Bob"});
        QList<SiteAnswer> answers;
        for (const QString &batch : steps.split(QStringLiteral(" run "))) {
            answers = site.run(ownerRequests(site, batch.split(' ')));
            for (const SiteAnswer &answer : answers)
                QVERIFY2(answer.error.isEmpty(), qPrintable(answer.error));
        }
        QVERIFY2(answers.last().text.contains(shows), qPrintable(answers.last().text.right(600)));
        QCOMPARE(site.names().join(' '), entries);
        QCOMPARE(site.names(kPendingFileName).join(' '), pending);
    }

    // The pages' SHA-256, salted as the owner password is, against Qt's.
    void sha256_data()
    {
        QTest::addColumn<QByteArray>("salt");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("ASCII") << QByteArray() << "abc";
        QTest::newRow("55 bytes") << QByteArray() << QString(55, 'a');
        QTest::newRow("56 bytes") << QByteArray() << QString(56, 'b');
        QTest::newRow("64 bytes") << QByteArray() << QString(64, 'c');
        QTest::newRow("non-ASCII") << QByteArray() << QStringLiteral("\u00e9\u20ac\u0436\U0001F600");
        QTest::newRow("salted") << QByteArray::fromHex("00ff10e0a5c3000102030405060708f0") << kPassword;
    }
    void sha256()
    {
        QFETCH(QByteArray, salt);
        QFETCH(QString, text);
        Options options;
        options.owner = true;
        Site site(options);
        writeBytes(site.folder + "/digest.asp", "<%=QsDigest(Request.Form(\"salt\"), Request.Form(\"text\"))%>");
        const QList<SiteAnswer> answers =
            site.run({request(kOwnerPageName, "GET", {}, 0),
                      request("digest.asp", "POST", {{"salt", QString::fromLatin1(salt.toHex())}, {"text", text}}, 0)});
        QVERIFY2(answers.last().error.isEmpty(), qPrintable(answers.last().error));
        QCOMPARE(answers.last().text,
                 QString::fromLatin1(QCryptographicHash::hash(salt + text.toUtf8(), QCryptographicHash::Sha256).toHex()));
    }

private:
    // One run's requests (sessions last through one run); a change names an entry
    // by its line in the file as the steps start.
    static QList<SiteRequest> ownerRequests(const Site &site, const QStringList &steps)
    {
        const QString owner = QStringLiteral("192.0.2.9");
        QList<SiteRequest> requests;
        int wait = 0;
        for (const QString &step : steps) {
            const QStringList part = step.split(':');
            const QString kind = part.at(0);
            if (kind == "wait")
                wait = part.at(1).toInt();
            else if (kind == "in")
                requests << request(kOwnerPageName, "POST",
                                    {{"action", "signin"}, {"password", part.value(1, kPassword)}}, 1, owner);
            else if (kind == "out")
                requests << request(kOwnerPageName, "GET", {}, 1, owner, {{"signout", "1"}});
            else if (kind == "get")
                requests << request(kOwnerPageName, "GET", {}, 0, owner);
            else if (kind == "post")
                requests << post(part.at(1), "Hello", 40, {}, "192.0.2." + QString::number(requests.size() + 20));
            else {
                const QString list = kind == "approve" ? QStringLiteral("pending") : part.at(1);
                const SiteValues form = {{"token", kind == "forged" ? QString(32, 'f') : kFromPage},
                                         {"action", kind == "approve" ? "approve" : "delete"},
                                         {"list", list},
                                         {"position", part.at(part.size() - 2)},
                                         {"entry", lineOf(site, list, part.last())}};
                requests << request(kOwnerPageName, "POST", form, 1, owner);
            }
            if (kind != "wait") {
                requests.last().wait += wait;
                wait = 0;
            }
        }
        return requests;
    }
    static QString lineOf(const Site &site, const QString &list, const QString &name)
    {
        const QString file = list == "pending" ? kPendingFileName : kDataFileName;
        for (const QString &line : QString::fromLatin1(readBytes(site.folder + "/" + file)).split("\r\n")) {
            if (line.contains("Name : " + name + "vbCrLf"))
                return line;
        }
        return {};
    }
};

QTEST_GUILESS_MAIN(TestProtection)
#include "tst_protection.moc"
