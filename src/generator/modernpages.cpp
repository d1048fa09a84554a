#include "generator/modernpages.h"

#include "generator/entryscript.h"
#include "generator/fontstacks.h"
#include "generator/protection.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

const QChar kQuote = QLatin1Char('"');

// The first lines of every Modern page: the server reads it as UTF-8 and says so.
const char *const kPageOpening = R"vbs(<%@ CodePage=65001 %>
<%Response.CharSet = "utf-8"%>
)vbs";

// A Modern site holds every character in the file object's Unicode format; the
// first write converts an 8-bit guestbook.txt of a Classic site through a copy, so
// that a stop at any point leaves the entries in guestbook.txt or in its ".old"
// copy, which the readers read and the next write puts back.
const char *const kUnicodeFiles = R"vbs(<%
' Makes the file one in the Unicode format, keeping what it holds.
Sub QsMakeUnicode(path)
    Dim files, source, target, text
    Set files = Server.CreateObject("Scripting.FileSystemObject")
    If Not files.FileExists(path) And files.FileExists(path & ".old") Then files.MoveFile path & ".old", path
    If Not files.FileExists(path) Then
        files.CreateTextFile(path, False, True).Close
        Exit Sub
    End If
    If files.GetFile(path).Size = 0 Then
        files.CreateTextFile(path, True, True).Close
        Exit Sub
    End If
    If QsFileFormat(path) = -1 Then Exit Sub
    Set source = files.OpenTextFile(path, 1, False, 0)
    text = source.ReadAll
    source.Close
    Set target = files.CreateTextFile(path & ".tmp", True, True)
    target.Write text
    target.Close
    If files.FileExists(path & ".old") Then files.DeleteFile path & ".old"
    files.MoveFile path, path & ".old"
    files.MoveFile path & ".tmp", path
    files.DeleteFile path & ".old"
End Sub
' An item's value: what follows its name and " : ".
Function QsItemValue(item)
    QsItemValue = item
    If InStr(item, " : ") > 0 Then QsItemValue = Mid(item, InStr(item, " : ") + 3)
End Function
Function QsShownItem(text)
    QsShownItem = Replace(Server.HTMLEncode(text), "%RETURN%", "<br>")
End Function
%>)vbs";

// The view page's entries, newest first, as articles: the first field's value and
// the date in the header, the other items below. QsSize 0: all on one page.
const char *const kReader = R"vbs(<%
%WINDOW%
   For y = QsFirst To QsLast Step -1
       ThisLine = Split(Lines(y), "%SEPARATOR%")
       If UBound(ThisLine) < 0 Then ThisLine = Array("")
       Response.Write "<article><header>"
       If UBound(ThisLine) >= 1 Then Response.Write "<h2>" & QsShownItem(QsItemValue(ThisLine(UBound(ThisLine) - 1))) & "</h2>"
       Response.Write "<p>" & QsShownItem(QsItemValue(ThisLine(UBound(ThisLine)))) & "</p></header>"
       For x = UBound(ThisLine) - 2 To 0 Step -1
           Response.Write "<p>" & QsShownItem(ThisLine(x)) & "</p>"
       Next
       Response.Write "</article>" & vbCrLf
   Next
%>
<%If QsPages > 1 Then%><nav aria-label="%PAGES%"><ul>
<%If QsPage > 1 Then%><li><a href="%VIEW%?page=<%=QsPage - 1%>">%NEWER%</a></li><%End If%>
<%If QsPage < QsPages Then%><li><a href="%VIEW%?page=<%=QsPage + 1%>">%OLDER%</a></li><%End If%>
</ul></nav><%End If%>)vbs";

bool isWholeNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    return digits.match(text).hasMatch();
}

bool isColour(const QString &text)
{
    static const QRegularExpression colour(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    return colour.match(text).hasMatch();
}

// "property: value;" when the value suits the property, else nothing: a design value
// that is not CSS is left out rather than written as an error.
QString declaration(const char *property, const QString &value, bool fits)
{
    return fits ? QStringLiteral(" ") + QLatin1String(property) + QStringLiteral(": ") + value + QLatin1Char(';')
                : QString();
}

// A web-safe face with its stand-ins and generic family (its names are plain CSS words);
// any other face quoted, with sans-serif behind it.
QString fontFamilies(const QString &face)
{
    const QString stack = FontStack(face);
    if (stack != face)
        return stack;
    QString quotedFace = face;
    quotedFace.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(kQuote, QStringLiteral("\\\""));
    return kQuote + quotedFace + QStringLiteral("\", sans-serif");
}

QString fontDeclarations(const PageFont &font)
{
    return declaration("font-family", fontFamilies(font.face), !font.face.isEmpty())
        + declaration("font-size", font.size + QStringLiteral("px"), isWholeNumber(font.size))
        + declaration("color", font.colour.toLower(), isColour(font.colour));
}

bool hasImage(const PageDesign &design)
{
    return !design.backgroundImage.isEmpty() && design.backgroundImage.toLower() != QLatin1String("none");
}

QString rule(const QString &selector, const QString &declarations)
{
    return selector + QStringLiteral(" {") + declarations + QStringLiteral(" }");
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString withPageTexts(const QString &text, const PageTexts &texts)
{
    return WithValues(text,
                      {{QStringLiteral("%PAGES%"), texts.text(PageText::PagesOfEntries)},
                       {QStringLiteral("%NEWER%"), texts.text(PageText::NewerEntries)},
                       {QStringLiteral("%OLDER%"), texts.text(PageText::OlderEntries)}});
}

// The head and the start of the body, up to the heading.
QString pageStart(const SiteDescription &site)
{
    const QString title = escaped(site.design.title);
    const QStringList lines = {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"") + site.texts.language() + QStringLiteral("\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\">"),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
        QStringLiteral("<meta name=\"color-scheme\" content=\"") + ModernColorScheme(site.design.backgroundColour)
            + QStringLiteral("\">"),
        QStringLiteral("<title>") + title + QStringLiteral("</title>"),
        QStringLiteral("<style>"),
        BuildModernStyleSheet(site.design),
        QStringLiteral("</style>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<main>"),
        QStringLiteral("<h1>") + title + QStringLiteral("</h1>"),
    };
    return lines.join(kCrLf) + kCrLf;
}

QString pageEnd(const QString &link, const QString &caption)
{
    return QStringLiteral("<p class=\"links\"><a href=\"") + link + QStringLiteral("\">") + caption
        + QStringLiteral("</a></p>") + kCrLf + BuildModernPageClosing();
}

QString alert(const QString &condition, const QString &text)
{
    return QStringLiteral("<%if ") + condition + QStringLiteral(" then%><p class=\"alert\" role=\"alert\">") + text
        + QStringLiteral("</p><%end if%>") + kCrLf;
}

// The banners by the error a post was sent back with; texts outside the script.
QString banners(const SiteDescription &site)
{
    const PageTexts &texts = site.texts;
    if (!site.protection.isOn())
        return alert(QStringLiteral("request.querystring(\"err\") <> \"\""), texts.text(PageText::InvalidLength));
    const QList<QPair<QString, PageText>> named = {{QStringLiteral("expired"), PageText::Expired},
                                                   {QStringLiteral("wait"), PageText::Wait},
                                                   {QStringLiteral("links"), PageText::TooManyLinks},
                                                   {QStringLiteral("long"), PageText::TooLong}};
    QString block = QStringLiteral("<%QsError = request.querystring(\"err\") & \"\"%>") + kCrLf;
    QString other = QStringLiteral("QsError <> \"\"");
    for (const auto &[code, text] : named) {
        block += alert(QStringLiteral("QsError = \"") + code + kQuote, texts.text(text));
        other += QStringLiteral(" And QsError <> \"") + code + kQuote;
    }
    block += alert(other, texts.text(PageText::InvalidLength));
    return block.replace(QStringLiteral("%LIMIT%"), QString::number(site.protection.lengthLimit));
}

QString fieldRow(const GuestbookField &field, int limit)
{
    const QString name = FieldControlName(field);
    const QString length = limit > 0 ? QStringLiteral(" maxlength=\"%1\"").arg(limit) : QString();
    const QString label = QStringLiteral("<div class=\"field\"><label for=\"") + name + QStringLiteral("\">")
        + escaped(field.FieldName) + QStringLiteral("</label>") + kCrLf;
    const QString named = QStringLiteral(" id=\"") + name + QStringLiteral("\" name=\"") + name + kQuote + length;
    if (IsTextareaField(field)) {
        const QString rows = isWholeNumber(field.Rows) && field.Rows.toInt() > 0
            ? QStringLiteral(" rows=\"") + field.Rows + kQuote
            : QString();
        return label + QStringLiteral("<textarea") + named + rows + QStringLiteral("></textarea></div>") + kCrLf;
    }
    return label + QStringLiteral("<input type=\"text\"") + named + QStringLiteral("></div>") + kCrLf;
}

QString signForm(const SiteDescription &site)
{
    QString form = QStringLiteral("<form class=\"sheet\" action=\"") + site.links.entryScript
        + QStringLiteral("\" method=\"post\">") + kCrLf;
    if (!site.secret.isEmpty())
        form += BuildProtectedSignFields(site) + kCrLf;
    for (const GuestbookField &field : site.design.fields)
        form += fieldRow(field, site.protection.lengthLimit);
    return form + QStringLiteral("<div class=\"field\"><button type=\"submit\" name=\"btnSubmit\">")
        + site.texts.text(PageText::SignButton) + QStringLiteral("</button></div>") + kCrLf + QStringLiteral("</form>")
        + kCrLf;
}

// The posted values, encoded, beside their fields' names.
QString thankYou(const SiteDescription &site)
{
    const QList<GuestbookField> &fields = site.design.fields;
    QString list = QStringLiteral("<dl class=\"sheet\">") + kCrLf;
    for (int i = 1; i <= fields.size(); ++i)
        list += QStringLiteral("<dt>") + escaped(fields.at(i - 1).FieldName)
            + QStringLiteral("</dt><dd><%=Server.HTMLEncode(strFld") + QString::number(i) + QStringLiteral(")%></dd>")
            + kCrLf;
    const PageText thanks = site.protection.holdsEntries ? PageText::ThanksHeld : PageText::Thanks;
    return list + QStringLiteral("</dl>") + kCrLf + QStringLiteral("<p class=\"thanks\">") + site.texts.text(thanks)
        + QStringLiteral("</p>") + kCrLf;
}

// Channel of a colour as its contribution to relative luminance.
double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Relative luminance of "#rrggbb".
double luminance(const QString &colour)
{
    const auto part = [&colour](int at) { return channel(colour.mid(at, 2).toInt(nullptr, 16)); };
    return 0.2126 * part(1) + 0.7152 * part(3) + 0.0722 * part(5);
}

}  // namespace

QString ModernColorScheme(const QString &backgroundColour)
{
    return isColour(backgroundColour) && luminance(backgroundColour) < 0.18 ? QStringLiteral("dark")
                                                                            : QStringLiteral("light");
}

double ContrastRatio(const QString &first, const QString &second)
{
    if (!isColour(first) || !isColour(second))
        return 0;
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString BuildModernStyleSheet(const PageDesign &design)
{
    const QString textColour = design.text.colour;
    const QString text = isColour(textColour) ? textColour.toLower() : QStringLiteral("currentColor");
    const QString backgroundColour = design.backgroundColour;
    const QString background = declaration("background-color", backgroundColour.toLower(), isColour(backgroundColour));
    const QString image =
        declaration("background-image", QStringLiteral("url(\"") + design.backgroundImage + QStringLiteral("\")"),
                    hasImage(design));
    const QString border = design.tableBorder && isWholeNumber(design.tableBorderWidth)
        ? QStringLiteral(" border: %1px solid %2;").arg(design.tableBorderWidth, text)
        : QString();
    static const QRegularExpression percent(QStringLiteral("^[0-9]{1,3}%$"));
    const QString width = declaration("width", design.tableWidth, percent.match(design.tableWidth).hasMatch());
    const QString focus = QStringLiteral(" outline: 3px solid %1; outline-offset: 2px;").arg(text);
    const QStringList rules = {
        rule(QStringLiteral(":root"),
             QStringLiteral(" color-scheme: ") + ModernColorScheme(backgroundColour) + QLatin1Char(';')),
        rule(QStringLiteral("*"), QStringLiteral(" box-sizing: border-box;")),
        rule(QStringLiteral("body"),
             QStringLiteral(" margin: 0; padding: 1rem; line-height: 1.5;"
                            " overflow-wrap: anywhere;")
                 + background + image + fontDeclarations(design.text)),
        rule(QStringLiteral("h1"), QStringLiteral(" font-size: 23px; font-weight: normal; text-align: center;")),
        rule(QStringLiteral("a:link, a:visited"),
             fontDeclarations(design.link) + QStringLiteral(" text-decoration: underline;")),
        rule(QStringLiteral("a:hover"), fontDeclarations(design.hoverLink)),
        rule(QStringLiteral("a:focus, input:focus, textarea:focus, button:focus"), focus),
        rule(QStringLiteral(".sheet"), QStringLiteral(" margin: 0 auto; padding: 0.5rem;") + width + border),
        rule(QStringLiteral(".field"), QStringLiteral(" margin: 0 0 0.75rem;")),
        rule(QStringLiteral("label, dt"), QStringLiteral(" display: block; font-weight: bold;")),
        rule(QStringLiteral("dd"), QStringLiteral(" margin: 0 0 0.5rem;")),
        rule(QStringLiteral("input, textarea, button"),
             QStringLiteral(" font: inherit; color: inherit; background-color: transparent; border: 1px solid %1;"
                            " padding: 0.25rem;")
                 .arg(text)),
        rule(QStringLiteral("input, textarea"), QStringLiteral(" width: 100%;")),
        rule(QStringLiteral("button"), QStringLiteral(" padding: 0.25rem 1rem; cursor: pointer;")),
        rule(QStringLiteral(".alert"),
             QStringLiteral(" border-left: 6px solid #c00000; padding: 0.5rem; font-weight: bold;") + width
                 + QStringLiteral(" margin: 0 auto 1rem;")),
        rule(QStringLiteral(".links, .thanks"), QStringLiteral(" text-align: center;")),
        rule(QStringLiteral("article"),
             QStringLiteral(" margin: 0 auto 1rem; padding: 0.5rem;") + width
                 + (border.isEmpty() ? QStringLiteral(" border-bottom: 1px solid %1;").arg(text) : border)),
        rule(QStringLiteral("article h2"), QStringLiteral(" font-size: inherit; margin: 0;")),
        rule(QStringLiteral("article p"), QStringLiteral(" margin: 0;")),
        rule(QStringLiteral("nav ul"),
             QStringLiteral(" list-style: none; margin: 1rem 0; padding: 0; display: flex;"
                            " flex-wrap: wrap; gap: 1rem; justify-content: center;")),
        QStringLiteral("@media (max-width: 599px) {")
            + rule(QStringLiteral(" body"), QStringLiteral(" padding: 0.5rem;"))
            + rule(QStringLiteral(" .sheet, .alert, article"), QStringLiteral(" width: auto;")) + QStringLiteral(" }"),
    };
    return rules.join(kCrLf);
}

QString BuildModernSignPage(const SiteDescription &site)
{
    const QString end = pageEnd(site.links.viewPage, site.texts.text(PageText::ViewLink));
    if (site.preview)
        return pageStart(site) + signForm(site) + end;
    const QString functions =
        site.secret.isEmpty() || !site.protection.robotGuard ? QString() : BuildScriptFunctions() + kCrLf;
    return ScriptText(kPageOpening) + functions + pageStart(site) + banners(site) + signForm(site) + end;
}

QString BuildModernPageOpening()
{
    return ScriptText(kPageOpening);
}

QString BuildModernPageStart(const SiteDescription &site)
{
    return pageStart(site);
}

QString BuildModernPageClosing()
{
    return QStringLiteral("</main>") + kCrLf + QStringLiteral("</body>") + kCrLf + QStringLiteral("</html>") + kCrLf;
}

QString BuildDataFileFunctions()
{
    return BuildLinesFunction() + WithPageNames(ScriptText(kUnicodeFiles));
}

QString BuildModernEntryScript(const SiteDescription &site)
{
    const QList<GuestbookField> &fields = site.design.fields;
    const QString checks = site.protection.isOn()
        ? BuildProtectedChecks(site, BuildRequiredChecks(fields, QStringLiteral("Not QsRobot And ")))
        : QStringLiteral("   QsRobot = False") + kCrLf + BuildRequiredChecks(fields, QString());
    // The protection's store block, writing the data file in the Unicode format.
    const QString classicOpen =
        QStringLiteral("   Set OutputStream = FileObject.OpenTextFile(GuestBookFile, ForAppending, True)");
    // The field names go in last, so that no name is taken for a line of the block.
    const QString store = BuildProtectedStoreBlock(site, QStringLiteral("%WRITE%"))
                              .replace(classicOpen,
                                       QStringLiteral("   QsMakeUnicode GuestBookFile") + kCrLf + classicOpen.chopped(1)
                                           + QStringLiteral(", -1)"))
                              .replace(QStringLiteral("%WRITE%"),
                                       BuildEntryLine(fields, QStringLiteral("Date"), TypedSeparator::Changed));
    const QString usedForms = site.protection.robotGuard ? BuildUsedFormsFunction() + kCrLf : QString();
    return ScriptText(kPageOpening) + BuildScriptFunctions() + kCrLf + BuildDataFileFunctions() + kCrLf + usedForms
        + BuildScriptOpening() + BuildAssignments(fields) + kCrLf + checks + store + pageStart(site) + thankYou(site)
        + pageEnd(kViewPageName, site.texts.text(PageText::ViewLink));
}

QString BuildModernViewPage(const SiteDescription &site, const QString &previewEntries)
{
    const QString end = pageEnd(site.links.signPage, site.texts.text(PageText::SignLink));
    if (site.preview)
        return pageStart(site) + previewEntries + end;
    const QString reader =
        withPageTexts(PagedReaderText(kReader, site.protection.entriesPerPage), site.texts);
    return ScriptText(kPageOpening) + BuildDataFileFunctions() + kCrLf + pageStart(site) + reader + kCrLf + end;
}

QString ModernRenderedEntries(const QStringList &storedLines)
{
    // Server.HTMLEncode: the markup characters by name, U+00A0 to U+00FF by number.
    const auto shown = [](const QString &text) {
        QString encoded;
        for (const QChar c : text)
            encoded += c.unicode() >= 0xa0 && c.unicode() <= 0xff ? QStringLiteral("&#%1;").arg(c.unicode())
                                                                  : QString(c).toHtmlEscaped();
        return encoded.replace(kStoredReturnMarker, QStringLiteral("<br>"));
    };
    const auto value = [](const QString &item) {
        const qsizetype at = item.indexOf(QStringLiteral(" : "));
        return at < 0 ? item : item.mid(at + 3);
    };
    QString articles;
    for (qsizetype y = storedLines.size() - 1; y >= 0; --y) {
        const QStringList items = storedLines.at(y).split(kStoredItemSeparator);
        const qsizetype last = items.size() - 1;
        articles += QStringLiteral("<article><header>");
        if (last >= 1)
            articles += QStringLiteral("<h2>") + shown(value(items.at(last - 1))) + QStringLiteral("</h2>");
        articles += QStringLiteral("<p>") + shown(value(items.at(last))) + QStringLiteral("</p></header>");
        for (qsizetype x = last - 2; x >= 0; --x)
            articles += QStringLiteral("<p>") + shown(items.at(x)) + QStringLiteral("</p>");
        articles += QStringLiteral("</article>") + kCrLf;
    }
    return articles;
}
