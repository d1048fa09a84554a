#include "store/settingsfile.h"

#include "store/atomicfile.h"
#include "store/guestbookproject.h"
#include "store/product.h"
#include "store/programfolder.h"

#include <QDeadlineTimer>
#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kLockTimeoutMs = 5000;
constexpr int kLockRetryMs = 100;
constexpr int kReopenDelayMs = 5;
constexpr qint64 kFirstReadChunk = 64 * 1024;

// One line of the text: [start, end) without its line end, next = start of the
// following line. A line ends at CR LF, LF or a lone CR.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

// Position of the first CR or LF at or after from, or the text's size.
qsizetype lineBreakAt(const QByteArray &text, qsizetype from)
{
    const qsizetype newline = text.indexOf('\n', from);
    const qsizetype limit = newline < 0 ? text.size() : newline;
    const void *cr = std::memchr(text.constData() + from, '\r', size_t(limit - from));
    return cr ? static_cast<const char *>(cr) - text.constData() : limit;
}

bool endsWithLineBreak(QByteArrayView text)
{
    return text.endsWith('\n') || text.endsWith('\r');
}

Line lineAt(const QByteArray &text, qsizetype start)
{
    Line line;
    line.start = start;
    line.end = lineBreakAt(text, start);
    line.next = line.end;
    if (line.next < text.size())
        line.next +=
            text.at(line.next) == '\r' && line.next + 1 < text.size() && text.at(line.next + 1) == '\n' ? 2 : 1;
    return line;
}

// Where the lines begin: after a UTF-8 byte-order mark, which is kept as it is.
qsizetype contentStart(const QByteArray &text)
{
    return text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
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
// looked at, so the long runs of key lines between sections cost one memchr; a
// line that is no header is passed over whole, so every byte is looked at a
// bounded number of times.
bool nextHeader(const QByteArray &text, qsizetype from, Line *header)
{
    for (qsizetype bracket = text.indexOf('[', from); bracket >= 0; bracket = text.indexOf('[', from)) {
        const QByteArrayView scanned(text.constData() + from, bracket - from);
        const qsizetype start = from + 1 + std::max(scanned.lastIndexOf('\n'), scanned.lastIndexOf('\r'));
        *header = lineAt(text, start);
        const QByteArrayView before(text.constData() + start, bracket - start);
        if (before.trimmed().isEmpty() && !sectionName(lineView(text, *header)).isNull())
            return true;
        from = header->next;
        if (from >= text.size())
            return false;
    }
    return false;
}

IniText::Section findSection(const QByteArray &text, QByteArrayView name)
{
    IniText::Section section;
    Line header;
    for (qsizetype pos = contentStart(text); nextHeader(text, pos, &header); pos = header.next) {
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
        if (equals > 0 && !view.trimmed().startsWith(';') && namesMatch(view.first(equals).trimmed(), key)) {
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
    *needsLineBreak = section.bodyStart > 0 && !endsWithLineBreak(QByteArrayView(text.constData(), section.bodyStart));
    for (qsizetype pos = section.bodyStart; pos < section.bodyEnd;) {
        const Line line = lineAt(text, pos);
        if (!lineView(text, line).trimmed().isEmpty()) {
            insertAt = line.next;
            *needsLineBreak = line.next == text.size() && !endsWithLineBreak(text);
        }
        pos = line.next;
    }
    return insertAt;
}

// Opens the file for reading. A file that is being replaced by another process
// is never missing (the rename is atomic), but an open is tried twice before the
// file counts as missing, and only when it is then not there at all.
enum class ReadStatus { Read, Missing, Unreadable };
ReadStatus openForReading(QFile &file)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (file.open(QIODevice::ReadOnly))
            return ReadStatus::Read;
        if (attempt == 0)
            QThread::msleep(kReopenDelayMs);
    }
    return QFileInfo::exists(file.fileName()) ? ReadStatus::Unreadable : ReadStatus::Missing;
}

// The file's bytes (none when there is no file); false when a file is there but
// cannot be read, so that no write replaces content it has not seen. With a
// section name, reading stops once the first section of that name has ended:
// look-ups go to the first such section, so the rest of the file cannot matter.
bool readSettingsFile(QByteArray *content, QString *error = nullptr, const QByteArray &untilSection = {})
{
    content->clear();
    QFile file(SettingsFilePath());
    switch (openForReading(file)) {
    case ReadStatus::Missing: return true;
    case ReadStatus::Unreadable:
        if (error)
            *error = file.errorString();
        return false;
    case ReadStatus::Read: break;
    }
    // One look at the start of the file, where the program's own sections lie,
    // then the rest into the same buffer.
    const qint64 size = file.size();
    *content = file.read(untilSection.isNull() ? size : kFirstReadChunk);
    qint64 got = file.error() == QFileDevice::NoError ? content->size() : -1;
    if (got >= 0 && got < size) {
        const IniText::Section section = findSection(*content, untilSection);
        if (!(section.found && section.bodyEnd < got)) {
            content->resize(size);
            const qint64 rest = file.read(content->data() + got, size - got);
            got = rest < 0 ? -1 : got + rest;
        }
    }
    if (got < 0) {
        if (error)
            *error = file.errorString();
        return false;
    }
    content->resize(got);
    return true;
}

// A file without any write permission is read-only, even for a user (root) whom
// the system would let write it.
bool isReadOnly(const QFileInfo &info)
{
    const QFile::Permissions anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

// Takes the lock beside the settings file. A lock file that is empty or garbled
// (its writer died before writing its process id) is removed at once; one that
// names a process that is not running is removed by QLockFile itself. Removal
// only succeeds when no live process holds the lock, so a writer that has just
// created its lock file keeps it. Only a live holder makes this wait.
bool takeLock(QLockFile &lock)
{
    QDeadlineTimer deadline(kLockTimeoutMs);
    while (!lock.tryLock(kLockRetryMs)) {
        qint64 pid = 0;
        QString host;
        QString application;
        if (lock.error() == QLockFile::LockFailedError && !lock.getLockInfo(&pid, &host, &application))
            lock.removeStaleLockFile();
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
    }
    return true;
}

// Why a key could not be read back once written, or a null text. Every section
// name reads back: "[]" names the section of the empty name.
QString unreadableName(const IniValue &v)
{
    const QByteArray key = IniText::encode(v.key).trimmed();
    if (key.isEmpty() || key.contains('=') || key.startsWith(';') || key.startsWith('['))
        return QStringLiteral("The key \"%1\" cannot be stored in the settings file").arg(v.key);
    return {};
}

// Applies the values to the file under the lock; a refused write changes nothing.
WriteResult rewriteSettingsFile(const std::function<QList<IniValue>(const IniSnapshot &)> &compose)
{
    const QString path = SettingsFilePath();
    const QFileInfo info(path);
    if (info.exists() && isReadOnly(info))
        return WriteResult::failure(
            QStringLiteral("The settings file %1 is read-only").arg(QDir::toNativeSeparators(path)));
    QLockFile lock(SettingsLockPath());
    if (!takeLock(lock))
        return WriteResult::failure(lock.error() == QLockFile::LockFailedError
                                        ? QStringLiteral("The settings file is in use by another program")
                                        : QStringLiteral("The settings file %1 cannot be locked for writing")
                                              .arg(QDir::toNativeSeparators(path)));
    QByteArray content;
    QString error;
    if (!readSettingsFile(&content, &error))
        return WriteResult::failure(error);
    IniText::Editor editor(std::move(content));
    const QList<IniValue> values = compose(IniSnapshot(editor.text()));
    for (const IniValue &v : values) {
        if (const QString refusal = unreadableName(v); !refusal.isNull())
            return WriteResult::failure(refusal);
    }
    for (const IniValue &v : values)
        editor.set(IniText::encode(v.section), IniText::encode(v.key), IniText::encode(v.value));
    return AtomicFile::write(path, editor.text());
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
        if (m_text.size() > contentStart(m_text) && !endsWithLineBreak(m_text))
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

QString SettingsLockPath()
{
    return SettingsFilePath() + QStringLiteral(".lock");
}

QString GetINISetting(const QString &section, const QString &key, const QString &defaultValue)
{
    return IniSnapshot::ofSettingsFile(section).value(section, key, defaultValue);
}

WriteResult SaveINISetting(const QString &section, const QString &key, const QString &value)
{
    return SaveINISettings(QList<IniValue>{IniValue{section, key, value}});
}

WriteResult SaveINISettings(const QList<IniValue> &values)
{
    return rewriteSettingsFile([&values](const IniSnapshot &) { return values; });
}

WriteResult SaveINISettings(const std::function<QList<IniValue>(const IniSnapshot &current)> &compose)
{
    return rewriteSettingsFile(compose);
}

IniSnapshot IniSnapshot::ofSettingsFile(const QString &section)
{
    QByteArray content;
    readSettingsFile(&content, nullptr, section.isNull() ? QByteArray() : IniText::encode(section).trimmed());
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

QList<std::pair<QByteArray, QByteArray>> IniText::Editor::findAll(const QByteArray &key) const
{
    QList<std::pair<QByteArray, QByteArray>> found;
    Line header;
    bool more = nextHeader(m_text, contentStart(m_text), &header);
    while (more) {
        const Line current = header;
        more = nextHeader(m_text, current.next, &header);
        const Section section{true, current.next, more ? header.start : m_text.size()};
        if (const KeyLine keyLine = findKey(m_text, section, key.trimmed()); keyLine.found)
            found.append({sectionName(lineView(m_text, current)).toByteArray(),
                          m_text.mid(keyLine.valueStart, keyLine.line.end - keyLine.valueStart)});
    }
    return found;
}

QList<IniValue> IniSnapshot::valuesOf(const QString &key) const
{
    QList<IniValue> values;
    for (const auto &[section, value] : m_editor.findAll(IniText::encode(key)))
        values.append({QString::fromLocal8Bit(section), key, QString::fromLocal8Bit(value)});
    return values;
}
