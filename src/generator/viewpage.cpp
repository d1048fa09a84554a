#include "generator/viewpage.h"

#include "generator/pageframe.h"
#include "generator/pagetexts.h"
#include "generator/protection.h"

// The script reads the lines of guestbook.txt once into an array that doubles as
// it fills, then writes them newest first, each line's items last to first: the
// same text as prepending every item to one growing string, in time proportional
// to the file instead of to its square.
QString BuildReaderScript()
{
    const QStringList lines = {
        QStringLiteral("<%"),
        QStringLiteral("   Const ForReading = 1, ForWriting = 2, ForAppending = 8"),
        QStringLiteral("   Dim ThisLine, Lines, LineCount, x, y"),
        QStringLiteral("   Set FileObject = Server.CreateObject(\"Scripting.FileSystemObject\")"),
        QStringLiteral("   GuestBookFile = Server.MapPath(\"") + kDataFileName + QStringLiteral("\")"),
        QStringLiteral("   Set InputStream = FileObject.OpenTextFile(GuestBookFile, ForReading, False)"),
        QStringLiteral("   ReDim Lines(63)"),
        QStringLiteral("   LineCount = 0"),
        QStringLiteral("   Do While Not InputStream.AtEndOfStream"),
        QStringLiteral("       If LineCount > UBound(Lines) Then ReDim Preserve Lines(2 * LineCount)"),
        QStringLiteral("       Lines(LineCount) = InputStream.ReadLine"),
        QStringLiteral("       LineCount = LineCount + 1"),
        QStringLiteral("   Loop"),
        QStringLiteral("   InputStream.Close"),
        QStringLiteral("   Set OutputStream = Nothing"),
        QStringLiteral("   Set FileObject = Nothing"),
        QStringLiteral("   For y = LineCount - 1 To 0 Step -1"),
        QStringLiteral("       Response.Write \"<br/>\""),
        QStringLiteral("       ThisLine = split(Lines(y), \"") + kStoredItemSeparator + QStringLiteral("\")"),
        QStringLiteral("       For x = UBound(ThisLine) To LBound(ThisLine) Step -1"),
        QStringLiteral("               Response.Write replace(Server.HTMLEncode(ThisLine(x)), \"") + kStoredReturnMarker
            + QStringLiteral("\", \" <br> \") + \"<br/>\""),
        QStringLiteral("       Next"),
        QStringLiteral("   Next"),
        QStringLiteral("%>"),
    };
    return lines.join(kCrLf);
}

QString BuildViewPageEnd(const PageLinks &links, const PageTexts &texts)
{
    return QStringLiteral("<br/><br/><center><a href=\"") + links.signPage + QStringLiteral("\"><b>")
        + texts.text(PageText::SignLink) + QStringLiteral("</b></a></center><br/><br/>") + kCrLf + BuildClosingLines();
}

QString BuildViewPage(const SiteDescription &site, const QString &previewEntries)
{
    const QString entries = site.preview     ? previewEntries
        : site.protection.entriesPerPage > 0 ? BuildPagedReaderScript(site)
                                             : BuildReaderScript();
    return BuildPageStart(site.design) + Printed(BuildTitleLine(site.design, true))
        + Printed(entries + kCrLf + BuildViewPageEnd(site.links, site.texts));
}
