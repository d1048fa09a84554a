#pragma once

#include <QDateTime>
#include <QString>

// Appends one time-stamped line ("dd-mm-yyyy hh:mm:ss message", CR LF) to the
// application log. The log's path is Settings/AppLog as the first line finds it,
// kept for the rest of the run; when that is empty, the log beside the program is
// used and its path written back, once. A line that cannot be written is dropped
// without a word.
void WriteLog(const QString &message);

// The log line as written for a moment in time, without its line end.
QString FormatLogLine(const QDateTime &moment, const QString &message);
