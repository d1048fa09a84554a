<%

   strFld1 = request.form("txtaYour_Comments")

   if len(strfld1) < 3 then response.redirect "default.asp?err=1"

   Const ForReading = 1, ForWriting = 2, ForAppending = 8
   Set FileObject = Server.CreateObject("Scripting.FileSystemObject")
   GuestBookFile = Server.MapPath("guestbook.txt")
   Set OutputStream = FileObject.OpenTextFile(GuestBookFile, ForAppending, True)
   OutputStream.WriteLine "Your Comments : " + Replace(Replace(Replace(strFld1, vbCrLf, "//vbReturn//"), vbCr, "//vbReturn//"), vbLf, "//vbReturn//") + "vbCrLf Date : " + CStr(Now())
   Set OutputStream = Nothing
   Set FileObject = Nothing
%>


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
<table border=2 width=80% cellpadding="0" cellspacing="0" align="center" valign="top">
<tr>
   <td width="10%" nowrap valign="top">Your Comments:</td>
 <td width="90%" valign="top" align="left"><%=Server.HTMLEncode(strFld1)%></td>
</tr>

</table><br/><br/><div align=center><b>Thankyou, your comments have now been added to the guestbook</b><br/><br/><a href="viewguestbook.asp">View Guestbook</a></div>
</body>
</html>
