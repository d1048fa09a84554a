#include "store/usertext.h"

#include <QCoreApplication>

namespace {

// Puts each argument in place of its marker %1 ... %9; other "%" stay.
QString filled(const QString &pattern, const QStringList &arguments)
{
    QString result;
    result.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        const int number = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() : -1;
        if (c == QLatin1Char('%') && number >= 1 && number <= arguments.size()) {
            result += arguments.at(number - 1);
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

UserText::UserText(const char *source)
    : m_kind(Kind::Source)
    , m_source(source)
{
}

UserText UserText::verbatim(const QString &text)
{
    UserText result;
    result.m_kind = Kind::Verbatim;
    result.m_verbatim = text;
    return result;
}

UserText UserText::arg(const UserText &value) const
{
    UserText result = *this;
    result.m_parts.append(value);
    return result;
}

UserText UserText::operator+(const UserText &next) const
{
    UserText result;
    result.m_kind = Kind::Joined;
    result.m_parts = {*this, next};
    return result;
}

QString UserText::english() const
{
    return text(false);
}

QString UserText::translated() const
{
    return text(true);
}

QString UserText::text(bool translate) const
{
    QStringList parts;
    for (const UserText &part : m_parts)
        parts << part.text(translate);
    switch (m_kind) {
    case Kind::Null: break;
    case Kind::Verbatim: return m_verbatim;
    case Kind::Joined: return parts.join(QString());
    case Kind::Source:
        return filled(translate ? QCoreApplication::translate("UserText", m_source) : QString::fromUtf8(m_source),
                      parts);
    }
    return {};
}
