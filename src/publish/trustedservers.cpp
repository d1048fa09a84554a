#include "publish/trustedservers.h"

#include "store/atomicfile.h"
#include "store/programfolder.h"

#include <QFile>
#include <QStringList>

namespace {

const char *kindName(TrustedServers::Kind kind)
{
    return kind == TrustedServers::HostKey ? "ssh-host-key" : "tls-certificate";
}

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool isEntryOf(const QStringList &parts, const QString &endpoint, TrustedServers::Kind kind)
{
    return parts.size() >= 3 && parts.at(0) == endpoint && parts.at(1) == QLatin1String(kindName(kind));
}

}  // namespace

TrustedServers::TrustedServers(QString path)
    : m_path(std::move(path))
{
}

QString TrustedServers::defaultPath()
{
    return ProgramFolder::path() + ProgramFolder::separator() + QStringLiteral("trusted_servers.txt");
}

TrustedServers::Entry TrustedServers::find(const QString &endpoint, Kind kind) const
{
    for (const QString &line : linesOf(m_path)) {
        const QStringList parts = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (isEntryOf(parts, endpoint, kind))
            return {parts.at(2), parts.value(3)};
    }
    return {};
}

bool TrustedServers::remember(const QString &endpoint, Kind kind, const Entry &entry) const
{
    QByteArray text;
    for (const QString &line : linesOf(m_path)) {
        if (!isEntryOf(line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts), endpoint, kind))
            text += line.trimmed().toUtf8() + '\n';
    }
    QStringList fields = {endpoint, QLatin1String(kindName(kind)), entry.fingerprint};
    if (!entry.pin.isEmpty())
        fields << entry.pin;
    text += fields.join(QLatin1Char(' ')).toUtf8() + '\n';
    return AtomicFile::write(m_path, text).succeeded();
}
