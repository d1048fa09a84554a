#include "generator/signpage.h"

#include "generator/pageframe.h"
#include "generator/pagetexts.h"
#include "generator/protection.h"

namespace {

const QString kInputStyle =
    QStringLiteral(" style=\"border-width: 1; border-color: #000000; font-family: verdana; font-size: 11\">");

// The length limit, so that a browser stops typing there; nothing without one.
QString maxLength(int limit)
{
    return limit > 0 ? QStringLiteral(" maxlength=") + QString::number(limit) : QString();
}

QString inputCell(const GuestbookField &field, int limit)
{
    const QString cellStart = QStringLiteral("   <td width=\"90%\" valign=\"top\" align=\"right\">");
    if (IsTextareaField(field)) {
        return cellStart + QStringLiteral("<textarea name=\"") + FieldControlName(field) + QStringLiteral("\" rows=")
            + field.Rows + QStringLiteral(" cols=") + field.Cols + maxLength(limit) + kInputStyle + QStringLiteral("</textarea></td>");
    }
    return cellStart + QStringLiteral("<input type=\"text\" name=\"") + FieldControlName(field)
        + QStringLiteral("\" size=") + field.Rows + maxLength(limit) + kInputStyle + QStringLiteral("</td>");
}

QString formRows(const QList<GuestbookField> &fields, int limit, const QString &submitCaption)
{
    QString rows;
    for (const GuestbookField &field : fields) {
        rows += QStringLiteral("<tr>") + kCrLf;
        rows += QStringLiteral(" <td width=\"10%\" nowrap valign=\"top\">") + field.FieldName + QStringLiteral(":</td>")
            + kCrLf;
        rows += inputCell(field, limit) + kCrLf;
        rows += QStringLiteral("</tr>");
    }
    rows += kCrLf + QStringLiteral("<tr>") + kCrLf;
    rows += QStringLiteral("    <td colspan=\"100%\" align=\"center\"><input type=\"Submit\" name=\"btnSubmit\" "
                           "value=\"")
        + submitCaption
        + QStringLiteral("\" style=\"border-width: 1; border-color: #000000; font-family: verdana; font-size: 11\">"
                         "&nbsp;&nbsp;&nbsp;</td></tr>");
    return rows;
}

}  // namespace

QString BuildSignPage(const GuestbookProject &p, const PageLinks &links, const QString &banner,
                      const QString &guardFields)
{
    const QString functions = guardFields.isEmpty() ? QString() : Printed(BuildScriptFunctions());
    return functions + BuildPageStart(p) + Printed(BuildTitleLine(p, false)) + Printed(banner)
        + Printed(BuildSignForm(p, links, guardFields)) + Printed(BuildClosingLines());
}

QString BuildErrorBanner(const PageTexts &texts)
{
    return QStringLiteral("<%if not request.querystring(\"err\") = \"\" then%><div align=\"center\"><font "
                          "style=\"font-size: 15px; color: #ff0000\"><b>")
        + texts.text(PageText::InvalidLength) + QStringLiteral("</b></font></div><br/><br/><%end if%>");
}

QString BuildSignForm(const GuestbookProject &project, const PageLinks &links, const QString &guardFields)
{
    const QString guard = guardFields.isEmpty() ? QString() : Printed(guardFields);
    const PageTexts texts(project.Page_Language);
    return BuildTableStart(project, 3) + kCrLf + QStringLiteral("<form action=\"") + links.entryScript
        + QStringLiteral("\" method=\"post\" name=\"frmGB\">") + kCrLf + guard + kCrLf
        + formRows(project.Fields, EntryLengthLimit(project), texts.text(PageText::SignButton)) + kCrLf
        + QStringLiteral("</form>") + kCrLf + QStringLiteral("</table><br/><br/><div align=center><a href=\"")
        + links.viewPage + QStringLiteral("\">") + texts.text(PageText::ViewLink) + QStringLiteral("</a></div>");
}
