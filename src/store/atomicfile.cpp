#include "store/atomicfile.h"

#include "store/durablefs.h"
#include "store/filetests.h"
#include "store/programfolder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// Temporary copies are named "<target>" + this marker + random characters: no
// file that a user makes carries it, so the start-up clean-up can tell them apart.
const QString kCopyMarker = QStringLiteral(".quillset-tmp.");
constexpr int kSuffixLength = 8;
constexpr char kSuffixCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// The journal of a set write, in the set's folder; one set writer at a time holds the folder's lock.
const QString kJournalName = QStringLiteral(".quillset-set.journal");
constexpr qint64 kJournalLimit = 64 * 1024;
// The list of unfinished sets: one entry per folder, in the program folder, so that a
// set is finished at start-up even where no project leads any more.
const QString kUnfinishedSetsFolder = QStringLiteral(".quillset-unfinished-sets");
constexpr int kSetLockTimeoutMs = 5000;
constexpr int kSetLockRetryMs = 20;
constexpr int kMaxLinkHops = 40;

QString randomSuffix()
{
    QString suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix +=
            QLatin1Char(kSuffixCharacters[QRandomGenerator::global()->bounded(int(sizeof kSuffixCharacters) - 1)]);
    return suffix;
}

bool renameOver(const QString &from, const QString &to, QString *error)
{
    std::error_code code;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()),
                            code);
    if (code)
        *error = QString::fromLocal8Bit(code.message().c_str());
    return !code;
}

AtomicFile::DiskSync &diskSync()
{
    static AtomicFile::DiskSync sync;
    return sync;
}

bool syncFile(QFile &file, QString *error)
{
    const AtomicFile::DiskSync &sync = diskSync();
    return sync.file ? sync.file(file.handle(), file.fileName(), error) : SyncFileToDisk(file.handle(), error);
}

bool syncFolder(const QString &folder, QString *error)
{
    const AtomicFile::DiskSync &sync = diskSync();
    return sync.folder ? sync.folder(folder, error) : SyncFolderToDisk(folder, error);
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// Syncs each folder once; false with the error text at the first that fails.
bool syncFolders(const QStringList &folders, QString *error)
{
    QStringList done;
    for (const QString &folder : folders) {
        if (done.contains(folder))
            continue;
        if (!syncFolder(folder, error))
            return false;
        done << folder;
    }
    return true;
}

QStringList foldersOf(const QList<AtomicFile::Content> &files)
{
    QStringList folders;
    for (const AtomicFile::Content &file : files)
        folders << folderOf(file.path);
    return folders;
}

// The file that a write to path replaces, as an absolute path: the end of its
// chain of symbolic links, so that a linked settings file or page stays a link.
QString resolvedTarget(const QString &path)
{
    QString target = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < kMaxLinkHops && QFileInfo(target).isSymLink(); ++hops)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

std::function<void()> &stepHook()
{
    static std::function<void()> hook;
    return hook;
}

void stepDone()
{
    if (stepHook())
        stepHook()();
}

// A temporary file beside the target, flushed to the disk and renamed over it on commit.
class TemporaryCopy : public StagingDevice
{
public:
    explicit TemporaryCopy(QString target)
        : m_target(std::move(target))
    {
    }
    ~TemporaryCopy() override { cancelWriting(); }

    bool open() override
    {
        for (int attempt = 0; attempt < 16; ++attempt) {
            m_file.setFileName(m_target + kCopyMarker + randomSuffix());
            if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                keepPermissionsOfTarget();
                return true;
            }
            if (QFileInfo::exists(m_file.fileName()))
                continue;  // the name was taken: draw another
            m_error = m_file.errorString();
            return false;
        }
        m_error = m_file.errorString();
        return false;
    }
    // A short count is retried with the rest, so that a full disk reports its error.
    qint64 write(const QByteArray &bytes) override
    {
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 count = m_file.write(bytes.constData() + written, bytes.size() - written);
            if (count <= 0)
                break;
            written += count;
        }
        return checked(written);
    }
    bool flush() override { return checked(m_file.flush()) && syncFile(m_file, &m_error); }
    bool close() override
    {
        m_file.close();
        return checked(m_file.error() == QFileDevice::NoError);
    }
    bool commit() override
    {
        if (!renameOver(m_file.fileName(), m_target, &m_error))
            return false;
        m_committed = true;
        return true;
    }
    void cancelWriting() override
    {
        if (m_committed || m_file.fileName().isEmpty())
            return;
        m_file.close();
        m_file.remove();
        m_committed = true;  // nothing left to remove
    }
    QString errorString() const override { return m_error.isEmpty() ? m_file.errorString() : m_error; }
    QString copyPath() const override { return m_file.fileName(); }

private:
    template <typename T>
    T checked(T result)
    {
        if (m_file.error() != QFileDevice::NoError)
            m_error = m_file.errorString();
        return result;
    }

    // A replaced page keeps the permissions it had, so a web server can still read it.
    void keepPermissionsOfTarget()
    {
        const QFileInfo target(m_target);
        if (target.exists())
            m_file.setPermissions(target.permissions());
    }

    QString m_target;
    QFile m_file;
    QString m_error;
    bool m_committed = false;
};

AtomicFile::DeviceFactory &deviceFactory()
{
    static AtomicFile::DeviceFactory factory;
    return factory;
}

std::unique_ptr<StagingDevice> deviceFor(const QString &path)
{
    return deviceFactory() ? deviceFactory()(path) : AtomicFile::realDevice(path);
}

// Writes the whole temporary copy and closes it; false with the error text on any failure.
bool stage(StagingDevice &device, const QByteArray &bytes, QString *error)
{
    const bool complete = device.open() && device.write(bytes) == bytes.size() && device.flush() && device.close();
    if (!complete) {
        *error = device.errorString();
        device.cancelWriting();
    }
    return complete;
}

// What a file of a set held before the set was written, to put back when a
// later file of the set cannot be renamed into place.
struct Previous {
    QString path;
    bool existed = false;
    QByteArray bytes;
};

QList<Previous> previousContents(const QList<AtomicFile::Content> &files)
{
    QList<Previous> previous;
    for (const AtomicFile::Content &file : files) {
        QFile old(file.path);
        const bool existed = old.open(QIODevice::ReadOnly);
        previous.append({file.path, existed, existed ? old.readAll() : QByteArray()});
    }
    return previous;
}

// Puts back what the files held; returns, for each one that could not be put
// back, its path and the reason.
QStringList restore(const QList<Previous> &previous)
{
    QStringList failures;
    for (const Previous &file : previous) {
        if (!file.existed) {
            QFile removed(file.path);
            if (!removed.remove())
                failures.append(file.path + QStringLiteral(": ") + removed.errorString());
            continue;
        }
        std::unique_ptr<StagingDevice> device = deviceFor(file.path);
        QString error;
        if (!stage(*device, file.bytes, &error) || !device->commit())
            failures.append(file.path + QStringLiteral(": ") + (error.isEmpty() ? device->errorString() : error));
    }
    return failures;
}

// The journal of a set write rolls the set forward. It lists the set's complete
// copies (relative to its folder) and is put in place, synced, once all of them are
// written and before the first rename; it is removed after the last. So while it
// exists every copy it lists is whole and belongs to the new set, and finishing a
// killed writer's work is renaming the listed copies that are still there. (Rolling
// back instead would need a copy of every old file kept until the end.) Without a
// journal the targets were never touched and the old set stands.
bool writeJournal(const QString &journal, const std::vector<std::unique_ptr<StagingDevice>> &staged,
                  const QStringList &folders, QString *error)
{
    const QDir folder(folderOf(journal));
    QByteArray list;
    for (const std::unique_ptr<StagingDevice> &copy : staged)
        list += folder.relativeFilePath(copy->copyPath()).toUtf8() + '\n';
    std::unique_ptr<StagingDevice> device = deviceFor(journal);
    if (!stage(*device, list, error))
        return false;
    if (!device->commit()) {
        *error = device->errorString();
        return false;
    }
    return syncFolders(folders, error);
}

bool isPlainFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

// The files that a set in folder may replace: each named file there or, for a link,
// the file it leads to, as the writer resolves it.
QStringList allowedTargets(const QString &folder, const QStringList &setNames)
{
    QStringList targets;
    for (const QString &name : setNames)
        targets << QDir::cleanPath(resolvedTarget(QDir(folder).filePath(name)));
    return targets;
}

// The target whose temporary copy a journal line names, when that target is allowed; else empty.
QString allowedTargetOf(const QString &copy, const QStringList &targets)
{
    if (!AtomicFile::isTemporaryCopy(QFileInfo(copy).fileName()))
        return {};
    const QString target = copy.left(copy.lastIndexOf(kCopyMarker));
    return targets.contains(target) ? target : QString();
}

bool isAbsent(const QString &path)
{
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

AtomicFile::Recovery keptJournal(AtomicFile::Recovery recovery, const QString &journal, const char *reason)
{
    recovery.keptJournal = journal;
    recovery.reason = UserText(reason);
    return recovery;
}

// Renames the copies of the set's files that the folder's journal lists and removes
// the journal. Anything else it lists is left alone, and so is the journal then.
AtomicFile::Recovery finishJournal(const QString &folder, const QStringList &setNames)
{
    AtomicFile::Recovery recovery{folder, {}, {}, {}};
    const QString journal = QDir(folder).filePath(kJournalName);
    QByteArray text;
    const SmallFileRead read = ReadSmallRegularFile(journal, kJournalLimit, &text);
    if (read == SmallFileRead::Missing)
        return recovery;
    if (read == SmallFileRead::Refused)
        return keptJournal(recovery, journal,
                           QT_TRANSLATE_NOOP("UserText", "it is not a regular file of at most 64 KB"));
    const QStringList targets = allowedTargets(folder, setNames);
    QStringList folders;
    QString error;
    bool complete = true;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        const QString copy = QDir::cleanPath(QDir(folder).absoluteFilePath(QString::fromUtf8(line)));
        const QString target = allowedTargetOf(copy, targets);
        if (!target.isEmpty() && isAbsent(copy))
            continue;  // renamed before the writer was stopped
        if (target.isEmpty() || !isPlainFile(copy)) {
            recovery = keptJournal(recovery, journal, QT_TRANSLATE_NOOP("UserText", "it names files outside its set"));
            continue;
        }
        complete = renameOver(copy, target, &error) && complete;
        recovery.placed << target;
        folders << folderOf(target);
    }
    if (complete && syncFolders(folders, &error) && recovery.keptJournal.isEmpty())
        QFile::remove(journal);
    return recovery;
}

// Waits while another writer holds the folder; false when it holds it throughout.
// A folder that cannot be locked at all is left to staging, which reports why.
bool waitForFolder(FolderLock &lock)
{
    const QDeadlineTimer deadline(kSetLockTimeoutMs);
    while (lock.tryLock() == FolderLock::Busy) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kSetLockRetryMs);
    }
    return true;
}

QString unfinishedSetsFolder()
{
    return QDir(ProgramFolder::path()).filePath(kUnfinishedSetsFolder);
}

// A folder's entry in the list: named by a digest of its path, holding the path and
// the names of the set's files, one a line.
QString listEntryOf(const QString &folder)
{
    return QDir(unfinishedSetsFolder())
        .filePath(QString::fromLatin1(QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex()));
}

// A set's journal and its entry in the list of unfinished sets.
struct SetRecord {
    QString folder;
    QStringList names;

    QString journal() const { return QDir(folder).filePath(kJournalName); }
};

// Puts the folder's entry on the disk before any rename of its set. A program folder
// that cannot be written (the program then goes on without keeping anything there)
// does not stop the set: the next set written into the folder, or the next start when
// a project names the folder, still finishes it.
void listFolder(const SetRecord &set)
{
    if (!QFileInfo(unfinishedSetsFolder()).isDir() && !AtomicFile::createFolder(unfinishedSetsFolder()).succeeded())
        return;
    const QString entry = listEntryOf(set.folder);
    std::unique_ptr<StagingDevice> device = deviceFor(entry);
    QString error;
    if (stage(*device, (QStringList{set.folder} + set.names).join(QLatin1Char('\n')).toUtf8() + '\n', &error)
        && device->commit())
        syncFolder(folderOf(entry), &error);
}

// Takes the journal and the entry away; an entry left behind is taken away at the next start.
void closeRecord(const SetRecord &set)
{
    QFile::remove(set.journal());
    QFile::remove(listEntryOf(set.folder));
}

// Writes the copies, then renames them over their targets, under a journal and an
// entry in the list of unfinished sets when there is more than one file.
WriteResult replaceFiles(const QList<AtomicFile::Content> &files, const std::optional<SetRecord> &set)
{
    std::vector<std::unique_ptr<StagingDevice>> staged;
    QString error;
    for (const AtomicFile::Content &file : files) {
        staged.push_back(deviceFor(file.path));
        if (!stage(*staged.back(), file.bytes, &error))
            return WriteResult::failure(error);  // the devices remove their copies
        stepDone();
    }
    const QStringList folders = foldersOf(files);
    if (set) {
        listFolder(*set);
        stepDone();
        if (!writeJournal(set->journal(), staged, folders, &error)) {
            closeRecord(*set);
            return WriteResult::failure(error);
        }
        stepDone();
    }
    // Only the files renamed before a failing one need their old bytes back.
    const QList<Previous> previous = previousContents(files.first(files.size() - 1));
    for (size_t i = 0; i < staged.size(); ++i) {
        if (!staged[i]->commit()) {
            UserText failure = UserText::verbatim(staged[i]->errorString());
            staged[i]->cancelWriting();
            const QStringList notPutBack = restore(previous.first(qsizetype(i)));
            if (!notPutBack.isEmpty())
                failure = UserText(QT_TRANSLATE_NOOP("UserText", "%1; not put back: %2"))
                              .arg(failure)
                              .arg(notPutBack.join(QStringLiteral("; ")));
            if (set)
                closeRecord(*set);
            return WriteResult::failure(failure);
        }
        stepDone();
    }
    if (!syncFolders(folders, &error))
        return WriteResult::failure(error);
    if (set) {
        QFile::remove(set->journal());
        stepDone();
        QFile::remove(listEntryOf(set->folder));
        stepDone();
    }
    return {};
}

QStringList fileNamesOf(const QList<AtomicFile::Content> &files)
{
    QStringList names;
    for (const AtomicFile::Content &file : files)
        names << QFileInfo(file.path).fileName();
    return names;
}

}  // namespace

StagingDevice::~StagingDevice() = default;

WriteResult WriteResult::failure(const UserText &errorText)
{
    return {errorText.isEmpty() ? UserText(QT_TRANSLATE_NOOP("UserText", "Unknown error")) : errorText};
}

WriteResult AtomicFile::write(const QString &path, const QByteArray &content)
{
    return writeSet({{path, content}});
}

namespace {
// A FIFO would block the open (or the reading of its old bytes); a folder or a device
// is no file to write. Such a path is refused before anything is opened.
WriteResult refusedIfNotRegular(const QString &path)
{
    if (!IsNonRegularFile(path))
        return {};
    return WriteResult::failure(
        UserText(QT_TRANSLATE_NOOP("UserText", "%1 is not a regular file")).arg(QDir::toNativeSeparators(path)));
}
}  // namespace

WriteResult AtomicFile::writeSet(const QList<Content> &requested, const QStringList &setNames)
{
    if (requested.isEmpty())
        return {};
    QList<Content> files = requested;
    for (Content &file : files) {
        file.path = resolvedTarget(file.path);
        if (WriteResult refused = refusedIfNotRegular(file.path); !refused.succeeded())
            return refused;
    }
    if (files.size() == 1)
        return replaceFiles(files, std::nullopt);  // one rename needs no journal
    // The journal lies where the set is looked for, even when a page links elsewhere.
    const SetRecord set{folderOf(requested.first().path), setNames.isEmpty() ? fileNamesOf(requested) : setNames};
    FolderLock lock(set.folder);
    if (!waitForFolder(lock))
        return WriteResult::failure(
            UserText(QT_TRANSLATE_NOOP("UserText", "The folder %1 is in use by another program"))
                .arg(QDir::toNativeSeparators(set.folder)));
    // A killed writer's set is finished first, so that it never lands over this one.
    const Recovery recovered = finishJournal(set.folder, set.names);
    if (!recovered.reason.isEmpty())
        return WriteResult::failure(
            UserText(QT_TRANSLATE_NOOP("UserText", "%1. Remove it, then try again")).arg(recovered.keptJournalText()));
    return replaceFiles(files, set);
}

UserText AtomicFile::Recovery::keptJournalText() const
{
    return UserText(QT_TRANSLATE_NOOP("UserText", "The journal %1 of an unfinished write was left in place: %2"))
        .arg(QDir::toNativeSeparators(keptJournal))
        .arg(reason);
}

AtomicFile::Recovery AtomicFile::finishInterruptedSet(const QString &folder, const QStringList &setNames)
{
    if (isAbsent(QDir(folder).filePath(kJournalName)))
        return {folder, {}, {}, {}};
    FolderLock lock(folder);
    return lock.tryLock() == FolderLock::Locked ? finishJournal(folder, setNames) : Recovery{folder, {}, {}, {}};
}

QList<AtomicFile::Recovery> AtomicFile::finishListedSets()
{
    QList<Recovery> finished;
    const QFileInfoList entries =
        QDir(unfinishedSetsFolder()).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        QByteArray text;
        if (isTemporaryCopy(entry.fileName())
            || ReadSmallRegularFile(entry.filePath(), kJournalLimit, &text) != SmallFileRead::Read)
            continue;
        QStringList names = QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QString folder = names.isEmpty() ? QString() : names.takeFirst();
        if (folder.isEmpty() || HasLinkAlongPath(folder))
            continue;
        // The entry goes under the folder's lock, so that a writer that lists the folder again keeps its entry.
        FolderLock lock(folder);
        const FolderLock::State state = lock.tryLock();
        if (state == FolderLock::Busy)
            continue;
        const Recovery recovery =
            state == FolderLock::Locked ? finishJournal(folder, names) : Recovery{folder, {}, {}, {}};
        if (isAbsent(QDir(folder).filePath(kJournalName)))
            QFile::remove(entry.filePath());
        finished << recovery;
    }
    return finished;
}

WriteResult AtomicFile::createFolder(const QString &path)
{
    std::error_code code;
    std::filesystem::create_directory(std::filesystem::path(path.toStdU16String()), code);
    if (code)
        return WriteResult::failure(QString::fromLocal8Bit(code.message().c_str()));
    QString error;
    if (!syncFolder(folderOf(path), &error))
        return WriteResult::failure(error);
    return {};
}

WriteResult AtomicFile::append(const QString &path, const QByteArray &bytes)
{
    if (WriteResult refused = refusedIfNotRegular(path); !refused.succeeded())
        return refused;
    // Unbuffered: the bytes go out in one write call, not in pieces.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return WriteResult::failure(file.errorString());
    const qint64 sizeBefore = file.size();
    const qint64 written = file.write(bytes);
    if (written == bytes.size())
        return {};
    UserText error = file.error() != QFileDevice::NoError
        ? UserText::verbatim(file.errorString())
        : UserText(QT_TRANSLATE_NOOP("UserText", "Only %1 of %2 bytes could be written"))
              .arg(written)
              .arg(bytes.size());
    if (file.size() != sizeBefore && !file.resize(sizeBefore))
        error = UserText(QT_TRANSLATE_NOOP("UserText", "%1; the part written could not be removed: %2"))
                    .arg(error)
                    .arg(file.errorString());
    return WriteResult::failure(error);
}

WriteResult AtomicFile::createEmpty(const QString &path)
{
    if (WriteResult refused = refusedIfNotRegular(path); !refused.succeeded())
        return refused;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return WriteResult::failure(file.errorString());
    QString error;
    if (!syncFile(file, &error) || !syncFolder(folderOf(path), &error))
        return WriteResult::failure(error);
    return {};
}

bool AtomicFile::isTemporaryCopy(const QString &fileName)
{
    static const QRegularExpression copyName(
        QRegularExpression::anchoredPattern(QStringLiteral(".+") + QRegularExpression::escape(kCopyMarker)
                                            + QStringLiteral("[A-Za-z0-9]{%1}").arg(kSuffixLength)));
    return copyName.match(fileName).hasMatch();
}

void AtomicFile::setDeviceFactoryForTesting(DeviceFactory factory)
{
    deviceFactory() = std::move(factory);
}

std::unique_ptr<StagingDevice> AtomicFile::realDevice(const QString &path)
{
    return std::make_unique<TemporaryCopy>(path);
}

void AtomicFile::setDiskSyncForTesting(DiskSync sync)
{
    diskSync() = std::move(sync);
}

AtomicFile::DiskSync AtomicFile::realDiskSync()
{
    return {[](int handle, const QString &, QString *error) { return SyncFileToDisk(handle, error); },
            SyncFolderToDisk};
}

void AtomicFile::setSetStepHookForTesting(std::function<void()> hook)
{
    stepHook() = std::move(hook);
}

QString AtomicFile::writtenFile(const QString &path)
{
    return resolvedTarget(path);
}
