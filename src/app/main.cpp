#include "app/installdialogs.h"
#include "chrome/desktopstartup.h"
#include "store/product.h"
#include "store/programfolder.h"
#include "wizard/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // No organisation name: it would become part of the per-user data folder
    // (~/.local/share/Quillset rather than .../Quillset Project/Quillset).
    QApplication::setApplicationName(QLatin1String(kApplicationTitle));
    QApplication::setApplicationVersion(ApplicationVersion());
    DesktopStartup::setIdentity();
    DesktopStartup::chooseDataFolder();

    InstallDialogs();

    frmMain window;
    window.show();
    return app.exec();
}
