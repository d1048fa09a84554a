// The generated pages run on a VBScript engine, as a visitor meets them: the sign
// page, a refused and an accepted post, the thank-you page and the view page.

#include "generatedsite.h"
#include "generator/goldendesigns.h"
#include "generator/pagecodepage.h"
#include "generator/preview.h"
#include "siteruntime.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

namespace {

// A golden design generated into a program folder of its own, and its runtime.
struct Site {
    TestProgramFolder program;
    GuestbookProject project;
    QString codePage;
    QString folder;

    explicit Site(const QString &design)
        : project(goldenProject(design, program.file(QStringLiteral("projects"))))
        , codePage(goldenCodePage(design).isEmpty() ? QStringLiteral("windows-1252") : goldenCodePage(design))
    {
        SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
        folder = generateSite(project);
        if (folder.isEmpty())
            qWarning("The design %s could not be generated", qPrintable(design));
    }
    SiteRuntime runtime() const { return SiteRuntime(folder, codePage); }
    QString dataFile() const { return folder + QStringLiteral("/guestbook.txt"); }
    QStringList storedLines() const
    {
        // Lines as a reader finds them: CR LF, CR or LF ends one.
        static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
        QStringDecoder decoder(codePage.toLatin1().constData());
        QStringList lines = QString(decoder.decode(readBytes(dataFile()))).split(lineEnd);
        if (lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
};

// The form's controls in the order of the sign page, as a browser finds them.
QStringList formControls(const QString &signPage)
{
    static const QRegularExpression control(QStringLiteral("<(?:input type=\"text\"|textarea) name=\"([^\"]+)\""));
    QStringList names;
    for (const QRegularExpressionMatch &match : control.globalMatch(signPage))
        names << match.captured(1);
    return names;
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

SiteValues formOf(const QStringList &controls, const QStringList &values)
{
    SiteValues form;
    for (qsizetype i = 0; i < controls.size(); ++i)
        form << qMakePair(controls.at(i), values.value(i));
    return form;
}

void verifyNoErrors(const QList<SiteAnswer> &answers)
{
    for (const SiteAnswer &answer : answers)
        QVERIFY2(answer.error.isEmpty(), qPrintable(answer.error));
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
        const QStringList controls = formControls(runtime.get(QStringLiteral("default.asp")).text);
        QCOMPARE(controls.size(), site.project.Fields.size());
        QStringList older, newer;
        for (const GuestbookField &field : site.project.Fields) {
            older << (IsTextareaField(field) ? QStringLiteral("First line\r\nsecond line") : field.FieldName + " one");
            newer << field.FieldName + QStringLiteral(" two") + extra;
        }
        QStringList tooShort = newer;
        tooShort.last() = QStringLiteral("ab");
        const QString sign = "default.asp", add = "addtogb.asp", post = "POST";
        const QList<SiteAnswer> answers =
            runtime.run({{sign}, {add, post, formOf(controls, tooShort)}, {sign, "GET", {}, {{"err", "1"}}},
                         {add, post, formOf(controls, older)}, {add, post, formOf(controls, newer)},
                         {"viewguestbook.asp"}});
        verifyNoErrors(answers);
        const QString banner = QStringLiteral("Error: One or more required fields were of an invalid length");
        QVERIFY(!answers.at(0).text.contains(banner));
        QCOMPARE(answers.at(1).redirect, QStringLiteral("default.asp?err=1"));
        QVERIFY(answers.at(2).text.contains(banner));
        for (const QString &value : newer)
            QVERIFY(answers.at(4).text.contains(QStringLiteral("align=\"left\">") + htmlEncoded(value) + "</td>"));
        QVERIFY(answers.at(4).text.contains(QStringLiteral("Thankyou, your comments have now been added")));
        QCOMPARE(site.storedLines().size(), 2);

        // Newest first; in each entry the date, then the fields in list order.
        QString newerEntry, olderEntry;
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QString name = site.project.Fields.at(i).FieldName + " : ";
            newerEntry += htmlEncoded(name + newer.at(i)) + "<br/>";
            olderEntry += htmlEncoded(name + older.at(i)).replace("\r\n", " <br> ") + "<br/>";
        }
        static const QRegularExpression entries(
            QStringLiteral("<br/>Date : [^<]+<br/>(.*)<br/>Date : [^<]+<br/>(.*)\r\n"
                           "<br/><br/><center>"));
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
        const QList<SiteAnswer> answers = runtime.run(
            {{QStringLiteral("addtogb.asp"), QStringLiteral("POST"), form}, {QStringLiteral("viewguestbook.asp")}});
        verifyNoErrors(answers);
        QCOMPARE(site.storedLines().size(), 1);
        for (const auto &[control, value] : form) {
            QVERIFY2(answers.at(0).text.contains(QStringLiteral("align=\"left\">") + htmlEncoded(runtime.posted(value))
                                                 + "</td>"),
                     qPrintable(control));
        }
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
        const QStringList lines = SampleEntryLines(site.project.Fields, newest);
        writeBytes(site.dataFile(), PageCodePage::fromSettings().encode(lines.join("\r\n") + "\r\n"));
        const SiteAnswer answer = site.runtime().get(QStringLiteral("viewguestbook.asp"));
        QVERIFY2(answer.error.isEmpty(), qPrintable(answer.error));
        const QByteArray preview = PageCodePage::fromSettings()
                                       .encode(BuildPreviewPages(site.project, newest).viewPage)
                                       .replace("<a href=\"index.html\">", "<a href=\"default.asp\">");
        QCOMPARE(answer.body, preview);
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
    // The view page sends what the reader first written for it sends.
    void viewPageMatchesDesign()
    {
        QFETCH(QByteArray, data);
        Site site(QStringLiteral("default"));
        writeBytes(site.dataFile(), data);
        writeDesignViewPage(site.folder);
        const QList<SiteAnswer> answers = site.runtime().run({{"viewguestbook.asp"}, {kDesignViewPage}});
        verifyNoErrors(answers);
        QCOMPARE(answers.at(0).body, answers.at(1).body);
    }
};

QTEST_GUILESS_MAIN(TestSite)
#include "tst_site.moc"
