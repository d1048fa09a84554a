#include "chrome/desktopactions.h"

#include "chrome/messageprompt.h"
#include "store/applog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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

// A local path in full, so that the user can find it when the desktop cannot open it.
QString fullTarget(const QString &pathOrUrl)
{
    if (isWebAddress(pathOrUrl) || !QFileInfo(pathOrUrl).isRelative())
        return pathOrUrl;
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(pathOrUrl));
}
}  // namespace

QString DesktopActions::openFailureText(const QString &pathOrUrl)
{
    return QCoreApplication::translate("DesktopActions", "Error: Unable to open %1").arg(pathOrUrl);
}

bool DesktopActions::open(const QString &pathOrUrl, QWidget *parent)
{
    const QString target = fullTarget(pathOrUrl);
    const bool opened = testOpener() ? testOpener()(target) : openWithDesktop(target);
    if (!opened) {
        const QString text = openFailureText(target);
        WriteLog(text);
        MessagePrompt::error(parent ? parent : QApplication::activeWindow(), text);
    }
    return opened;
}

void DesktopActions::setOpenerForTesting(Opener opener)
{
    testOpener() = std::move(opener);
}
