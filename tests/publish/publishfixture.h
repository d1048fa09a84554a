#pragma once

#include "publish/publishserver.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>

// The fixture's servers: ports, the account and its home folder.
inline QString serverValue(const QString &name)
{
    QFile file(QStringLiteral(QUILLSET_PUBLISH_SERVERS "/servers.ini"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(name.toLatin1() + '='))
            return QString::fromUtf8(line.mid(name.size() + 1));
    }
    return {};
}

// A fingerprint as the servers' own tools print it: the part of the command's output between the separators.
inline QString fingerprintBy(const QString &command, char before, char after)
{
    QProcess process;
    process.startCommand(command);
    process.waitForFinished();
    return QString::fromLatin1(process.readAllStandardOutput()).section(before, 1).section(after, 0, 0).trimmed();
}
inline QString sshFingerprint(const QString &publicKey)
{
    return fingerprintBy(QStringLiteral("ssh-keygen -lf ") + publicKey, ' ', ' ');
}

// A folder of the account on the server, read and prepared straight on the disk.
struct RemoteFolder {
    QString path;

    explicit RemoteFolder(const QString &name)
        : path(serverValue(QStringLiteral("home")) + QLatin1Char('/') + name)
    {
    }
    void make() const
    {
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        chownToAccount();
    }
    void put(const QString &name, const QByteArray &bytes) const
    {
        writeBytes(path + QLatin1Char('/') + name, bytes);
        chownToAccount();
    }
    void chownToAccount() const
    {
        QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), serverValue(QStringLiteral("user")), path});
    }
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> contents;
        for (const QString &name : QDir(path).entryList(QDir::Files | QDir::Hidden))
            contents[name] = readBytes(path + QLatin1Char('/') + name);
        return contents;
    }
};

inline PublishServer serverFor(const QString &protocol, const QString &folder)
{
    PublishServer server;
    server.protocol = *ProtocolFromKeyValue(protocol);
    server.host = QStringLiteral("127.0.0.1");
    server.port = serverValue(protocol + QStringLiteral("_port")).toInt();
    server.user = serverValue(QStringLiteral("user"));
    server.folder = folder;
    return server;
}
