#include "generator/pagecodepage.h"

#include "store/programsettings.h"

#include <QRegularExpression>
#include <QStringEncoder>

#include <algorithm>

namespace {

// Families whose encoders shift between character sets with escape or shift
// bytes: what a character becomes depends on what came before it, so a value's
// bytes cannot be checked on their own. Compared without case, blanks and dashes.
const QStringList kStatefulFamilies = {QStringLiteral("iso2022"), QStringLiteral("csiso2022"), QStringLiteral("utf7"),
                                       QStringLiteral("hz"),      QStringLiteral("imap"),      QStringLiteral("scsu"),
                                       QStringLiteral("bocu"),    QStringLiteral("iscii"),     QStringLiteral("jis7"),
                                       QStringLiteral("jis8"),    QStringLiteral("lmbcs")};

bool namesStatefulFamily(const QString &name)
{
    QString plain = name.toLower();
    plain.remove(QRegularExpression(QStringLiteral("[^a-z0-9]")));
    return std::any_of(kStatefulFamilies.begin(), kStatefulFamilies.end(),
                       [&plain](const QString &family) { return plain.startsWith(family); });
}

QByteArray encodeIn(const QString &name, const QString &text)
{
    QStringEncoder encoder(name.toLatin1().constData());
    return encoder.encode(text);
}

// Every ASCII character must come out as the same single byte, or the server
// would not find "<%" in the page at all (UTF-16, EBCDIC, Shift_JIS's yen sign).
bool keepsAscii(const QString &name)
{
    QString ascii;
    for (char16_t c = 0; c < 0x80; ++c)
        ascii += QChar(c);
    return encodeIn(name, ascii) == ascii.toLatin1();
}

// A stateless encoder writes a doubled character as its bytes twice; a stateful
// one shifts once, or shifts back in between.
bool isStateless(const QString &name)
{
    const QString samples = QStringLiteral("\u00e9\u0416\u03a9\u05d0\u0639\u0e01\u4e00\u3042\uac00");
    for (const QChar c : samples) {
        QStringEncoder encoder(name.toLatin1().constData());
        const QByteArray once = encoder.encode(QString(c));
        if (!encoder.hasError() && encodeIn(name, QString(2, c)) != once + once)
            return false;
    }
    return true;
}

bool isUsable(const QString &name)
{
    QStringEncoder encoder(name.toLatin1().constData());
    return encoder.isValid() && !namesStatefulFamily(name) && !namesStatefulFamily(QLatin1String(encoder.name()))
        && keepsAscii(name) && isStateless(name);
}

}  // namespace

// The one place that reads the page code page.
PageCodePage PageCodePage::fromSettings()
{
    return PageCodePage(GetProgramSetting(ProgramSetting::PageCodePage));
}

PageCodePage::PageCodePage(const QString &requestedName)
    : m_requested(requestedName.trimmed())
    , m_name(isUsable(m_requested) ? m_requested : kDefaultPageCodePage)
{
}

PageCodePage PageCodePage::uncheckedForTesting(const QString &name)
{
    PageCodePage codePage(QString{});
    codePage.m_name = name;
    return codePage;
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
    return encodeIn(m_name, text);
}

QByteArray PageCodePage::encodeWithReferences(const QString &text) const
{
    // Line by line, so that only a line holding such a character is taken a character at a time.
    QByteArrayList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (canHold(line)) {
            lines << encode(line);
            continue;
        }
        QString held;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const bool pair = line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
            const QString character = line.mid(i, pair ? 2 : 1);
            const bool ascii = character.at(0).unicode() < 0x80;  // every page code page keeps ASCII
            held += ascii || canHold(character) ? character : QStringLiteral("&#%1;").arg(character.toUcs4().value(0));
            i += pair ? 1 : 0;
        }
        lines << encode(held);
    }
    return lines.join('\n');
}
