// Writes the program's icon, as the window draws it, to PNG files of the desktop's
// icon sizes: exporticon <icons folder> writes <folder>/48x48/... and 256x256/....

#include "chrome/desktopstartup.h"
#include "chrome/pictures.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: exporticon <icons folder>\n";
        return 2;
    }
    for (const int size : {48, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = folder + QLatin1Char('/') + DesktopStartup::kDesktopId + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !Pictures::programIcon(size).save(file, "PNG")) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
        QTextStream(stdout) << file << '\n';
    }
    return 0;
}
