// What may go into a generated page, and the code page the pages are written in.

#include "generator/pagecodepage.h"
#include "generator/pageframe.h"
#include "generator/pagevalues.h"
#include "store/filetests.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QtTest>

namespace {

// The start-up project with one value replaced, named as the user knows it.
GuestbookProject withValue(const QString &member, const QString &value)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    const QList<QString *> members = {
        &p.Project_Title, &p.BG_Image,  &p.BG_Color,  &p.TBL_Width,  &p.TBL_Border_Width, &p.M_FFace,
        &p.M_FSize,       &p.M_FColor,  &p.H_FFace,   &p.H_FSize,    &p.H_FColor,         &p.HM_FFace,
        &p.HM_FSize,      &p.HM_FColor, &p.Fields[0].FieldName,      &p.Fields[0].Rows,   &p.Fields[3].Cols,
        &p.Max_Entry_Length, &p.Entries_Per_Page, &p.Owner_Password};
    const QStringList names = {"title",      "image",       "background",   "table width", "border",     "text font",
                               "text size",  "text colour", "link font",    "link size",   "link colour", "hover font",
                               "hover size", "hover colour", "field name",  "field size",  "field columns",
                               "entry length", "page size",  "password"};
    if (member == QLatin1String("no fields"))
        p.Fields.clear();
    else
        *members.at(names.indexOf(member)) = value;
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

// A refused value: the message names it as shownAs, then gives the reason.
void refusedRow(const char *member, const QString &value, const QString &shownAs, const QString &reason,
                const QString &codePage = kW1252)
{
    QTest::newRow(qPrintable(QLatin1String(member) + QStringLiteral(": ") + reason))
        << codePage << member << value << shownAs + QStringLiteral(" cannot be used in a page: ") + reason;
}

void acceptedRow(const char *member, const QString &value, const QString &codePage = kW1252)
{
    QTest::newRow(qPrintable(QLatin1String(member) + QStringLiteral(" accepts \"") + value + QLatin1Char('"')))
        << codePage << member << value << QString();
}

}  // namespace

class TestPageValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedAndAccepted_data()
    {
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");  // empty: accepted
        // Refused: each reason, on each kind of value.
        refusedRow("title", "x<%=Request(\"c\")%>", "Title \"x<%=Request(...\"", kOpens);
        refusedRow("image", "pics/x%>.gif", "Background image \"pics/x%>.gif\"", kCloses);
        const QString imageCannot = QStringLiteral("which an image address cannot hold");
        refusedRow("image", "a b\".gif", "Background image \"a b\".gif\"", "it holds \"\"\", " + imageCannot);
        refusedRow("image", "<b>.gif", "Background image \"<b>.gif\"", "it holds \"<\", " + imageCannot);
        refusedRow("background", "#fff\r\n", "Background colour \"#fff??\"", kControl);
        refusedRow("table width", "45%\t", "Table width \"45%?\"", kControl);
        refusedRow("border", "<%=1%>", "Border width \"<%=1%>\"", kOpens);
        refusedRow("text font", QStringLiteral("\u0416 Sans"), QStringLiteral("Text font \"\u0416 Sans\""),
                   unheld(QStringLiteral("\u0416")));
        refusedRow("text size", "11%>", "Text size \"11%>\"", kCloses);
        refusedRow("text colour", QStringLiteral("#000\u0000"), "Text colour \"#000?\"", kControl);
        refusedRow("link font", "<%Arial", "Link font \"<%Arial\"", kOpens);
        refusedRow("link size", QStringLiteral("1\u001b"), "Link size \"1?\"", kControl);
        refusedRow("link colour", QStringLiteral("#\u4e00"), QStringLiteral("Link colour \"#\u4e00\""),
                   unheld(QStringLiteral("\u4e00")));
        refusedRow("hover font", "Arial%>", "Hover font \"Arial%>\"", kCloses);
        refusedRow("hover size", "9\n", "Hover size \"9?\"", kControl);
        refusedRow("hover colour", QStringLiteral("#\U0001F600"), QStringLiteral("Hover colour \"#\U0001F600\""),
                   unheld(QStringLiteral("\U0001F600")));
        refusedRow("field size", "4%>", "Size \"4%>\" of field \"Name\"", kCloses);
        refusedRow("field columns", QStringLiteral("\u0001"), "Columns \"?\" of field \"Comments\"", kControl);
        refusedRow("field name", "x<%=Request(\"c\")%>", "Field name \"x<%=Request(...\"", kOpens);
        refusedRow("field name", "Say \"hi\"", "Field name \"Say \"hi\"\"", "it holds \"\"\", which a field name cannot hold");
        QTest::newRow("no fields") << kW1252 << "no fields" << QString()
                                   << "The project has no fields, and a guestbook needs at least one";
        const QString w1251 = QStringLiteral("windows-1251");
        refusedRow("title", QStringLiteral("Caf\u00e9"), QStringLiteral("Title \"Caf\u00e9\""),
                   unheld(QStringLiteral("\u00e9"), w1251), w1251);
        const QString notNumber = QStringLiteral("it is not a whole number from 0 to %1");
        refusedRow("entry length", "100001", "Longest entry \"100001\"", notNumber.arg(100000));
        refusedRow("entry length", "-1", "Longest entry \"-1\"", notNumber.arg(100000));
        refusedRow("page size", "1001", "Entries per page \"1001\"", notNumber.arg(1000));
        refusedRow("page size", "", "Entries per page \"\"", notNumber.arg(1000));
        refusedRow("page size", "1e3", "Entries per page \"1e3\"", notNumber.arg(1000));
        const QString salt = QStringLiteral("0123456789abcdef0123456789abcdef");
        const QString digest = salt + salt;
        const QString notPassword =
            QStringLiteral("it is not \"sha256:\", 32 lower-case hex digits, \":\" and 64 more");
        refusedRow("password", "secret", "Owner page password \"secret\"", notPassword);
        refusedRow("password", "sha256:" + salt.toUpper() + ":" + digest,
                   "Owner page password \"sha256:01234...\"", notPassword);
        refusedRow("password", "sha256:" + salt + ":" + digest.left(63),
                   "Owner page password \"sha256:01234...\"", notPassword);
        // Accepted edge values.
        acceptedRow("entry length", "100000");
        acceptedRow("page size", "1000");
        acceptedRow("password", "sha256:" + salt + ":" + digest);
        acceptedRow("title", "<b>Club & news</b> 100% <");
        acceptedRow("title", QStringLiteral("Caf\u00e9 \u20ac"));
        acceptedRow("text font", "% >");
        acceptedRow("image", "");
        acceptedRow("image", "my garden.jpg");
        acceptedRow("link colour", "not a colour");
        acceptedRow("field name", "  ");
        acceptedRow("field name", "[f] ;x #y (opt.)!");
        acceptedRow("title", QStringLiteral("\u0416 \U0001F600 \u00e9"), QStringLiteral("utf-8"));
    }
    void refusedAndAccepted()
    {
        QFETCH(QString, codePage);
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        QCOMPARE(PageValuesProblem(withValue(member, value), PageCodePage(codePage)), problem);
    }

    // The field name rule as the field dialog shows it, after "Error: " (two
    // characters, none of the dialog's filter but "-", the page code page of the
    // settings); the form control a name gives ("txt" or "txta" and the name with
    // spaces as "_"); whether a title names one folder inside the save folder.
    void nameRules_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal");  // empty: accepted
        QTest::addColumn<QString>("control");  // as a Textarea field's
        QTest::addColumn<bool>("plainFolder");
        const QByteArray none, w1251 = "[Settings]\r\nPageCodePage=windows-1251\r\n";
        const QString zhe = QStringLiteral("\u0436\u0436"), invalid = "Invalid field name\r\n\r\nThe field name ";
        const QString page = QStringLiteral("The field name cannot be used in a page: it holds \"%1\", which ");
        const QString filtered = page + "a field name cannot hold";
        QTest::newRow("spaces") << none << "Your Name" << "" << "txtaYour_Name" << true;
        QTest::newRow("hyphen") << none << "E-mail" << "" << "txtaE-mail" << true;
        QTest::newRow("euro") << none << QStringLiteral("\u20ac \u00e9") << "" << QStringLiteral("txta\u20ac_\u00e9") << true;
        QTest::newRow("zhe, default") << none << zhe
                                      << page.arg(zhe[0]) + "the page code page windows-1252 cannot hold" << "txta" + zhe
                                      << true;
        QTest::newRow("zhe, windows-1251") << w1251 << zhe << "" << "txta" + zhe << true;
        QTest::newRow("ampersand") << none << "Club & news" << filtered.arg("&") << "txtaClub_&_news" << true;
        QTest::newRow("one character") << none << "N" << invalid + "needs at least 2 characters" << "txtaN" << true;
        QTest::newRow("equals") << none << "a=b" << filtered.arg("=") << "txtaa=b" << true;
        QTest::newRow("parent folder") << none << ".." << "" << "txta.." << false;
        QTest::newRow("slash") << none << "a/b" << filtered.arg("/") << "txtaa/b" << false;
        QTest::newRow("backslash") << none << "a\\b" << filtered.arg("\\") << "txtaa\\b" << false;
        QTest::newRow("empty") << none << "" << invalid + "is empty" << "txta" << false;
    }
    void nameRules()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, name);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), settings);
        QTEST(FieldNameProblem(name), "refusal");
        QFETCH(QString, control);
        QCOMPARE(FieldControlName({name, "Textarea", "5", "30"}), control);
        QCOMPARE(FieldControlName({name, "Text", "5", {}}), "txt" + control.mid(4));
        QTEST(IsPlainFolderName(SpacesToUnderscores(name)), "plainFolder");
    }

    // The body tag's image rule: "none" in any case means no image; spaces become %20.
    void bodyTag_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("expectedEnd");
        QTest::newRow("none in mixed case") << "nOnE" << "bgcolor=#fff>";
        QTest::newRow("word containing none") << "nonesuch.gif" << "bgcolor=#fff background=nonesuch.gif>";
        QTest::newRow("spaces as %20") << " My Garden 2.JPG" << "bgcolor=#fff background=%20my%20garden%202.jpg>";
    }
    void bodyTag()
    {
        QFETCH(QString, image);
        QFETCH(QString, expectedEnd);
        GuestbookProject p;
        p.BG_Image = image, p.BG_Color = QStringLiteral("#FFF");
        QCOMPARE(BuildBodyTag(p), "<body topmargin=\"0\" bottommargin=\"0\" rightmargin=\"0\" leftmargin=\"0\" "
                                  "marginheight=\"0\" marginwidth=\"0\" " + expectedEnd + "\r\n\r\n");
    }

    void codePageNames_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("used");
        QTest::addColumn<bool>("logged");  // the fallback is logged
        QTest::addColumn<QByteArray>("bytes");  // of "\u00e9\u20ac\u0436"
        const QByteArray w1252 = "\xE9\x80\x1A";
        QTest::newRow("none") << QString() << kW1252 << false << w1252;
        for (const auto &[name, bytes] : {std::pair<const char *, QByteArray>{"windows-1251", "\x1A\x88\xE6"},
                                          {"utf-8", "\xC3\xA9\xE2\x82\xAC\xD0\xB6"},
                                          {"KOI8-R", "\x1A\x1A\xD6"}})
            QTest::newRow(name) << name << QString(name) << false << bytes;
        // Unknown, not ASCII-based (yen sign for backslash, EBCDIC), or stateful.
        for (const char *name : {"klingon", "utf-16", "Shift_JIS", "IBM037", "ISO-2022-JP", "csISO2022JP", "JIS",
                                 "ISO-2022-KR", "UTF-7", "HZ-GB-2312", "SCSU", "BOCU-1"})
            QTest::newRow(name) << name << kW1252 << true << w1252;
    }
    void codePageNames()
    {
        QFETCH(QString, requested);
        QFETCH(QString, used);
        QFETCH(bool, logged);
        QFETCH(QByteArray, bytes);
        const PageCodePage codePage(requested);
        QCOMPARE(codePage.name(), used);
        const QString fallback = QStringLiteral("Page code page \"%1\" is unknown, pages are written in windows-1252");
        QCOMPARE(codePage.fallbackLogLine(), logged ? fallback.arg(requested) : QString());
        QCOMPARE(codePage.encode(QStringLiteral("\u00e9\u20ac\u0436")), bytes);
    }

    // Kanji whose ISO-2022-JP bytes spell server script, as an attacker picks them:
    // were that code page ever used, the check of the bytes alone refuses them.
    void encodedBytesAreChecked_data()
    {
        QTest::addColumn<QByteArray>("jisBytes");  // the title, as ISO-2022-JP bytes
        QTest::addColumn<QString>("reason");  // in the unchecked ISO-2022-JP
        const QString where = QStringLiteral(" in the page code page ISO-2022-JP");
        QTest::newRow("script") << QByteArray("\x1b$B<%=REQUEST(\"XY\")%>\x1b(B")
                                << "it becomes the server script marker \"<%\"" + where;
        QTest::newRow("closing marker") << QByteArray("\x1b$B0l%>\x1b(B")
                                        << "it becomes the server script marker \"%>\"" + where;
        QTest::newRow("escape bytes") << QByteArray("\x1b$B0l\x1b(B") << "it becomes a control character" + where;
    }
    void encodedBytesAreChecked()
    {
        QFETCH(QByteArray, jisBytes);
        QFETCH(QString, reason);
        const QString title = QStringDecoder("ISO-2022-JP").decode(jisBytes);
        QVERIFY(!title.contains(QLatin1Char('%')) && !title.contains(QChar(0x1b)));
        const GuestbookProject project = withValue("title", title);
        const QString refused = QStringLiteral("Title \"%1\" cannot be used in a page: ").arg(title);
        QCOMPARE(PageValuesProblem(project, PageCodePage::uncheckedForTesting("ISO-2022-JP")), refused + reason);
    }
};

QTEST_GUILESS_MAIN(TestPageValues)
#include "tst_pagevalues.moc"
