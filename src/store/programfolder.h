#pragma once

#include <QString>

// The folder that holds the program: the settings file, the default log and the
// projects folder live there. Tests point it at a temporary folder.
namespace ProgramFolder {

QString path();
void setPathForTesting(const QString &folder);  // empty text restores the real folder

// Path separator of the platform, and a path with exactly that separator at its end.
QString separator();
QString withTrailingSeparator(const QString &path);

}  // namespace ProgramFolder
