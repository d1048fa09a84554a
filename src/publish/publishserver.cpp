#include "publish/publishserver.h"

#include "store/guestbookproject.h"

#include <QStringList>
#include <QUrl>

namespace {

// The folder without blanks around it and without separators at its end; "/" stays "/".
QString tidyFolder(const QString &folder)
{
    QString tidy = folder.trimmed();
    while (tidy.size() > 1 && tidy.endsWith(QLatin1Char('/')))
        tidy.chop(1);
    return tidy;
}

QByteArray encodedSegments(const QString &path)
{
    QByteArray encoded;
    for (const QString &segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        encoded += QUrl::toPercentEncoding(segment) + '/';
    return encoded;
}

}  // namespace

QString ProtocolKeyValue(PublishProtocol protocol)
{
    switch (protocol) {
    case PublishProtocol::Sftp: return QStringLiteral("sftp");
    case PublishProtocol::Ftps: return QStringLiteral("ftps");
    case PublishProtocol::Ftp: break;
    }
    return QStringLiteral("ftp");
}

std::optional<PublishProtocol> ProtocolFromKeyValue(const QString &value)
{
    for (PublishProtocol protocol : {PublishProtocol::Sftp, PublishProtocol::Ftps, PublishProtocol::Ftp}) {
        if (value.trimmed().compare(ProtocolKeyValue(protocol), Qt::CaseInsensitive) == 0)
            return protocol;
    }
    return std::nullopt;
}

int DefaultPort(PublishProtocol protocol)
{
    return protocol == PublishProtocol::Sftp ? 22 : 21;
}

int PublishServer::portInUse() const
{
    return port > 0 ? port : DefaultPort(protocol);
}

QString PublishServer::endpoint() const
{
    const QString name = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return name.toLower() + QLatin1Char(':') + QString::number(portInUse());
}

QByteArray PublishServer::folderUrl() const
{
    const QString path = tidyFolder(folder);
    const bool fromRoot = path.startsWith(QLatin1Char('/'));
    const QByteArray name = host.contains(QLatin1Char(':')) ? '[' + host.toLatin1() + ']' : QUrl::toAce(host);
    QByteArray url =
        (protocol == PublishProtocol::Sftp ? "sftp://" : "ftp://") + name + ':' + QByteArray::number(portInUse()) + '/';
    // FTP starts in the home folder and reaches the root through an encoded "/"; SFTP
    // starts at the root and names the home folder "~".
    if (protocol == PublishProtocol::Sftp)
        return url + (fromRoot ? QByteArray() : QByteArray("~/")) + encodedSegments(path);
    return url + (fromRoot ? QByteArray("%2F") : QByteArray()) + encodedSegments(path);
}

QByteArray PublishServer::fileUrl(const QString &name) const
{
    return folderUrl() + QUrl::toPercentEncoding(name);
}

QString PublishServer::sftpPath(const QString &name) const
{
    // A path without "/" at its start is taken from the home folder.
    const QString path = tidyFolder(folder);
    if (path.isEmpty())
        return name;
    return path.endsWith(QLatin1Char('/')) ? path + name : path + QLatin1Char('/') + name;
}

UserText PublishServer::missingValue() const
{
    if (host.trimmed().isEmpty())
        return UserText(QT_TRANSLATE_NOOP("UserText", "Enter the server's host name."));
    if (user.trimmed().isEmpty())
        return UserText(QT_TRANSLATE_NOOP("UserText", "Enter the user name of your account on the server."));
    return {};
}

PublishServer PublishServer::fromProject(const GuestbookProject &project)
{
    PublishServer server;
    server.protocol = ProtocolFromKeyValue(project.Publish_Protocol).value_or(PublishProtocol::Sftp);
    server.host = project.Publish_Host;
    server.port = project.Publish_Port.toInt();
    server.user = project.Publish_User;
    server.folder = project.Publish_Folder;
    return server;
}

void PublishServer::writeInto(GuestbookProject &project) const
{
    project.Publish_Protocol = ProtocolKeyValue(protocol);
    project.Publish_Host = host.trimmed();
    project.Publish_Port = port > 0 ? QString::number(port) : QString();
    project.Publish_User = user;
    project.Publish_Folder = folder.trimmed();
}
