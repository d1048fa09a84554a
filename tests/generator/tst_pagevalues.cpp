// What may go into a generated page, and the code page the pages are written in.

#include "generator/pagecodepage.h"
#include "generator/pagevalues.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QtTest>

namespace {

// The start-up project with one value replaced, named as the user knows it.
GuestbookProject withValue(const QString &member, const QString &value)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    const QHash<QString, QString *> members = {
        {"title", &p.Project_Title},
        {"image", &p.BG_Image},
        {"background", &p.BG_Color},
        {"table width", &p.TBL_Width},
        {"border", &p.TBL_Border_Width},
        {"text font", &p.M_FFace},
        {"text size", &p.M_FSize},
        {"text colour", &p.M_FColor},
        {"link font", &p.H_FFace},
        {"link size", &p.H_FSize},
        {"link colour", &p.H_FColor},
        {"hover font", &p.HM_FFace},
        {"hover size", &p.HM_FSize},
        {"hover colour", &p.HM_FColor},
        {"field name", &p.Fields[0].FieldName},
        {"field size", &p.Fields[0].Rows},
        {"field columns", &p.Fields[3].Cols},
    };
    if (member == QLatin1String("no fields"))
        p.Fields.clear();
    else
        *members.value(member) = value;
    return p;
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
        const QString w = QStringLiteral("windows-1252");
        // Refused: each reason, on each kind of value.
        QTest::newRow("title opens script")
            << w << "title"
            << "A <% x"
            << "Title \"A <% x\" cannot be used in a page: it holds the server script marker \"<%\"";
        QTest::newRow("long title, cut")
            << w << "title"
            << "x<%=Request(\"c\")%>"
            << "Title \"x<%=Request(...\" cannot be used in a page: it holds the server script marker \"<%\"";
        QTest::newRow("image closes script")
            << w << "image"
            << "pics/x%>.gif"
            << "Background image \"pics/x%>.gif\" cannot be used in a page: it holds the server script marker \"%>\"";
        QTest::newRow("background line break")
            << w << "background"
            << "#fff\r\n"
            << "Background colour \"#fff??\" cannot be used in a page: it holds a control character";
        QTest::newRow("table width tab")
            << w << "table width"
            << "45%\t"
            << "Table width \"45%?\" cannot be used in a page: it holds a control character";
        QTest::newRow("border width script")
            << w << "border"
            << "<%=1%>"
            << "Border width \"<%=1%>\" cannot be used in a page: it holds the server script marker \"<%\"";
        QTest::newRow("text font Cyrillic")
            << w << "text font" << QStringLiteral("\u0416 Sans")
            << QStringLiteral("Text font \"\u0416 Sans\" cannot be used in a page: it holds \"\u0416\", which the "
                              "page code page windows-1252 cannot hold");
        QTest::newRow("text size")
            << w << "text size"
            << "11%>"
            << "Text size \"11%>\" cannot be used in a page: it holds the server script marker \"%>\"";
        QTest::newRow("text colour") << w << "text colour" << QStringLiteral("#000\u0000")
                                     << "Text colour \"#000?\" cannot be used in a page: it holds a control character";
        QTest::newRow("link font")
            << w << "link font"
            << "<%Arial"
            << "Link font \"<%Arial\" cannot be used in a page: it holds the server script marker \"<%\"";
        QTest::newRow("link size") << w << "link size" << QStringLiteral("1\u001b")
                                   << "Link size \"1?\" cannot be used in a page: it holds a control character";
        QTest::newRow("link colour")
            << w << "link colour" << QStringLiteral("#\u4e00")
            << QStringLiteral("Link colour \"#\u4e00\" cannot be used in a page: it holds \"\u4e00\", which the page "
                              "code page windows-1252 cannot hold");
        QTest::newRow("hover font")
            << w << "hover font"
            << "Arial%>"
            << "Hover font \"Arial%>\" cannot be used in a page: it holds the server script marker \"%>\"";
        QTest::newRow("hover size") << w << "hover size"
                                    << "9\n"
                                    << "Hover size \"9?\" cannot be used in a page: it holds a control character";
        QTest::newRow("hover colour, outside the basic plane")
            << w << "hover colour" << QStringLiteral("#\U0001F600")
            << QStringLiteral(
                   "Hover colour \"#\U0001F600\" cannot be used in a page: it holds \"\U0001F600\", which the page "
                   "code page windows-1252 cannot hold");
        QTest::newRow("field size")
            << w << "field size"
            << "4%>"
            << "Size \"4%>\" of field \"Name\" cannot be used in a page: it holds the server script marker \"%>\"";
        QTest::newRow("field columns")
            << w << "field columns" << QStringLiteral("\u0001")
            << "Columns \"?\" of field \"Comments\" cannot be used in a page: it holds a control character";
        QTest::newRow("field name with script")
            << w << "field name"
            << "x<%=Request(\"c\")%>"
            << "Field name \"x<%=Request(...\" cannot be used in a page: it holds the server script marker \"<%\"";
        QTest::newRow("field name too short")
            << w << "field name"
            << "N"
            << "Field name \"N\" cannot be used in a page: it is shorter than 2 characters";
        QTest::newRow("field name empty")
            << w << "field name"
            << ""
            << "Field name \"\" cannot be used in a page: it is shorter than 2 characters";
        QTest::newRow("field name quote")
            << w << "field name"
            << "Say \"hi\""
            << "Field name \"Say \"hi\"\" cannot be used in a page: it holds \"\"\", which a field name cannot hold";
        QTest::newRow("field name filtered slash")
            << w << "field name"
            << "a/b"
            << "Field name \"a/b\" cannot be used in a page: it holds \"/\", which a field name cannot hold";
        QTest::newRow("field name comma")
            << w << "field name"
            << "a,b"
            << "Field name \"a,b\" cannot be used in a page: it holds \",\", which a field name cannot hold";
        QTest::newRow("field name in another code page")
            << w << "field name" << QStringLiteral("\u0418\u043c\u044f")
            << QStringLiteral("Field name \"\u0418\u043c\u044f\" cannot be used in a page: it holds \"\u0418\", which "
                              "the page code page windows-1252 cannot hold");
        QTest::newRow("no fields") << w << "no fields"
                                   << ""
                                   << "The project has no fields, and a guestbook needs at least one";
        QTest::newRow("e acute in windows-1251")
            << "windows-1251"
            << "title" << QStringLiteral("Caf\u00e9")
            << QStringLiteral("Title \"Caf\u00e9\" cannot be used in a page: it holds \"\u00e9\", which the page code "
                              "page windows-1251 cannot hold");
        // Accepted edge values.
        QTest::newRow("title with markup and percent") << w << "title"
                                                       << "<b>Club & news</b> 100% <"
                                                       << "";
        QTest::newRow("euro and e acute") << w << "title" << QStringLiteral("Caf\u00e9 \u20ac") << "";
        QTest::newRow("percent then bracket apart") << w << "text font"
                                                    << "% >"
                                                    << "";
        QTest::newRow("empty image") << w << "image"
                                     << ""
                                     << "";
        QTest::newRow("any colour text") << w << "link colour"
                                         << "not a colour"
                                         << "";
        QTest::newRow("hyphen, as in E-mail") << w << "field name"
                                              << "E-mail"
                                              << "";
        QTest::newRow("two spaces") << w << "field name"
                                    << "  "
                                    << "";
        QTest::newRow("punctuation the dialog keeps") << w << "field name"
                                                      << "[f] ;x #y (opt.)!"
                                                      << "";
        QTest::newRow("Cyrillic in windows-1251") << "windows-1251"
                                                  << "field name" << QStringLiteral("\u0418\u043c\u044f") << "";
        QTest::newRow("anything in utf-8") << "utf-8"
                                           << "title" << QStringLiteral("\u0416 \U0001F600 \u00e9") << "";
    }
    void refusedAndAccepted()
    {
        QFETCH(QString, codePage);
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        QCOMPARE(PageValuesProblem(withValue(member, value), PageCodePage(codePage)), problem);
    }

    // The dialogs' single-value checks follow the code page of the settings.
    void dialogChecksFollowTheSettings_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pageText");
        QTest::addColumn<bool>("fieldName");
        QTest::newRow("euro, default") << QByteArray() << QStringLiteral("\u20ac \u00e9") << true << true;
        QTest::newRow("zhe, default") << QByteArray() << QStringLiteral("\u0436\u0436") << false << false;
        QTest::newRow("zhe, windows-1251") << QByteArray("[Settings]\r\nPageCodePage=windows-1251\r\n")
                                           << QStringLiteral("\u0436\u0436") << true << true;
        QTest::newRow("zhe, unknown name")
            << QByteArray("[Settings]\r\nPageCodePage=klingon\r\n") << QStringLiteral("\u0436\u0436") << false << false;
        QTest::newRow("a title's ampersand") << QByteArray() << "Club & news" << true << false;
        QTest::newRow("one character") << QByteArray() << "N" << true << false;
    }
    void dialogChecksFollowTheSettings()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, text);
        QFETCH(bool, pageText);
        QFETCH(bool, fieldName);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), settings);
        QCOMPARE(IsPageText(text), pageText);
        QCOMPARE(IsPageFieldName(text), fieldName);
    }

    void codePageNames_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("used");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<QByteArray>("bytes");  // of "é€ж"
        QTest::newRow("none") << ""
                              << "windows-1252"
                              << "" << QByteArray("\xE9\x80\x1A");
        QTest::newRow("windows-1251") << "windows-1251"
                                      << "windows-1251"
                                      << "" << QByteArray("\x1A\x88\xE6");
        QTest::newRow("iso-8859-2") << "iso-8859-2"
                                    << "iso-8859-2"
                                    << "" << QByteArray("\xE9\x1A\x1A");
        QTest::newRow("utf-8") << "utf-8"
                               << "utf-8"
                               << "" << QByteArray("\xC3\xA9\xE2\x82\xAC\xD0\xB6");
        QTest::newRow("unknown") << "klingon"
                                 << "windows-1252"
                                 << "Page code page \"klingon\" is unknown, pages are written in windows-1252"
                                 << QByteArray("\xE9\x80\x1A");
        QTest::newRow("not ASCII-based") << "utf-16"
                                         << "windows-1252"
                                         << "Page code page \"utf-16\" is unknown, pages are written in windows-1252"
                                         << QByteArray("\xE9\x80\x1A");
    }
    void codePageNames()
    {
        QFETCH(QString, requested);
        QFETCH(QString, used);
        QFETCH(QString, logLine);
        QFETCH(QByteArray, bytes);
        const PageCodePage codePage(requested);
        QCOMPARE(codePage.name(), used);
        QCOMPARE(codePage.fallbackLogLine(), logLine);
        QCOMPARE(codePage.encode(QStringLiteral("\u00e9\u20ac\u0436")), bytes);
    }
};

QTEST_GUILESS_MAIN(TestPageValues)
#include "tst_pagevalues.moc"
