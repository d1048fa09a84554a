#include "store/disksync.h"

#include <io.h>
#include <windows.h>

bool SyncFileToDisk(int handle, QString *error)
{
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(handle))))
        return true;
    *error = QStringLiteral("The file could not be flushed to the disk (error %1)").arg(GetLastError());
    return false;
}

// NTFS makes a rename durable with the file's own flush; folders cannot be opened for syncing.
bool SyncFolderToDisk(const QString &, QString *)
{
    return true;
}
