#include "store/helplookup.h"

#include "store/filetests.h"
#include "store/programfolder.h"

#include <QDir>

namespace {
const QString kHelpFileName = QStringLiteral("help.chm");
const QString kManualBesideProgram = QStringLiteral("help/index.html");
// From the installed executable's folder to the installed manual, fixed by the build.
const QString kInstalledManual = QStringLiteral(QUILLSET_INSTALLED_HELP "/index.html");
}  // namespace

QString FindHelp()
{
    const QDir programFolder(ProgramFolder::executableFolder());
    for (const QString &relative : {kHelpFileName, kManualBesideProgram, kInstalledManual}) {
        const QString candidate = QDir::toNativeSeparators(QDir::cleanPath(programFolder.filePath(relative)));
        if (FileExists(candidate))
            return candidate;
    }
    return QString();
}
