#include "store/settingsfile.h"

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

QByteArrayView trimmedView(QByteArrayView view)
{
    return view.trimmed();
}

QByteArrayView lineView(const QByteArray &text, const Line &line)
{
    return QByteArrayView(text.constData() + line.start, line.end - line.start);
}

// The section name of a header line "[name]", or a null view for other lines.
QByteArrayView sectionName(QByteArrayView line)
{
    const QByteArrayView trimmed = trimmedView(line);
    if (!trimmed.startsWith('['))
        return {};
    const qsizetype close = trimmed.lastIndexOf(']');
    if (close < 1)
        return {};
    return trimmedView(trimmed.sliced(1, close - 1));
}

bool namesMatch(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section's lines lie: body from the line after its header up to the next header.
struct Section {
    bool found = false;
    qsizetype bodyStart = 0;
    qsizetype bodyEnd = 0;
};

Section findSection(const QByteArray &text, QByteArrayView name)
{
    Section section;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const Line line = lineAt(text, pos);
        const QByteArrayView header = sectionName(lineView(text, line));
        if (section.found && !header.isNull()) {
            section.bodyEnd = line.start;
            return section;
        }
        if (!section.found && !header.isNull() && namesMatch(header, name)) {
            section.found = true;
            section.bodyStart = line.next;
        }
        pos = line.next;
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

KeyLine findKey(const QByteArray &text, const Section &section, QByteArrayView key)
{
    KeyLine result;
    for (qsizetype pos = section.bodyStart; pos < section.bodyEnd;) {
        const Line line = lineAt(text, pos);
        const QByteArrayView view = lineView(text, line);
        const qsizetype equals = view.indexOf('=');
        if (equals > 0 && !trimmedView(view).startsWith(';')
            && namesMatch(trimmedView(view.first(equals)), key)) {
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
qsizetype endOfSectionContent(const QByteArray &text, const Section &section, bool *needsLineBreak)
{
    qsizetype insertAt = section.bodyStart;
    *needsLineBreak = section.bodyStart > 0 && text.at(section.bodyStart - 1) != '\n';
    for (qsizetype pos = section.bodyStart; pos < section.bodyEnd;) {
        const Line line = lineAt(text, pos);
        if (!trimmedView(lineView(text, line)).isEmpty()) {
            insertAt = line.next;
            *needsLineBreak = line.next == text.size() && !text.endsWith('\n');
        }
        pos = line.next;
    }
    return insertAt;
}

QByteArray readSettingsFile()
{
    QFile file(SettingsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
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
    QByteArray text = readSettingsFile();
    const QList<IniValue> values = compose(IniSnapshot(text));
    for (const IniValue &v : values)
        IniText::set(text, IniText::encode(v.section), IniText::encode(v.key), IniText::encode(v.value));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(text);
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

bool IniText::find(const QByteArray &text, const QByteArray &section, const QByteArray &key, QByteArray *value)
{
    const Section found = findSection(text, section.trimmed());
    if (!found.found)
        return false;
    const KeyLine keyLine = findKey(text, found, key.trimmed());
    if (!keyLine.found)
        return false;
    *value = text.mid(keyLine.valueStart, keyLine.line.end - keyLine.valueStart);
    return true;
}

void IniText::set(QByteArray &text, const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray sectionTrimmed = section.trimmed();
    const QByteArray keyTrimmed = key.trimmed();
    const Section found = findSection(text, sectionTrimmed);
    if (!found.found) {
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += "\r\n";
        text += '[' + sectionTrimmed + "]\r\n" + keyTrimmed + '=' + value + "\r\n";
        return;
    }
    const KeyLine keyLine = findKey(text, found, keyTrimmed);
    if (keyLine.found) {
        text.replace(keyLine.valueStart, keyLine.line.end - keyLine.valueStart, value);
        return;
    }
    bool needsLineBreak = false;
    const qsizetype insertAt = endOfSectionContent(text, found, &needsLineBreak);
    QByteArray line = keyTrimmed + '=' + value + "\r\n";
    if (needsLineBreak)
        line.prepend("\r\n");
    text.insert(insertAt, line);
}

QString SettingsFilePath()
{
    QString title = QString::fromLatin1(kApplicationTitle);
    title.replace(QLatin1Char(' '), QLatin1Char('_'));
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
    return IniSnapshot(readSettingsFile());
}

IniSnapshot::IniSnapshot(QByteArray content)
    : m_content(std::move(content))
{
}

QString IniSnapshot::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    QByteArray value;
    if (!IniText::find(m_content, IniText::encode(section), IniText::encode(key), &value))
        return defaultValue;
    return QString::fromLocal8Bit(value);
}
