#include "store/filetests.h"

#include <QDir>
#include <QFileInfo>

bool FolderExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool FileExists(const QString &path)
{
    if (IsBlankText(path))
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

bool IsNonRegularFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

bool HasLinkAlongPath(const QString &path)
{
    for (QString step = QDir::cleanPath(QFileInfo(path).absoluteFilePath());; step = QFileInfo(step).path()) {
        if (QFileInfo(step).isSymLink())
            return true;
        if (QDir(step).isRoot() || QFileInfo(step).path() == step)
            return false;
    }
}

bool IsBlankText(const QString &text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

bool IsPlainFolderName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && name != QLatin1String(".") && name != QLatin1String("..");
}
