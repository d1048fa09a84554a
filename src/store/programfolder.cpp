#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &testFolder()
{
    static QString folder;
    return folder;
}
}  // namespace

QString ProgramFolder::path()
{
    if (!testFolder().isEmpty())
        return testFolder();
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void ProgramFolder::setPathForTesting(const QString &folder)
{
    testFolder() = QDir::toNativeSeparators(folder);
}

QString ProgramFolder::separator()
{
    return QString(QDir::separator());
}

QString ProgramFolder::withTrailingSeparator(const QString &path)
{
    return path.endsWith(separator()) ? path : path + separator();
}
