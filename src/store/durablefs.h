#pragma once

#include <QByteArray>
#include <QString>

// The platform's calls for durable writes: the one place that makes them.

// Flushes the data of an open file (its native handle) to the disk; false with
// the system's error text when the disk refused.
bool SyncFileToDisk(int handle, QString *error);

// Makes the entries of a folder (a rename or a new file in it) reach the disk.
// File systems that cannot sync a folder count as done.
bool SyncFolderToDisk(const QString &folder, QString *error);

// How reading a small file ended.
enum class SmallFileRead { Read, Missing, Refused };

// Reads the whole file at path when it is a regular file of at most limit bytes. A
// link at the path's end, a FIFO, a device, a folder or a larger file is refused
// without being read, and nothing waits on it: a FIFO would block, a device may
// never end.
SmallFileRead ReadSmallRegularFile(const QString &path, qint64 limit, QByteArray *bytes);

// True when the user this program runs as owns the entry at path (a link itself,
// not what it points to). Where files carry no such owner, true.
bool IsOwnedByThisUser(const QString &path);

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
