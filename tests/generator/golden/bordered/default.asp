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


<div align=center><font style="font-size: 23px;">Q</font></div><br/><br/>
<%if not request.querystring("err") = "" then%><div align="center"><font style="font-size: 15px; color: #ff0000"><b>Error: One or more required fields were of an invalid length</b></font></div><br/><br/><%end if%>
<table border=2 width=80% cellpadding="3" cellspacing="0" align="center" valign="top">
<form action="addtogb.asp" method="post" name="frmGB">

<tr>
 <td width="10%" nowrap valign="top">Your Comments:</td>
   <td width="90%" valign="top" align="right"><textarea name="txtaYour_Comments" rows=5 cols=30 style="border-width: 1; border-color: #000000; font-family: verdana; font-size: 11"></textarea></td>
</tr>
<tr>
    <td colspan="100%" align="center"><input type="Submit" name="btnSubmit" value="Sign my guestbook" style="border-width: 1; border-color: #000000; font-family: verdana; font-size: 11">&nbsp;&nbsp;&nbsp;</td></tr>
</form>
</table><br/><br/><div align=center><a href="viewguestbook.asp">View Guestbook</a></div>
</body>
</html>
