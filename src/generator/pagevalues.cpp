#include "generator/pagevalues.h"

#include "generator/pagetexts.h"
#include "generator/sitedescription.h"
#include "store/filetests.h"
#include "store/projectkeys.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"

#include <QList>

#include <algorithm>

namespace {

const QStringList kScriptMarkers = {QStringLiteral("<%"), QStringLiteral("%>")};
// The default field "E-mail" holds a hyphen: the program makes such names itself,
// and a hyphen is harmless in every place a name goes.
const QString kFieldNameAllowedFromFilter = QStringLiteral("-");
// Characters that would end the background image's unquoted attribute or the tag.
const QString kImageRefused = QStringLiteral("\"'<>");
// The dialogs' headlines for a name that is too short.
const QString kInvalidTitle = QStringLiteral("Invalid title. Please check and try again\r\n\r\n");
const QString kInvalidFieldName = QStringLiteral("Invalid field name\r\n\r\n");
// How much of a refused value the message shows.
constexpr int kShownLength = 12;

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

// The server reads the bytes, not the text: a character may become a marker or a
// control byte in the page's code page.
QString bytesProblem(const QByteArray &bytes, const QString &codePageName)
{
    const QString where = QStringLiteral(" in the page code page ") + codePageName;
    for (const QString &marker : kScriptMarkers) {
        if (bytes.contains(marker.toLatin1()))
            return QStringLiteral("it becomes the server script marker ") + quoted(marker) + where;
    }
    if (std::any_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x20 || b == 0x7f; }))
        return QStringLiteral("it becomes a control character") + where;
    return {};
}

// The reason text cannot go into a page; empty when it can.
QString textProblem(const QString &text, const PageCodePage &codePage)
{
    for (const QString &marker : kScriptMarkers) {
        if (text.contains(marker))
            return QStringLiteral("it holds the server script marker ") + quoted(marker);
    }
    if (std::any_of(text.begin(), text.end(), isControl))
        return QStringLiteral("it holds a control character");
    const QString unheld = codePage.firstUnheldCharacter(text);
    if (!unheld.isEmpty())
        return QStringLiteral("it holds %1, which the page code page %2 cannot hold")
            .arg(quoted(unheld), codePage.name());
    return bytesProblem(codePage.encode(text), codePage.name());
}

QString fieldNameProblem(const QString &name, const PageCodePage &codePage)
{
    if (name.size() < kMinFieldNameLength)
        return QStringLiteral("it is shorter than %1 characters").arg(kMinFieldNameLength);
    const QString problem = textProblem(name, codePage);
    if (!problem.isEmpty())
        return problem;
    for (const QChar c : kFieldNameFilter) {
        if (!kFieldNameAllowedFromFilter.contains(c) && name.contains(c))
            return QStringLiteral("it holds %1, which a field name cannot hold").arg(quoted(c));
    }
    return {};
}

// A value as the message shows it: on one line, and cut when long.
QString shown(const QString &value)
{
    QString text = value;
    for (QChar &c : text) {
        if (isControl(c))
            c = QLatin1Char('?');
    }
    return text.size() > kShownLength ? text.left(kShownLength) + QStringLiteral("...") : text;
}

// A value of the design and what the user knows it as: "Size" "40" " of field "Name"".
struct NamedValue {
    NamedValue(const QString &what, const QString &value, const QString &owner = {})
        : what(what)
        , value(value)
        , owner(owner)
    {
    }
    QString what;
    QString value;
    QString owner;
};

QString refusal(const NamedValue &named, const QString &reason)
{
    return named.what + QLatin1Char(' ') + quoted(shown(named.value)) + named.owner
        + QStringLiteral(" cannot be used in a page: ") + reason;
}

QList<NamedValue> designValues(const GuestbookProject &p)
{
    QList<NamedValue> values;
    for (const ProjectKey &row : ProjectKeys()) {
        if (row.shownAs)
            values.append({QLatin1String(row.shownAs), row.valueIn(p)});
    }
    for (const GuestbookField &field : p.Fields) {
        const QString owner = QStringLiteral(" of field ") + quoted(shown(field.FieldName));
        values.append({QStringLiteral("Size"), field.Rows, owner});
        values.append({QStringLiteral("Columns"), field.Cols, owner});
    }
    return values;
}

}  // namespace

QString PageValuesProblem(const GuestbookProject &project, const PageCodePage &codePage)
{
    // Without a field the entry script has no write statement and does not compile.
    if (project.Fields.isEmpty())
        return QStringLiteral("The project has no fields, and a guestbook needs at least one");
    for (const GuestbookField &field : project.Fields) {
        const QString reason = fieldNameProblem(field.FieldName, codePage);
        if (!reason.isEmpty())
            return refusal({QStringLiteral("Field name"), field.FieldName, {}}, reason);
    }
    for (const NamedValue &named : designValues(project)) {
        const QString reason = textProblem(named.value, codePage);
        if (!reason.isEmpty())
            return refusal(named, reason);
    }
    for (const QChar c : kImageRefused) {
        if (project.BG_Image.contains(c))
            return refusal({QStringLiteral("Background image"), project.BG_Image},
                           QStringLiteral("it holds %1, which an image address cannot hold").arg(quoted(c)));
    }
    for (const ProjectKey &row : ProjectKeys()) {
        const QString value = row.valueIn(project);
        const QString reason = row.problem ? row.problem(value) : QString();
        if (!reason.isEmpty())
            return refusal({QLatin1String(row.shownAs), value}, reason);
    }
    // The pages' own texts go into the same bytes as the design's values.
    for (const QString &text : PageTexts(project.Page_Language).all()) {
        const QString reason = textProblem(text, codePage);
        if (!reason.isEmpty())
            return refusal(
                {QLatin1String(ProjectKeyOf(&GuestbookProject::Page_Language).shownAs), project.Page_Language},
                QStringLiteral("in its text ") + quoted(shown(text)) + QStringLiteral(", ") + reason);
    }
    return {};
}

namespace {

// Why the settings file would not keep a name: storeReason, or a character missing
// from the encoding a save would write the file in; empty when it would.
QString settingsReason(const QString &name, const QString &storeReason)
{
    if (!storeReason.isEmpty())
        return storeReason;
    const QString unheld = SettingsFileUnheldCharacter(name);
    return unheld.isNull() ? QString()
                           : QStringLiteral("it holds %1, which the settings file cannot hold").arg(quoted(unheld));
}

// The checks that titles and field names share; "the" names the kind of name.
QString typedNameProblem(const QString &the, const QString &name, const QString &headline, const QString &pageReason,
                         const QString &storeReason = {})
{
    if (name.size() < kMinFieldNameLength)
        return headline + the
            + (name.isEmpty() ? QStringLiteral(" is empty") : QStringLiteral(" needs at least 2 characters"));
    if (!pageReason.isEmpty())
        return the + QStringLiteral(" cannot be used in a page: ") + pageReason;
    if (const QString reason = settingsReason(name, storeReason); !reason.isEmpty())
        return the + QStringLiteral(" cannot be saved: ") + reason;
    return {};
}

// Section names in the settings file match without regard to case or to spaces at
// their ends.
QString sectionIdentity(const QString &title)
{
    return title.trimmed().toLower();
}

}  // namespace

QString TitleProblem(const QString &title)
{
    const QString the = QStringLiteral("The title");
    if (QString problem = typedNameProblem(the, title, kInvalidTitle, textProblem(title, PageCodePage::fromSettings()));
        !problem.isEmpty())
        return problem;
    const QString cannotHold = the + QStringLiteral(" cannot hold \"%1\" (%2)");
    if (title.contains(QLatin1Char(',')))
        return cannotHold.arg(QStringLiteral(","), QStringLiteral("it separates saved projects"));
    if (title.contains(QLatin1Char('_')))
        return cannotHold.arg(QStringLiteral("_"), QStringLiteral("it stands for a space in saved project names"));
    if (!IsPlainFolderName(title)) {
        const QString part = title.contains(QLatin1Char('/')) ? QStringLiteral("/")
            : title.contains(QLatin1Char('\\'))               ? QStringLiteral("\\")
                                                              : title;
        return cannotHold.arg(part, QStringLiteral("the title names the project's folder"));
    }
    for (const RecentProject &saved : FillRecentProjects()) {
        if (saved.text != title && sectionIdentity(saved.text) == sectionIdentity(title))
            return the
                + QStringLiteral(" differs from the saved project \"%1\" only in capitals or end spaces")
                      .arg(saved.text);
    }
    return {};
}

QString FieldNameProblem(const QString &name)
{
    return typedNameProblem(QStringLiteral("The field name"), name, kInvalidFieldName,
                            fieldNameProblem(name, PageCodePage::fromSettings()), StoredFieldNameProblem(name));
}
