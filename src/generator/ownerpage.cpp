#include "generator/ownerpage.h"

#include "generator/modernpages.h"
#include "generator/protection.h"

#include <QList>
#include <QPair>
#include <QRegularExpression>

namespace {

// How much of an entry the owner page shows: enough to judge it, and the page stays small in a flood.
constexpr int kLongestShownEntry = 2000;

// The owner page's script, shared by the Classic and the Modern page: its texts stand as "$[Name]" (in the page
// language when the page is made), the markup that differs between the two as "%ALERTOPEN%" and the like.
const char *const kOwnerFunctions = R"vbs(<%
' The data file of a list: "entries", "pending" (held entries) or "deleted".
Function QsListPath(list)
    QsListPath = Server.MapPath("%DATA%")
    If list = "pending" Then QsListPath = Server.MapPath("%PENDING%")
    If list = "deleted" Then QsListPath = Server.MapPath("%DELETED%")
End Function
' A whole number from 0 to 999,999,999 in text, else -1.
Function QsNumber(text)
    Dim digits
    Set digits = New RegExp
    digits.Pattern = "^[0-9]{1,9}$"
    QsNumber = -1
    If digits.Test(text & "") Then QsNumber = CLng(text)
End Function
' A line's short digest: the Adler-32, in hex, of its length, a colon and the line, or for a long
' line its first and last 1,000 characters. With its position it names an entry on this page.
Function QsShortDigest(line)
    Dim a, b, i, c, sample
    a = 1 : b = 0
    sample = Len(line) & ":" & line
    If Len(line) > 2000 Then sample = Len(line) & ":" & Left(line, 1000) & Right(line, 1000)
    For i = 1 To Len(sample)
        c = AscW(Mid(sample, i, 1))
        If c < 0 Then c = c + 65536
        a = a + c
        If a >= 65521 Then a = a - 65521 * Int(a / 65521)
        b = b + a
        If b >= 65521 Then b = b - 65521
    Next
    QsShortDigest = LCase(Right("000" & Hex(b), 4) & Right("000" & Hex(a), 4))
End Function
' Empty when the file can be written: it is there or can be made (a folder may let
' the server change files but not make them). Nothing in it changes.
Function QsWritable(path)
    Dim files, stream
    Set files = Server.CreateObject("Scripting.FileSystemObject")
    On Error Resume Next
    Set stream = files.OpenTextFile(path, 8, True)
    If Err.Number = 0 Then stream.Close
    QsWritable = Err.Description
    If Err.Number <> 0 And QsWritable = "" Then QsWritable = "error " & Err.Number
    Err.Clear
End Function
' Writes over a file in place: the lines, then those of more from its position from on.
Sub QsWriteLines(path, mode, lines, more, from)
    Dim files, stream, i
    Set files = Server.CreateObject("Scripting.FileSystemObject")
%OPENFORWRITING%
    For i = 0 To UBound(lines)
        stream.WriteLine lines(i)
    Next
    For i = from To UBound(more)
        stream.WriteLine more(i)
    Next
    stream.Close
End Sub
' One file's part of a change: the list, its line count before, the positions
' dropped and their lines, the lines added at its end, and the lines after.
Function QsPart(list, lines, drop, added)
    Dim kept, gone, i, k, g
    ReDim kept(UBound(lines) + UBound(added) + 1)
    ReDim gone(UBound(lines))
    k = 0 : g = 0
    For i = 0 To UBound(lines)
        If drop(i) Then
            gone(g) = i & " " & lines(i)
            g = g + 1
        Else
            kept(k) = lines(i)
            k = k + 1
        End If
    Next
    For i = 0 To UBound(added)
        kept(k) = added(i)
        k = k + 1
    Next
    QsPart = Array(list, UBound(lines) + 1, QsFirst(gone, g), UBound(added) + 1, QsFirst(kept, k))
End Function
Function QsFirst(items, count)
    Dim i, result
    QsFirst = Array()
    If count = 0 Then Exit Function
    ReDim result(count - 1)
    For i = 0 To count - 1
        result(i) = items(i)
    Next
    QsFirst = result
End Function
' The time at which a line of the deleted entries was deleted.
Function QsStamp(line)
    QsStamp = CDbl("0" & Left(line, InStr(line & " ", " ") - 1))
End Function
' No line dropped; a list's deleted entries older than 30 days are dropped.
Function QsKeepAll(lines, list)
    Dim drop, i
    QsKeepAll = Array()
    If UBound(lines) < 0 Then Exit Function
    ReDim drop(UBound(lines))
    For i = 0 To UBound(lines)
        drop(i) = False
        If list = "deleted" Then drop(i) = QsSeconds() - QsStamp(lines(i)) > 2592000
    Next
    QsKeepAll = drop
End Function
' Carries out a change of one or two files whole: its parts go to the journal first,
' which the next request finishes when the server stopped in between.
Function QsCommit(parts, done)
    Dim journal, part, mode, written
    journal = Server.MapPath("%JOURNAL%")
    QsCommit = QsWritable(journal)
    For Each part In parts
        If QsCommit = "" Then QsCommit = QsWritable(QsListPath(part(0)))
    Next
    If QsCommit <> "" Then
        QsCommit = "$[SaveFailed]"
        Exit Function
    End If
    mode = 2
    On Error Resume Next
    For Each part In parts
        If Err.Number <> 0 Then Exit For
        QsWriteLines journal, mode, Array("qs-part " & part(0) & " " & part(1) & " " & (UBound(part(2)) + 1) _
            & " " & part(3) & " " & (UBound(part(4)) + 1)), part(2), 0
        If Err.Number = 0 Then QsWriteLines journal, 8, part(4), Array(), 0
        mode = 8
    Next
    If Err.Number = 0 Then QsWriteLines journal, 8, Array("qs-end"), Array(), 0
    QsCommit = "$[SaveFailed]"
    If Err.Number <> 0 Then
        Err.Clear
        QsWriteLines journal, 2, Array(), Array(), 0
        Exit Function
    End If
    For Each part In parts
        If Err.Number <> 0 Then Exit For
        QsWriteLines QsListPath(part(0)), 2, part(4), Array(), 0
        If Err.Number = 0 Then QsWriteLines journal, 8, Array("qs-done"), Array(), 0
    Next
    written = Err.Number = 0
    Err.Clear
    On Error GoTo 0
    QsCommit = "$[ChangeUnfinished]"
    If Not written Then Exit Function
    QsWriteLines journal, 2, Array(), Array(), 0
    QsCommit = done
End Function
' Finishes the change in the journal after a stop, if any: its parts, then "qs-end",
' then a "qs-done" line for each part written. The part being written may hold its
' lines before or after the change, with posts added since.
Function QsFinish()
    Dim journal, lines, at, head, done, part, gone, after, current, failed
    journal = Server.MapPath("%JOURNAL%")
    lines = QsLines(journal)
    QsFinish = ""
    If UBound(lines) < 0 Then Exit Function
    at = 0
    Do While at <= UBound(lines)
        If Left(lines(at), 8) <> "qs-part " Then Exit Do
        head = Split(lines(at), " ")
        at = at + 1 + CLng(head(3)) + CLng(head(5))
    Loop
    If at > UBound(lines) Then at = -1
    If at >= 0 Then done = UBound(lines) - at
    If at >= 0 Then If lines(at) <> "qs-end" Then at = -1
    If at < 0 Then
        QsWriteLines journal, 2, Array(), Array(), 0
        Exit Function
    End If
    On Error Resume Next
    at = 0 : part = 0
    Do While Left(lines(at), 8) = "qs-part "
        head = Split(lines(at), " ")
        gone = CLng(head(3))
        after = QsSlice(lines, at + 1 + gone, CLng(head(5)))
        If part >= done Then
            current = QsLines(QsListPath(head(1)))
            ' Lines added at the end tell a part written; lines dropped, one not written.
            If CLng(head(4)) > 0 And QsStartsWith(current, after) Then
            ElseIf QsWasBefore(current, CLng(head(2)), QsSlice(lines, at + 1, gone), after, CLng(head(4))) Then
                QsWriteLines QsListPath(head(1)), 2, after, current, CLng(head(2))
            ElseIf Not QsStartsWith(current, after) Then
                QsWriteLines QsListPath(head(1)), 2, after, current, QsCutAt(current, after)
            End If
            If Err.Number = 0 Then QsWriteLines journal, 8, Array("qs-done"), Array(), 0
        End If
        If Err.Number <> 0 Then Exit Do
        at = at + 1 + gone + UBound(after) + 1
        part = part + 1
    Loop
    failed = Err.Number <> 0
    Err.Clear
    On Error GoTo 0
    If failed Then
        QsFinish = "$[EarlierChangeUnfinished]"
    Else
        QsWriteLines journal, 2, Array(), Array(), 0
    End If
End Function
Function QsSlice(lines, from, count)
    Dim result, i
    QsSlice = Array()
    If count = 0 Then Exit Function
    ReDim result(count - 1)
    For i = 0 To count - 1
        result(i) = lines(from + i)
    Next
    QsSlice = result
End Function
Function QsStartsWith(lines, first)
    Dim i
    QsStartsWith = UBound(lines) >= UBound(first)
    For i = 0 To UBound(first)
        If Not QsStartsWith Then Exit Function
        QsStartsWith = lines(i) = first(i)
    Next
End Function
' Whether the file's first lines are those before the change: the lines after it
' without those added, with the dropped ones back in their places.
Function QsWasBefore(lines, before, gone, after, added)
    Dim i, g, k, expected, place
    QsWasBefore = UBound(lines) + 1 >= before
    g = 0 : k = 0
    For i = 0 To before - 1
        If Not QsWasBefore Then Exit Function
        place = -1
        If g <= UBound(gone) Then place = CLng(Left(gone(g), InStr(gone(g), " ") - 1))
        If place = i Then
            expected = Mid(gone(g), Len(place & " ") + 1)
            g = g + 1
        Else
            expected = after(k)
            k = k + 1
        End If
        QsWasBefore = lines(i) = expected
    Next
End Function
' Where the posts added after a file was cut while it was written begin: after the
' lines written whole and a last line cut short.
Function QsCutAt(lines, after)
    QsCutAt = 0
    Do While QsCutAt <= UBound(lines) And QsCutAt <= UBound(after)
        If lines(QsCutAt) <> after(QsCutAt) Then Exit Do
        QsCutAt = QsCutAt + 1
    Loop
    If QsCutAt <= UBound(lines) And QsCutAt <= UBound(after) Then
        If InStr(1, after(QsCutAt), lines(QsCutAt), 0) = 1 Then QsCutAt = QsCutAt + 1
    End If
End Function
' The owner's changes. Each names its entry by position and short digest, so that
' an entry posted or changed in between never makes the wrong one go.
Function QsChange(action, list, position, digest, count)
    Dim lines, at, drop, deleted, entries, stamp, target, i
    QsChange = "$[EntryGone]"
    If action = "approve" Then list = "pending"
    If action = "restore" Then list = "deleted"
    If action = "deleteheld" Then list = "pending"
    If list <> "pending" And list <> "entries" And list <> "deleted" Then Exit Function
    lines = QsLines(QsListPath(list))
    drop = QsKeepAll(lines, list)
    stamp = QsSeconds() & " " & list & " "
    If action = "deleteheld" Then
        at = QsNumber(count)
        If at < 1 Or at > UBound(lines) + 1 Then Exit Function
        For i = 0 To at - 1
            drop(i) = True
            lines(i) = stamp & lines(i)
        Next
        deleted = QsLines(QsListPath("deleted"))
        QsChange = QsCommit(Array(QsPart("pending", QsLines(QsListPath("pending")), drop, Array()), _
            QsPart("deleted", deleted, QsKeepAll(deleted, "deleted"), QsFirst(lines, at))), _
            "$[HeldEntriesDeleted:at]")
        Exit Function
    End If
    at = QsNumber(position)
    If at < 0 Or at > UBound(lines) Then Exit Function
    If drop(at) Or QsShortDigest(lines(at)) <> digest Then Exit Function
    drop(at) = True
    If action = "approve" Then
        entries = QsLines(QsListPath("entries"))
        QsChange = QsCommit(Array(QsPart("pending", lines, drop, Array()), _
            QsPart("entries", entries, QsKeepAll(entries, "entries"), Array(lines(at)))), "$[EntryApproved]")
    ElseIf action = "restore" Then
        target = Split(lines(at), " ")
        entries = QsLines(QsListPath(target(1)))
        target(0) = Mid(lines(at), Len(target(0) & " " & target(1) & " ") + 1)
        QsChange = QsCommit(Array(QsPart("deleted", lines, drop, Array()), _
            QsPart(target(1), entries, QsKeepAll(entries, target(1)), Array(target(0)))), "$[EntryRestored]")
    ElseIf action = "delete" And list <> "deleted" Then
        deleted = QsLines(QsListPath("deleted"))
        QsChange = QsCommit(Array(QsPart(list, lines, drop, Array()), _
            QsPart("deleted", deleted, QsKeepAll(deleted, "deleted"), Array(stamp & lines(at)))), _
            "$[EntryDeleted]")
    End If
End Function
Function QsButton(list, position, digest, token, action, label)
    QsButton = "<form method=""post"" action=""%OWNER%"" style=""display: inline"">" _
        & "<input type=""hidden"" name=""token"" value=""" & token & """>" _
        & "<input type=""hidden"" name=""action"" value=""" & action & """>" _
        & "<input type=""hidden"" name=""list"" value=""" & list & """>" _
        & "<input type=""hidden"" name=""position"" value=""" & position & """>" _
        & "<input type=""hidden"" name=""digest"" value=""" & digest & """>" _
        & "<input type=""submit"" value=""" & label & """></form> "
End Function
' An entry as text: its items, the date first; a long one cut, a NUL shown as such.
Function QsShown(line)
    Dim items, x, text
    text = line
    If Len(text) > %SHOWN% Then text = Left(text, %SHOWN%)
    items = Split(text, "%SEPARATOR%")%DATEITEM%
    For x = UBound(items) To 0 Step -1
        QsShown = QsShown & Replace(Replace(Server.HTMLEncode(items(x)), "%RETURN%", " <br> "), Chr(0), "&#65533;") _
            & "<br/>"
    Next
    If Len(line) > %SHOWN% Then QsShown = QsShown & "... ($[CharactersInAll:Len(line)])<br/>"
End Function
' One page of a list, newest first, each entry as text with its buttons.
Sub QsShowList(heading, list, token)
    Dim lines, count, pages, page, first, last, i, line, stamp, digest
    lines = QsLines(QsListPath(list))
    count = UBound(lines) + 1
    pages = Int((count + %SIZE% - 1) / %SIZE%)
    If pages < 1 Then pages = 1
    page = QsNumber(Request.QueryString(list))
    If page < 1 Then page = 1
    If page > pages Or Len(Request.QueryString(list)) > 9 Then page = pages
    Response.Write "<h2>" & heading & " (" & count & ")</h2>" & vbCrLf
    If list = "pending" And count > 0 Then Response.Write "<form method=""get"" action=""%OWNER%"">" _
        & "<input type=""hidden"" name=""confirm"" value=""held"">" _
        & "<input type=""submit"" value=""$[DeleteAllHeld]"">" _
        & "</form>" & vbCrLf
    first = count - 1 - (page - 1) * %SIZE%
    last = first - %SIZE% + 1
    If last < 0 Then last = 0
    For i = first To last Step -1
        line = lines(i)
        Response.Write "%ENTRYOPEN%"
        If list = "deleted" Then
                stamp = Split(line, " ")
            line = Mid(line, Len(stamp(0) & " " & stamp(1) & " ") + 1)
            Response.Write "$[DeletedFrom:stamp(1)]<br/>"
        End If
        Response.Write QsShown(line)
        digest = QsShortDigest(lines(i))
        If list = "pending" Then Response.Write QsButton(list, i, digest, token, "approve", "$[Approve]")
        If list = "deleted" Then
            Response.Write QsButton(list, i, digest, token, "restore", "$[Restore]")
        Else
            Response.Write QsButton(list, i, digest, token, "delete", "$[Delete]")
        End If
        Response.Write "%ENTRYCLOSE%" & vbCrLf
    Next
    If page > 1 Then _
        Response.Write "<a href=""%OWNER%?" & list & "=" & (page - 1) & """>$[NewerEntries]</a>&nbsp;&nbsp;&nbsp;"
    If page < pages Then Response.Write "<a href=""%OWNER%?" & list & "=" & (page + 1) & """>$[OlderEntries]</a>"
    Response.Write vbCrLf
End Sub
' A token no other session can know: the site's secret, the time and chance.
Function QsNewToken(address)
    Randomize
    QsNewToken = Left(QsSha256(Array(), QsUtf8("%SECRET%:" & address & ":" & Now() & ":" & Timer & ":" & Rnd & ":" _
        & Rnd)), 32)
End Function
' A miss counts against the address; the fifth within 15 minutes locks it out.
Function QsMiss(key, moment)
    If moment - Application("qsFirstMiss" & key) >= 900 Then
        Application("qsMisses" & key) = 0
        Application("qsFirstMiss" & key) = moment
    End If
    Application("qsMisses" & key) = Application("qsMisses" & key) + 1
    If Application("qsMisses" & key) >= 5 Then
        Application("qsMisses" & key) = 0
        Application("qsLockedUntil" & key) = moment + 900
    End If
    QsMiss = "$[WrongPassword]"
End Function
' Checks a password: at most 5 a minute whoever sends them, none longer than
' the longest the owner can choose, and the digest computed outside the lock.
Function QsSignIn(password, key, moment)
    Dim recent, t, matches
    Application.Lock
    If moment < Application("qsLockedUntil" & key) Then
        QsSignIn = "$[TooManyAttempts]"
    ElseIf Len(password) > %LONGEST% Then
        QsSignIn = QsMiss(key, moment)
    Else
        recent = ""
        For Each t In Split(Application("qsChecks") & "", " ")
            If moment - CDbl(t) < 60 Then recent = recent & " " & t
        Next
        If UBound(Split(Trim(recent), " ")) + 1 >= 5 Then
            QsSignIn = "$[TooManyPasswords]"
        Else
            Application("qsChecks") = Trim(recent & " " & moment)
            QsSignIn = "check"
        End If
    End If
    Application.UnLock
    If QsSignIn <> "check" Then Exit Function
    matches = QsDigest("%SALT%", password) = "%DIGEST%"
    Application.Lock
    QsSignIn = ""
    If matches Then Application("qsMisses" & key) = 0 Else QsSignIn = QsMiss(key, moment)
    Application.UnLock
End Function
%>)vbs";

// The owner page's requests: sign-out, sign-in with the session's token, changes
// that carry it, and the lists or the question before all held entries go.
const char *const kOwnerScript = R"vbs(<%
   Dim QsMessage, QsDone, QsAddress, QsNow
   Session.Timeout = 20
   Response.CacheControl = "no-store"
   QsAddress = Request.ServerVariables("REMOTE_ADDR")
   QsNow = QsSeconds()
   If Session("qsOwner") = "1" And (QsNow - Session("qsOwnerSeen") >= 1200 Or Request.QueryString("signout") <> "") Then
       Session("qsOwner") = ""
       Session("qsToken") = ""
   End If
   If Session("qsToken") = "" Then Session("qsToken") = QsNewToken(QsAddress)
   Application.Lock
   QsMessage = QsFinish()
   Application.UnLock
   If Request.Form("action") <> "" And Request.Form("token") <> Session("qsToken") Then
       QsMessage = "$[ForeignChange]"
       If Request.Form("action") = "signin" Then _
           QsMessage = "$[ForeignSignIn]"
   ElseIf Request.Form("action") = "signin" Then
       QsMessage = QsSignIn(Request.Form("password"), " " & QsAddress, QsNow)
       If QsMessage = "" Then
           Session("qsOwner") = "1"
           Session("qsToken") = QsNewToken(QsAddress)
       End If
   ElseIf Session("qsOwner") = "1" And Request.Form("action") <> "" Then
       Application.Lock
       QsDone = QsChange(Request.Form("action"), Request.Form("list"), Request.Form("position"), _
           Request.Form("digest"), Request.Form("count"))
       Application.UnLock
       If Left(QsDone, %ERRORLENGTH%) = "%ERRORMARK%" Then QsMessage = QsDone : QsDone = ""
   End If
   If Session("qsOwner") = "1" Then Session("qsOwnerSeen") = QsNow
   If QsMessage <> "" Then Response.Write "%ALERTOPEN%" & QsMessage & "%ALERTCLOSE%" & vbCrLf
   If QsDone <> "" Then Response.Write "%DONEOPEN%" & QsDone & "%DONECLOSE%" & vbCrLf
   If Session("qsOwner") = "1" Then
       Response.Write "%LINKSOPEN%<a href=""%OWNER%?signout=1"">$[SignOut]</a>%LINKSCLOSE%" & vbCrLf
       If Request.QueryString("confirm") = "held" Then
           QsDone = UBound(QsLines(Server.MapPath("%PENDING%"))) + 1
           Response.Write "<p>$[DeleteAllHeldQuestion:QsDone]</p>" _
               & "<form method=""post"" action=""%OWNER%"">" _
               & "<input type=""hidden"" name=""token"" value=""" & Session("qsToken") & """>" _
               & "<input type=""hidden"" name=""action"" value=""deleteheld"">" _
               & "<input type=""hidden"" name=""count"" value=""" & QsDone & """>" _
               & "<input type=""submit"" value=""$[DeleteAllHeld]""> <a href=""%OWNER%"">$[Cancel]</a>" _
               & "</form>" & vbCrLf
       Else
           Response.Write "<p>$[OwnerExplanation]</p>" & vbCrLf
           If %MODERATED% Or UBound(QsLines(Server.MapPath("%PENDING%"))) >= 0 Then QsShowList "$[WaitingForApproval]", "pending", Session("qsToken")
           QsShowList "$[Entries]", "entries", Session("qsToken")
           If UBound(QsLines(Server.MapPath("%DELETED%"))) >= 0 Then _
               QsShowList "$[DeletedEntries]", "deleted", Session("qsToken")
       End If
   Else
%>%SIGNIN%<%
   End If
%>)vbs";

// The markup around what the script writes that differs between the frames. Inside the script's strings (quotes
// doubled) but for the sign-in form, which stands outside the script.
struct OwnerFrame {
    const char *alertOpen, *alertClose, *doneOpen, *doneClose, *linksOpen, *linksClose, *entryOpen, *entryClose;
    const char *signIn;
    // How a list's file is opened to be written over (mode 2) or added to (mode 8).
    const char *openForWriting;
    // What follows the split of an entry into its items.
    const char *dateItem;
};

const OwnerFrame kClassicFrame = {
    R"(<div align=""center""><font style=""font-size: 15px; color: #ff0000""><b>)",
    R"(</b></font></div><br/><br/>)",
    R"(<div align=""center""><b>)",
    R"(</b></div><br/>)",
    R"(<div align=""center"">)",
    R"(</div>)",
    R"(<p>)",
    R"(</p>)",
    R"(<form method="post" action="%OWNER%"><input type="hidden" name="action" value="signin">
<input type="hidden" name="token" value="<%=Session("qsToken")%>">
<div align="center"><label for="password">$[Password]</label>
<input type="password" name="password" id="password" autocomplete="current-password"> <input type="submit" value="$[SignIn]"></div></form>
)",
    "    Set stream = files.OpenTextFile(path, mode, True)",
    "",
};

// The Modern page keeps its lists in the file object's Unicode format, as its other pages keep the entries; a file
// that is added to is converted first, one written over is written whole in that format.
const OwnerFrame kModernFrame = {
    R"(<p class=""alert"" role=""alert"">)",
    R"(</p>)",
    R"(<p class=""thanks"" role=""status"">)",
    R"(</p>)",
    R"(<p class=""links"">)",
    R"(</p>)",
    R"(<article>)",
    R"(</article>)",
    R"(<form class="sheet" method="post" action="%OWNER%"><input type="hidden" name="action" value="signin">
<input type="hidden" name="token" value="<%=Session("qsToken")%>">
<div class="field"><label for="password">$[Password]</label>
<input type="password" name="password" id="password" autocomplete="current-password"></div>
<div class="field"><button type="submit">$[SignIn]</button></div></form>
)",
    R"(    If mode = 8 Then QsMakeUnicode path
    Set stream = files.OpenTextFile(path, mode, True, -1))",
    // Modern entries keep "Date" as the date's name whatever the page language: shown in the language here.
    R"(
    If UBound(items) >= 0 Then If Left(items(UBound(items)), 7) = "Date : " Then _
        items(UBound(items)) = "$[DateItem] : " & Mid(items(UBound(items)), 8))",
};

// Buttons keep their width beside the entries they act on.
const QString kModernOwnerStyle = QStringLiteral("input[type=\"submit\"] { width: auto; cursor: pointer; }");
const QString kNoRobots = QStringLiteral("<meta name=\"robots\" content=\"noindex, nofollow\">");

// The texts the script names as "$[Name]".
// clang-format off
#define OWNER_TEXT(name) {QLatin1String(#name), PageText::name}
const QList<QPair<QLatin1String, PageText>> kOwnerTexts = {
    OWNER_TEXT(SaveFailed), OWNER_TEXT(ChangeUnfinished), OWNER_TEXT(EarlierChangeUnfinished),
    OWNER_TEXT(EntryGone), OWNER_TEXT(HeldEntriesDeleted), OWNER_TEXT(EntryApproved), OWNER_TEXT(EntryRestored),
    OWNER_TEXT(EntryDeleted), OWNER_TEXT(CharactersInAll), OWNER_TEXT(DeleteAllHeld), OWNER_TEXT(DeletedFrom),
    OWNER_TEXT(Approve), OWNER_TEXT(Restore), OWNER_TEXT(Delete), OWNER_TEXT(NewerEntries), OWNER_TEXT(OlderEntries),
    OWNER_TEXT(WrongPassword), OWNER_TEXT(TooManyAttempts), OWNER_TEXT(TooManyPasswords), OWNER_TEXT(ForeignChange),
    OWNER_TEXT(ForeignSignIn), OWNER_TEXT(SignOut), OWNER_TEXT(DeleteAllHeldQuestion), OWNER_TEXT(Cancel),
    OWNER_TEXT(OwnerExplanation), OWNER_TEXT(WaitingForApproval), OWNER_TEXT(Entries), OWNER_TEXT(DeletedEntries),
    OWNER_TEXT(Password), OWNER_TEXT(SignIn), OWNER_TEXT(DateItem),
};
#undef OWNER_TEXT
// clang-format on

QString vbQuoted(const QString &text)
{
    return QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""));
}

// The caption of a list in the script, by its stored name ("entries" or "pending"): the stored name itself where
// the captions are those names. (Wine's engine cannot index the array a function returns inside an expression.)
QString listCaption(const QString &storedName, const PageTexts &texts)
{
    const QString entries = texts.text(PageText::EntriesList), held = texts.text(PageText::HeldList);
    if (entries == QLatin1String("entries") && held == QLatin1String("pending"))
        return storedName;
    Q_ASSERT(!entries.contains(QLatin1String("pending")));
    return QStringLiteral("Replace(Replace(%1, \"entries\", \"%2\"), \"pending\", \"%3\")")
        .arg(storedName, vbQuoted(entries), vbQuoted(held));
}

// A text inside a script string, with the expression joined in for its number ("%COUNT%") or list ("%LIST%").
QString inScriptString(const QString &text, const QString &expression, const PageTexts &texts)
{
    const QString count = QStringLiteral("\" & ") + expression + QStringLiteral(" & \"");
    const QString list = QStringLiteral("\" & ") + listCaption(expression, texts) + QStringLiteral(" & \"");
    return vbQuoted(text).replace(QStringLiteral("%COUNT%"), count).replace(QStringLiteral("%LIST%"), list);
}

// The script with its texts put in for "$[Name]" and "$[Name:expression]". A text that begins or ends with its
// expression leaves no empty string beside it.
QString withOwnerTexts(QString script, const PageTexts &texts)
{
    static const QRegularExpression placeholder(QStringLiteral("\\$\\[(\\w+)(?::([^\\]]*))?\\]"));
    const QString open = QStringLiteral("\" & "), close = QStringLiteral(" & \"");
    QList<QRegularExpressionMatch> matches;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(script))
        matches.prepend(match);
    for (const QRegularExpressionMatch &match : matches) {
        PageText which = PageText::SignIn;
        bool known = false;
        for (const auto &[name, id] : kOwnerTexts) {
            if (name == match.capturedView(1))
                which = id, known = true;
        }
        Q_ASSERT(known);
        qsizetype start = match.capturedStart(), end = match.capturedEnd();
        QString text = inScriptString(texts.text(which), match.captured(2), texts);
        const auto quoteAt = [&script](qsizetype at) { return at >= 0 && at < script.size() && script.at(at) == '"'; };
        if (text.startsWith(open) && quoteAt(start - 1) && !quoteAt(start - 2))
            text.remove(0, open.size()), --start;
        if (text.endsWith(close) && quoteAt(end) && !quoteAt(end + 1))
            text.chop(close.size()), ++end;
        script.replace(start, end - start, text);
    }
    return script;
}

// Errors begin with the language's word for one and a colon ("Error:"); the script tells a failed change by it.
QString errorMark(const PageTexts &texts)
{
    static const QRegularExpression colon(QStringLiteral("[:\uff1a]"));
    const QString error = texts.text(PageText::WrongPassword);
    return error.left(error.indexOf(colon) + 1);
}

// The script with every placeholder filled in: the frame's markup (which may name pages), the page and file names,
// the owner's values, then the page texts. Nothing of the design is in the script yet, so no typed text is taken for
// a placeholder.
QString ownerScript(const char *source, const SiteDescription &site)
{
    const OwnerFrame &frame = site.modern ? kModernFrame : kClassicFrame;
    const SiteProtection &protection = site.protection;
    QString script = ScriptText(source);
    script.replace(QStringLiteral("%ALERTOPEN%"), QLatin1String(frame.alertOpen))
        .replace(QStringLiteral("%ALERTCLOSE%"), QLatin1String(frame.alertClose))
        .replace(QStringLiteral("%DONEOPEN%"), QLatin1String(frame.doneOpen))
        .replace(QStringLiteral("%DONECLOSE%"), QLatin1String(frame.doneClose))
        .replace(QStringLiteral("%LINKSOPEN%"), QLatin1String(frame.linksOpen))
        .replace(QStringLiteral("%LINKSCLOSE%"), QLatin1String(frame.linksClose))
        .replace(QStringLiteral("%ENTRYOPEN%"), QLatin1String(frame.entryOpen))
        .replace(QStringLiteral("%ENTRYCLOSE%"), QLatin1String(frame.entryClose))
        .replace(QStringLiteral("%SIGNIN%"), ScriptText(frame.signIn))
        .replace(QStringLiteral("%OPENFORWRITING%"), ScriptText(frame.openForWriting))
        .replace(QStringLiteral("%DATEITEM%"), ScriptText(frame.dateItem));
    const int perPage = protection.entriesPerPage > 0 ? protection.entriesPerPage : 20;
    const QString mark = errorMark(site.texts);
    script = WithValues(
        WithPageNames(script),
        {{QStringLiteral("%SECRET%"), site.secret},
         {QStringLiteral("%SALT%"), protection.ownerSalt},
         {QStringLiteral("%DIGEST%"), protection.ownerDigest},
         {QStringLiteral("%MODERATED%"), protection.holdsEntries ? QStringLiteral("True") : QStringLiteral("False")},
         {QStringLiteral("%DELETED%"), kDeletedFileName},
         {QStringLiteral("%JOURNAL%"), kJournalFileName},
         {QStringLiteral("%SHOWN%"), QString::number(kLongestShownEntry)},
         {QStringLiteral("%LONGEST%"), QString::number(kLongestOwnerPassword)},
         {QStringLiteral("%SIZE%"), QString::number(perPage)},
         {QStringLiteral("%ERRORLENGTH%"), QString::number(mark.size())},
         {QStringLiteral("%ERRORMARK%"), vbQuoted(mark)}});
    return withOwnerTexts(script, site.texts);
}

QString classicOwnerPage(const SiteDescription &site, const QString &functions, const QString &script)
{
    QString start = BuildPageStart(site.design);
    start.replace(QStringLiteral("\r\n</head>\r\n"), kCrLf + kNoRobots + QStringLiteral("\r\n</head>\r\n"));
    return Printed(BuildScriptFunctions()) + Printed(BuildLinesFunction()) + Printed(functions) + start
        + Printed(BuildTitleLine(site.design, true)) + Printed(script) + Printed(BuildClosingLines());
}

QString modernOwnerPage(const SiteDescription &site, const QString &functions, const QString &script)
{
    QString start = BuildModernPageStart(site);
    start.replace(QStringLiteral("\r\n</style>\r\n</head>\r\n"),
                  kCrLf + kModernOwnerStyle + QStringLiteral("\r\n</style>\r\n") + kNoRobots
                      + QStringLiteral("\r\n</head>\r\n"));
    return BuildModernPageOpening() + Printed(BuildScriptFunctions()) + Printed(BuildDataFileFunctions())
        + Printed(functions) + start + Printed(script) + BuildModernPageClosing();
}

}  // namespace

QString BuildOwnerPage(const SiteDescription &site)
{
    const QString functions = ownerScript(kOwnerFunctions, site);
    const QString script = ownerScript(kOwnerScript, site);
    return site.modern ? modernOwnerPage(site, functions, script) : classicOwnerPage(site, functions, script);
}
