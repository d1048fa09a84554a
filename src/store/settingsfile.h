#pragma once

#include "store/atomicfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

// The settings file: one INI file beside the program. Section and key names match
// without regard to case; values are kept exactly as written. There is no cache:
// every call reads or rewrites the file. A read that fails gives its default; a
// write that fails leaves the file as it was and returns the error text.

// Full path of the settings file ("Quillset.ini" in the program folder).
QString SettingsFilePath();
// The lock file that every writer of the settings file holds while it writes.
QString SettingsLockPath();

QString GetINISetting(const QString &section, const QString &key, const QString &defaultValue);
WriteResult SaveINISetting(const QString &section, const QString &key, const QString &value);

// Several values stored by one locked read-modify-write of the file, so that
// either all of them land or none does. A key that could not be read back
// (empty, holding "=", starting with ";" or "[") refuses the save.
struct IniValue {
    QString section;
    QString key;
    QString value;
};
WriteResult SaveINISettings(const QList<IniValue> &values);

class IniSnapshot;
// The same, for values that depend on what the file holds: compose runs under the
// lock on the file's current content, so no other writer can come in between.
WriteResult SaveINISettings(const std::function<QList<IniValue>(const IniSnapshot &current)> &compose);

// The INI text operations behind the store, on the file's raw bytes.
namespace IniText {

// Where a section's lines lie: from the line after its header up to the next header.
struct Section {
    bool found = false;
    qsizetype bodyStart = 0;
    qsizetype bodyEnd = 0;
};

// The text of an INI file, with look-ups and edits that keep every other line as
// it was. The last section looked up is remembered, so many keys of one section
// cost one search of the file.
class Editor
{
public:
    explicit Editor(QByteArray text);

    // Value of section/key, or false when the section or the key is missing.
    bool find(const QByteArray &section, const QByteArray &key, QByteArray *value) const;
    // Replaces the value in place, or adds the key at the end of its section, or
    // adds the section at the end of the text.
    void set(const QByteArray &section, const QByteArray &key, const QByteArray &value);
    const QByteArray &text() const { return m_text; }
    // Each section that holds key, with the key's value, in one pass over the text.
    QList<std::pair<QByteArray, QByteArray>> findAll(const QByteArray &key) const;

private:
    Section section(const QByteArray &name) const;

    QByteArray m_text;
    mutable QByteArray m_cachedName;
    mutable Section m_cachedSection;
    mutable bool m_hasCachedSection = false;
};

// Text as stored: local 8-bit encoding, a line break inside it written as a space.
QByteArray encode(const QString &text);

}  // namespace IniText

// The settings file read once, for many look-ups that must agree with each other.
class IniSnapshot
{
public:
    // With a section name, only look-ups in that section are answered: the file
    // is read up to the end of that section.
    static IniSnapshot ofSettingsFile(const QString &section = QString());
    explicit IniSnapshot(QByteArray content);

    QString value(const QString &section, const QString &key, const QString &defaultValue) const;
    // Every section that holds key, with its value as value() gives it: one pass over
    // the file, where a look-up per section would read it once for each.
    QList<IniValue> valuesOf(const QString &key) const;

private:
    IniText::Editor m_editor;
};
