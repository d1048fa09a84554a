#include "generator/pagecodepage.h"

#include "store/settingsfile.h"

#include <QStringEncoder>

namespace {

const QString kSettingsSection = QStringLiteral("Settings");
const QString kCodePageKey = QStringLiteral("PageCodePage");

// The bytes every page's script markers and tags are made of must come out as
// ASCII, or the server would not find "<%" in the page at all (UTF-16, EBCDIC).
bool keepsAscii(const QString &name)
{
    const QByteArray ascii = "<%=\"az AZ09/>\r\n";
    QStringEncoder encoder(name.toLatin1().constData());
    return encoder.isValid() && QByteArray(encoder.encode(QString::fromLatin1(ascii))) == ascii;
}

}  // namespace

PageCodePage PageCodePage::fromSettings()
{
    return PageCodePage(GetINISetting(kSettingsSection, kCodePageKey, QString()));
}

PageCodePage::PageCodePage(const QString &requestedName)
    : m_requested(requestedName.trimmed())
    , m_name(keepsAscii(m_requested) ? m_requested : kDefaultPageCodePage)
{
}

QString PageCodePage::fallbackLogLine() const
{
    if (m_requested.isEmpty() || m_name == m_requested)
        return {};
    return QStringLiteral("Page code page \"%1\" is unknown, pages are written in %2").arg(m_requested, m_name);
}

QString PageCodePage::firstUnheldCharacter(const QString &text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is a surrogate pair: test it whole.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!canHold(character))
            return character;
        i += length - 1;
    }
    return {};
}

bool PageCodePage::canHold(const QString &text) const
{
    QStringEncoder encoder(m_name.toLatin1().constData());
    const QByteArray encoded = encoder.encode(text);
    Q_UNUSED(encoded)
    return !encoder.hasError();
}

QByteArray PageCodePage::encode(const QString &text) const
{
    QStringEncoder encoder(m_name.toLatin1().constData());
    return encoder.encode(text);
}

QByteArray EncodePageText(const QString &text)
{
    return PageCodePage::fromSettings().encode(text);
}
