#pragma once

#include <QList>
#include <QString>

// The look and the language of the generated pages, as a project stores them.

// "Classic": the pages as they have always been; "Modern": HTML5 pages in UTF-8
// that fit phones and screen readers.
inline const QString kClassicPageStyle = QStringLiteral("Classic");
inline const QString kModernPageStyle = QStringLiteral("Modern");
inline const QString kDefaultPageLanguage = QStringLiteral("en");

// One language the pages can speak: its code as stored and as the pages' lang
// attribute, and its name in English and in itself, for the wizard.
struct PageLanguage {
    QString code;
    QString englishName;
    QString ownName;
};

// English first, then the others in a fixed order.
const QList<PageLanguage> &PageLanguages();
bool IsPageLanguage(const QString &code);
bool IsPageStyle(const QString &style);
