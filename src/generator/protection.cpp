#include "generator/protection.h"

#include "generator/ownerpage.h"
#include "generator/pagenames.h"
#include "generator/pagetexts.h"
#include "store/projectkeys.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <algorithm>

namespace {

// The shared functions. Numbers are 32-bit words held as Doubles from 0 to 2^32 - 1;
// VBScript's And, Or, Xor and Not work on Longs, so a word goes through QsLong and
// back. Bytes are arrays of numbers from 0 to 255.
const char *const kFunctions = R"vbs(<%
Function QsWord(x)
    QsWord = x - Int(x / 4294967296) * 4294967296
End Function
Function QsLong(x)
    If x >= 2147483648 Then QsLong = CLng(x - 4294967296) Else QsLong = CLng(x)
End Function
Function QsFromLong(x)
    If x < 0 Then QsFromLong = CDbl(x) + 4294967296 Else QsFromLong = CDbl(x)
End Function
Function QsRotate(x, n)
    Dim p : p = 2 ^ n
    QsRotate = Int(x / p) + (x - Int(x / p) * p) * (4294967296 / p)
End Function
' Two rotations and a third rotation, or a shift, of a word, combined by Xor.
Function QsSigma(x, a, b, c, shifted)
    Dim third
    If shifted Then third = Int(x / 2 ^ c) Else third = QsRotate(x, c)
    QsSigma = QsFromLong(QsLong(QsRotate(x, a)) Xor QsLong(QsRotate(x, b)) Xor QsLong(third))
End Function
' The lower-case hex SHA-256 of the bytes of first followed by those of second.
Function QsSha256(first, second)
    Dim k, h, w(63), m, total, count, i, j, t, a, b, c, d, e, f, g, hh, t1, t2, el, al, bl, cl
    k = Array(&H428A2F98, &H71374491, &HB5C0FBCF, &HE9B5DBA5, &H3956C25B, &H59F111F1, &H923F82A4, &HAB1C5ED5, _
        &HD807AA98, &H12835B01, &H243185BE, &H550C7DC3, &H72BE5D74, &H80DEB1FE, &H9BDC06A7, &HC19BF174, _
        &HE49B69C1, &HEFBE4786, &H0FC19DC6, &H240CA1CC, &H2DE92C6F, &H4A7484AA, &H5CB0A9DC, &H76F988DA, _
        &H983E5152, &HA831C66D, &HB00327C8, &HBF597FC7, &HC6E00BF3, &HD5A79147, &H06CA6351, &H14292967, _
        &H27B70A85, &H2E1B2138, &H4D2C6DFC, &H53380D13, &H650A7354, &H766A0ABB, &H81C2C92E, &H92722C85, _
        &HA2BFE8A1, &HA81A664B, &HC24B8B70, &HC76C51A3, &HD192E819, &HD6990624, &HF40E3585, &H106AA070, _
        &H19A4C116, &H1E376C08, &H2748774C, &H34B0BCB5, &H391C0CB3, &H4ED8AA4A, &H5B9CCA4F, &H682E6FF3, _
        &H748F82EE, &H78A5636F, &H84C87814, &H8CC70208, &H90BEFFFA, &HA4506CEB, &HBEF9A3F7, &HC67178F2)
    h = Array(&H6A09E667, &HBB67AE85, &H3C6EF372, &HA54FF53A, &H510E527F, &H9B05688C, &H1F83D9AB, &H5BE0CD19)
    For i = 0 To 63
        k(i) = QsFromLong(k(i))
    Next
    For i = 0 To 7
        h(i) = QsFromLong(h(i))
    Next
    count = UBound(first) + 1 + UBound(second) + 1
    total = (Int((count + 8) / 64) + 1) * 64
    ReDim m(total - 1)
    For i = 0 To total - 1
        m(i) = 0
    Next
    For i = 0 To UBound(first)
        m(i) = first(i)
    Next
    For i = 0 To UBound(second)
        m(UBound(first) + 1 + i) = second(i)
    Next
    m(count) = 128
    t = count * 8
    For i = 1 To 4
        m(total - i) = t - Int(t / 256) * 256
        t = Int(t / 256)
    Next
    For i = 0 To total - 1 Step 64
        For j = 0 To 15
            w(j) = ((m(i + 4 * j) * 256 + m(i + 4 * j + 1)) * 256 + m(i + 4 * j + 2)) * 256 + m(i + 4 * j + 3)
        Next
        For j = 16 To 63
            w(j) = QsWord(w(j - 16) + QsSigma(w(j - 15), 7, 18, 3, True) + w(j - 7) + QsSigma(w(j - 2), 17, 19, 10, True))
        Next
        a = h(0) : b = h(1) : c = h(2) : d = h(3) : e = h(4) : f = h(5) : g = h(6) : hh = h(7)
        For j = 0 To 63
            el = QsLong(e)
            t1 = QsWord(hh + QsSigma(e, 6, 11, 25, False) + QsFromLong((el And QsLong(f)) Xor ((Not el) And QsLong(g))) + k(j) + w(j))
            al = QsLong(a) : bl = QsLong(b) : cl = QsLong(c)
            t2 = QsWord(QsSigma(a, 2, 13, 22, False) + QsFromLong((al And bl) Xor (al And cl) Xor (bl And cl)))
            hh = g : g = f : f = e : e = QsWord(d + t1) : d = c : c = b : b = a : a = QsWord(t1 + t2)
        Next
        h(0) = QsWord(h(0) + a) : h(1) = QsWord(h(1) + b) : h(2) = QsWord(h(2) + c) : h(3) = QsWord(h(3) + d)
        h(4) = QsWord(h(4) + e) : h(5) = QsWord(h(5) + f) : h(6) = QsWord(h(6) + g) : h(7) = QsWord(h(7) + hh)
    Next
    QsSha256 = ""
    For i = 0 To 7
        QsSha256 = QsSha256 & Right("0000000" & LCase(Hex(QsLong(h(i)))), 8)
    Next
End Function
' The UTF-8 bytes of text, a character reference (&#n;) as the character: a
' browser sends one for a character that the page's code page cannot hold.
Function QsUtf8(text)
    Dim bytes, count, i, c, low, reference, digits
    Set digits = New RegExp
    digits.Pattern = "^&#([0-9]{1,7});"
    ReDim bytes(4 * Len(text) + 3)
    count = 0
    i = 1
    Do While i <= Len(text)
        If digits.Test(Mid(text, i, 10)) Then
            reference = digits.Execute(Mid(text, i, 10)).Item(0).SubMatches(0)
            c = CLng(reference)
            i = i + Len(reference) + 2
        Else
            c = AscW(Mid(text, i, 1))
            If c < 0 Then c = c + 65536
            If c >= 55296 And c < 56320 And i < Len(text) Then
                low = AscW(Mid(text, i + 1, 1))
                If low < 0 Then low = low + 65536
                If low >= 56320 And low < 57344 Then
                    c = 65536 + (c - 55296) * 1024 + (low - 56320)
                    i = i + 1
                End If
            End If
        End If
        If c < 128 Then
            bytes(count) = c
            count = count + 1
        ElseIf c < 2048 Then
            bytes(count) = 192 + c \ 64
            bytes(count + 1) = 128 + (c And 63)
            count = count + 2
        ElseIf c < 65536 Then
            bytes(count) = 224 + c \ 4096
            bytes(count + 1) = 128 + ((c \ 64) And 63)
            bytes(count + 2) = 128 + (c And 63)
            count = count + 3
        Else
            bytes(count) = 240 + c \ 262144
            bytes(count + 1) = 128 + ((c \ 4096) And 63)
            bytes(count + 2) = 128 + ((c \ 64) And 63)
            bytes(count + 3) = 128 + (c And 63)
            count = count + 4
        End If
        i = i + 1
    Loop
    QsUtf8 = Array()
    If count = 0 Then Exit Function
    ReDim Preserve bytes(count - 1)
    QsUtf8 = bytes
End Function
Function QsHexBytes(digits)
    Dim bytes, i
    QsHexBytes = Array()
    If Len(digits) < 2 Then Exit Function
    ReDim bytes(Len(digits) \ 2 - 1)
    For i = 0 To UBound(bytes)
        bytes(i) = CLng("&H" & Mid(digits, 2 * i + 1, 2))
    Next
    QsHexBytes = bytes
End Function
' The digest of the salt's bytes (hex digits) followed by the password in UTF-8.
Function QsDigest(salt, password)
    QsDigest = QsSha256(QsHexBytes(salt), QsUtf8(password))
End Function
' Seconds since 2000 (by arithmetic on dates: Wine's engine has no DateDiff).
Function QsSeconds()
    QsSeconds = Round((CDbl(Now()) - CDbl(DateSerial(2000, 1, 1))) * 86400)
End Function
' The proof that the sign page served one form at a time: the time and the form's
' own number signed with the site's secret, which a robot that never loaded the
' form cannot make.
Function QsProof(secret, served, form)
    QsProof = Left(QsSha256(Array(), QsUtf8(secret & ":" & served & ":" & form & ":" & secret)), 32)
End Function
' A number no other form of this application has: a count, and a random part for
' the counts that a restart begins again.
Function QsNewForm()
    Randomize
    Application.Lock
    Application("qsForms") = Application("qsForms") + 1
    QsNewForm = Application("qsForms") & "x" & Int(Rnd * 1000000000)
    Application.UnLock
End Function
' Seconds since the form was served (below 0 when the clock was set back), or
' Empty when its proof does not hold. Only short values are hashed.
Function QsFormAge(secret, served, form, proof)
    Dim digits
    Set digits = New RegExp
    digits.Pattern = "^[0-9]{1,10}$"
    If Not digits.Test(served & "") Then Exit Function
    digits.Pattern = "^[0-9]{1,10}x[0-9]{1,10}$"
    If Not digits.Test(form & "") Then Exit Function
    If QsProof(secret, served, form) <> proof Then Exit Function
    QsFormAge = QsSeconds() - CDbl(served)
End Function
' Web addresses in a text, in any case: each scheme:// (http, ftp, ...), //host.name,
' www. and [url=, an address that starts with several of them counted once. The
' repeats are bounded, so that a long run of letters takes linear time.
Function QsAddressCount(text)
    Dim addresses
    Set addresses = New RegExp
    addresses.Global = True
    addresses.IgnoreCase = True
    addresses.Pattern = "\[url=\s{0,9}(?:[a-z][a-z0-9+.-]{0,15}:)?(?://[^\s/]|www\.)?" _
        & "|[a-z][a-z0-9+.-]{0,15}://[^\s/]|//[a-z0-9-]{1,63}\.[a-z0-9]|www\."
    QsAddressCount = addresses.Execute(text).Count
End Function
' The length a person typed: a character that the page's code page cannot hold
' arrives as its reference (&#1078;), which counts as one character.
Function QsLength(text)
    Dim references
    Set references = New RegExp
    references.Global = True
    references.Pattern = "&#[0-9]{1,7};"
    QsLength = Len(references.Replace(text, "x"))
End Function
' Whether the address posted in the last 30 seconds. The posts of the last 30
' seconds are lines "<seconds> <address>" in Application; a clock set back makes
' older ones look newer, so the distance counts either way.
Function QsPostedLately(address)
    Dim line, part
    QsPostedLately = False
    For Each line In Split(Application("qsRecentPosts") & "", vbLf)
        part = Split(line, " ")
        If part(1) = address And Abs(QsSeconds() - CDbl(part(0))) < 30 Then QsPostedLately = True
    Next
End Function
' Adds a post to that list and drops the lines that no longer count, so the list
' holds only the last 30 seconds. Called under the application lock.
Sub QsRememberPost(address)
    Dim line, part, kept
    kept = QsSeconds() & " " & address
    For Each line In Split(Application("qsRecentPosts") & "", vbLf)
        part = Split(line, " ")
        If part(1) <> address And Abs(QsSeconds() - CDbl(part(0))) < 30 Then kept = kept & vbLf & line
    Next
    Application("qsRecentPosts") = kept
End Sub
%>)vbs";

// The proofs of the forms that were posted, kept in a data file until their forms
// expire, so that one served form makes one post.
const char *const kUsedForms = R"vbs(<%
' How a form's proof is used: 0 the first time (it is kept from now on), 1 when
' it was posted before, 2 when the list is too full to tell (the form counts as
' expired). The file holds lines "<served> <proof>"; at most 10,000 are kept, and
' when older ones have to go, a line "<served> -" marks the newest of them: a form
' served before it can no longer be told apart. Called under the application lock.
Function QsFormUse(path, served, proof)
    Dim lines, kept, count, i, part, floor, first, files, stream
    lines = QsLines(path)
    QsFormUse = 1
    floor = -1
    ReDim kept(UBound(lines) + 1)
    count = 0
    For i = 0 To UBound(lines)
        part = Split(lines(i) & " ", " ")
        If part(1) = proof Then Exit Function
        If IsNumeric(part(0)) Then
            If part(1) = "-" And CDbl(part(0)) > floor Then floor = CDbl(part(0))
            If Abs(QsSeconds() - CDbl(part(0))) <= 86400 Then
                kept(count) = lines(i)
                count = count + 1
            End If
        End If
    Next
    QsFormUse = 2
    If CDbl(served) <= floor Then Exit Function
    QsFormUse = 0
    Set files = Server.CreateObject("Scripting.FileSystemObject")
    If count = UBound(lines) + 1 And count < 10000 Then
        Set stream = files.OpenTextFile(path, 8, True)
    Else
        Set stream = files.OpenTextFile(path, 2, True)
        first = 0
        If count >= 10000 Then
            first = count - 9999
            For i = 0 To first - 1
                part = Split(kept(i), " ")
                If CDbl(part(0)) > floor Then floor = CDbl(part(0))
            Next
            stream.WriteLine floor & " -"
        End If
        For i = first To count - 1
            stream.WriteLine kept(i)
        Next
    End If
    stream.WriteLine served & " " & proof
    stream.Close
End Function
%>)vbs";

// Sign page: the serving time, its proof, and the trap field that people never see.
const char *const kSignFields = R"vbs(<%QsServed = QsSeconds() : QsForm = QsNewForm()%>
<input type="hidden" name="qsServed" value="<%=QsServed%>"><input type="hidden" name="qsForm" value="<%=QsForm%>">
<input type="hidden" name="qsProof" value="<%=QsProof("%SECRET%", QsServed, QsForm)%>">
<div style="display: none" aria-hidden="true"><input name="qsWebsite" type="text" value="" tabindex="-1" autocomplete="off"></div>)vbs";

// The banners of the sign page, by the error a post was sent back with.
const char *const kBanner = R"vbs(<%Select Case request.querystring("err")
Case "" : QsBanner = ""
Case "expired" : QsBanner = "%EXPIRED%"
Case "wait" : QsBanner = "%WAIT%"
Case "links" : QsBanner = "%LINKS%"
Case "long" : QsBanner = "%LONG%"
Case Else : QsBanner = "%LENGTH%"
End Select
if QsBanner <> "" then%><div align="center"><font style="font-size: 15px; color: #ff0000"><b><%=QsBanner%></b></font></div><br/><br/><%end if%>)vbs";

// A post a robot made writes nothing and gets the thank-you page; a person who
// trips a rule gets the sign page back with a banner.
// A clock set back between serving and posting (summer time ending) gives a form a
// negative age: that post is a person's too.
const char *const kRobotChecks =
    R"vbs(   QsAge = QsFormAge("%SECRET%", request.form("qsServed"), request.form("qsForm"), _
       request.form("qsProof"))
   QsRobot = request.form("qsWebsite") <> "" Or IsEmpty(QsAge)
   if Not QsRobot then QsRobot = QsAge >= 0 And QsAge < 3
   if Not QsRobot And Abs(QsAge) > 86400 then response.redirect "%SIGN%?err=expired"
)vbs";
const char *const kPersonChecks =
    R"vbs(   if Not QsRobot And QsAddressCount(%FIELDS%) > 3 then response.redirect "%SIGN%?err=links"
   if Not QsRobot And QsPostedLately(Request.ServerVariables("REMOTE_ADDR")) then response.redirect "%SIGN%?err=wait"
)vbs";

// With the robot guard, a form's second post is a robot's, and a form that the
// list of used forms can no longer tell apart is sent back as expired.
const char *const kStore = R"vbs(   Const ForReading = 1, ForWriting = 2, ForAppending = 8
   QsUse = 0
   if Not QsRobot then
   Application.Lock
%USE%   if QsUse = 0 then
   Set FileObject = Server.CreateObject("Scripting.FileSystemObject")
   GuestBookFile = Server.MapPath("%FILE%")
   Set OutputStream = FileObject.OpenTextFile(GuestBookFile, ForAppending, True)
%WRITE%
   OutputStream.Close
%POSTED%   end if
   Application.UnLock
   Set OutputStream = Nothing
   Set FileObject = Nothing
   end if
   if QsUse = 2 then response.redirect "%SIGN%?err=expired"
%>

)vbs";
const char *const kGuardUse =
    R"vbs(   QsUse = QsFormUse(Server.MapPath("%USED%"), request.form("qsServed"), request.form("qsProof"))
)vbs";
const char *const kGuardPosted = R"vbs(   QsRememberPost Request.ServerVariables("REMOTE_ADDR")
)vbs";

// The view pages' paging: the data file's lines, and from QsSize entries a page (0: all
// on one page) and the page asked for, the lines QsFirst down to QsLast of page QsPage.
const char *const kPageWindow = R"vbs(   Dim ThisLine, Lines, LineCount, x, y, QsPage, QsPages, QsFirst, QsLast, QsNumber, QsSize
   Lines = QsLines(Server.MapPath("%DATA%"))
   LineCount = UBound(Lines) + 1
   QsSize = %SIZE%
   If QsSize = 0 Then QsSize = LineCount + 1
   QsPages = Int((LineCount + QsSize - 1) / QsSize)
   If QsPages < 1 Then QsPages = 1
   Set QsNumber = New RegExp
   QsNumber.Pattern = "^[0-9]+$"
   QsPage = 1
   If QsNumber.Test(Request.QueryString("page") & "") Then
       QsPage = QsPages
       If Len(Request.QueryString("page")) < 10 Then QsPage = CLng(Request.QueryString("page"))
   End If
   If QsPage < 1 Then QsPage = 1
   If QsPage > QsPages Then QsPage = QsPages
   QsFirst = LineCount - 1 - (QsPage - 1) * QsSize
   QsLast = QsFirst - QsSize + 1
   If QsLast < 0 Then QsLast = 0)vbs";

// The view page's reader in pages of entries; BuildPagedReaderScript puts kLinesFunction before it.
const char *const kPagedReader = R"vbs(<%
%WINDOW%
   For y = QsFirst To QsLast Step -1
       Response.Write "<br/>"
       ThisLine = split(Lines(y), "%SEPARATOR%")
       For x = UBound(ThisLine) To LBound(ThisLine) Step -1
               Response.Write replace(Server.HTMLEncode(ThisLine(x)), "%RETURN%", " <br> ") + "<br/>"
       Next
   Next
   Response.Write "<br/><br/><center>"
   If QsPage > 1 Then Response.Write "<a href=""%VIEW%?page=" & (QsPage - 1) & """>%NEWER%</a>&nbsp;&nbsp;&nbsp;"
   If QsPage < QsPages Then Response.Write "<a href=""%VIEW%?page=" & (QsPage + 1) & """>%OLDER%</a>"
   Response.Write "</center>"
%>)vbs";

// Shared by every page that reads a data file. A Classic site writes its data files
// in the server's 8-bit code page, a Modern one in the file object's Unicode format
// (UTF-16 behind a byte order mark); readers take either.
const char *const kLinesFunction = R"vbs(<%
' -1 for the file object's Unicode format, 0 for the server's code page. A missing
' or empty file counts as Unicode, the format new files are made in; a file of one
' byte cannot hold the byte order mark.
Function QsFileFormat(path)
    Dim files, stream, start
    Set files = Server.CreateObject("Scripting.FileSystemObject")
    QsFileFormat = -1
    If Not files.FileExists(path) Then Exit Function
    If files.GetFile(path).Size = 0 Then Exit Function
    QsFileFormat = 0
    If files.GetFile(path).Size < 2 Then Exit Function
    Set stream = files.OpenTextFile(path, 1, False, 0)
    start = stream.Read(2)
    stream.Close
    If Asc(Left(start, 1)) = 255 And Asc(Mid(start, 2, 1)) = 254 Then QsFileFormat = -1
End Function
' The lines of a data file in its format; none when it is missing or empty. A file
' that a stopped conversion left only as its ".old" copy is read there.
Function QsLines(path)
    Dim files, stream, lines, count, source
    Set files = Server.CreateObject("Scripting.FileSystemObject")
    QsLines = Array()
    source = path
    If Not files.FileExists(source) Then source = path & ".old"
    If Not files.FileExists(source) Then Exit Function
    If files.GetFile(source).Size = 0 Then Exit Function
    Set stream = files.OpenTextFile(source, 1, False, QsFileFormat(source))
    ReDim lines(63)
    count = 0
    Do While Not stream.AtEndOfStream
        If count > UBound(lines) Then ReDim Preserve lines(2 * count)
        lines(count) = stream.ReadLine
        count = count + 1
    Loop
    stream.Close
    If count = 0 Then Exit Function
    ReDim Preserve lines(count - 1)
    QsLines = lines
End Function
%>)vbs";

}  // namespace

QString ScriptText(const char *text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('\n'), kCrLf);
}

QString WithPageNames(QString text)
{
    return text.replace(QStringLiteral("%DATA%"), kDataFileName)
        .replace(QStringLiteral("%PENDING%"), kPendingFileName)
        .replace(QStringLiteral("%OWNER%"), kOwnerPageName)
        .replace(QStringLiteral("%SIGN%"), kSignPageName)
        .replace(QStringLiteral("%VIEW%"), kViewPageName)
        .replace(QStringLiteral("%USED%"), kUsedFormsFileName)
        .replace(QStringLiteral("%SEPARATOR%"), kStoredItemSeparator)
        .replace(QStringLiteral("%RETURN%"), kStoredReturnMarker);
}

QString WithValues(const QString &text, const QList<QPair<QString, QString>> &values)
{
    QString filled;
    filled.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const QStringView rest = QStringView(text).sliced(at);
        const auto found = rest.front() != QLatin1Char('%')
            ? values.end()
            : std::find_if(values.begin(), values.end(),
                           [&rest](const auto &value) { return rest.startsWith(value.first); });
        if (found == values.end()) {
            filled += text.at(at++);
            continue;
        }
        filled += found->second;
        at += found->first.size();
    }
    return filled;
}

QString BuildLinesFunction()
{
    return ScriptText(kLinesFunction);
}

QString ProtectionSummary(const GuestbookProject &project)
{
    const auto text = [](const char *english) { return QCoreApplication::translate("GenerationStep", english); };
    const SiteProtection protection = SiteProtection::of(project);
    QStringList on;
    if (protection.robotGuard)
        on << text(QT_TRANSLATE_NOOP("GenerationStep", "robot guard"));
    if (protection.lengthLimit > 0)
        on << text(QT_TRANSLATE_NOOP("GenerationStep", "at most %1 characters a field")).arg(protection.lengthLimit);
    if (protection.entriesPerPage > 0)
        on << text(QT_TRANSLATE_NOOP("GenerationStep", "%1 entries a page")).arg(protection.entriesPerPage);
    if (protection.ownerPage)
        on << text(QT_TRANSLATE_NOOP("GenerationStep", "owner page"));
    if (protection.holdsEntries)
        on << text(QT_TRANSLATE_NOOP("GenerationStep", "new entries held for approval"));
    return text(QT_TRANSLATE_NOOP("GenerationStep", "Protection: %1"))
        .arg(on.isEmpty() ? text(QT_TRANSLATE_NOOP("GenerationStep", "off")) : on.join(QStringLiteral(", ")));
}

QStringList DataFileNames(const SiteProtection &protection)
{
    QStringList names = {kDataFileName};
    if (protection.holdsEntries)
        names << kPendingFileName;
    if (protection.robotGuard)
        names << kUsedFormsFileName;
    if (protection.ownerPage)
        names << kDeletedFileName << kJournalFileName;
    return names;
}

// The pages change their data files in place (the owner page through its journal),
// and a run makes every one of them, so the server need not let the pages create files.
QString ServerNeeds(const GuestbookProject &project)
{
    QStringList files = DataFileNames(SiteProtection::of(project));
    const QString last = files.takeLast();
    const QString needs = files.isEmpty()
        ? QCoreApplication::translate("GenerationStep", "The web server must let the pages write to %1.").arg(last)
        : QCoreApplication::translate("GenerationStep", "The web server must let the pages write to %1 and %2.")
              .arg(files.join(QStringLiteral(", ")), last);
    if (!HasOwnerPage(project))
        return needs;
    return QCoreApplication::translate("GenerationStep", "Owner page: %1 (not linked). %2").arg(kOwnerPageName, needs);
}

QString OwnerPasswordValue(const QString &password, const QByteArray &salt)
{
    const QByteArray digest = QCryptographicHash::hash(salt + password.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("sha256:") + QString::fromLatin1(salt.toHex()) + QLatin1Char(':')
        + QString::fromLatin1(digest.toHex());
}

QString OwnerPasswordValue(const QString &password)
{
    return OwnerPasswordValue(password, QByteArray::fromHex(NewSiteSecret().toLatin1()));
}

QString BuildScriptFunctions()
{
    return ScriptText(kFunctions);
}

QString BuildProtectedSignFields(const SiteDescription &site)
{
    return site.protection.robotGuard && !site.preview
        ? ScriptText(kSignFields).replace(QStringLiteral("%SECRET%"), site.secret)
        : QString();
}

QString BuildProtectedBanner(const SiteDescription &site)
{
    const QString limit = QString::number(site.protection.lengthLimit);
    const auto text = [&](PageText which) { return site.texts.text(which).replace(QStringLiteral("%LIMIT%"), limit); };
    return WithValues(ScriptText(kBanner),
                      {{QStringLiteral("%EXPIRED%"), text(PageText::Expired)},
                       {QStringLiteral("%WAIT%"), text(PageText::Wait)},
                       {QStringLiteral("%LINKS%"), text(PageText::TooManyLinks)},
                       {QStringLiteral("%LONG%"), text(PageText::TooLong)},
                       {QStringLiteral("%LENGTH%"), text(PageText::InvalidLength)}});
}

QString BuildProtectedChecks(const SiteDescription &site, const QString &requiredChecks)
{
    QStringList fields;
    for (int i = 1; i <= site.design.fields.size(); ++i)
        fields << QStringLiteral("strFld") + QString::number(i);
    QString checks = QStringLiteral("   QsRobot = False") + kCrLf;
    if (site.protection.robotGuard)
        checks += ScriptText(kRobotChecks);
    checks += requiredChecks;
    if (const int limit = site.protection.lengthLimit; limit > 0) {
        QStringList tooLong;
        for (const QString &field : fields)
            tooLong << QStringLiteral("QsLength(") + field + QStringLiteral(") > ") + QString::number(limit);
        checks += QStringLiteral("   if Not QsRobot And (") + tooLong.join(QStringLiteral(" Or "))
            + QStringLiteral(") then response.redirect \"") + kSignPageName + QStringLiteral("?err=long\"") + kCrLf;
    }
    if (site.protection.robotGuard)
        checks +=
            ScriptText(kPersonChecks).replace(QStringLiteral("%FIELDS%"), fields.join(QStringLiteral(" & \" \" & ")));
    return WithPageNames(checks).replace(QStringLiteral("%SECRET%"), site.secret);
}

QString BuildProtectedStoreBlock(const SiteDescription &site, const QString &writeStatement)
{
    const QString file = site.protection.holdsEntries ? kPendingFileName : kDataFileName;
    const bool guard = site.protection.robotGuard;
    return WithPageNames(ScriptText(kStore)
                             .replace(QStringLiteral("%USE%"), guard ? ScriptText(kGuardUse) : QString())
                             .replace(QStringLiteral("%POSTED%"), guard ? ScriptText(kGuardPosted) : QString())
                             .replace(QStringLiteral("%FILE%"), file))
        .replace(QStringLiteral("%WRITE%"), writeStatement);
}

QString PagedReaderText(const char *reader, int entriesPerPage)
{
    return WithPageNames(ScriptText(reader).replace(QStringLiteral("%WINDOW%"), ScriptText(kPageWindow)))
        .replace(QStringLiteral("%SIZE%"), QString::number(entriesPerPage));
}

QString BuildUsedFormsFunction()
{
    return ScriptText(kUsedForms);
}

QString BuildPagedReaderScript(const SiteDescription &site)
{
    const QString reader = PagedReaderText(kPagedReader, site.protection.entriesPerPage);
    return BuildLinesFunction()
        + WithValues(reader,
                     {{QStringLiteral("%NEWER%"), site.texts.text(PageText::NewerEntries)},
                      {QStringLiteral("%OLDER%"), site.texts.text(PageText::OlderEntries)}});
}
