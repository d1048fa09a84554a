<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<html><head><title>Club & news</title>
<style type="text/css">
<!--
/* Made with Quillset: https://quillset.example.org/support/ */
a{text-decoration:none}
a:hover   {font-family: Verdana; font-size: 9; color: #ff0000; text-decoration: underline;}
a:link    {font-family: Verdana; font-size: 9; color: #333333; text-decoration: none;}
TD,TH,SELECT,TEXT     {font-family: Tahoma; font-size: 20; color: #000000;}
body   {font-family: Tahoma; font-size: 20; color: #000000;}
//-->
</style>
</head>

<body topmargin="0" bottommargin="0" rightmargin="0" leftmargin="0" marginheight="0" marginwidth="0" bgcolor=#ffffff>


<div align=center><font style="font-size: 23px;">Club & news</font></div><br/><br/>
<%if not request.querystring("err") = "" then%><div align="center"><font style="font-size: 15px; color: #ff0000"><b>Error: One or more required fields were of an invalid length</b></font></div><br/><br/><%end if%>
<table border="0" width=33% cellpadding="3" cellspacing="0" align="center" valign="top">
<form action="addtogb.asp" method="post" name="frmGB">

<tr>
 <td width="10%" nowrap valign="top">Your Name:</td>
   <td width="90%" valign="top" align="right"><input type="text" name="txtYour_Name" size=30 style="border-width: 1; border-color: #000000; font-family: verdana; font-size: 11"></td>
</tr><tr>
 <td width="10%" nowrap valign="top">Note:</td>
   <td width="90%" valign="top" align="right"><input type="text" name="txtNote" size=15 style="border-width: 1; border-color: #000000; font-family: verdana; font-size: 11"></td>
</tr><tr>
 <td width="10%" nowrap valign="top">Message:</td>
   <td width="90%" valign="top" align="right"><textarea name="txtaMessage" rows=8 cols=50 style="border-width: 1; border-color: #000000; font-family: verdana; font-size: 11"></textarea></td>
</tr>
<tr>
    <td colspan="100%" align="center"><input type="Submit" name="btnSubmit" value="Sign my guestbook" style="border-width: 1; border-color: #000000; font-family: verdana; font-size: 11">&nbsp;&nbsp;&nbsp;</td></tr>
</form>
</table><br/><br/><div align=center><a href="viewguestbook.asp">View Guestbook</a></div>
</body>
</html>
