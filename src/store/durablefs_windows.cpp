#include "store/durablefs.h"

#include <io.h>
#include <windows.h>

bool SyncFileToDisk(int handle, QString *error)
{
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(handle))))
        return true;
    *error = QStringLiteral("The file could not be flushed to the disk (error %1)").arg(GetLastError());
    return false;
}

// Windows cannot open a folder for syncing; NTFS records the rename in its own log.
bool SyncFolderToDisk(const QString &, QString *)
{
    return true;
}

// A folder cannot be locked itself: a hidden file in it, opened for no one else
// and deleted when closed, stands for the lock.
FolderLock::FolderLock(const QString &folder)
    : m_folder(folder)
{
}

FolderLock::~FolderLock()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

FolderLock::State FolderLock::tryLock()
{
    const QString path = m_folder + QStringLiteral("\\.quillset-folder.lock");
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_WRITE, 0, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Busy : Unavailable;
    m_handle = reinterpret_cast<qintptr>(handle);
    return Locked;
}
