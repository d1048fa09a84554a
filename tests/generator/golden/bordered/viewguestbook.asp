<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<html><head><title>Q</title>
<style type="text/css">
<!--
/* Made with Quillset: https://quillset.example.org/support/ */
a{text-decoration:none}
a:hover   {font-family: Arial; font-size: 14; color: #00ff00; text-decoration: underline;}
a:link    {font-family: Arial; font-size: 10; color: #0000FF; text-decoration: none;}
TD,TH,SELECT,TEXT     {font-family: Times New Roman; font-size: 12; color: #112233;}
body   {font-family: Times New Roman; font-size: 12; color: #112233;}
//-->
</style>
</head>

<body topmargin="0" bottommargin="0" rightmargin="0" leftmargin="0" marginheight="0" marginwidth="0" bgcolor=#ffcc00 background=images/back.gif>


<div align="center"><font style="font-size: 23px;">Q</font></div><br/><br/>
<%
   Const ForReading = 1, ForWriting = 2, ForAppending = 8
   Dim ThisLine, Lines, LineCount, x, y
   Set FileObject = Server.CreateObject("Scripting.FileSystemObject")
   GuestBookFile = Server.MapPath("guestbook.txt")
   Set InputStream = FileObject.OpenTextFile(GuestBookFile, ForReading, False)
   ReDim Lines(63)
   LineCount = 0
   Do While Not InputStream.AtEndOfStream
       If LineCount > UBound(Lines) Then ReDim Preserve Lines(2 * LineCount)
       Lines(LineCount) = InputStream.ReadLine
       LineCount = LineCount + 1
   Loop
   InputStream.Close
   Set OutputStream = Nothing
   Set FileObject = Nothing
   For y = LineCount - 1 To 0 Step -1
       Response.Write "<br/>"
       ThisLine = split(Lines(y), "vbCrLf ")
       For x = UBound(ThisLine) To LBound(ThisLine) Step -1
               Response.Write replace(Server.HTMLEncode(ThisLine(x)), "//vbReturn//", " <br> ") + "<br/>"
       Next
   Next
%>
<br/><br/><center><a href="default.asp"><b>Sign Guestbook</b></a></center><br/><br/>
</body>
</html>
