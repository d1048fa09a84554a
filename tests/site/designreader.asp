<%
   ' The view page's reader as first written (items HTML-encoded, as the pages do):
   ' every item is put in front of one growing string.
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