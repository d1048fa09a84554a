#include "chrome/desktopactions.h"

#include "chrome/messageprompt.h"
#include "store/applog.h"

#include <QApplication>
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

bool openWithDesktop(const QString &pathOrUrl)
{
    return QDesktopServices::openUrl(isWebAddress(pathOrUrl) ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl));
}
}  // namespace

QString DesktopActions::openFailureText(const QString &pathOrUrl)
{
    return QStringLiteral("Error: Unable to open ") + pathOrUrl;
}

bool DesktopActions::open(const QString &pathOrUrl, QWidget *parent)
{
    const bool opened = testOpener() ? testOpener()(pathOrUrl) : openWithDesktop(pathOrUrl);
    if (!opened) {
        const QString text = openFailureText(pathOrUrl);
        WriteLog(text);
        MessagePrompt::error(parent ? parent : QApplication::activeWindow(), text);
    }
    return opened;
}

void DesktopActions::setOpenerForTesting(Opener opener)
{
    testOpener() = std::move(opener);
}
