#include "store/staletemporaries.h"

#include "store/applog.h"
#include "store/atomicfile.h"
#include "store/settingsfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace {
constexpr qint64 kStaleAfterSeconds = 60;
}

namespace {

// Removes the stale copies and gives their paths.
QStringList removeStale(const QString &folder, const QStringList &targetNames)
{
    const QDateTime staleBefore = QDateTime::currentDateTime().addSecs(-kStaleAfterSeconds);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    QStringList removed;
    for (const QFileInfo &entry : entries) {
        const bool isCopy = std::any_of(targetNames.begin(), targetNames.end(), [&entry](const QString &target) {
            return AtomicFile::isTemporaryCopyOf(entry.fileName(), target);
        });
        if (isCopy && entry.lastModified() < staleBefore && QFile::remove(entry.filePath()))
            removed << entry.filePath();
    }
    return removed;
}

void logRemoved(const QStringList &paths)
{
    for (const QString &path : paths)
        WriteLog(QStringLiteral("Removed stale temporary file ") + QDir::toNativeSeparators(path));
}

}  // namespace

void RemoveStaleCopies(const QString &folder, const QStringList &targetNames)
{
    logRemoved(removeStale(folder, targetNames));
}

void RemoveStaleSettingsCopies()
{
    QStringList removed;
    {
        QLockFile lock(SettingsLockPath());
        if (!lock.tryLock(0))
            return;  // a live writer may own the copies
        const QFileInfo settings(SettingsFilePath());
        removed = removeStale(settings.absolutePath(), {settings.fileName()});
    }
    // Logged once the lock is released: the log may write its path into the settings file.
    logRemoved(removed);
}
