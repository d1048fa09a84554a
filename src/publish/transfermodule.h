#pragma once

#include "publish/passwordstore.h"
#include "publish/publishrun.h"
#include "publish/sitecheck.h"

// Publishing, the site check and the secret store need libcurl, Qt Network and QtKeychain,
// which load some thirty libraries. They live in a module of their own that the program
// loads the first time one of them is called, so that the window starts without them.
// The program calls them by their usual names (PublishSite, PasswordStore::read, ...);
// the module holds the real ones.

// What the module hands to the program.
struct TransferFunctions {
    int size;  // sizeof(TransferFunctions) in the module's build
    const char *version;  // the program version the module was built with
    decltype(&PublishSite) publishSite;
    decltype(&DownloadDataFiles) downloadDataFiles;
    decltype(&PasswordStore::read) readPassword;
    decltype(&PasswordStore::write) writePassword;
    decltype(&CheckSite) checkSite;
};

// The module's one exported function.
#define QUILLSET_TRANSFER_ENTRY "quillset_transfer_functions"

namespace TransferModule {

// The module's file name without the platform's prefix and suffix.
inline constexpr char kBaseName[] = "quillset-transfer";

// Looks for the module in folder before anywhere else (tests, whose programs lie
// apart from the module). Call before the first transfer.
void setFolderForTesting(const QString &folder);

// The module's functions, loaded on the first call; nullptr when the module is missing
// or belongs to another build, with the reason for the user in error.
const TransferFunctions *functions(QString *error = nullptr);

}  // namespace TransferModule
