#pragma once

#include <QString>

// The platform's calls for durable writes: the one place that makes them.

// Flushes the data of an open file (its native handle) to the disk; false with
// the system's error text when the disk refused.
bool SyncFileToDisk(int handle, QString *error);

// Makes the entries of a folder (a rename or a new file in it) reach the disk.
// File systems that cannot sync a folder count as done.
bool SyncFolderToDisk(const QString &folder, QString *error);

// An exclusive lock that writers of this program take on a folder. The system
// drops it when its holder ends, however it ends, so a killed writer never
// leaves the folder locked.
class FolderLock
{
public:
    enum State { Locked, Busy, Unavailable };  // Unavailable: the folder cannot be locked at all

    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Tries once, without waiting.
    State tryLock();

private:
    QString m_folder;
    qintptr m_handle = -1;
};
