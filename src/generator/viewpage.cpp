#include "generator/viewpage.h"

#include "generator/pageframe.h"

QString BuildReaderScript()
{
    const QStringList lines = {
        QStringLiteral("<%"),
        QStringLiteral("   Const ForReading = 1, ForWriting = 2, ForAppending = 8"),
        QStringLiteral("   Dim ThisLine, PrintLine"),
        QStringLiteral("   Set FileObject = Server.CreateObject(\"Scripting.FileSystemObject\")"),
        QStringLiteral("   GuestBookFile = Server.MapPath(\"guestbook.txt\")"),
        QStringLiteral("   Set InputStream = FileObject.OpenTextFile(GuestBookFile, ForReading, False)"),
        QStringLiteral("   Do While Not InputStream.AtEndOfStream"),
        QStringLiteral("       ThisLine = split(InputStream.ReadLine, \"vbCrLf \")"),
        QStringLiteral("       For x = LBound(ThisLine) To UBound(ThisLine)"),
        QStringLiteral("               PrintLine = Server.HTMLEncode(ThisLine(x)) + \"<br/>\" + PrintLine"),
        QStringLiteral("       Next"),
        QStringLiteral("       PrintLine = \"<br/>\" + PrintLine"),
        QStringLiteral("   Loop"),
        QStringLiteral("   InputStream.Close"),
        QStringLiteral("   Set OutputStream = Nothing"),
        QStringLiteral("   Set FileObject = Nothing"),
        QStringLiteral("   Response.Write replace(PrintLine, \"//vbReturn//\", \" <br> \")"),
        QStringLiteral("%>"),
    };
    return lines.join(kCrLf);
}

QString BuildViewPageEnd(const PageLinks &links)
{
    return QStringLiteral("<br/><br/><center><a href=\"") + links.signPage
        + QStringLiteral("\"><b>Sign Guestbook</b></a></center><br/><br/>") + kCrLf + BuildClosingLines();
}

QString BuildReaderBlock()
{
    return BuildReaderScript() + kCrLf + BuildViewPageEnd();
}
