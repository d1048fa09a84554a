<%

   strFld1 = request.form("txtName")
   strFld2 = request.form("txtE-mail")
   strFld3 = request.form("txtHomepage")
   strFld4 = request.form("txtaComments")

   if len(strfld1) < 3 then response.redirect "default.asp?err=1"
   if len(strfld2) < 3 then response.redirect "default.asp?err=1"
   if len(strfld3) < 3 then response.redirect "default.asp?err=1"
   if len(strfld4) < 3 then response.redirect "default.asp?err=1"

   Const ForReading = 1, ForWriting = 2, ForAppending = 8
   Set FileObject = Server.CreateObject("Scripting.FileSystemObject")
   GuestBookFile = Server.MapPath("guestbook.txt")
   Set OutputStream = FileObject.OpenTextFile(GuestBookFile, ForAppending, True)
   OutputStream.WriteLine "Comments : " + Replace(Replace(Replace(strFld4, vbCrLf, "//vbReturn//"), vbCr, "//vbReturn//"), vbLf, "//vbReturn//") + "vbCrLf Homepage : " + Replace(Replace(Replace(strFld3, vbCrLf, "//vbReturn//"), vbCr, "//vbReturn//"), vbLf, "//vbReturn//") + "vbCrLf E-mail : " + Replace(Replace(Replace(strFld2, vbCrLf, "//vbReturn//"), vbCr, "//vbReturn//"), vbLf, "//vbReturn//") + "vbCrLf Name : " + Replace(Replace(Replace(strFld1, vbCrLf, "//vbReturn//"), vbCr, "//vbReturn//"), vbLf, "//vbReturn//") + "vbCrLf Date : " + CStr(Now())
   Set OutputStream = Nothing
   Set FileObject = Nothing
%>


<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<html><head><title>My Guestbook</title>
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


<div align="center"><font style="font-size: 23px;">My Guestbook</font></div><br/><br/>
<table border="0" width=45% cellpadding="0" cellspacing="0" align="center" valign="top">
<tr>
   <td width="10%" nowrap valign="top">Name:</td>
 <td width="90%" valign="top" align="left"><%=Server.HTMLEncode(strFld1)%></td>
</tr>
<tr>
   <td width="10%" nowrap valign="top">E-mail:</td>
 <td width="90%" valign="top" align="left"><%=Server.HTMLEncode(strFld2)%></td>
</tr>
<tr>
   <td width="10%" nowrap valign="top">Homepage:</td>
 <td width="90%" valign="top" align="left"><%=Server.HTMLEncode(strFld3)%></td>
</tr>
<tr>
   <td width="10%" nowrap valign="top">Comments:</td>
 <td width="90%" valign="top" align="left"><%=Server.HTMLEncode(strFld4)%></td>
</tr>

</table><br/><br/><div align=center><b>Thankyou, your comments have now been added to the guestbook</b><br/><br/><a href="viewguestbook.asp">View Guestbook</a></div>
</body>
</html>
