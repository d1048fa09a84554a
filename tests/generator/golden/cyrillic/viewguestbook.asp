<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<html><head><title>Гостевая книга</title>
<style type="text/css">
<!--
/* Made with Quillset: https://quillset.example.org/support/ */
a{text-decoration:none}
a:hover   {font-family: Verdana; font-size: 11; color: #ff0000; text-decoration: underline;}
a:link    {font-family: Verdana; font-size: 11; color: #3333ff; text-decoration: none;}
TD,TH,SELECT,TEXT     {font-family: Verdana; font-size: 11; color: #000000;}
body   {font-family: Verdana; font-size: 11; color: #000000;}
//-->
</style>
</head>

<body topmargin="0" bottommargin="0" rightmargin="0" leftmargin="0" marginheight="0" marginwidth="0" bgcolor=#ffffff>


<div align="center"><font style="font-size: 23px;">Гостевая книга</font></div><br/><br/>
<%
   Const ForReading = 1, ForWriting = 2, ForAppending = 8
   Dim ThisLine, PrintLine
   Set FileObject = Server.CreateObject("Scripting.FileSystemObject")
   GuestBookFile = Server.MapPath("guestbook.txt")
   Set InputStream = FileObject.OpenTextFile(GuestBookFile, ForReading, False)
   Do While Not InputStream.AtEndOfStream
       ThisLine = split(InputStream.ReadLine, "vbCrLf ")
       For x = LBound(ThisLine) To UBound(ThisLine)
               PrintLine = Server.HTMLEncode(ThisLine(x)) + "<br/>" + PrintLine
       Next
       PrintLine = "<br/>" + PrintLine
   Loop
   InputStream.Close
   Set OutputStream = Nothing
   Set FileObject = Nothing
   Response.Write replace(PrintLine, "//vbReturn//", " <br> ")
%>
<br/><br/><center><a href="default.asp"><b>Sign Guestbook</b></a></center><br/><br/>
</body>
</html>
