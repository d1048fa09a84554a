#pragma once

#include <QString>

// What the program does on the desktop before its first window opens.
namespace DesktopStartup {

// The desktop entry's name, also the icon's name.
inline const QString kDesktopId = QStringLiteral("org.quillset.Quillset");

// The icon of every window and the desktop entry the windows belong to.
void setIdentity();

// Chooses where settings, log and projects live for this run; when nothing can be
// saved there, says so once, then start-up goes on.
void chooseDataFolder();

}  // namespace DesktopStartup
