#include "app/programstart.h"

#include "app/installdialogs.h"
#include "chrome/desktopstartup.h"
#include "store/product.h"
#include "wizard/frmmain.h"

#include <QApplication>

void NameProgram()
{
    // No organisation name: it would become part of the per-user data folder
    // (~/.local/share/Quillset rather than .../Quillset Project/Quillset).
    QCoreApplication::setApplicationName(QLatin1String(kApplicationTitle));
    QCoreApplication::setApplicationVersion(ApplicationVersion());
}

int RunProgram(QObject *windowWatcher)
{
    DesktopStartup::setIdentity();
    DesktopStartup::chooseDataFolder();
    InstallDialogs();

    frmMain window;
    if (windowWatcher)
        window.installEventFilter(windowWatcher);
    window.show();
    return QApplication::exec();
}
