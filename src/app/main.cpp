#include "app/installdialogs.h"
#include "store/product.h"
#include "store/programfolder.h"
#include "wizard/frmmain.h"

#include <QApplication>

namespace {
const char kOrganizationName[] = "Quillset Project";
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kApplicationTitle));
    QApplication::setApplicationVersion(ApplicationVersion());
    QApplication::setOrganizationName(QLatin1String(kOrganizationName));

    InstallDialogs();

    frmMain window;
    window.show();
    return app.exec();
}
