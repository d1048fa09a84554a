#include "chrome/desktopactions.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
DesktopActions::Opener &testOpener()
{
    static DesktopActions::Opener opener;
    return opener;
}

bool isWebAddress(const QString &text)
{
    return text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://"));
}
}  // namespace

void DesktopActions::open(const QString &pathOrUrl)
{
    if (testOpener()) {
        testOpener()(pathOrUrl);
        return;
    }
    QDesktopServices::openUrl(isWebAddress(pathOrUrl) ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl));
}

void DesktopActions::setOpenerForTesting(Opener opener)
{
    testOpener() = std::move(opener);
}
