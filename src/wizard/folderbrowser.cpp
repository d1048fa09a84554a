#include "wizard/folderbrowser.h"

#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
FolderChooser &testChooser()
{
    static FolderChooser chooser;
    return chooser;
}

QString chooseWithDialog(QWidget *owner, const QString &prompt, const QString &openAt)
{
    return QFileDialog::getExistingDirectory(owner, prompt, openAt, QFileDialog::ShowDirsOnly);
}

// The folder itself when it is one, else the nearest folder above it.
QString nearestExistingFolder(const QString &folder)
{
    QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder.isEmpty() ? QDir::homePath() : folder));
    while (!QFileInfo(path).isDir() && QFileInfo(path).path() != path)
        path = QFileInfo(path).path();
    return QDir::toNativeSeparators(path);
}
}  // namespace

QString BrowseForFolder(QWidget *owner, const QString &prompt, const QString &current)
{
    QCoreApplication::processEvents();
    const QString openAt = nearestExistingFolder(current);
    const QString chosen =
        testChooser() ? testChooser()(owner, prompt, openAt) : chooseWithDialog(owner, prompt, openAt);
    if (chosen.isEmpty())
        return QString();
    return ProgramFolder::withTrailingSeparator(QDir::toNativeSeparators(chosen));
}

void setFolderChooserForTesting(FolderChooser chooser)
{
    testChooser() = std::move(chooser);
}
