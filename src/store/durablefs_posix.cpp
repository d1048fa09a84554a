#include "store/durablefs.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool failed(QString *error)
{
    *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

int syncData(int handle)
{
#if defined(__APPLE__)
    return ::fsync(handle);
#else
    return ::fdatasync(handle);
#endif
}

}  // namespace

bool SyncFileToDisk(int handle, QString *error)
{
    while (syncData(handle) != 0) {
        if (errno != EINTR)
            return failed(error);
    }
    return true;
}

bool SyncFolderToDisk(const QString &folder, QString *error)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return failed(error);
    int result = 0;
    while ((result = ::fsync(handle)) != 0 && errno == EINTR) {
    }
    const bool unsupported = result != 0 && (errno == EINVAL || errno == ENOTSUP);
    const bool synced = result == 0 || unsupported || failed(error);
    ::close(handle);
    return synced;
}

SmallFileRead ReadSmallRegularFile(const QString &path, qint64 limit, QByteArray *bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat entry;
    if (::lstat(name.constData(), &entry) != 0)
        return errno == ENOENT || errno == ENOTDIR ? SmallFileRead::Missing : SmallFileRead::Refused;
    if (!S_ISREG(entry.st_mode) || entry.st_size > limit)
        return SmallFileRead::Refused;  // looked at, never opened
    // Something else may have been put there since: the open neither follows a link nor waits on a FIFO,
    // and what it opened is looked at again.
    const int handle = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        return errno == ENOENT ? SmallFileRead::Missing : SmallFileRead::Refused;
    struct stat opened;
    bool fits = ::fstat(handle, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_size <= limit;
    bytes->clear();
    char buffer[4096];
    while (fits) {
        const ssize_t count = ::read(handle, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0 && errno == EINTR)
            continue;
        fits = count > 0 && bytes->size() + count <= limit;  // a file that grows while read is refused
        if (fits)
            bytes->append(buffer, count);
    }
    ::close(handle);
    return fits ? SmallFileRead::Read : SmallFileRead::Refused;
}

bool IsOwnedByThisUser(const QString &path)
{
    struct stat entry;
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 && entry.st_uid == ::geteuid();
}

FolderLock::FolderLock(const QString &folder)
    : m_folder(folder)
{
}

FolderLock::~FolderLock()
{
    if (m_handle >= 0)
        ::close(int(m_handle));  // closing drops the lock
}

FolderLock::State FolderLock::tryLock()
{
    if (m_handle < 0)
        m_handle = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_handle < 0)
        return Unavailable;
    if (::flock(int(m_handle), LOCK_EX | LOCK_NB) == 0)
        return Locked;
    return errno == EWOULDBLOCK ? Busy : Unavailable;
}
