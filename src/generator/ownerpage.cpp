#include "generator/ownerpage.h"

#include "generator/protection.h"

namespace {

const char *const kOwnerFunctions = R"vbs(<%
' Writes the lines but one to a temporary file, then puts it in the file's place;
' a failure leaves the file as it was. Empty when it worked, else the error.
Function QsWriteWithout(path, lines, skip)
    Dim files, stream, i, failed
    Set files = Server.CreateObject("Scripting.FileSystemObject")
    On Error Resume Next
    If files.FileExists(path & ".old") Then files.DeleteFile path & ".old"
    Set stream = files.CreateTextFile(path & ".tmp", True)
    For i = 0 To UBound(lines)
        If i <> skip And Err.Number = 0 Then stream.WriteLine lines(i)
    Next
    If Err.Number = 0 Then stream.Close
    failed = Err.Number <> 0
    If Not failed Then
        files.MoveFile path, path & ".old"
        failed = Err.Number <> 0
    End If
    If Not failed Then
        files.MoveFile path & ".tmp", path
        If Err.Number <> 0 Then
            failed = True
            Err.Clear
            files.MoveFile path & ".old", path
        Else
            files.DeleteFile path & ".old"
        End If
    End If
    If failed Then files.DeleteFile path & ".tmp"
    Err.Clear
    QsWriteWithout = ""
    If failed Then QsWriteWithout = "Error: The change could not be saved, nothing was changed"
End Function
Function QsAppend(path, line)
    Dim files, stream
    Set files = Server.CreateObject("Scripting.FileSystemObject")
    On Error Resume Next
    Set stream = files.OpenTextFile(path, 8, True)
    If Err.Number = 0 Then stream.WriteLine line
    If Err.Number = 0 Then stream.Close
    QsAppend = ""
    If Err.Number <> 0 Then QsAppend = "Error: The change could not be saved, nothing was changed"
    Err.Clear
End Function
' Deletes or approves the entry at a position of a list, only while it still holds
' the same content, under the application lock.
Function QsChange(action, list, position, entry)
    Dim path, lines, at, digits
    path = Server.MapPath("%DATA%")
    If list = "pending" Then path = Server.MapPath("%PENDING%")
    Set digits = New RegExp
    digits.Pattern = "^[0-9]{1,9}$"
    at = -1
    If digits.Test(position & "") Then at = CLng(position)
    Application.Lock
    lines = QsLines(path)
    QsChange = "Error: That entry has changed or is gone, nothing was changed"
    If at >= 0 And at <= UBound(lines) And (action = "delete" Or list = "pending") Then
        If lines(at) = entry Then
            QsChange = ""
            If action = "approve" Then QsChange = QsAppend(Server.MapPath("%DATA%"), entry)
            If QsChange = "" Then QsChange = QsWriteWithout(path, lines, at)
        End If
    End If
    Application.UnLock
End Function
Function QsButton(list, position, entry, token, action, label)
    QsButton = "<form method=""post"" action=""%OWNER%"" style=""display: inline"">" _
        & "<input type=""hidden"" name=""token"" value=""" & token & """>" _
        & "<input type=""hidden"" name=""action"" value=""" & action & """>" _
        & "<input type=""hidden"" name=""list"" value=""" & list & """>" _
        & "<input type=""hidden"" name=""position"" value=""" & position & """>" _
        & "<input type=""hidden"" name=""entry"" value=""" & Server.HTMLEncode(entry) & """>" _
        & "<input type=""submit"" value=""" & label & """></form> "
End Function
' A list newest first, each entry as text with its buttons.
Sub QsShowList(heading, list, token, approvable)
    Dim lines, i, x, items
    If list = "pending" Then lines = QsLines(Server.MapPath("%PENDING%")) Else lines = QsLines(Server.MapPath("%DATA%"))
    Response.Write "<h2>" & heading & " (" & (UBound(lines) + 1) & ")</h2>" & vbCrLf
    For i = UBound(lines) To 0 Step -1
        Response.Write "<p>"
        items = Split(lines(i), "%SEPARATOR%")
        For x = UBound(items) To 0 Step -1
            Response.Write Replace(Server.HTMLEncode(items(x)), "%RETURN%", " <br> ") & "<br/>"
        Next
        If approvable Then Response.Write QsButton(list, i, lines(i), token, "approve", "Approve")
        Response.Write QsButton(list, i, lines(i), token, "delete", "Delete") & "</p>" & vbCrLf
    Next
End Sub
%>)vbs";

// The owner page's requests: sign-out, sign-in with lock-out, and changes that
// carry the session's token.
const char *const kOwnerScript = R"vbs(<%
   Dim QsMessage, QsAddress, QsNow, QsKey
   Session.Timeout = 20
   Response.CacheControl = "no-store"
   QsAddress = Request.ServerVariables("REMOTE_ADDR")
   QsNow = QsSeconds()
   If Session("qsOwner") = "1" And (QsNow - Session("qsOwnerSeen") >= 1200 Or Request.QueryString("signout") <> "") Then
       Session("qsOwner") = ""
       Session("qsToken") = ""
       Session.Abandon
   End If
   If Request.Form("action") = "signin" Then
       QsKey = " " & QsAddress
       Application.Lock
       If QsNow < Application("qsLockedUntil" & QsKey) Then
           QsMessage = "Error: Too many attempts, please try again later"
       ElseIf QsDigest("%SALT%", Request.Form("password")) = "%DIGEST%" Then
           Application("qsMisses" & QsKey) = 0
           Randomize
           Session("qsOwner") = "1"
           Session("qsToken") = Left(QsSha256(Array(), QsUtf8("%SECRET%:" & QsAddress & ":" & Now() & ":" & Timer & ":" & Rnd)), 32)
       Else
           If QsNow - Application("qsFirstMiss" & QsKey) >= 900 Then
               Application("qsMisses" & QsKey) = 0
               Application("qsFirstMiss" & QsKey) = QsNow
           End If
           Application("qsMisses" & QsKey) = Application("qsMisses" & QsKey) + 1
           If Application("qsMisses" & QsKey) >= 5 Then
               Application("qsMisses" & QsKey) = 0
               Application("qsLockedUntil" & QsKey) = QsNow + 900
           End If
           QsMessage = "Error: Wrong password"
       End If
       Application.UnLock
   ElseIf Session("qsOwner") = "1" And Request.Form("action") <> "" Then
       If Request.Form("token") <> Session("qsToken") Then
           QsMessage = "Error: This change did not come from this page, nothing was changed"
       Else
           QsMessage = QsChange(Request.Form("action"), Request.Form("list"), Request.Form("position"), Request.Form("entry"))
       End If
   End If
   If Session("qsOwner") = "1" Then Session("qsOwnerSeen") = QsNow
   If QsMessage <> "" Then Response.Write "<div align=""center""><font style=""font-size: 15px; color: #ff0000""><b>" & QsMessage & "</b></font></div><br/><br/>" & vbCrLf
   If Session("qsOwner") = "1" Then
       Response.Write "<div align=""center""><a href=""%OWNER%?signout=1"">Sign out</a></div>" & vbCrLf
       If %MODERATED% Or UBound(QsLines(Server.MapPath("%PENDING%"))) >= 0 Then QsShowList "Waiting for approval", "pending", Session("qsToken"), True
       QsShowList "Entries", "entries", Session("qsToken"), False
   Else
%><form method="post" action="%OWNER%"><input type="hidden" name="action" value="signin"><div align="center"><label for="password">Password:</label> <input type="password" name="password" id="password" autocomplete="current-password"> <input type="submit" value="Sign in"></div></form>
<%
   End If
%>)vbs";

}  // namespace

QString BuildOwnerPage(const GuestbookProject &project, const QString &secret)
{
    const QStringList password = project.Owner_Password.split(QLatin1Char(':'));
    const QString moderated = HoldsEntries(project) ? QStringLiteral("True") : QStringLiteral("False");
    QString start = BuildPageStart(project);
    start.replace(QStringLiteral("\r\n</head>\r\n"),
                  QStringLiteral("\r\n<meta name=\"robots\" content=\"noindex, nofollow\">\r\n</head>\r\n"));
    const QString page = Printed(BuildScriptFunctions()) + Printed(BuildLinesFunction())
        + Printed(ScriptText(kOwnerFunctions)) + start + Printed(BuildTitleLine(project, true))
        + Printed(ScriptText(kOwnerScript)) + Printed(BuildClosingLines());
    return WithPageNames(page)
        .replace(QStringLiteral("%SECRET%"), secret)
        .replace(QStringLiteral("%SALT%"), password.value(1))
        .replace(QStringLiteral("%DIGEST%"), password.value(2))
        .replace(QStringLiteral("%MODERATED%"), moderated);
}
