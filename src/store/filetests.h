#pragma once

#include <QString>

// Small file-system tests shared by the generator, the log and the main window.

// True when the path names an existing folder. Never fails loudly.
bool FolderExists(const QString &path);

// True when the path names an existing ordinary file that is not hidden
// (a name beginning with "." counts as hidden). Blank paths give false.
bool FileExists(const QString &path);

// True when something other than an ordinary file stands at the path (a folder,
// a FIFO, a device, a socket), looked at without opening it: opening a FIFO
// blocks until another process opens its other end. A symbolic link counts as
// what it points to.
bool IsNonRegularFile(const QString &path);

// True when the path itself or any folder on the way to it, from the root down, is
// a symbolic link: a clean-up that goes there would be led somewhere else.
bool HasLinkAlongPath(const QString &path);

// True when the text is empty or holds only spaces.
bool IsBlankText(const QString &text);

// True when the name names one folder inside its parent: not empty, no path
// separator of any platform, and not "." or "..".
bool IsPlainFolderName(const QString &name);
