#pragma once

#include "store/atomicfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The settings file: one INI file beside the program. Values read as the system's
// profile functions return them: section and key names match without regard to
// case and to the blanks around them, and a value loses the blanks around it and
// one pair of surrounding quotes; a value that would lose more than its closing
// blanks so is written in quotes. A file that is valid UTF-8 (and a new file) is
// read and written in UTF-8, any other file in windows-1252, so that its bytes
// survive; a save keeps the encoding the file was read in, so that no value it
// did not write reads differently afterwards. There is no cache: every call reads
// or rewrites the file. A read that fails gives its default; a write that fails
// leaves the file as it was and returns the error text. A settings file that is
// not a regular file (a FIFO, a folder, a device) is never opened: reads give
// defaults, writes are refused.

// Name of the settings file ("Quillset.ini").
QString SettingsFileName();
// Full path of the settings file ("Quillset.ini" in the program folder).
QString SettingsFilePath();
// The lock file that every writer of the settings file holds while it writes:
// beside the file written, the target of a settings file that is a link.
QString SettingsLockPath();

// The first character of text that the settings file cannot hold in the encoding
// a save would write it in, or a null text.
QString SettingsFileUnheldCharacter(const QString &text);

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

enum class Encoding { Utf8, Windows1252 };

// The text of an INI file, with look-ups and edits that keep every other line as
// it was. The keys of the last section looked up are indexed, so many keys of one
// section cost one pass over it.
class Document
{
public:
    explicit Document(QByteArray text);

    // Value of section/key, or false when the section or the key is missing.
    bool find(const QString &section, const QString &key, QString *value) const;
    // Stores every value in one pass: replaced in place, or added at the end of
    // its section, or in a new section at the end of the text, in the encoding the
    // text was in. Returns why the values cannot be stored (a character the file's
    // encoding lacks), or a null text; then the text is unchanged.
    QString apply(const QList<IniValue> &values);
    const QByteArray &text() const { return m_text; }
    // The first character of text that the encoding of this text lacks, or a null text.
    QString unheldCharacter(const QString &text) const;
    // Each section that holds key, with the key's value, in one pass over the text.
    QList<std::pair<QString, QString>> findAll(const QString &key) const;

private:
    struct SectionIndex;
    const SectionIndex &indexed(const QString &section) const;
    // UTF-8 when the text is valid UTF-8, else windows-1252; worked out when first needed.
    Encoding encoding() const;
    std::function<Encoding()> encodingOf() const
    {
        return [this] { return encoding(); };
    }
    // The value written between start and end of the text, as the profile functions return it.
    QString valueAt(qsizetype start, qsizetype end) const;

    QByteArray m_text;
    mutable std::optional<Encoding> m_encoding;
    mutable std::shared_ptr<SectionIndex> m_index;
};

}  // namespace IniText

// The settings file read once, for many look-ups that must agree with each other.
class IniSnapshot
{
public:
    // With a section name, only look-ups in that section are answered: the file
    // is read up to the end of that section.
    static IniSnapshot ofSettingsFile(const QString &section = QString());
    explicit IniSnapshot(QByteArray content);
    explicit IniSnapshot(IniText::Document document);

    QString value(const QString &section, const QString &key, const QString &defaultValue) const;
    // Every section that holds key, with its value as value() gives it: one pass over
    // the file, where a look-up per section would read it once for each.
    QList<IniValue> valuesOf(const QString &key) const;

private:
    IniText::Document m_document;
};
