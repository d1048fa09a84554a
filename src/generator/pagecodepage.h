#pragma once

#include <QByteArray>
#include <QString>

// The code page in which the web server reads the generated pages. A classic ASP
// server reads a page in its own ANSI code page and sends no charset, so the
// pages must be written in that code page: Settings/PageCodePage, or windows-1252
// when the key is empty or names no stateless code page that writes every ASCII
// character as the same single byte (single-byte code pages, UTF-8, EUC).
class PageCodePage
{
public:
    static PageCodePage fromSettings();
    explicit PageCodePage(const QString &requestedName);
    // Any code page the converter knows, taken without the checks above, so that
    // tests can show what the checks of the page values catch on their own.
    static PageCodePage uncheckedForTesting(const QString &name);

    // The code page the pages are written in.
    QString name() const { return m_name; }
    // The line the log gets when the requested name was not usable; empty otherwise.
    QString fallbackLogLine() const;

    bool canHold(const QString &text) const;
    // The first character of text that this code page cannot hold; empty when there is none.
    QString firstUnheldCharacter(const QString &text) const;
    QByteArray encode(const QString &text) const;
    // The text in this code page with each character that it cannot hold as its numeric character reference
    // ("&#26085;"), which is what a browser sends a page in this code page for such a character.
    QByteArray encodeWithReferences(const QString &text) const;

private:
    QString m_requested;
    QString m_name;
};

inline const QString kDefaultPageCodePage = QStringLiteral("windows-1252");
