#include "store/programfolder.h"

#include "store/atomicfile.h"
#include "store/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

struct Folders {
    QString executableForTesting;
    QString perUserForTesting;
    QString chosen;  // empty until chooseAtStartUp()
};

Folders &folders()
{
    static Folders state;
    return state;
}

QString perUserFolder()
{
    if (!folders().perUserForTesting.isEmpty())
        return folders().perUserForTesting;
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// Writable means a file can really be created there: permission bits alone say
// nothing about read-only mounts or access lists.
bool canCreateFileIn(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    QTemporaryFile probe(ProgramFolder::withTrailingSeparator(folder) + QStringLiteral(".write-test-XXXXXX"));
    return probe.open();
}
}  // namespace

QString ProgramFolder::path()
{
    return folders().chosen.isEmpty() ? executableFolder() : folders().chosen;
}

QString ProgramFolder::executableFolder()
{
    if (!folders().executableForTesting.isEmpty())
        return folders().executableForTesting;
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

bool ProgramFolder::isInstalled(const QString &besideProgram)
{
    return QFileInfo(QDir(besideProgram).filePath(QStringLiteral(QUILLSET_INSTALLED_DATA))).isDir();
}

bool ProgramFolder::isBuildTree(const QString &besideProgram)
{
    QDir folder(besideProgram);
    for (int up = 0; up <= 3; ++up) {
        if (QFileInfo(folder.filePath(QStringLiteral("CMakeCache.txt"))).isFile())
            return true;
        if (!folder.cdUp())
            return false;
    }
    return false;
}

namespace {
// An installed program, or one in a build tree, that finds the settings file an earlier version kept beside
// it starts the per-user folder from a copy, so its projects stay in the recent
// list; the old file is left where it is.
void adoptSettingsBeside(const QString &besideProgram, const QString &perUser)
{
    const QString perUserFile = ProgramFolder::withTrailingSeparator(perUser) + SettingsFileName();
    QFile beside(ProgramFolder::withTrailingSeparator(besideProgram) + SettingsFileName());
    if (QFileInfo::exists(perUserFile) || !QFileInfo(beside).isFile() || !beside.open(QIODevice::ReadOnly))
        return;
    AtomicFile::write(perUserFile, beside.readAll());
}
}  // namespace

ProgramFolder::Choice ProgramFolder::choose(const QString &besideProgram, const QString &perUser)
{
    const bool perUserOnly = isInstalled(besideProgram) || isBuildTree(besideProgram);
    if (!perUserOnly && canCreateFileIn(besideProgram))
        return {besideProgram, true};
    if (perUser.isEmpty())
        return {besideProgram, false};
    QDir().mkpath(perUser);
    const bool writable = canCreateFileIn(perUser);
    if (perUserOnly && writable)
        adoptSettingsBeside(besideProgram, perUser);
    return {perUser, writable};
}

ProgramFolder::Choice ProgramFolder::chooseAtStartUp()
{
    const Choice choice = choose(executableFolder(), perUserFolder());
    folders().chosen = choice.folder;
    return choice;
}

void ProgramFolder::setPathForTesting(const QString &folder)
{
    folders() = Folders{QDir::toNativeSeparators(folder), QString(), QString()};
}

void ProgramFolder::setPerUserFolderForTesting(const QString &folder)
{
    folders().perUserForTesting = QDir::toNativeSeparators(folder);
}

QString ProgramFolder::separator()
{
    return QString(QDir::separator());
}

QString ProgramFolder::withTrailingSeparator(const QString &path)
{
    return path.endsWith(separator()) ? path : path + separator();
}
