// What may go into a generated page, in the page code page; the names the field dialog takes.

#include "generator/pagecodepage.h"
#include "generator/pagevalues.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QtTest>

namespace {

// The start-up project with one value replaced, named as the messages name it, or changed as the last rows say.
GuestbookProject withValue(const QString &member, const QString &value)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    const QList<std::pair<const char *, QString *>> members = {
        {"Title", &p.Project_Title}, {"Background image", &p.BG_Image}, {"Background colour", &p.BG_Color},
        {"Table width", &p.TBL_Width}, {"Border width", &p.TBL_Border_Width}, {"Text font", &p.M_FFace},
        {"Text size", &p.M_FSize}, {"Text colour", &p.M_FColor}, {"Link font", &p.H_FFace},
        {"Link size", &p.H_FSize}, {"Link colour", &p.H_FColor}, {"Hover font", &p.HM_FFace},
        {"Hover size", &p.HM_FSize}, {"Hover colour", &p.HM_FColor}, {"Field name", &p.Fields[0].FieldName},
        {"Size", &p.Fields[0].Rows}, {"Columns", &p.Fields[3].Cols}, {"Longest entry", &p.Max_Entry_Length},
        {"Entries per page", &p.Entries_Per_Page}, {"Owner page password", &p.Owner_Password},
        {"Page style", &p.Page_Style}, {"Page language", &p.Page_Language}};
    for (const auto &[name, text] : members)
        *text = member == QLatin1String(name) ? value : *text;
    if (member == QLatin1String("no fields"))
        p.Fields.clear();
    if (member == QLatin1String("owner page in Modern pages"))
        p.Page_Style = QStringLiteral("Modern"), p.Owner_Password = value;
    return p;
}

const QString kW1252 = QStringLiteral("windows-1252");
const QString kOpens = QStringLiteral("it holds the server script marker \"<%\"");
const QString kCloses = QStringLiteral("it holds the server script marker \"%>\"");
const QString kControl = QStringLiteral("it holds a control character");

QString unheld(const QString &c, const QString &codePage = kW1252)
{
    return QStringLiteral("it holds \"%1\", which the page code page %2 cannot hold").arg(c, codePage);
}

// A value and why it is refused (empty: accepted); the message names it (the member and the value unless shown is
// given), then the reason.
struct Value {
    const char *member;
    QString value, reason = {}, shown = {}, codePage = kW1252;
};

}  // namespace

class TestPageValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedAndAccepted_data()
    {
        QTest::addColumn<QString>("codePage");  // "unchecked " and a name: taken without the code page checks
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");  // empty: accepted
        QTest::addColumn<QString>("reason");  // the end of problem, after "cannot be used in a page: "
        // Refused: each reason, on each kind of value. Kanji whose ISO-2022-JP bytes spell server
        // script, as an attacker picks them: were that code page ever used, the check of the bytes
        // alone refuses them.
        const auto kanji = [](const char *bytes) -> QString { return QStringDecoder("ISO-2022-JP").decode(bytes); };
        const QString jis = QStringLiteral("unchecked ISO-2022-JP"), in = " in the page code page ISO-2022-JP";
        const QString becomes = QStringLiteral("it becomes the server script marker \"%1\"") + in;
        const QString image = QStringLiteral("which an image address cannot hold");
        const QString notNumber = QStringLiteral("it is not a whole number from 0 to %1");
        const QString salt = QStringLiteral("0123456789abcdef0123456789abcdef"), digest = salt + salt;
        const QString notPassword = "it is not \"sha256:\", 32 lower-case hex digits, \":\" and 64 more";
        const QString cut = QStringLiteral("Owner page password \"sha256:01234...\"");
        const QString filtered = QStringLiteral("it holds \"%1\", which a field name cannot hold");
        const QString zhe = QStringLiteral("\u0436\u0436"), inText = QStringLiteral("in its text \"%1\", ");
        const QString ruText = QStringLiteral("\u041e\u0441\u0442\u0430\u0432\u0438\u0442\u044c \u0437\u0430\u043f...");
        const QString jaText = QStringLiteral("\u30b2\u30b9\u30c8\u30d6\u30c3\u30af\u306b\u8a18\u5e33\u3059\u308b");
        QList<Value> rows = {
            Value{"Title", "x<%=Request(\"c\")%>", kOpens, "Title \"x<%=Request(...\""},
              {"Background image", "pics/x%>.gif", kCloses},
              {"Border width", "<%=1%>", kOpens},
              {"Background image", "a b\".gif", "it holds \"\"\", " + image},
              {"Background image", "<b>.gif", "it holds \"<\", " + image},
              {"Background colour", "#fff\r\n", kControl, "Background colour \"#fff??\""},
              {"Table width", "45%\t", kControl, "Table width \"45%?\""},
              {"Text size", "11%>", kCloses},
              {"Text font", QStringLiteral("\u0416 Sans"), unheld(QStringLiteral("\u0416"))},
              {"Text colour", QStringLiteral("#000\u0000"), kControl, "Text colour \"#000?\""},
              {"Link font", "<%Arial", kOpens},
              {"Link font", "%2 %3<%", kOpens},  // the message keeps "%2" as typed
              {"Link size", QStringLiteral("1\u001b"), kControl, "Link size \"1?\""},
              {"Link colour", QStringLiteral("#\u4e00"), unheld(QStringLiteral("\u4e00"))},
              {"Hover font", "Arial%>", kCloses},
              {"Hover size", "9\n", kControl, "Hover size \"9?\""},
              {"Hover colour", QStringLiteral("#\U0001F600"), unheld(QStringLiteral("\U0001F600"))},
              {"Size", "4%>", kCloses, "Size \"4%>\" of field \"Name\""},
              {"Columns", QStringLiteral("\u0001"), kControl, "Columns \"?\" of field \"Comments\""},
              {"Field name", "x<%=Request(\"c\")%>", kOpens, "Field name \"x<%=Request(...\""},
              {"Field name", "Say \"hi\"", filtered.arg("\"")},
              {"Field name", "Club & news", filtered.arg("&")},
              {"Field name", "a=b", filtered.arg("=")},
              {"Field name", "a/b", filtered.arg("/")},
              {"Field name", "a\\b", filtered.arg("\\")},
              {"Field name", zhe, unheld(zhe.left(1))},
              {"Title", "Caf\u00e9", unheld("\u00e9", "windows-1251"), {}, "windows-1251"},
              {"Title", kanji("\x1b$B<%=REQUEST(\"XY\")%>\x1b(B"), becomes.arg("<%"), {}, jis},
              {"Title", kanji("\x1b$B0l%>\x1b(B"), becomes.arg("%>"), {}, jis},
              {"Title", kanji("\x1b$B0l\x1b(B"), "it becomes a control character" + in, {}, jis},
              {"Longest entry", "100001", notNumber.arg(100000)},
              {"Longest entry", "-1", notNumber.arg(100000)},
              {"Entries per page", "1001", notNumber.arg(1000)},
              {"Entries per page", "", notNumber.arg(1000)},
              {"Entries per page", "1e3", notNumber.arg(1000)},
              {"Owner page password", "secret", notPassword},
              {"Owner page password", "sha256:" + salt.toUpper() + ":" + digest, notPassword, cut},
              {"Owner page password", "sha256:" + salt + ":" + digest.left(63), notPassword, cut},
              {"Page style", "modern", "it is neither Classic nor Modern"},
              {"Page style", "", "it is neither Classic nor Modern"},
              {"Page language", "EN", "it is not one of en, de, fr, es, it, nl, pt, pl, ru, ja, zh"},
              // The pages' own texts in the language are checked as the design's values are.
              {"Page language", "pl", inText.arg("Wpisz si\u0119 do...") + unheld("\u0119")},
              {"Page language", "ru", inText.arg(ruText) + unheld("\u041e")},
              {"Page language", "ja", inText.arg(jaText) + unheld("\u30b2", "windows-1251"), {}, "windows-1251"},
              // Accepted edge values in other code pages; those in windows-1252 follow.
              {"Page language", "ru", {}, {}, "windows-1251"},
              {"Page language", "zh", {}, {}, "utf-8"},
              {"Field name", zhe, {}, {}, "windows-1251"},
              {"Title", QStringLiteral("\u0416 \U0001F600 \u00e9"), {}, {}, "utf-8"}};
        const QList<std::pair<const char *, QStringList>> accepted = {
            {"Page style", {"Modern"}},
            {"Page language", {"de", "fr", "pt"}},
            {"Longest entry", {"100000"}},
            {"Entries per page", {"1000"}},
            {"Owner page password", {"sha256:" + salt + ":" + digest}},
            {"Title", {"<b>Club & news</b> 100% <", QStringLiteral("Caf\u00e9 \u20ac")}},
            {"Text font", {"% >"}},
            {"Background image", {"", "my garden.jpg"}},
            {"Link colour", {"not a colour"}},
            {"Field name", {"  ", "[f] ;x #y (opt.)!", "E-mail", "..", QStringLiteral("\u20ac \u00e9")}}};
        for (const auto &[member, values] : accepted) {
            for (const QString &value : values)
                rows.append(Value{member, value});
        }
        for (const Value &row : rows) {
            const QString named = row.shown.isEmpty() ? QLatin1String(row.member) + " \"" + row.value + '"' : row.shown;
            const QString problem = row.reason.isEmpty() ? "" : named + " cannot be used in a page: " + row.reason;
            QTest::addRow("%s: %s", row.member, qPrintable(row.reason.isEmpty() ? "accepts " + row.value : row.reason))
                << row.codePage << row.member << row.value << problem << row.reason;
        }
        QTest::newRow("no fields") << kW1252 << "no fields" << QString()
                                   << "The project has no fields, and a guestbook needs at least one" << QString();
        // Modern pages have their owner page too.
        QTest::newRow("owner page in Modern pages")
            << kW1252 << "owner page in Modern pages" << "sha256:" + salt + ":" + digest << QString() << QString();
    }
    void refusedAndAccepted()
    {
        QFETCH(QString, codePage);
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        const PageCodePage cp = codePage.startsWith("unchecked ") ? PageCodePage::uncheckedForTesting(codePage.mid(10))
                                                                   : PageCodePage(codePage);
        QCOMPARE(PageValuesProblem(withValue(member, value), cp).english(), problem);
        // The field dialog refuses a name for the same reason, in the page code page of the settings.
        if (member == QLatin1String("Field name")) {
            QFETCH(QString, reason);
            TestProgramFolder folder;
            if (codePage != kW1252)
                SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
            QCOMPARE(FieldNameProblem(value).english(),
                     reason.isEmpty() ? reason : "The field name cannot be used in a page: " + reason);
        }
    }

    // The dialogs hold a title or a field name to the encoding a save would write the settings file in: windows-1252
    // for this file, though the pages (windows-1251) take Cyrillic. A new or UTF-8 file takes it: refusedAndAccepted.
    void namesTheSettingsFileKeeps()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), "[Settings]\r\nPageCodePage=windows-1251\r\n[Old]\r\nk=Caf\xE9\r\n");
        const QString cannot = "The %1 cannot be saved: it holds \"%2\", which the settings file cannot hold";
        QCOMPARE(TitleProblem(QStringLiteral("\u0416\u0443")).english(), cannot.arg("title", QStringLiteral("\u0416")));
        QCOMPARE(FieldNameProblem(QStringLiteral("\u0418\u043c")).english(),
                 cannot.arg("field name", QStringLiteral("\u0418")));
    }
};

QTEST_GUILESS_MAIN(TestPageValues)
#include "tst_pagevalues.moc"
