#include "chrome/fontfamilies.h"

#include "generator/fontstacks.h"

#include <QFontDatabase>
#include <QRegularExpression>
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

QStringList OfferedFontFamilies(const QStringList &installed, const std::function<bool(const QString &)> &isSymbol)
{
    QStringList offered = WebSafeFamilies();
    QSet<QString> listed;
    for (const QString &family : offered)
        listed.insert(family.toCaseFolded());
    for (const QString &family : FontFamilyNames(installed)) {
        if (!listed.contains(family.toCaseFolded()) && !isSymbol(family))
            offered.append(family);
    }
    return offered;
}

// Some symbol fonts declare no symbol writing system; their names give them away.
bool IsSymbolFont(const QString &family)
{
    static const QRegularExpression symbolName(QStringLiteral("symbol|dingbat|wingdings|webdings|^d050000l$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return symbolName.match(family).hasMatch()
        || (systems.contains(QFontDatabase::Symbol) && !systems.contains(QFontDatabase::Latin));
}
