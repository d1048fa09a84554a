#include "generator/pagevalues.h"

#include "generator/pagetexts.h"
#include "generator/sitedescription.h"
#include "store/filetests.h"
#include "store/projectkeys.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"

#include <QList>

#include <algorithm>
#include <optional>

namespace {

const QStringList kScriptMarkers = {QStringLiteral("<%"), QStringLiteral("%>")};
// The default field "E-mail" holds a hyphen: the program makes such names itself,
// and a hyphen is harmless in every place a name goes.
const QString kFieldNameAllowedFromFilter = QStringLiteral("-");
// Characters that would end the background image's unquoted attribute or the tag.
const QString kImageRefused = QStringLiteral("\"'<>");
// How much of a refused value the message shows.
constexpr int kShownLength = 12;

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

// The server reads the bytes, not the text: a character may become a marker or a
// control byte in the page's code page.
UserText bytesProblem(const QByteArray &bytes, const QString &codePageName)
{
    for (const QString &marker : kScriptMarkers) {
        if (bytes.contains(marker.toLatin1()))
            return UserText(QT_TRANSLATE_NOOP("UserText",
                                              "it becomes the server script marker \"%1\" in the page code page %2"))
                .arg(marker)
                .arg(codePageName);
    }
    if (std::any_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x20 || b == 0x7f; }))
        return UserText(QT_TRANSLATE_NOOP("UserText", "it becomes a control character in the page code page %1"))
            .arg(codePageName);
    return {};
}

// The reason text cannot go into a page; null when it can.
UserText textProblem(const QString &text, const PageCodePage &codePage)
{
    for (const QString &marker : kScriptMarkers) {
        if (text.contains(marker))
            return UserText(QT_TRANSLATE_NOOP("UserText", "it holds the server script marker \"%1\"")).arg(marker);
    }
    if (std::any_of(text.begin(), text.end(), isControl))
        return UserText(QT_TRANSLATE_NOOP("UserText", "it holds a control character"));
    const QString unheld = codePage.firstUnheldCharacter(text);
    if (!unheld.isEmpty())
        return UserText(QT_TRANSLATE_NOOP("UserText", "it holds \"%1\", which the page code page %2 cannot hold"))
            .arg(unheld)
            .arg(codePage.name());
    return bytesProblem(codePage.encode(text), codePage.name());
}

UserText fieldNameProblem(const QString &name, const PageCodePage &codePage)
{
    if (name.size() < kMinFieldNameLength)
        return UserText(QT_TRANSLATE_NOOP("UserText", "it is shorter than %1 characters")).arg(kMinFieldNameLength);
    const UserText problem = textProblem(name, codePage);
    if (!problem.isNull())
        return problem;
    for (const QChar c : kFieldNameFilter) {
        if (!kFieldNameAllowedFromFilter.contains(c) && name.contains(c))
            return UserText(QT_TRANSLATE_NOOP("UserText", "it holds \"%1\", which a field name cannot hold"))
                .arg(QString(c));
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

// A value of the design and what the user knows it as: "Size" "40" of field "Name".
struct NamedValue {
    const char *what;  // a UserText source
    QString value;
    std::optional<QString> field = {};  // the field whose value it is; none for the design's own
};

UserText refusal(const NamedValue &named, const UserText &reason)
{
    if (!named.field)
        return UserText(QT_TRANSLATE_NOOP("UserText", "%1 \"%2\" cannot be used in a page: %3"))
            .arg(UserText(named.what))
            .arg(shown(named.value))
            .arg(reason);
    return UserText(QT_TRANSLATE_NOOP("UserText", "%1 \"%2\" of field \"%3\" cannot be used in a page: %4"))
        .arg(UserText(named.what))
        .arg(shown(named.value))
        .arg(shown(*named.field))
        .arg(reason);
}

QList<NamedValue> designValues(const GuestbookProject &p)
{
    QList<NamedValue> values;
    for (const ProjectKey &row : ProjectKeys()) {
        if (row.shownAs)
            values.append({row.shownAs, row.valueIn(p)});
    }
    for (const GuestbookField &field : p.Fields) {
        values.append({QT_TRANSLATE_NOOP("UserText", "Size"), field.Rows, field.FieldName});
        values.append({QT_TRANSLATE_NOOP("UserText", "Columns"), field.Cols, field.FieldName});
    }
    return values;
}

}  // namespace

UserText PageValuesProblem(const GuestbookProject &project, const PageCodePage &codePage)
{
    // Without a field the entry script has no write statement and does not compile.
    if (project.Fields.isEmpty())
        return UserText(QT_TRANSLATE_NOOP("UserText", "The project has no fields, and a guestbook needs at least one"));
    for (const GuestbookField &field : project.Fields) {
        const UserText reason = fieldNameProblem(field.FieldName, codePage);
        if (!reason.isNull())
            return refusal({QT_TRANSLATE_NOOP("UserText", "Field name"), field.FieldName}, reason);
    }
    for (const NamedValue &named : designValues(project)) {
        const UserText reason = textProblem(named.value, codePage);
        if (!reason.isNull())
            return refusal(named, reason);
    }
    for (const QChar c : kImageRefused) {
        if (project.BG_Image.contains(c))
            return refusal(
                {QT_TRANSLATE_NOOP("UserText", "Background image"), project.BG_Image},
                UserText(QT_TRANSLATE_NOOP("UserText", "it holds \"%1\", which an image address cannot hold"))
                    .arg(QString(c)));
    }
    for (const ProjectKey &row : ProjectKeys()) {
        const QString value = row.valueIn(project);
        const UserText reason = row.problem ? row.problem(value) : UserText();
        if (!reason.isNull())
            return refusal({row.shownAs, value}, reason);
    }
    // The pages' own texts go into the same bytes as the design's values.
    for (const QString &text : PageTexts(project.Page_Language).all()) {
        const UserText reason = textProblem(text, codePage);
        if (!reason.isNull())
            return refusal(
                {ProjectKeyOf(&GuestbookProject::Page_Language).shownAs, project.Page_Language},
                UserText(QT_TRANSLATE_NOOP("UserText", "in its text \"%1\", %2")).arg(shown(text)).arg(reason));
    }
    return {};
}

namespace {

// Why the settings file would not keep a name: storeReason, or a character missing
// from the encoding a save would write the file in; null when it would.
UserText settingsReason(const QString &name, const UserText &storeReason)
{
    if (!storeReason.isNull())
        return storeReason;
    const QString unheld = SettingsFileUnheldCharacter(name);
    if (unheld.isNull())
        return {};
    return UserText(QT_TRANSLATE_NOOP("UserText", "it holds \"%1\", which the settings file cannot hold")).arg(unheld);
}

// The checks that titles and field names share; "the" names the kind of name and
// headline heads the message for one that is too short.
UserText typedNameProblem(const char *the, const QString &name, const char *headline, const UserText &pageReason,
                          const UserText &storeReason = {})
{
    if (name.size() < kMinFieldNameLength) {
        const UserText tooShort = name.isEmpty()
            ? UserText(QT_TRANSLATE_NOOP("UserText", "%1 is empty")).arg(UserText(the))
            : UserText(QT_TRANSLATE_NOOP("UserText", "%1 needs at least %2 characters"))
                  .arg(UserText(the))
                  .arg(kMinFieldNameLength);
        return UserText(headline) + UserText::verbatim(QStringLiteral("\r\n\r\n")) + tooShort;
    }
    if (!pageReason.isNull())
        return UserText(QT_TRANSLATE_NOOP("UserText", "%1 cannot be used in a page: %2"))
            .arg(UserText(the))
            .arg(pageReason);
    if (const UserText reason = settingsReason(name, storeReason); !reason.isNull())
        return UserText(QT_TRANSLATE_NOOP("UserText", "%1 cannot be saved: %2")).arg(UserText(the)).arg(reason);
    return {};
}

// Section names in the settings file match without regard to case or to spaces at
// their ends.
QString sectionIdentity(const QString &title)
{
    return title.trimmed().toLower();
}

UserText titleCannotHold(const QString &part, const char *why)
{
    return UserText(QT_TRANSLATE_NOOP("UserText", "The title cannot hold \"%1\" (%2)")).arg(part).arg(UserText(why));
}

}  // namespace

UserText TitleProblem(const QString &title)
{
    if (UserText problem = typedNameProblem(QT_TRANSLATE_NOOP("UserText", "The title"), title,
                                            QT_TRANSLATE_NOOP("UserText", "Invalid title. Please check and try again"),
                                            textProblem(title, PageCodePage::fromSettings()));
        !problem.isNull())
        return problem;
    if (title.contains(QLatin1Char(',')))
        return titleCannotHold(QStringLiteral(","), QT_TRANSLATE_NOOP("UserText", "it separates saved projects"));
    if (title.contains(QLatin1Char('_')))
        return titleCannotHold(QStringLiteral("_"),
                               QT_TRANSLATE_NOOP("UserText", "it stands for a space in saved project names"));
    if (!IsPlainFolderName(title)) {
        const QString part = title.contains(QLatin1Char('/')) ? QStringLiteral("/")
            : title.contains(QLatin1Char('\\'))               ? QStringLiteral("\\")
                                                              : title;
        return titleCannotHold(part, QT_TRANSLATE_NOOP("UserText", "the title names the project's folder"));
    }
    for (const RecentProject &saved : FillRecentProjects()) {
        if (saved.text != title && sectionIdentity(saved.text) == sectionIdentity(title))
            return UserText(QT_TRANSLATE_NOOP("UserText",
                                              "The title differs from the saved project \"%1\" only in "
                                              "capitals or end spaces"))
                .arg(saved.text);
    }
    return {};
}

UserText FieldNameProblem(const QString &name)
{
    return typedNameProblem(QT_TRANSLATE_NOOP("UserText", "The field name"), name,
                            QT_TRANSLATE_NOOP("UserText", "Invalid field name"),
                            fieldNameProblem(name, PageCodePage::fromSettings()), StoredFieldNameProblem(name));
}
