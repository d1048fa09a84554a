#pragma once

#include <QList>
#include <QString>

// A text that the core builds for the user and that is shown in the user's language but
// logged in English: a source text and its arguments, kept apart until it is read. Sources
// are marked QT_TRANSLATE_NOOP("UserText", ...); arguments are user texts of their own (a
// translated part) or verbatim text (a path, a typed value, the system's error), the same
// in every language. A null user text stands for no text at all.
class UserText
{
public:
    UserText() = default;
    explicit UserText(const char *source);
    static UserText verbatim(const QString &text);

    // Fills the next of %1 ... %9 in order, in one pass, so an argument that itself holds
    // "%2" stays as it is; a translation may put them in any order.
    UserText arg(const UserText &value) const;
    UserText arg(const QString &value) const { return arg(verbatim(value)); }
    UserText arg(long long number) const { return arg(QString::number(number)); }
    // The two texts one after the other.
    UserText operator+(const UserText &next) const;

    bool isNull() const { return m_kind == Kind::Null; }
    bool isEmpty() const { return english().isEmpty(); }
    // For the log, and for the user.
    QString english() const;
    QString translated() const;

private:
    enum class Kind { Null, Source, Verbatim, Joined };
    QString text(bool translate) const;

    Kind m_kind = Kind::Null;
    const char *m_source = nullptr;
    QString m_verbatim;
    QList<UserText> m_parts;  // a source's arguments, or the joined texts
};
