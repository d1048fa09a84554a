#include "store/settingsfile.h"

#include "store/guestbookproject.h"
#include "store/product.h"
#include "store/programfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace {

constexpr int kLockTimeoutMs = 5000;

// One line of the text: [start, end) without its line terminator, next = start of the following line.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

Line lineAt(const QByteArray &text, qsizetype start)
{
    qsizetype newline = text.indexOf('\n', start);
    Line line;
    line.start = start;
    line.next = newline < 0 ? text.size() : newline + 1;
    line.end = newline < 0 ? text.size() : newline;
    if (line.end > start && text.at(line.end - 1) == '\r')
        --line.end;
    return line;
}

QByteArrayView lineView(const QByteArray &text, const Line &line)
{
    return QByteArrayView(text.constData() + line.start, line.end - line.start);
}

// The section name of a header line "[name]", or a null view for other lines.
QByteArrayView sectionName(QByteArrayView line)
{
    const QByteArrayView trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return {};
    const qsizetype close = trimmed.lastIndexOf(']');
    if (close < 1)
        return {};
    return trimmed.sliced(1, close - 1).trimmed();
}

bool namesMatch(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// The next header line at or after the line start from: a line whose first
// non-blank character is "[" and that names a section. Only "[" characters are
// looked at, so the long runs of key lines between sections cost one memchr.
bool nextHeader(const QByteArray &text, qsizetype from, Line *header)
{
    for (qsizetype bracket = text.indexOf('[', from); bracket >= 0; bracket = text.indexOf('[', bracket + 1)) {
        const qsizetype start = bracket == 0 ? 0 : text.lastIndexOf('\n', bracket - 1) + 1;
        const QByteArrayView before(text.constData() + start, bracket - start);
        if (!before.trimmed().isEmpty())
            continue;
        *header = lineAt(text, start);
        if (!sectionName(lineView(text, *header)).isNull())
            return true;
    }
    return false;
}

IniText::Section findSection(const QByteArray &text, QByteArrayView name)
{
    IniText::Section section;
    Line header;
    for (qsizetype pos = 0; nextHeader(text, pos, &header); pos = header.next) {
        if (section.found) {
            section.bodyEnd = header.start;
            return section;
        }
        if (namesMatch(sectionName(lineView(text, header)), name)) {
            section.found = true;
            section.bodyStart = header.next;
        }
    }
    section.bodyEnd = text.size();
    return section;
}

// A key line inside a section: the line, and where its value starts.
struct KeyLine {
    bool found = false;
    Line line;
    qsizetype valueStart = 0;
};

KeyLine findKey(const QByteArray &text, const IniText::Section &section, QByteArrayView key)
{
    KeyLine result;
    for (qsizetype pos = section.bodyStart; pos < section.bodyEnd;) {
        const Line line = lineAt(text, pos);
        const QByteArrayView view = lineView(text, line);
        const qsizetype equals = view.indexOf('=');
        if (equals > 0 && !view.trimmed().startsWith(';')
            && namesMatch(view.first(equals).trimmed(), key)) {
            result.found = true;
            result.line = line;
            result.valueStart = line.start + equals + 1;
            return result;
        }
        pos = line.next;
    }
    return result;
}

// Position just after the last non-blank line of the section, where a new key goes.
qsizetype endOfSectionContent(const QByteArray &text, const IniText::Section &section, bool *needsLineBreak)
{
    qsizetype insertAt = section.bodyStart;
    *needsLineBreak = section.bodyStart > 0 && text.at(section.bodyStart - 1) != '\n';
    for (qsizetype pos = section.bodyStart; pos < section.bodyEnd;) {
        const Line line = lineAt(text, pos);
        if (!lineView(text, line).trimmed().isEmpty()) {
            insertAt = line.next;
            *needsLineBreak = line.next == text.size() && !text.endsWith('\n');
        }
        pos = line.next;
    }
    return insertAt;
}

// The file's bytes (none when there is no file); false when a file is there but
// cannot be read, so that no write replaces content it has not seen.
bool readSettingsFile(QByteArray *content)
{
    content->clear();
    QFile file(SettingsFilePath());
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *content = file.readAll();
    return true;
}

// A file without any write permission is read-only, even for a user (root) whom
// the system would let write it.
bool isReadOnly(const QFileInfo &info)
{
    const QFile::Permissions anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

// Applies the values to the file under the lock; a refused write changes nothing.
void rewriteSettingsFile(const std::function<QList<IniValue>(const IniSnapshot &)> &compose)
{
    const QString path = SettingsFilePath();
    const QFileInfo info(path);
    if (info.exists() && isReadOnly(info))
        return;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs))
        return;
    QByteArray content;
    if (!readSettingsFile(&content))
        return;
    IniText::Editor editor(std::move(content));
    const QList<IniValue> values = compose(IniSnapshot(editor.text()));
    for (const IniValue &v : values)
        editor.set(IniText::encode(v.section), IniText::encode(v.key), IniText::encode(v.value));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(editor.text());
    file.commit();
}

}  // namespace

QByteArray IniText::encode(const QString &text)
{
    QByteArray bytes = text.toLocal8Bit();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

IniText::Editor::Editor(QByteArray text)
    : m_text(std::move(text))
{
}

IniText::Section IniText::Editor::section(const QByteArray &name) const
{
    if (!m_hasCachedSection || !namesMatch(m_cachedName, name)) {
        m_cachedSection = findSection(m_text, name);
        m_cachedName = name;
        m_hasCachedSection = true;
    }
    return m_cachedSection;
}

bool IniText::Editor::find(const QByteArray &sectionName, const QByteArray &key, QByteArray *value) const
{
    const Section found = section(sectionName.trimmed());
    if (!found.found)
        return false;
    const KeyLine keyLine = findKey(m_text, found, key.trimmed());
    if (!keyLine.found)
        return false;
    *value = m_text.mid(keyLine.valueStart, keyLine.line.end - keyLine.valueStart);
    return true;
}

void IniText::Editor::set(const QByteArray &sectionName, const QByteArray &key, const QByteArray &value)
{
    const QByteArray name = sectionName.trimmed();
    const QByteArray keyTrimmed = key.trimmed();
    const Section found = section(name);
    const qsizetype sizeBefore = m_text.size();
    if (!found.found) {
        if (!m_text.isEmpty() && !m_text.endsWith('\n'))
            m_text += "\r\n";
        m_text += '[' + name + "]\r\n";
        const qsizetype bodyStart = m_text.size();
        m_text += keyTrimmed + '=' + value + "\r\n";
        m_cachedSection = Section{true, bodyStart, m_text.size()};
        return;
    }
    if (const KeyLine keyLine = findKey(m_text, found, keyTrimmed); keyLine.found) {
        m_text.replace(keyLine.valueStart, keyLine.line.end - keyLine.valueStart, value);
    } else {
        bool needsLineBreak = false;
        const qsizetype insertAt = endOfSectionContent(m_text, found, &needsLineBreak);
        m_text.insert(insertAt, (needsLineBreak ? "\r\n" : "") + keyTrimmed + '=' + value + "\r\n");
    }
    // Every change lies inside this section, so only its end moves.
    m_cachedSection.bodyEnd += m_text.size() - sizeBefore;
}

QString SettingsFilePath()
{
    const QString title = SpacesToUnderscores(QString::fromLatin1(kApplicationTitle));
    return ProgramFolder::withTrailingSeparator(ProgramFolder::path()) + title + QStringLiteral(".ini");
}

QString GetINISetting(const QString &section, const QString &key, const QString &defaultValue)
{
    return IniSnapshot::ofSettingsFile().value(section, key, defaultValue);
}

void SaveINISetting(const QString &section, const QString &key, const QString &value)
{
    SaveINISettings(QList<IniValue>{IniValue{section, key, value}});
}

void SaveINISettings(const QList<IniValue> &values)
{
    rewriteSettingsFile([&values](const IniSnapshot &) { return values; });
}

void SaveINISettings(const std::function<QList<IniValue>(const IniSnapshot &current)> &compose)
{
    rewriteSettingsFile(compose);
}

IniSnapshot IniSnapshot::ofSettingsFile()
{
    QByteArray content;
    readSettingsFile(&content);
    return IniSnapshot(std::move(content));
}

IniSnapshot::IniSnapshot(QByteArray content)
    : m_editor(std::move(content))
{
}

QString IniSnapshot::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    QByteArray value;
    if (!m_editor.find(IniText::encode(section), IniText::encode(key), &value))
        return defaultValue;
    return QString::fromLocal8Bit(value);
}
