#pragma once

#include <QString>

#include <functional>

// The desktop's "open" action for files, folders and web addresses. Tests record
// what would be opened instead.
namespace DesktopActions {

// Opens a local path (file or folder) or an address with the desktop's default handler.
void open(const QString &pathOrUrl);

using Opener = std::function<void(const QString &)>;
void setOpenerForTesting(Opener opener);  // empty restores the desktop

}  // namespace DesktopActions
