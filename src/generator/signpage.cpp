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
            + field.Rows + QStringLiteral(" cols=") + field.Cols + maxLength(limit) + kInputStyle
            + QStringLiteral("</textarea></td>");
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

// The banner block: none in a preview (no error to report), the protection's
// banners, or the one banner of an unprotected site.
QString banner(const SiteDescription &site)
{
    if (site.preview)
        return {};
    return site.protection.isOn() ? BuildProtectedBanner(site) : BuildErrorBanner(site.texts);
}

}  // namespace

QString BuildSignPage(const SiteDescription &site)
{
    const QString functions = BuildProtectedSignFields(site).isEmpty() ? QString() : Printed(BuildScriptFunctions());
    return functions + BuildPageStart(site.design) + Printed(BuildTitleLine(site.design, false)) + Printed(banner(site))
        + Printed(BuildSignForm(site)) + Printed(BuildClosingLines());
}

QString BuildErrorBanner(const PageTexts &texts)
{
    return QStringLiteral("<%if not request.querystring(\"err\") = \"\" then%><div align=\"center\"><font "
                          "style=\"font-size: 15px; color: #ff0000\"><b>")
        + texts.text(PageText::InvalidLength) + QStringLiteral("</b></font></div><br/><br/><%end if%>");
}

QString BuildSignForm(const SiteDescription &site)
{
    const QString guardFields = BuildProtectedSignFields(site);
    const QString guard = guardFields.isEmpty() ? QString() : Printed(guardFields);
    const PageTexts &texts = site.texts;
    return BuildTableStart(site.design, 3) + kCrLf + QStringLiteral("<form action=\"") + site.links.entryScript
        + QStringLiteral("\" method=\"post\" name=\"frmGB\">") + kCrLf + guard + kCrLf
        + formRows(site.design.fields, site.protection.lengthLimit, texts.text(PageText::SignButton)) + kCrLf
        + QStringLiteral("</form>") + kCrLf + QStringLiteral("</table><br/><br/><div align=center><a href=\"")
        + site.links.viewPage + QStringLiteral("\">") + texts.text(PageText::ViewLink) + QStringLiteral("</a></div>");
}
