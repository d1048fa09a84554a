#include "store/applog.h"

#include "store/programfolder.h"
#include "store/settingsfile.h"

#include <QDateTime>
#include <QFile>

namespace {
const QString kSettingsSection = QStringLiteral("Settings");
const QString kAppLogKey = QStringLiteral("AppLog");

QString logFilePath()
{
    QString path = GetINISetting(kSettingsSection, kAppLogKey, QString());
    if (path.isEmpty()) {
        path = ProgramFolder::path() + ProgramFolder::separator() + QStringLiteral("applog.log");
        SaveINISetting(kSettingsSection, kAppLogKey, path);
    }
    return path;
}
}  // namespace

QString FormatLogLine(const QDateTime &moment, const QString &message)
{
    return moment.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")) + QLatin1Char(' ') + message;
}

void WriteLog(const QString &message)
{
    QFile log(logFilePath());
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    log.write((FormatLogLine(QDateTime::currentDateTime(), message) + QStringLiteral("\r\n")).toLocal8Bit());
}
