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

void RemoveStaleCopies(const QString &folder, const QStringList &targetNames)
{
    const QDateTime staleBefore = QDateTime::currentDateTime().addSecs(-kStaleAfterSeconds);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const bool isCopy = std::any_of(targetNames.begin(), targetNames.end(), [&entry](const QString &target) {
            return AtomicFile::isTemporaryCopyOf(entry.fileName(), target);
        });
        if (isCopy && entry.lastModified() < staleBefore && QFile::remove(entry.filePath()))
            WriteLog(QStringLiteral("Removed stale temporary file ") + QDir::toNativeSeparators(entry.filePath()));
    }
}

void RemoveStaleSettingsCopies()
{
    QLockFile lock(SettingsLockPath());
    if (!lock.tryLock(0))
        return;  // a live writer may own the copies
    const QFileInfo settings(SettingsFilePath());
    RemoveStaleCopies(settings.absolutePath(), {settings.fileName()});
}
