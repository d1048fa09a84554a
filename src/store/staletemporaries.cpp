#include "store/staletemporaries.h"

#include "store/applog.h"
#include "store/atomicfile.h"
#include "store/durablefs.h"
#include "store/filetests.h"
#include "store/settingsfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace {

constexpr qint64 kStaleCopyAfterSeconds = 60;
constexpr qint64 kStalePreviewAfterSeconds = 24 * 60 * 60;

QDateTime staleBefore(qint64 seconds)
{
    return QDateTime::currentDateTime().addSecs(-seconds);
}

// Entries of folder that are not symbolic links.
QFileInfoList entriesOf(const QString &folder, QDir::Filters kind)
{
    return QDir(folder).entryInfoList(kind | QDir::Hidden | QDir::System | QDir::NoSymLinks | QDir::NoDotAndDotDot);
}

// Removes the stale copies and gives their paths.
QStringList removeStale(const QString &folder)
{
    const QDateTime before = staleBefore(kStaleCopyAfterSeconds);
    QStringList removed;
    for (const QFileInfo &entry : entriesOf(folder, QDir::Files)) {
        if (AtomicFile::isTemporaryCopy(entry.fileName()) && entry.lastModified() < before
            && QFile::remove(entry.filePath()))
            removed << entry.filePath();
    }
    return removed;
}

void log(const QString &text, const QStringList &paths)
{
    for (const QString &path : paths)
        WriteLog(text + QDir::toNativeSeparators(path));
}

void logRecovery(const AtomicFile::Recovery &recovery)
{
    log(QStringLiteral("Finished the interrupted writing of "), recovery.placed);
    if (!recovery.keptJournal.isEmpty())
        WriteLog(recovery.keptJournalText().english());
}

// A preview folder that this program made for this user: it holds the marker, a file (not a link) with the
// marker's text.
bool isOwnPreview(const QString &folder)
{
    QByteArray marker;
    return IsOwnedByThisUser(folder)
        && ReadSmallRegularFile(QDir(folder).filePath(kPreviewMarkerName), kPreviewMarkerText.size(), &marker)
        == SmallFileRead::Read
        && marker == kPreviewMarkerText;
}

}  // namespace

void RemoveStaleCopies(const QStringList &folders, const QStringList &setNames)
{
    for (const QString &folder : folders) {
        if (HasLinkAlongPath(folder))
            continue;
        logRecovery(AtomicFile::finishInterruptedSet(folder, setNames));
        log(QStringLiteral("Removed stale temporary file "), removeStale(folder));
    }
}

void FinishListedSets()
{
    for (const AtomicFile::Recovery &recovery : AtomicFile::finishListedSets()) {
        logRecovery(recovery);
        log(QStringLiteral("Removed stale temporary file "), removeStale(recovery.folder));
    }
}

void RemoveStaleSettingsCopies()
{
    QStringList removed;
    {
        // A lock that is not a regular file would block its reading; a lock is
        // never taken away for its age, since its writer may still be alive.
        if (IsNonRegularFile(SettingsLockPath()))
            return;
        QLockFile lock(SettingsLockPath());
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            return;  // a live writer may own the copies
        removed = removeStale(QFileInfo(SettingsFilePath()).absolutePath());
    }
    // Logged once the lock is released: the log may write its path into the settings file.
    log(QStringLiteral("Removed stale temporary file "), removed);
}

void RemoveStalePreviews(const QString &parent)
{
    static const QRegularExpression previewName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(kPreviewFolderPrefix) + QStringLiteral("[A-Za-z0-9]{6}")));
    if (HasLinkAlongPath(parent))
        return;
    const QDateTime before = staleBefore(kStalePreviewAfterSeconds);
    QStringList removed;
    for (const QFileInfo &entry : entriesOf(parent, QDir::Dirs)) {
        // Removing the folder removes links inside it, never what they point to.
        if (previewName.match(entry.fileName()).hasMatch() && entry.lastModified() < before
            && isOwnPreview(entry.filePath()) && QDir(entry.filePath()).removeRecursively())
            removed << entry.filePath();
    }
    log(QStringLiteral("Removed stale preview folder "), removed);
}
