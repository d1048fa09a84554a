' The objects of a classic ASP server for pages run on cscript, and what the
' driver that follows needs to run one request after another in one process.
' Wine's engine cannot read arguments through a member that holds an object
' (obj.dict(key)), so dictionaries are always read through a local variable, and
' it declares one class member per statement.

Dim AspEndNumber : AspEndNumber = vbObjectError + 4242
Dim AspLine, AspFiles, AspPlainCharacters
AspPlainCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
Set AspFiles = CreateObject("Scripting.FileSystemObject")

' Split as VBScript defines it: Wine's engine gives one empty item for an empty
' text, where the standard gives an array without items.
Function Split(text, separator)
    Dim items, count, start, found
    If Len(text) = 0 Then
        Split = Array()
        Exit Function
    End If
    count = 1 : start = 1
    Do
        found = InStr(start, text, separator)
        If found = 0 Then Exit Do
        count = count + 1 : start = found + Len(separator)
    Loop
    ReDim items(count - 1)
    count = 0 : start = 1
    Do
        found = InStr(start, text, separator)
        If found = 0 Then Exit Do
        items(count) = Mid(text, start, found - start)
        count = count + 1 : start = found + Len(separator)
    Loop
    items(count) = Mid(text, start)
    Split = items
End Function

' AscW, which Wine's engine lacks: its Asc gives the code page's byte, and the
' runtime's table (AspUnicode) that byte's Unicode; for a double-byte character it
' gives both bytes as one signed 16-bit number, looked up in the table file that
' the runtime writes for a double-byte code page (read at the first such character).
' A character beyond the code page, for which Asc gives "?" or a look-alike ("A"
' for U+0100), does not come back from Chr; see UnitCode.
Dim AspDoubleByteTable, AspDoubleByteLines
Function AscW(text)
    Dim code : code = Asc(text)
    If code >= 0 And code < 256 Then
        If Chr(code) = Left(text, 1) Then AscW = AspUnicode(code) Else AscW = UnitCode(Left(text, 1))
        Exit Function
    End If
    If code < 0 Then code = code + 65536
    If Not IsArray(AspDoubleByteLines) Then
        Dim reader, lead
        Set reader = New AspLineReader
        reader.Load AspFiles.OpenTextFile(AspDoubleByteTable, 1)
        ReDim AspDoubleByteLines(255)
        For lead = 0 To 255
            AspDoubleByteLines(lead) = reader.ReadLine
        Next
    End If
    AscW = CLng(Split(AspDoubleByteLines(code \ 256), " ")(code Mod 256))
End Function

' The texts that the server's code page cannot hold (a UTF-8 page's text, the
' values posted to it): a Unicode file read at the start, one text after another,
' each of the length given.
Dim AspTexts
Sub LoadTexts(path, lengths)
    Dim stream, text, sizes, i, at
    Set stream = AspFiles.OpenTextFile(path, 1, False, -1)
    text = stream.ReadAll
    stream.Close
    sizes = Split(lengths, " ")
    ReDim AspTexts(UBound(sizes))
    at = 1
    For i = 0 To UBound(sizes)
        AspTexts(i) = Mid(text, at, CLng(sizes(i)))
        at = at + CLng(sizes(i))
    Next
End Sub

' A UTF-16 unit's number (signed, as AscW gives it): its place in the Unicode file
' that holds every unit in order, read at the first call; each unit found is kept.
Dim AspUnitsFile, AspUnits, AspUnitCodes
Function UnitCode(unit)
    Dim stream, codes
    If IsEmpty(AspUnits) Then
        Set stream = AspFiles.OpenTextFile(AspUnitsFile, 1, False, -1)
        AspUnits = stream.ReadAll
        stream.Close
        Set AspUnitCodes = CreateObject("Scripting.Dictionary")
    End If
    Set codes = AspUnitCodes
    If Not codes.Exists(unit) Then codes.Add unit, InStr(1, AspUnits, unit, 0) - 1
    UnitCode = codes.Item(unit)
    If UnitCode >= 32768 Then UnitCode = UnitCode - 65536
End Function

Function NewDictionary()
    Set NewDictionary = CreateObject("Scripting.Dictionary")
    NewDictionary.CompareMode = 1
End Function

Function DictionaryValue(dictionary, key)
    Dim d : Set d = dictionary
    If d.Exists(key) Then DictionaryValue = d.Item(key)
End Function

' Session and Application: named values; Session's are kept per visitor.
Class AspValues
    Public Timeout
    Public Locked
    Private m_values
    Private Sub Class_Initialize
        Set m_values = NewDictionary()
    End Sub
    Public Default Property Get Item(key)
        Item = DictionaryValue(m_values, key)
    End Property
    Public Property Let Item(key, value)
        Dim d : Set d = m_values
        d.Item(key) = value
    End Property
    Public Sub Lock
        Locked = True
    End Sub
    Public Sub UnLock
        Locked = False
    End Sub
    Public Sub Abandon
        m_values.RemoveAll
    End Sub
End Class

Class AspRequest
    Public FormValues
    Public QueryValues
    Public CookieValues
    Public Variables
    Private Sub Class_Initialize
        Set FormValues = NewDictionary()
        Set QueryValues = NewDictionary()
        Set Variables = NewDictionary()
    End Sub
    Public Property Get Form(key)
        Form = DictionaryValue(FormValues, key)
    End Property
    Public Property Get QueryString(key)
        QueryString = DictionaryValue(QueryValues, key)
    End Property
    Public Property Get Cookies(key)
        Cookies = DictionaryValue(CookieValues, key)
    End Property
    Public Property Get ServerVariables(key)
        ServerVariables = DictionaryValue(Variables, key)
    End Property
    ' Request("name"): the query, then the form, the cookies and the server variables.
    Public Default Function Item(key)
        Dim source
        For Each source In Array(QueryValues, FormValues, CookieValues, Variables)
            If source.Exists(key) Then
                Item = source.Item(key)
                Exit Function
            End If
        Next
    End Function
End Class

' The body goes straight to its file: in the server's code page, or for a page in
' another code page in the Unicode format, which the runtime converts to the
' page's code page; Clear starts the file again.
Class AspResponse
    Public CacheControl
    Public CharSet
    Public Buffer
    Public Status
    Public RedirectTarget
    Public CookieValues
    Private m_path
    Private m_stream
    Private m_unicode
    Public Sub Start(path, cookies, unicode)
        m_path = path : Buffer = True : Status = "200 OK" : RedirectTarget = "" : m_unicode = unicode
        Set CookieValues = cookies
        Set m_stream = AspFiles.CreateTextFile(m_path, True, unicode)
        CacheControl = "" : CharSet = ""
    End Sub
    Public Property Get Unicode
        Unicode = m_unicode
    End Property
    Public Sub Finish
        m_stream.Close
    End Sub
    Public Property Get BodyPath
        BodyPath = m_path
    End Property
    Public Sub Write(text)
        m_stream.Write text & ""
    End Sub
    Public Sub Clear
        m_stream.Close
        Set m_stream = AspFiles.CreateTextFile(m_path, True, m_unicode)
    End Sub
    Public Sub Redirect(url)
        Clear
        Status = "302 Object moved" : RedirectTarget = url
        Err.Raise AspEndNumber
    End Sub
    ' Response.End: End cannot name a method here, so the runtime calls this one.
    Public Sub EndPage
        Err.Raise AspEndNumber
    End Sub
    Public Property Get Cookies(key)
        Cookies = DictionaryValue(CookieValues, key)
    End Property
    Public Property Let Cookies(key, value)
        Dim d : Set d = CookieValues
        d.Item(key) = value
    End Property
End Class

' Wine's TextStream is not at its end after the last line of a file whose size is
' 64 more than a multiple of 256, and the next ReadLine fails. So a file opened for
' reading gives its lines through this reader, which reads them once up to the end
' or that failure, at the first question about lines; Read and ReadAll go to the
' stream. Only the members that the pages use are given.
Class AspLineReader
    Private m_stream
    Private m_lines
    Private m_count
    Private m_next
    Public Sub Load(stream)
        Set m_stream = stream
        m_count = -1 : m_next = 0
    End Sub
    Private Sub ReadLines
        Dim line
        ReDim m_lines(63)
        m_count = 0
        On Error Resume Next
        Do While Not m_stream.AtEndOfStream
            line = m_stream.ReadLine
            If Err.Number <> 0 Then Exit Do
            If m_count > UBound(m_lines) Then ReDim Preserve m_lines(2 * m_count)
            m_lines(m_count) = line
            m_count = m_count + 1
        Loop
        Err.Clear
        m_stream.Close
    End Sub
    Public Property Get AtEndOfStream
        If m_count < 0 Then ReadLines
        AtEndOfStream = m_next >= m_count
    End Property
    Public Function ReadLine
        If m_count < 0 Then ReadLines
        If m_next >= m_count Then Err.Raise 62
        ReadLine = m_lines(m_next)
        m_next = m_next + 1
    End Function
    Public Function Read(characters)
        Read = m_stream.Read(characters)
    End Function
    Public Function ReadAll
        ReadAll = m_stream.ReadAll
    End Function
    Public Sub Close
        If m_count < 0 Then m_stream.Close
        m_count = 0
    End Sub
End Class

' With AspLockedWrites set, a change of a file outside Application.Lock is kept in
' AspUnlockedWrite, and the request reports it as its error.
Dim AspLockedWrites, AspUnlockedWrite
Sub CheckLocked(path)
    If AspLockedWrites And Not Application.Locked Then AspUnlockedWrite = path
End Sub

' A server that stops: the process ends before the change of a file after the
' number of changes given (-1: never); opening a file to write it and closing it
' are changes (a close names no file). A folder where the server may change files but not make them.
Dim AspStopAfter : AspStopAfter = -1
Dim AspNoCreate : AspNoCreate = False
Sub AspChanging(path, making)
    If AspStopAfter = 0 Then WScript.Quit 3
    If AspStopAfter > 0 Then AspStopAfter = AspStopAfter - 1
    If path = "" Then Exit Sub
    If AspNoCreate And (making Or Not AspFiles.FileExists(path)) Then Err.Raise 70, "Scripting.FileSystemObject", "Permission denied"
End Sub

Class AspWriter
    Public Stream
    Public Sub Write(text)
        Stream.Write text
    End Sub
    Public Sub WriteLine(text)
        Stream.WriteLine text
    End Sub
    Public Sub Close
        AspChanging "", False
        Stream.Close
    End Sub
End Class

' A class method has no optional arguments, so the runtime names the pages' calls
' of OpenTextFile and CreateTextFile after their number of arguments
' (OpenTextFile4 for OpenTextFile(path, mode, create, format)).
Class AspFileSystem
    Private m_files
    Private Sub Class_Initialize
        Set m_files = CreateObject("Scripting.FileSystemObject")
    End Sub
    Public Function OpenTextFile4(path, mode, create, format)
        Dim reader, writer
        If mode <> 1 Then
            CheckLocked path
            AspChanging path, False
            Set writer = New AspWriter
            Set writer.Stream = m_files.OpenTextFile(path, mode, create, format)
            Set OpenTextFile4 = writer
            Exit Function
        End If
        Set reader = New AspLineReader
        reader.Load m_files.OpenTextFile(path, mode, create, format)
        Set OpenTextFile4 = reader
    End Function
    Public Function OpenTextFile3(path, mode, create)
        Set OpenTextFile3 = OpenTextFile4(path, mode, create, 0)
    End Function
    Public Function OpenTextFile2(path, mode)
        Set OpenTextFile2 = OpenTextFile4(path, mode, False, 0)
    End Function
    Public Function OpenTextFile1(path)
        Set OpenTextFile1 = OpenTextFile4(path, 1, False, 0)
    End Function
    Public Function CreateTextFile3(path, overwrite, unicode)
        Dim writer
        CheckLocked path
        AspChanging path, Not m_files.FileExists(path)
        Set writer = New AspWriter
        Set writer.Stream = m_files.CreateTextFile(path, overwrite, unicode)
        Set CreateTextFile3 = writer
    End Function
    Public Function CreateTextFile2(path, overwrite)
        Set CreateTextFile2 = CreateTextFile3(path, overwrite, False)
    End Function
    Public Function CreateTextFile1(path)
        Set CreateTextFile1 = CreateTextFile3(path, True, False)
    End Function
    Public Function GetFile(path)
        Set GetFile = m_files.GetFile(path)
    End Function
    Public Function FileExists(path)
        FileExists = m_files.FileExists(path)
    End Function
    Public Sub MoveFile(source, target)
        CheckLocked source
        AspChanging target, True
        m_files.MoveFile source, target
    End Sub
    Public Sub DeleteFile(path)
        CheckLocked path
        AspChanging path, False
        m_files.DeleteFile path
    End Sub
End Class

Function NewComObject(name)
    If LCase(name) = "scripting.filesystemobject" Then
        Set NewComObject = New AspFileSystem
    Else
        Set NewComObject = CreateObject(name)
    End If
End Function

Class AspServer
    Public Root
    Public ScriptTimeout
    Public Function MapPath(path)
        Dim relative : relative = Replace(path, "/", "\")
        If Left(relative, 1) = "\" Then relative = Mid(relative, 2)
        MapPath = Root & "\" & relative
    End Function
    Public Function CreateObject(name)
        Set CreateObject = NewComObject(name)
    End Function
    ' The server's rules: the four markup characters by name, and every character
    ' from U+00A0 to U+00FF by its number; the rest as it is.
    Public Function HTMLEncode(text)
        Dim i, result
        result = Replace(Replace(Replace(Replace(text & "", "&", "&amp;"), "<", "&lt;"), ">", "&gt;"), """", "&quot;")
        If AspHighCharacters.Test(result) Then
            For i = 0 To UBound(AspNumbered) Step 2
                result = Replace(result, AspNumbered(i), AspNumbered(i + 1))
            Next
        End If
        HTMLEncode = result
    End Function
    Public Function URLEncode(text)
        Dim i, c
        For i = 1 To Len(text)
            c = Mid(text, i, 1)
            If c = " " Then
                URLEncode = URLEncode & "+"
            ElseIf InStr(1, AspPlainCharacters, c, 0) > 0 Then
                URLEncode = URLEncode & c
            Else
                URLEncode = URLEncode & "%" & Right("0" & Hex(Asc(c)), 2)
            End If
        Next
    End Function
End Class

' The server's clock: it moves only as the requests say they wait, so that a
' run's times are known.
Dim AspClock : AspClock = Date + TimeSerial(Hour(Time), Minute(Time), Second(Time))
Function Now()
    Now = AspClock
End Function

' The driver: one request after another, each visitor with its own session and
' cookies, and the hidden form values of the last page it was sent.
Dim Request, Response, Server, Session, Application, AspVisitors, AspHidden
Dim AspFromPage : AspFromPage = Chr(1) & "page"
Dim AspHiddenInput : Set AspHiddenInput = New RegExp
AspHiddenInput.Pattern = "<input type=""hidden"" name=""([^""]*)"" value=""([^""]*)"""
AspHiddenInput.Global = True
Set Response = New AspResponse
Set Server = New AspServer
Set Application = New AspValues
Set AspVisitors = NewDictionary()

Sub AddValue(dictionary, key, value)
    Dim d : Set d = dictionary
    d.Item(key) = value
End Sub

' A posted value that is AspFromPage takes the value of the hidden field of that
' name on the visitor's last page, as a browser sends it back; AspFromPage, a
' space and another visitor's address: on that visitor's last page.
Sub AddFormValue(key, value)
    Dim visitors, state
    Set visitors = AspVisitors
    If value = AspFromPage Then
        AddValue Request.FormValues, key, DictionaryValue(AspHidden, key)
    ElseIf Left(value, Len(AspFromPage) + 1) = AspFromPage & " " Then
        state = visitors.Item(Mid(value, Len(AspFromPage) + 2))
        AddValue Request.FormValues, key, DictionaryValue(state(2), key)
    Else
        AddValue Request.FormValues, key, value
    End If
End Sub

Sub KeepHiddenValues(bodyPath, unicode)
    Dim stream, match, value
    If AspFiles.GetFile(bodyPath).Size <= 2 Then Exit Sub
    Set stream = AspFiles.OpenTextFile(bodyPath, 1, False, CInt(unicode))
    For Each match In AspHiddenInput.Execute(stream.ReadAll)
        value = Replace(Replace(Replace(match.SubMatches(1), "&quot;", """"), "&lt;", "<"), "&gt;", ">")
        AddValue AspHidden, match.SubMatches(0), Replace(value, "&amp;", "&")
    Next
    stream.Close
End Sub

Sub BeginRequest(method, page, visitor, bodyPath, waitSeconds, unicode)
    Dim visitors : Set visitors = AspVisitors
    ' By arithmetic: Wine's DateAdd overflows past 65535 seconds.
    AspClock = CDate(CDbl(AspClock) + waitSeconds / 86400)
    If Not visitors.Exists(visitor) Then visitors.Add visitor, Array(New AspValues, NewDictionary(), NewDictionary())
    Dim state : state = visitors.Item(visitor)
    Set Session = state(0)
    Set AspHidden = state(2)
    Set Request = New AspRequest
    Set Request.CookieValues = state(1)
    AddValue Request.Variables, "REQUEST_METHOD", method
    AddValue Request.Variables, "SCRIPT_NAME", "/" & page
    AddValue Request.Variables, "REMOTE_ADDR", visitor
    AddValue Request.Variables, "REMOTE_HOST", visitor
    Response.Start bodyPath, state(1), unicode
    AspLine = 0
    Application.Locked = False
    AspUnlockedWrite = ""
End Sub

' The answer's head: status, redirect target, cache control, the error and its
' page line, and the character set.
Sub FinishRequest(resultPath, number, description)
    Response.Finish
    KeepHiddenValues Response.BodyPath, Response.Unicode
    Dim result : Set result = AspFiles.CreateTextFile(resultPath, True)
    result.WriteLine Response.Status
    result.WriteLine Response.RedirectTarget
    result.WriteLine Response.CacheControl
    If number <> 0 And number <> AspEndNumber Then
        result.WriteLine "Error " & number & " on line " & AspLine & ": " & description
    ElseIf AspUnlockedWrite <> "" Then
        result.WriteLine "Changed outside Application.Lock: " & AspUnlockedWrite
    Else
        result.WriteLine
    End If
    result.WriteLine Response.CharSet
    result.Close
End Sub
