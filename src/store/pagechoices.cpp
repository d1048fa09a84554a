#include "store/pagechoices.h"

#include <algorithm>

const QList<PageLanguage> &PageLanguages()
{
    static const QList<PageLanguage> languages = {
        {QStringLiteral("en"), QStringLiteral("English"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("German"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("French"), QStringLiteral("Fran\u00e7ais")},
        {QStringLiteral("es"), QStringLiteral("Spanish"), QStringLiteral("Espa\u00f1ol")},
        {QStringLiteral("it"), QStringLiteral("Italian"), QStringLiteral("Italiano")},
        {QStringLiteral("nl"), QStringLiteral("Dutch"), QStringLiteral("Nederlands")},
        {QStringLiteral("pt"), QStringLiteral("Portuguese"), QStringLiteral("Portugu\u00eas")},
        {QStringLiteral("pl"), QStringLiteral("Polish"), QStringLiteral("Polski")},
        {QStringLiteral("ru"), QStringLiteral("Russian"), QStringLiteral("\u0420\u0443\u0441\u0441\u043a\u0438\u0439")},
        {QStringLiteral("ja"), QStringLiteral("Japanese"), QStringLiteral("\u65e5\u672c\u8a9e")},
        {QStringLiteral("zh"), QStringLiteral("Chinese"), QStringLiteral("\u4e2d\u6587")},
    };
    return languages;
}

bool IsPageLanguage(const QString &code)
{
    const QList<PageLanguage> &all = PageLanguages();
    return std::any_of(all.begin(), all.end(), [&code](const PageLanguage &language) { return language.code == code; });
}

bool IsPageStyle(const QString &style)
{
    return style == kClassicPageStyle || style == kModernPageStyle;
}
