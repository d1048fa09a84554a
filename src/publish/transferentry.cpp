#include "publish/transfermodule.h"

#include <QtGlobal>

// The entry of the transfer module, which holds the real transfer functions.
extern "C" Q_DECL_EXPORT const TransferFunctions *quillset_transfer_functions()
{
    static const TransferFunctions functions{
        sizeof(TransferFunctions), QUILLSET_VERSION,     &PublishSite, &DownloadDataFiles, &PasswordStore::read,
        &PasswordStore::write,     &CheckSite,
    };
    return &functions;
}
