#pragma once

#include <QString>

// What the program does on the desktop before its first window opens.
namespace DesktopStartup {

// The desktop entry's name, also the icon's name.
inline const QString kDesktopId = QStringLiteral("org.quillset.Quillset");

// The desktop entry the windows belong to (it also names their icon to the desktop).
void setIdentity();

// The icon of every window, in the sizes installed for the desktop. A picture is read
// from its file only when the window system asks for it.
void setWindowIcon();

// Chooses where settings, log and projects live for this run; when nothing can be
// saved there, says so once, then start-up goes on.
void chooseDataFolder();

}  // namespace DesktopStartup
