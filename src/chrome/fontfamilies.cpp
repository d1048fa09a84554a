#include "chrome/fontfamilies.h"

#include <QSet>

namespace {
QString withoutFoundry(const QString &family)
{
    const qsizetype bracket = family.lastIndexOf(QLatin1String(" ["));
    if (bracket > 0 && family.endsWith(QLatin1Char(']')))
        return family.left(bracket);
    return family;
}
}  // namespace

QStringList FontFamilyNames(const QStringList &families)
{
    QStringList names;
    QSet<QString> seen;
    for (const QString &family : families) {
        const QString name = withoutFoundry(family);
        if (!seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
}
