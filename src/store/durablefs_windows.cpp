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

SmallFileRead ReadSmallRegularFile(const QString &path, qint64 limit, QByteArray *bytes)
{
    // A reparse point (a link) is opened as itself, and then refused.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? SmallFileRead::Missing
                                                                              : SmallFileRead::Refused;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    LARGE_INTEGER size{};
    bool fits = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info)
        && !(info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))
        && GetFileSizeEx(handle, &size) && size.QuadPart <= limit;
    bytes->clear();
    char buffer[4096];
    while (fits) {
        DWORD count = 0;
        fits = ReadFile(handle, buffer, sizeof buffer, &count, nullptr) != FALSE;
        if (!fits || count == 0)
            break;
        fits = bytes->size() + qint64(count) <= limit;
        if (fits)
            bytes->append(buffer, qsizetype(count));
    }
    CloseHandle(handle);
    return fits ? SmallFileRead::Read : SmallFileRead::Refused;
}

// The temporary folder is the user's own on Windows; another user's folder cannot be removed there.
bool IsOwnedByThisUser(const QString &)
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
