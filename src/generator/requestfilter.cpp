#include "generator/requestfilter.h"

#include "generator/ownerpage.h"
#include "generator/pageframe.h"
#include "generator/protection.h"

namespace {

const char *const kMark = "<!-- Written by Quillset";

// remove before add: a parent folder's web.config may name the same entry, and
// IIS refuses a folder whose configuration adds an entry twice.
QString entries(const QString &kind, const QStringList &values, const QString &extra)
{
    QString text;
    for (const QString &value : values) {
        text += QStringLiteral("          <remove %1=\"%2\" />").arg(kind, value) + kCrLf;
        text += QStringLiteral("          <add %1=\"%2\"%3 />").arg(kind, value, extra) + kCrLf;
    }
    return text;
}

}  // namespace

QString BuildRequestFilter()
{
    // Every data file by name, whether or not this set uses it now (a later Finish
    // may turn moderation off and leave pending.txt), and any other text file and
    // temporary copy by its extension.
    const QStringList files = {kDataFileName, kPendingFileName, kUsedFormsFileName, kDeletedFileName, kJournalFileName};
    const QStringList extensions = {QStringLiteral(".txt"), QStringLiteral(".tmp"), QStringLiteral(".old")};
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + kCrLf + QLatin1String(kMark)
        + QStringLiteral(": the guestbook's data files are not for visitors. Finish writes it again. -->") + kCrLf
        + QStringLiteral("<configuration>") + kCrLf + QStringLiteral("  <system.webServer>") + kCrLf
        + QStringLiteral("    <security>") + kCrLf + QStringLiteral("      <requestFiltering>") + kCrLf
        + QStringLiteral("        <hiddenSegments>") + kCrLf + entries(QStringLiteral("segment"), files, {})
        + QStringLiteral("        </hiddenSegments>") + kCrLf + QStringLiteral("        <fileExtensions>") + kCrLf
        + entries(QStringLiteral("fileExtension"), extensions, QStringLiteral(" allowed=\"false\""))
        + QStringLiteral("        </fileExtensions>") + kCrLf + QStringLiteral("      </requestFiltering>") + kCrLf
        + QStringLiteral("    </security>") + kCrLf + QStringLiteral("  </system.webServer>") + kCrLf
        + QStringLiteral("</configuration>") + kCrLf;
}

bool IsOwnRequestFilter(const QByteArray &text)
{
    return text.contains(kMark);
}
