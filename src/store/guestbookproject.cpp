#include "store/guestbookproject.h"

#include "store/programfolder.h"
#include "store/projectkeys.h"

#include <algorithm>

bool GuestbookField::operator==(const GuestbookField &other) const
{
    return FieldName == other.FieldName && FieldType == other.FieldType && Rows == other.Rows && Cols == other.Cols;
}

bool GuestbookProject::operator==(const GuestbookProject &other) const
{
    const auto sameValue = [&](const ProjectKey &row) { return row.valueIn(*this) == row.valueIn(other); };
    return std::all_of(ProjectKeys().begin(), ProjectKeys().end(), sameValue) && Fields == other.Fields;
}

QString GuestbookProject::defaultProjectPath()
{
    const QString sep = ProgramFolder::separator();
    return ProgramFolder::path() + sep + QStringLiteral("projects") + sep;
}

QList<GuestbookField> GuestbookProject::defaultFields()
{
    return {
        {QStringLiteral("Name"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
        {QStringLiteral("E-mail"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
        {QStringLiteral("Homepage"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
        {QStringLiteral("Comments"), QStringLiteral("Textarea"), QStringLiteral("10"), QStringLiteral("39")},
    };
}

GuestbookProject GuestbookProject::startupDefaults()
{
    GuestbookProject p;
    for (const ProjectKey &row : ProjectKeys())
        row.setIn(p, row.startValue());
    p.Fields = defaultFields();
    return p;
}

QString SpacesToUnderscores(QString text)
{
    return text.replace(QLatin1Char(' '), QLatin1Char('_'));
}
