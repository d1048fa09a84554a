#include "generator/entryscript.h"

#include "generator/pageframe.h"
#include "generator/pagetexts.h"
#include "generator/protection.h"

namespace {

const QChar kQuote = QLatin1Char('"');

// The posted value with every kind of line break turned into the marker that the
// view page shows as a break, so that one post is always one entry line. A typed
// item separator gets a tab for its space, which a browser shows as the space, so
// that it stays inside its item.
QString storedValue(int number, TypedSeparator separator)
{
    const QString marker = kQuote + kStoredReturnMarker + kQuote;
    const QString lineBreaks = QStringLiteral("Replace(Replace(Replace(strFld") + QString::number(number)
        + QStringLiteral(", vbCrLf, ") + marker + QStringLiteral("), vbCr, ") + marker + QStringLiteral("), vbLf, ")
        + marker + QLatin1Char(')');
    if (separator == TypedSeparator::Kept)
        return QStringLiteral(" + ") + lineBreaks;
    const QString typed = kStoredItemSeparator.trimmed();
    return QStringLiteral(" + Replace(") + lineBreaks + QStringLiteral(", ") + kQuote + kStoredItemSeparator + kQuote
        + QStringLiteral(", ") + kQuote + typed + kQuote + QStringLiteral(" & vbTab)");
}

// The write statement: the last field's item first, the first field's last.
QString writeStatement(const QList<GuestbookField> &fields, TypedSeparator separator)
{
    QString statement;
    const int count = int(fields.size());
    for (int i = 1; i <= count; ++i) {
        const QString name = fields.at(i - 1).FieldName;
        const QString start =
            i < count ? QStringLiteral(" + \"") + kStoredItemSeparator : QStringLiteral("   OutputStream.WriteLine \"");
        statement.prepend(start + name + QStringLiteral(" : ") + kQuote + storedValue(i, separator));
    }
    return statement;
}

// The line the store block writes: the entry's items, then the date under the page language's word.
QString entryLine(const QList<GuestbookField> &fields, const PageTexts &texts,
                  TypedSeparator separator = TypedSeparator::Kept)
{
    return BuildEntryLine(fields, texts.text(PageText::DateItem), separator);
}

QString assignmentLines(const QList<GuestbookField> &fields)
{
    QString assignments;
    for (int i = 1; i <= fields.size(); ++i)
        assignments += QStringLiteral("   strFld") + QString::number(i) + QStringLiteral(" = request.form(") + kQuote
            + FieldControlName(fields.at(i - 1)) + kQuote + QStringLiteral(")") + kCrLf;
    return assignments;
}

// Each field's shortest length; checkPrefix goes before each condition.
QString checkLines(const QList<GuestbookField> &fields, const QString &checkPrefix)
{
    QString checks;
    for (int i = 1; i <= fields.size(); ++i)
        checks += QStringLiteral("   if ") + checkPrefix + QStringLiteral("len(strfld") + QString::number(i)
            + QStringLiteral(") < 3 then response.redirect ") + kQuote + kSignPageName + QStringLiteral("?err=1")
            + kQuote + kCrLf;
    return checks;
}

// The entry script with protection: robot and person checks before the store,
// which holds the application lock and writes to pending.txt under moderation.
QString protectedEntryScript(const SiteDescription &site)
{
    const QList<GuestbookField> &fields = site.design.fields;
    const QString checks = BuildProtectedChecks(site, checkLines(fields, QStringLiteral("Not QsRobot And ")));
    const QString usedForms =
        site.protection.robotGuard ? Printed(BuildLinesFunction() + BuildUsedFormsFunction()) : QString();
    return Printed(BuildScriptFunctions()) + usedForms + Printed(BuildScriptOpening())
        + Printed(assignmentLines(fields) + kCrLf + checks)
        + Printed(BuildProtectedStoreBlock(site, entryLine(fields, site.texts, TypedSeparator::Changed)))
        + BuildPageStart(site.design) + Printed(BuildTitleLine(site.design, true)) + Printed(BuildThankYou(site))
        + Printed(BuildClosingLines());
}

}  // namespace

QString BuildEntryScript(const SiteDescription &site)
{
    if (site.protection.isOn())
        return protectedEntryScript(site);
    return Printed(BuildScriptOpening()) + Printed(BuildAssignmentsAndChecks(site.design.fields))
        + Printed(BuildStoreBlock(site.design.fields, site.texts)) + BuildPageStart(site.design)
        + Printed(BuildTitleLine(site.design, true)) + Printed(BuildThankYou(site)) + Printed(BuildClosingLines());
}

QString BuildEntryLine(const QList<GuestbookField> &fields, const QString &dateWord, TypedSeparator separator)
{
    return writeStatement(fields, separator) + QStringLiteral(" + \"") + kStoredItemSeparator + dateWord
        + QStringLiteral(" : \" + CStr(Now())");
}

QString BuildAssignments(const QList<GuestbookField> &fields)
{
    return assignmentLines(fields);
}

QString BuildRequiredChecks(const QList<GuestbookField> &fields, const QString &checkPrefix)
{
    return checkLines(fields, checkPrefix);
}

QString BuildScriptOpening()
{
    return QStringLiteral("<%") + kCrLf;
}

QString BuildAssignmentsAndChecks(const QList<GuestbookField> &fields)
{
    return assignmentLines(fields) + kCrLf + checkLines(fields, QString());
}

QString BuildStoreBlock(const QList<GuestbookField> &fields, const PageTexts &texts)
{
    return QStringLiteral("   Const ForReading = 1, ForWriting = 2, ForAppending = 8") + kCrLf
        + QStringLiteral("   Set FileObject = Server.CreateObject(\"Scripting.FileSystemObject\")") + kCrLf
        + QStringLiteral("   GuestBookFile = Server.MapPath(\"") + kDataFileName + QStringLiteral("\")") + kCrLf
        + QStringLiteral("   Set OutputStream = FileObject.OpenTextFile(GuestBookFile, ForAppending, True)") + kCrLf
        + entryLine(fields, texts) + kCrLf + QStringLiteral("   Set OutputStream = Nothing") + kCrLf
        + QStringLiteral("   Set FileObject = Nothing") + kCrLf + QStringLiteral("%>") + kCrLf + kCrLf;
}

QString BuildThankYou(const SiteDescription &site)
{
    const PageTexts &texts = site.texts;
    const QList<GuestbookField> &fields = site.design.fields;
    QString block = BuildTableStart(site.design, 0) + kCrLf;
    for (int i = 1; i <= fields.size(); ++i) {
        block += QStringLiteral("<tr>") + kCrLf;
        block += QStringLiteral("   <td width=\"10%\" nowrap valign=\"top\">") + fields.at(i - 1).FieldName
            + QStringLiteral(":</td>") + kCrLf;
        block += QStringLiteral(" <td width=\"90%\" valign=\"top\" align=\"left\"><%=Server.HTMLEncode(strFld")
            + QString::number(i) + QStringLiteral(")%></td>") + kCrLf;
        block += QStringLiteral("</tr>") + kCrLf;
    }
    const QString thanks = texts.text(site.protection.holdsEntries ? PageText::ThanksHeld : PageText::Thanks);
    return block + kCrLf + QStringLiteral("</table><br/><br/><div align=center><b>") + thanks
        + QStringLiteral("</b><br/><br/><a href=\"") + kViewPageName + QStringLiteral("\">")
        + texts.text(PageText::ViewLink) + QStringLiteral("</a></div>");
}
