#include "chrome/desktopstartup.h"

#include "chrome/messageprompt.h"
#include "store/product.h"
#include "store/programfolder.h"

#include <QApplication>
#include <QIcon>

namespace {
QString unwritableFolderError(const QString &folder)
{
    return QStringLiteral("Error: ") + QLatin1String(kApplicationTitle)
        + QStringLiteral(" cannot save its settings in ") + folder + QStringLiteral(". Projects will not be kept.");
}
}  // namespace

void DesktopStartup::setIdentity()
{
    QIcon icon;
    for (const char *size : {"48x48", "256x256"})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(QLatin1String(size), kDesktopId));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(kDesktopId);
}

void DesktopStartup::chooseDataFolder()
{
    const ProgramFolder::Choice choice = ProgramFolder::chooseAtStartUp();
    if (!choice.writable)
        MessagePrompt::error(nullptr, unwritableFolderError(choice.folder));
}
