#include "store/durablefs.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
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
