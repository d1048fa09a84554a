#include "store/applog.h"

#include "store/atomicfile.h"
#include "store/programfolder.h"
#include "store/settingsfile.h"

#include <QDateTime>

namespace {
const QString kSettingsSection = QStringLiteral("Settings");
const QString kAppLogKey = QStringLiteral("AppLog");

// The log's path as the settings file named it when the first line was written.
struct KeptLogPath {
    QString settingsFile;
    QString path;
};

// Read from the settings file once (once for each settings file, which tests
// change): a line costs no read, and a settings file held locked by another program
// makes only the first line wait, to write the default path back.
QString logFilePath()
{
    static KeptLogPath kept;
    const QString settingsFile = SettingsFilePath();
    if (kept.settingsFile == settingsFile)
        return kept.path;
    QString path = GetINISetting(kSettingsSection, kAppLogKey, QString());
    if (path.isEmpty()) {
        path = ProgramFolder::path() + ProgramFolder::separator() + QStringLiteral("applog.log");
        SaveINISetting(kSettingsSection, kAppLogKey, path);
    }
    kept = {settingsFile, path};
    return path;
}
}  // namespace

QString FormatLogLine(const QDateTime &moment, const QString &message)
{
    return moment.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")) + QLatin1Char(' ') + message;
}

void WriteLog(const QString &message)
{
    // A line that cannot be written whole (to a log that is no regular file, say) is
    // dropped: the log reports nothing.
    AtomicFile::append(logFilePath(),
                       (FormatLogLine(QDateTime::currentDateTime(), message) + QStringLiteral("\r\n")).toLocal8Bit());
}
