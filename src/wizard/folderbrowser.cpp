#include "wizard/folderbrowser.h"

#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {
FolderChooser &testChooser()
{
    static FolderChooser chooser;
    return chooser;
}

QString chooseWithDialog(QWidget *owner, const QString &prompt)
{
    return QFileDialog::getExistingDirectory(owner, prompt, QDir::rootPath(), QFileDialog::ShowDirsOnly);
}
}  // namespace

QString BrowseForFolder(QWidget *owner, const QString &prompt)
{
    QCoreApplication::processEvents();
    const QString chosen = testChooser() ? testChooser()(owner, prompt) : chooseWithDialog(owner, prompt);
    if (chosen.isEmpty())
        return QString();
    return ProgramFolder::withTrailingSeparator(QDir::toNativeSeparators(chosen));
}

void setFolderChooserForTesting(FolderChooser chooser)
{
    testChooser() = std::move(chooser);
}
