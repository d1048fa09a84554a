#include "store/settingsfile.h"

#include "store/atomicfile.h"
#include "store/filetests.h"
#include "store/guestbookproject.h"
#include "store/product.h"
#include "store/programfolder.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

using IniText::Encoding;

constexpr int kLockTimeoutMs = 5000;
constexpr int kLockRetryMs = 100;
// No save holds the lock this long: an older lock is stale, whoever wrote it and
// on whichever computer, so a lock left behind by another computer blocks no save.
constexpr int kStaleLockMs = 60 * 1000;
// A live writer fills its lock with its process id at once; an empty or garbled
// lock this old was left by a writer that died.
constexpr qint64 kAbandonedLockMs = 3000;
constexpr int kReopenDelayMs = 5;
constexpr qint64 kFirstReadChunk = 64 * 1024;
// A comment that is not valid UTF-8, put at the start of a windows-1252 file that
// a save would otherwise leave valid UTF-8 (see Document::apply).
constexpr char kWindows1252Mark[] = "; This file is in windows-1252 \xAB\xBB\r\n";

// What bytes 0x80 to 0x9F stand for in windows-1252. The five bytes it leaves
// undefined stand for the control characters of the same number, as Windows
// reads them, so that they are written back as the same bytes.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const uchar b = uchar(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// The windows-1252 byte of a character, or -1 when it has none.
int windows1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u < 0x100))
        return u;
    const auto found = std::find(std::begin(kWindows1252High), std::end(kWindows1252High), u);
    return found == std::end(kWindows1252High) ? -1 : 0x80 + int(found - std::begin(kWindows1252High));
}

bool isAscii(QByteArrayView bytes)
{
    uchar any = 0;
    for (const char c : bytes)
        any |= uchar(c);
    return any < 0x80;
}

// The encoding of the text at hand, worked out when first needed: names and
// values that are ASCII read the same in both, so most look-ups never need it.
using EncodingOf = std::function<Encoding()>;

QString decoded(QByteArrayView bytes, const EncodingOf &encoding)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    return encoding() == Encoding::Utf8 ? QString::fromUtf8(bytes) : fromWindows1252(bytes);
}

// Text as stored, a line break inside it written as a space; false with the
// first character that the encoding cannot hold.
bool encoded(const QString &text, const EncodingOf &encoding, QByteArray *bytes, QString *unencodable)
{
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool ascii = std::all_of(oneLine.cbegin(), oneLine.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii || encoding() == Encoding::Utf8) {
        *bytes = oneLine.toUtf8();
        return true;
    }
    bytes->resize(oneLine.size());
    for (qsizetype i = 0; i < oneLine.size(); ++i) {
        const int b = windows1252Byte(oneLine.at(i).unicode());
        if (b < 0) {
            *unencodable = oneLine.mid(i, oneLine.at(i).isHighSurrogate() ? 2 : 1);
            return false;
        }
        (*bytes)[i] = char(b);
    }
    return true;
}

// Blanks as the profile functions remove them around names and values.
bool isBlank(char16_t c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A section or key name as compared: blanks around it removed, case folded.
QString foldedName(QStringView name)
{
    while (!name.isEmpty() && isBlank(name.front().unicode()))
        name = name.sliced(1);
    while (!name.isEmpty() && isBlank(name.back().unicode()))
        name.chop(1);
    return name.toString().toCaseFolded();
}

// A stored name (already trimmed) against a folded one. ASCII names, nearly all,
// are compared without decoding.
bool nameMatches(QByteArrayView stored, const QString &folded, const EncodingOf &encoding)
{
    if (!isAscii(stored))
        return decoded(stored, encoding).toCaseFolded() == folded;
    if (stored.size() != folded.size())
        return false;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (folded.at(i).unicode() != char16_t(c >= 'A' && c <= 'Z' ? c + 32 : c))
            return false;
    }
    return true;
}

// A value as the profile functions return it: blanks around it removed, then
// one pair of matching quotes ("..." or '...').
QByteArrayView profileValue(QByteArrayView raw)
{
    QByteArrayView value = raw.trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value;
}

// A value as written: as it is, unless reading would take from it more than the
// blanks at its end, which every reader ignores (the program's own field values
// end in ", "), or would leave nothing of it; then in quotes, which reading
// removes again.
QByteArray storedValue(const QByteArray &value)
{
    QByteArrayView withoutEnd = value;
    while (!withoutEnd.isEmpty() && isBlank(uchar(withoutEnd.back())))
        withoutEnd.chop(1);
    const bool kept = value.isEmpty() || (!withoutEnd.isEmpty() && profileValue(value) == withoutEnd);
    return kept ? value : '"' + value + '"';
}

// One line of the text: [start, end) without its line end, next = start of the
// following line. A line ends at CR LF, LF or a lone CR.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

// Position of the first CR or LF at or after from, or the text's size. Both are
// looked for in a window that doubles, so a short line costs little, a long one
// is passed over at memchr's speed, and no search runs past the line's end by
// more than the line's length: every kind of line end costs the same.
qsizetype lineBreakAt(QByteArrayView text, qsizetype from)
{
    const char *data = text.data();
    for (qsizetype window = 64; from < text.size(); from += window, window *= 2) {
        const size_t length = size_t(std::min(window, text.size() - from));
        const void *lf = std::memchr(data + from, '\n', length);
        const size_t beforeLf = lf ? size_t(static_cast<const char *>(lf) - (data + from)) : length;
        const void *cr = std::memchr(data + from, '\r', beforeLf);
        if (cr || lf)
            return static_cast<const char *>(cr ? cr : lf) - data;
    }
    return text.size();
}

bool endsWithLineBreak(QByteArrayView text)
{
    return text.endsWith('\n') || text.endsWith('\r');
}

Line lineAt(QByteArrayView text, qsizetype start)
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
qsizetype contentStart(QByteArrayView text)
{
    return text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

QByteArrayView lineView(QByteArrayView text, const Line &line)
{
    return text.sliced(line.start, line.end - line.start);
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

// Start of the line that holds pos, looking back no further than from.
qsizetype lineStartOf(QByteArrayView text, qsizetype from, qsizetype pos)
{
    while (pos > from && text.at(pos - 1) != '\n' && text.at(pos - 1) != '\r')
        --pos;
    return pos;
}

// The next header line at or after the line start from: a line whose first
// non-blank character is "[" and that names a section. Only "[" characters are
// looked for, so the long runs of key lines between sections cost one memchr; a
// line that is no header is passed over whole, so every byte is looked at a
// bounded number of times.
bool nextHeader(QByteArrayView text, qsizetype from, Line *header)
{
    for (qsizetype bracket = text.indexOf('[', from); bracket >= 0; bracket = text.indexOf('[', from)) {
        const qsizetype start = lineStartOf(text, from, bracket);
        *header = lineAt(text, start);
        if (text.sliced(start, bracket - start).trimmed().isEmpty() && !sectionName(lineView(text, *header)).isNull())
            return true;
        from = header->next;
        if (from >= text.size())
            return false;
    }
    return false;
}

// Where a section's lines lie: from the line after its header up to the next header.
struct Section {
    bool found = false;
    qsizetype bodyStart = 0;
    qsizetype bodyEnd = 0;
};

// The first section of the name (folded).
Section findSection(QByteArrayView text, const QString &folded, const EncodingOf &encoding)
{
    Section section;
    Line header;
    for (qsizetype pos = contentStart(text); nextHeader(text, pos, &header); pos = header.next) {
        if (section.found) {
            section.bodyEnd = header.start;
            return section;
        }
        if (nameMatches(sectionName(lineView(text, header)), folded, encoding)) {
            section.found = true;
            section.bodyStart = header.next;
        }
    }
    section.bodyEnd = text.size();
    return section;
}

// A key line inside a section: the key's name, and where its value lies.
struct KeyLine {
    QByteArrayView name;
    qsizetype valueStart = 0;
    qsizetype valueEnd = 0;
};

// Calls visit(line, keyLine or null) for each line of the section, in order.
template <typename Visit>
void forEachLine(QByteArrayView text, const Section &section, Visit visit)
{
    for (qsizetype pos = section.bodyStart; pos < section.bodyEnd;) {
        const Line line = lineAt(text, pos);
        const QByteArrayView view = lineView(text, line);
        const qsizetype equals = view.indexOf('=');
        const QByteArrayView name = equals > 0 ? view.first(equals).trimmed() : QByteArrayView();
        if (!name.isEmpty() && !name.startsWith(';')) {
            const KeyLine key{name, line.start + equals + 1, line.end};
            visit(line, &key);
        } else {
            visit(line, nullptr);
        }
        pos = line.next;
    }
}

// The folded name of a stored key (already trimmed).
QString foldedStoredName(QByteArrayView stored, const EncodingOf &encoding)
{
    return isAscii(stored) ? QString::fromLatin1(stored).toLower() : decoded(stored, encoding).toCaseFolded();
}

// A change of the text: the bytes [start, end) become bytes.
struct Edit {
    qsizetype start = 0;
    qsizetype end = 0;
    QByteArray bytes;
};

QByteArray withEdits(const QByteArray &text, std::vector<Edit> edits)
{
    std::stable_sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) { return a.start < b.start; });
    QByteArray result;
    qsizetype size = text.size();
    for (const Edit &edit : edits)
        size += edit.bytes.size() - (edit.end - edit.start);
    result.reserve(size);
    qsizetype copied = 0;
    for (const Edit &edit : edits) {
        result.append(text.constData() + copied, edit.start - copied);
        result += edit.bytes;
        copied = edit.end;
    }
    result.append(text.constData() + copied, text.size() - copied);
    return result;
}

// The values bound for one section, encoded, each key once (the last value wins).
struct SectionValues {
    QByteArray name;
    QString folded;
    QList<std::pair<QByteArray, QByteArray>> keys;  // name as written, value as written
    QHash<QString, qsizetype> keyIndex;  // folded key -> position in keys
};

}  // namespace

struct IniText::Document::SectionIndex {
    QString folded;
    Section section;
    QHash<QString, KeyLine> keys;  // the first line of each key
};

IniText::Document::Document(QByteArray text)
    : m_text(std::move(text))
{
}

IniText::Encoding IniText::Document::encoding() const
{
    if (!m_encoding)
        m_encoding = QByteArrayView(m_text).isValidUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
    return *m_encoding;
}

const IniText::Document::SectionIndex &IniText::Document::indexed(const QString &section) const
{
    const QString folded = foldedName(section);
    if (m_index && m_index->folded == folded)
        return *m_index;
    auto index = std::make_shared<SectionIndex>();
    index->folded = folded;
    index->section = findSection(m_text, folded, encodingOf());
    if (index->section.found) {
        forEachLine(m_text, index->section, [&](const Line &, const KeyLine *key) {
            if (!key)
                return;
            const QString keyName = foldedStoredName(key->name, encodingOf());
            if (!index->keys.contains(keyName))  // the first line of a key counts
                index->keys.insert(keyName, *key);
        });
    }
    m_index = std::move(index);
    return *m_index;
}

bool IniText::Document::find(const QString &section, const QString &key, QString *value) const
{
    const SectionIndex &index = indexed(section);
    const auto found = index.keys.constFind(foldedName(key));
    if (found == index.keys.cend())
        return false;
    *value = valueAt(found->valueStart, found->valueEnd);
    return true;
}

QString IniText::Document::valueAt(qsizetype start, qsizetype end) const
{
    return decoded(profileValue(QByteArrayView(m_text).sliced(start, end - start)), encodingOf());
}

namespace {

// Position just after the last non-blank line of the section, where new keys go.
qsizetype endOfSectionContent(QByteArrayView text, const Section &section, bool *needsLineBreak)
{
    qsizetype insertAt = section.bodyStart;
    *needsLineBreak = section.bodyStart > 0 && !endsWithLineBreak(text.first(section.bodyStart));
    forEachLine(text, section, [&](const Line &line, const KeyLine *) {
        if (!lineView(text, line).trimmed().isEmpty()) {
            insertAt = line.next;
            *needsLineBreak = line.next == text.size() && !endsWithLineBreak(text);
        }
    });
    return insertAt;
}

// The edits that store the values of one section that the text holds: values of
// keys it has replaced in place, new keys after its last line.
void editSection(QByteArrayView text, const Section &section, const SectionValues &values, const EncodingOf &encoding,
                 std::vector<Edit> *edits)
{
    std::vector<bool> replaced(size_t(values.keys.size()), false);
    forEachLine(text, section, [&](const Line &, const KeyLine *key) {
        if (!key)
            return;
        const auto wanted = values.keyIndex.constFind(foldedStoredName(key->name, encoding));
        if (wanted == values.keyIndex.cend() || replaced[size_t(*wanted)])
            return;
        replaced[size_t(*wanted)] = true;
        edits->push_back({key->valueStart, key->valueEnd, storedValue(values.keys.at(*wanted).second)});
    });
    QByteArray added;
    for (qsizetype i = 0; i < values.keys.size(); ++i) {
        if (!replaced[size_t(i)])
            added += values.keys.at(i).first + '=' + storedValue(values.keys.at(i).second) + "\r\n";
    }
    if (added.isEmpty())
        return;
    bool needsLineBreak = false;
    const qsizetype insertAt = endOfSectionContent(text, section, &needsLineBreak);
    edits->push_back({insertAt, insertAt, (needsLineBreak ? QByteArray("\r\n") : QByteArray()) + added});
}

// The values encoded and grouped by section, in the order first named; false
// with the first character that the encoding lacks.
bool groupedBySection(const QList<IniValue> &values, const EncodingOf &encoding, QList<SectionValues> *sections,
                      QString *unencodable)
{
    QHash<QString, qsizetype> sectionIndex;
    for (const IniValue &v : values) {
        QByteArray section;
        QByteArray key;
        QByteArray value;
        if (!encoded(v.section, encoding, &section, unencodable) || !encoded(v.key, encoding, &key, unencodable)
            || !encoded(v.value, encoding, &value, unencodable))
            return false;
        const QString folded = foldedName(v.section);
        auto s = sectionIndex.constFind(folded);
        if (s == sectionIndex.cend()) {
            s = sectionIndex.insert(folded, sections->size());
            sections->append({section.trimmed(), folded, {}, {}});
        }
        SectionValues &target = (*sections)[*s];
        const QString foldedKey = foldedName(v.key);
        if (const auto k = target.keyIndex.constFind(foldedKey); k != target.keyIndex.cend()) {
            target.keys[*k].second = value;
        } else {
            target.keyIndex.insert(foldedKey, target.keys.size());
            target.keys.append({key.trimmed(), value});
        }
    }
    return true;
}

}  // namespace

QString IniText::Document::apply(const QList<IniValue> &values)
{
    const Encoding kept = encoding();
    QList<SectionValues> sections;
    QString unencodable;
    if (!groupedBySection(values, encodingOf(), &sections, &unencodable))
        return unencodable;
    std::vector<Edit> edits;
    QByteArray newSections;
    for (const SectionValues &section : std::as_const(sections)) {
        const Section found = findSection(m_text, section.folded, encodingOf());
        if (found.found) {
            editSection(m_text, found, section, encodingOf(), &edits);
            continue;
        }
        newSections += '[' + section.name + "]\r\n";
        for (const auto &[key, value] : section.keys)
            newSections += key + '=' + storedValue(value) + "\r\n";
    }
    m_text = withEdits(m_text, std::move(edits));
    if (!newSections.isEmpty() && m_text.size() > contentStart(m_text) && !endsWithLineBreak(m_text))
        m_text += "\r\n";
    m_text += newSections;
    // A windows-1252 text whose last byte that is not valid UTF-8 these edits removed
    // would be read as UTF-8 from now on, and every value beyond ASCII that they did
    // not touch would read differently: the mark keeps the file in windows-1252.
    if (kept == Encoding::Windows1252 && !isAscii(m_text) && QByteArrayView(m_text).isValidUtf8())
        m_text.insert(contentStart(m_text), kWindows1252Mark);
    m_index.reset();
    return {};
}

QString IniText::Document::unheldCharacter(const QString &text) const
{
    QByteArray bytes;
    QString unheld;
    encoded(text, encodingOf(), &bytes, &unheld);
    return unheld;
}

namespace {

// Why the file at path cannot hold settings: it is a folder, a FIFO or a device.
// what: the settings file or its lock file.
UserText notRegularFile(bool lockFile, const QString &path)
{
    return UserText(lockFile ? QT_TRANSLATE_NOOP("UserText", "The lock file %1 is not a regular file")
                             : QT_TRANSLATE_NOOP("UserText", "The settings file %1 is not a regular file"))
        .arg(QDir::toNativeSeparators(path));
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

// For a text whose names looked at are ASCII.
const EncodingOf kAnyEncoding = [] { return Encoding::Utf8; };

// Where reading may stop: at the end of the first section of that name, when it
// ends inside the bytes read and all the text up to there is ASCII, so that the
// encoding of the rest cannot change how it reads; otherwise -1.
qsizetype readingMayStopAt(const QByteArray &content, const QString &untilSection)
{
    const Section section = findSection(content, untilSection, kAnyEncoding);
    const bool stops = section.found && section.bodyEnd < content.size()
        && isAscii(QByteArrayView(content).first(section.bodyEnd));
    return stops ? section.bodyEnd : -1;
}

// The bytes of the open file; false when they cannot be read. One look at the
// start of the file, where the program's own sections lie, then, unless reading
// may stop there, the rest into the same buffer.
bool readOpenFile(QFile &file, QByteArray *content, const QString &untilSection)
{
    const qint64 size = file.size();
    *content = file.read(untilSection.isNull() ? size : kFirstReadChunk);
    qint64 got = file.error() == QFileDevice::NoError ? content->size() : -1;
    if (const qsizetype stop = got >= 0 && got < size ? readingMayStopAt(*content, untilSection) : -1; stop >= 0) {
        content->truncate(stop);
        return true;
    }
    if (got >= 0 && got < size) {
        content->resize(size);
        const qint64 rest = file.read(content->data() + got, size - got);
        got = rest < 0 ? -1 : got + rest;
    }
    content->resize(std::max<qint64>(got, 0));
    return got >= 0;
}

// The file's bytes (none when there is no file); false when a file is there but
// cannot be read, so that no write replaces content it has not seen. Something
// that is not a regular file is not opened: a FIFO would block. With a section
// name (folded), reading stops once the first section of that name has ended:
// look-ups go to the first such section, so the rest of the file cannot matter.
bool readSettingsFile(QByteArray *content, UserText *error = nullptr, const QString &untilSection = {})
{
    content->clear();
    const QString path = SettingsFilePath();
    UserText failure;
    QFile file(path);
    if (IsNonRegularFile(path))
        failure = notRegularFile(false, path);
    else if (const ReadStatus status = openForReading(file); status == ReadStatus::Missing)
        return true;
    else if (status == ReadStatus::Unreadable || !readOpenFile(file, content, untilSection))
        failure = UserText::verbatim(file.errorString());
    if (failure.isNull())
        return true;
    content->clear();
    if (error)
        *error = failure;
    return false;
}

// A file without any write permission is read-only, even for a user (root) whom
// the system would let write it.
bool isReadOnly(const QFileInfo &info)
{
    const QFile::Permissions anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

// A lock that no writer will ever fill: empty or garbled, and older than a live
// writer leaves its lock unfilled. Its age is looked at after its content, so a
// lock created in between is younger still and is never taken for this one.
bool isAbandoned(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    const QFileInfo info(lock.fileName());
    return info.isFile() && qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > kAbandonedLockMs;
}

// Removes an abandoned lock. Removers take the lock that QLockFile's own removal
// of a dead process's lock takes, and look again under it, so that two removers
// never take away the fresh lock of a writer that came in between.
void removeIfAbandoned(QLockFile &lock)
{
    if (!isAbandoned(lock))
        return;
    QLockFile remover(lock.fileName() + QStringLiteral(".rmlock"));
    if (remover.tryLock(0) && isAbandoned(lock))
        lock.removeStaleLockFile();
}

// Takes the lock beside the file written; it admits one writer, always. A lock
// whose process is gone, one older than any save and an abandoned one are removed
// (QLockFile removes the first two); only a holder that may be live makes this wait.
bool takeLock(QLockFile &lock)
{
    lock.setStaleLockTime(kStaleLockMs);
    QDeadlineTimer deadline(kLockTimeoutMs);
    while (!lock.tryLock(kLockRetryMs)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        removeIfAbandoned(lock);
    }
    return true;
}

// Why a key could not be read back once written, or a null text. Every section
// name reads back: "[]" names the section of the empty name.
UserText unreadableName(const IniValue &v)
{
    const QString key = v.key.trimmed();
    if (key.isEmpty() || key.contains(QLatin1Char('=')) || key.startsWith(QLatin1Char(';'))
        || key.startsWith(QLatin1Char('[')))
        return UserText(QT_TRANSLATE_NOOP("UserText", "The key \"%1\" cannot be stored in the settings file"))
            .arg(v.key);
    return {};
}

// Why the settings file cannot be written before anything is read, or a null text.
UserText unwritableFile(const QString &path)
{
    if (IsNonRegularFile(path))
        return notRegularFile(false, path);
    if (IsNonRegularFile(SettingsLockPath()))
        return notRegularFile(true, SettingsLockPath());
    const QFileInfo info(path);
    if (info.exists() && isReadOnly(info))
        return UserText(QT_TRANSLATE_NOOP("UserText", "The settings file %1 is read-only"))
            .arg(QDir::toNativeSeparators(path));
    return {};
}

// Why the lock could not be taken: the lock file, and what the user can do.
UserText lockRefusal(const QLockFile &lock, const QString &path)
{
    const QString lockFile = QDir::toNativeSeparators(lock.fileName());
    if (lock.error() == QLockFile::LockFailedError)
        return UserText(QT_TRANSLATE_NOOP("UserText",
                                          "The settings file is in use by another program (lock file %1). "
                                          "Try again in a minute, or delete the lock file if no other %2 "
                                          "is running."))
            .arg(lockFile)
            .arg(QLatin1String(kApplicationTitle));
    return UserText(QT_TRANSLATE_NOOP("UserText",
                                      "The settings file %1 cannot be locked for writing: its lock file "
                                      "%2 cannot be made"))
        .arg(QDir::toNativeSeparators(path))
        .arg(lockFile);
}

// Applies the values to the file under the lock; a refused write changes nothing.
WriteResult rewriteSettingsFile(const std::function<QList<IniValue>(const IniSnapshot &)> &compose)
{
    const QString path = SettingsFilePath();
    if (const UserText problem = unwritableFile(path); !problem.isNull())
        return WriteResult::failure(problem);
    QLockFile lock(SettingsLockPath());
    if (!takeLock(lock))
        return WriteResult::failure(lockRefusal(lock, path));
    QByteArray content;
    UserText error;
    if (!readSettingsFile(&content, &error))
        return WriteResult::failure(error);
    IniText::Document document(std::move(content));
    const QList<IniValue> values = compose(IniSnapshot(document));
    for (const IniValue &v : values) {
        if (const UserText refusal = unreadableName(v); !refusal.isNull())
            return WriteResult::failure(refusal);
    }
    if (const QString unencodable = document.apply(values); !unencodable.isNull())
        return WriteResult::failure(
            UserText(QT_TRANSLATE_NOOP("UserText", "The settings file %1 is in windows-1252, which has no \"%2\""))
                .arg(QDir::toNativeSeparators(path))
                .arg(unencodable));
    return AtomicFile::write(path, document.text());
}

}  // namespace

QString SettingsFileName()
{
    return SpacesToUnderscores(QString::fromLatin1(kApplicationTitle)) + QStringLiteral(".ini");
}

QString SettingsFilePath()
{
    return ProgramFolder::withTrailingSeparator(ProgramFolder::path()) + SettingsFileName();
}

QString SettingsLockPath()
{
    // Beside the file that is written: program folders that share one settings file
    // through a link then share its lock as well.
    return AtomicFile::writtenFile(SettingsFilePath()) + QStringLiteral(".lock");
}

QString SettingsFileUnheldCharacter(const QString &text)
{
    QByteArray content;
    readSettingsFile(&content);
    return IniText::Document(std::move(content)).unheldCharacter(text);
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
    readSettingsFile(&content, nullptr, section.isNull() ? QString() : foldedName(section));
    return IniSnapshot(std::move(content));
}

IniSnapshot::IniSnapshot(QByteArray content)
    : m_document(std::move(content))
{
}

IniSnapshot::IniSnapshot(IniText::Document document)
    : m_document(std::move(document))
{
}

QString IniSnapshot::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    QString value;
    return m_document.find(section, key, &value) ? value : defaultValue;
}

QList<std::pair<QString, QString>> IniText::Document::findAll(const QString &key) const
{
    const QString folded = foldedName(key);
    QList<std::pair<QString, QString>> found;
    Line header;
    bool more = nextHeader(m_text, contentStart(m_text), &header);
    while (more) {
        const Line current = header;
        more = nextHeader(m_text, current.next, &header);
        const Section section{true, current.next, more ? header.start : m_text.size()};
        std::optional<QString> value;
        forEachLine(m_text, section, [&](const Line &, const KeyLine *line) {
            if (line && !value && foldedStoredName(line->name, encodingOf()) == folded)
                value = valueAt(line->valueStart, line->valueEnd);
        });
        if (value)
            found.append({decoded(sectionName(lineView(m_text, current)), encodingOf()), *value});
    }
    return found;
}

QList<IniValue> IniSnapshot::valuesOf(const QString &key) const
{
    QList<IniValue> values;
    for (const auto &[section, value] : m_document.findAll(key))
        values.append({section, key, value});
    return values;
}
