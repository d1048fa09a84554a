#pragma once

#include <QString>

#include <functional>

class QWidget;

// The desktop's "open" action for files, folders and web addresses. Tests record
// what would be opened instead.
namespace DesktopActions {

// Opens a local path (file or folder) or an address with the desktop's default handler.
// When the desktop cannot open it, tells the user and logs the same line; returns
// whether it was opened.
bool open(const QString &pathOrUrl, QWidget *parent = nullptr);

// The line shown and logged when the desktop cannot open a path or address.
QString openFailureText(const QString &pathOrUrl);

// Stands in for the desktop in tests; returns whether the target was opened.
using Opener = std::function<bool(const QString &)>;
void setOpenerForTesting(Opener opener);  // empty restores the desktop

}  // namespace DesktopActions
