#pragma once

#include <QString>

// The program's folder: where the settings file, the default log and the projects
// folder live. An installed program keeps them in the per-user data folder, root
// included, so that nothing lands in its bin folder; so does the program of a build
// tree, whose folder a clean build deletes (for both, a settings file that an earlier
// version left beside the program is copied there once). A copy that is neither
// (portable use) keeps them beside the executable when a file can be created there.
// The choice is made once at start-up. Tests point both folders anywhere.
namespace ProgramFolder {

// Where settings, log and projects live: the start-up choice, or beside the
// executable before it is made.
QString path();

// The folder that holds the executable; help is looked for there.
QString executableFolder();

struct Choice {
    QString folder;  // where settings, log and projects go
    bool writable = false;  // false: nothing saved there will be kept
};

// Beside the program when a file can be created there and the program is neither
// installed nor in a build tree; else the per-user folder (created when missing).
// When that cannot be written either, the per-user folder all the same, so that the
// program goes on as it would with an unwritable folder.
Choice choose(const QString &besideProgram, const QString &perUser);

// Installed: the program's prefix holds the installed data folder (share/quillset
// beside the bin folder), wherever the prefix is.
bool isInstalled(const QString &besideProgram);
// A build tree: CMake's cache (CMakeCache.txt) lies in the program's folder or up to
// three folders above it.
bool isBuildTree(const QString &besideProgram);

// Makes the choice for this run with the real (or test) folders; path() follows it.
Choice chooseAtStartUp();

// Points the executable's folder, and so path(), at a folder; empty text restores
// the real folders and forgets the start-up choice.
void setPathForTesting(const QString &folder);
// Stands in for the per-user data folder in chooseAtStartUp().
void setPerUserFolderForTesting(const QString &folder);

// Path separator of the platform, and a path with exactly that separator at its end.
QString separator();
QString withTrailingSeparator(const QString &path);

}  // namespace ProgramFolder
