// The preview: the sign and view pages as a browser gets them, written into a
// fresh folder of their own.

#include "generator/preview.h"
#include "goldendesigns.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QtTest>

static const QDateTime kNewest(QDate(2026, 12, 5), QTime(14, 3, 9));

static QStringList entriesIn(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

class TestPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenPages_data()
    {
        QTest::addColumn<QString>("design");
        for (const QString &design : kGoldenDesigns)
            QTest::newRow(qPrintable(design)) << design;
    }
    // One new folder with the two pages, nothing anywhere else: the sign page as the
    // server sends it to a first visitor, and the view page up to its script, with the
    // links between the pages going to the preview's files.
    void writtenPages()
    {
        QFETCH(QString, design);
        TestProgramFolder folder;
        if (!goldenCodePage(design).isEmpty())
            SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), goldenCodePage(design));
        const QString temp = folder.file(QStringLiteral("temp"));
        QDir().mkpath(temp);
        const PreviewFolder preview = WritePreview(goldenProject(design, folder.file("projects")), temp, kNewest);
        QVERIFY2(preview.outcome.succeeded, qPrintable(preview.outcome.errorText));
        const QString previewFolder = temp + QDir::separator() + entriesIn(temp).value(0);
        QVERIFY(preview.folder == previewFolder && previewFolder.contains(QLatin1String("quillset-preview-")));
        QCOMPARE(preview.signPage, previewFolder + QDir::separator() + QStringLiteral("index.html"));
        QCOMPARE(entriesIn(previewFolder), QStringList({"index.html", "view.html"}));
        QCOMPARE(entriesIn(folder.path()), QStringList({"applog.log", "Quillset.ini", "temp"}));
        QCOMPARE(logMessages(folder.file("applog.log")), QStringList{"Preview written to " + previewFolder});

        const QByteArray banner = "<%if not request.querystring(\"err\") = \"\" then%><div align=\"center\"><font "
                                  "style=\"font-size: 15px; color: #ff0000\"><b>Error: One or more required fields "
                                  "were of an invalid length</b></font></div><br/><br/><%end if%>";
        QCOMPARE(readBytes(preview.signPage), readBytes(goldenFile(design, QStringLiteral("default.asp")))
                                                  .replace(banner, "")
                                                  .replace("<form action=\"addtogb.asp\"", "<form action=\"view.html\"")
                                                  .replace("<a href=\"viewguestbook.asp\">", "<a href=\"view.html\">"));
        const QByteArray viewPage = readBytes(previewFolder + QDir::separator() + QStringLiteral("view.html"));
        const QByteArray golden = readBytes(goldenFile(design, QStringLiteral("viewguestbook.asp")));
        QVERIFY(viewPage.startsWith(golden.left(golden.indexOf("<%"))));
        QVERIFY(viewPage.endsWith("\r\n<br/><br/><center><a href=\"index.html\"><b>Sign Guestbook</b></a></center>"
                                  "<br/><br/>\r\n</body>\r\n</html>\r\n"));
    }

    // The view page shows the two sample entries newest first, each item HTML-encoded
    // and each stored line break as " <br> ", as its script would. Without a
    // multi-line field, the last field shows the line break and the markup.
    void sampleEntries()
    {
        const QString entries =
            QStringLiteral("<br/><br/>\r\n<br/>Date : 12/5/2026 2:03:09 PM<br/>Name : Sample entry<br/>E-mail : Sample "
                           "entry<br/>Homepage : Sample entry<br/>Comments : Sample entry with &lt;b&gt;bold&lt;/b&gt; "
                           "text<br/><br/>Date : 12/4/2026 2:03:09 PM<br/>Name : Sample entry<br/>E-mail : Sample "
                           "entry<br/>Homepage : Sample entry<br/>Comments : Sample entry <br> on two lines<br/>\r\n"
                           "<br/><br/><center>");
        QVERIFY(BuildPreviewPages(GuestbookProject::startupDefaults(), kNewest).viewPage.contains(entries));
        QCOMPARE(SampleEntryLines({{"Your Name", "Text", "30", ""}, {"Town", "text", "30", ""}}, kNewest),
                 QStringList({"Town : Sample entry//vbReturn//on two linesvbCrLf Your Name : Sample entryvbCrLf "
                              "Date : 12/4/2026 2:03:09 PM",
                              "Town : Sample entry with <b>bold</b> textvbCrLf Your Name : Sample entryvbCrLf "
                              "Date : 12/5/2026 2:03:09 PM"}));
    }

    // A missing parent folder, or a project the run would refuse, makes no preview
    // and leaves no folder.
    void failedPreviewLeavesNoFolder()
    {
        TestProgramFolder folder;
        GuestbookProject project = GuestbookProject::startupDefaults();
        const QString missing = folder.file(QStringLiteral("missing")), temp = folder.file(QStringLiteral("temp"));
        PreviewFolder preview = WritePreview(project, missing, kNewest);
        QVERIFY(preview.outcome.errorText.startsWith(QStringLiteral("The preview folder could not be made in ")));
        QVERIFY(!QFileInfo::exists(missing) && QDir().mkpath(temp));
        project.Project_Title = QStringLiteral("<%=1%>");
        preview = WritePreview(project, temp, kNewest);
        QCOMPARE(preview.outcome.errorText,
                 QStringLiteral("Title \"<%=1%>\" cannot be used in a page: it holds the server script marker \"<%\""));
        QVERIFY(!preview.outcome.succeeded && preview.signPage.isEmpty() && entriesIn(temp).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPreview)
#include "tst_preview.moc"
