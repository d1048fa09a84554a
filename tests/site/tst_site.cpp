// The generated pages run on a VBScript engine, as a visitor meets them: the sign
// page, a refused and an accepted post, the thank-you page and the view page.

#include "generatedsite.h"
#include "generator/pagecodepage.h"
#include "generator/preview.h"

#include <QStringDecoder>
#include <QtTest>

namespace {

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
    // Sign page, a value too short, the error banner, two good posts and the list;
    // text of the page's code page comes back unchanged on both pages.
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

    void hostilePost_data()
    {
        QTest::addColumn<QString>("text");  // posted in every one-line field
        QTest::addColumn<QString>("area");  // posted in every multi-line field
        QTest::addColumn<QString>("shownText");  // what the view page shows for the Name field
        QTest::addColumn<QString>("shownArea");  // and for the Comments field
        const auto row = [](const char *name, const QString &text, const QString &area, const QString &shownText,
                            const QString &shownArea) {
            QTest::newRow(name) << text << area << "Name : " + shownText + "<br/>"
                                << "Comments : " + shownArea + "<br/>";
        };
        row("markup", "<script>alert(\"x\")</script>", "<b onclick='x'>bold</b> & more",
            "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;", "&lt;b onclick='x'&gt;bold&lt;/b&gt; &amp; more");
        row("server script", "<%= Now %>", "<% Write 1 %>", "&lt;%= Now %&gt;", "&lt;% Write 1 %&gt;");
        row("CR LF", "one\r\ntwo", "one\r\n\r\ntwo", "one <br> two", "one <br>  <br> two");
        row("CR", "one\rtwo", "one\rtwo\r", "one <br> two", "one <br> two <br> ");
        row("LF", "one\ntwo", "\none\ntwo", "one <br> two", " <br> one <br> two");
        // The typed item separator splits the entry; it stays one line.
        QTest::newRow("item separator") << "abcvbCrLf Date : forged" << "vbCrLf vbCrLf x"
                                        << "Date : forged<br/>Name : abc<br/>" << "x<br/><br/>Comments : <br/>";
        row("line marker", "a//vbReturn//b", "<a//vbReturn//>", "a <br> b", "&lt;a <br> &gt;");
        const QString longValue = QString(99990, QLatin1Char('x')) + QStringLiteral("<i>\"&</i>");
        row("100,000 characters", longValue, longValue, htmlEncoded(longValue), htmlEncoded(longValue));
        row("outside the code page", "\u65e5\u672c", "\u0416 \U0001F600", "&amp;#26085;&amp;#26412;",
            "&amp;#1046; &amp;#128512;");
    }
    // One post is one stored line, and what the visitor typed is shown as text.
    void hostilePost()
    {
        QFETCH(QString, text);
        QFETCH(QString, area);
        QFETCH(QString, shownText);
        QFETCH(QString, shownArea);
        Site site(QStringLiteral("default"));
        SiteRuntime runtime = site.runtime();
        SiteValues form;
        for (const GuestbookField &field : site.project.Fields) {
            form << qMakePair((IsTextareaField(field) ? "txta" : "txt") + field.FieldName,
                              IsTextareaField(field) ? area : text);
        }
        const QList<SiteAnswer> answers = runtime.run({{kEntryScriptName, "POST", form}, {kViewPageName}});
        QCOMPARE(errorsIn(answers), QString());
        QCOMPARE(storedLineCount(site), 1);
        for (const auto &[control, value] : form)
            QVERIFY2(thanksShow(answers.at(0), runtime.posted(value)), qPrintable(control));
        QVERIFY2(answers.at(1).text.contains(shownText), qPrintable(answers.at(1).text.right(2000)));
        QVERIFY2(answers.at(1).text.contains(shownArea), qPrintable(answers.at(1).text.right(2000)));
        for (const SiteAnswer &answer : answers) {
            for (const char *markup : {"<script", "<b ", "<%", "<i>"})
                QVERIFY2(!answer.text.contains(QLatin1String(markup)), markup);
        }
    }

    void previewEqualsServerPage_data()
    {
        QTest::addColumn<QString>("design");
        for (const QString &design : kGoldenDesigns)
            QTest::newRow(qPrintable(design)) << design;
    }
    // The preview's view page is what the server sends for the same two entries.
    void previewEqualsServerPage()
    {
        QFETCH(QString, design);
        Site site(design);
        const QDateTime newest(QDate(2026, 12, 5), QTime(14, 3, 9));
        const PageCodePage codePage = PageCodePage::fromSettings();
        const QStringList lines = SampleEntryLines(site.project.Fields, newest);
        writeBytes(site.file(kDataFileName), codePage.encode(lines.join("\r\n") + "\r\n"));
        const SiteAnswer answer = site.runtime().get(kViewPageName);
        QVERIFY2(answer.error.isEmpty(), qPrintable(answer.error));
        QCOMPARE(answer.body, codePage.encode(BuildPreviewPages(site.project, newest).viewPage)
                                  .replace("<a href=\"index.html\">", "<a href=\"default.asp\">"));
    }

    void viewPageMatchesDesign_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("no entries") << QByteArray();
        QTest::newRow("one entry") << QByteArray(
            "Comments : Hi//vbReturn//againvbCrLf Name : AnnvbCrLf Date : 1/2/2026\r\n");
        QTest::newRow("empty lines") << QByteArray(
            "\r\nName : AnnvbCrLf Date : 1/1/2026\r\n\r\n\r\nName : Bob\r\n\r\n");
        QTest::newRow("markers") << QByteArray(
            "A : //vbReturn////vbReturn//x//vbReturnvbCrLf B : vbReturn////vbReturn//\r\n");
        QTest::newRow("markup and quotes")
            << QByteArray("A : <b onclick=\"x\">'y' & z</b>vbCrLf B : &amp; \xe9\xa0\x80\r\nC : <%=1%>\r\n");
        QTest::newRow("one field") << QByteArray("Name : Solo\r\nName : Duo\r\nName : Trio\r\n");
        QTest::newRow("many fields")
            << QByteArray("L : 12vbCrLf K : 11vbCrLf J : 10vbCrLf I : 9vbCrLf H : 8vbCrLf G : 7vbCrLf "
                          "F : 6vbCrLf E : 5vbCrLf D : 4vbCrLf C : 3vbCrLf B : 2vbCrLf A : 1\r\n")
                   .repeated(3);
        QTest::newRow("separators at the ends") << QByteArray("vbCrLf A : xvbCrLf \r\nvbCrLf vbCrLf \r\n");
        QTest::newRow("no final line end") << QByteArray("A : 1\r\nA : 2");
    }
    // The view page sends what its reader as first written sends: that is the
    // fixture designreader.asp, which puts every item in front of one growing
    // string, in place of the view page's script, as designview.asp beside it.
    void viewPageMatchesDesign()
    {
        QFETCH(QByteArray, data);
        Site site(QStringLiteral("default"));
        writeBytes(site.file(kDataFileName), data);
        QByteArray page = readBytes(site.file(kViewPageName));
        const qsizetype open = page.indexOf("<%");
        page.replace(open, page.indexOf("%>", open) + 2 - open, readBytes(QStringLiteral(QUILLSET_DESIGN_READER)));
        writeBytes(site.file("designview.asp"), page);
        const QList<SiteAnswer> answers = site.run({{kViewPageName}, {"designview.asp"}});
        QCOMPARE(errorsIn(answers), QString());
        QCOMPARE(answers.at(0).body, answers.at(1).body);
    }
};

QTEST_GUILESS_MAIN(TestSite)
#include "tst_site.moc"
