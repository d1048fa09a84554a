#pragma once

#include <QString>

// The help to open, first found of: "help.chm" beside the program; the manual
// beside the program ("help/index.html", where the build puts it); the installed
// manual (share/quillset/help/index.html under the install prefix). Empty text
// when there is none.
QString FindHelp();
