#pragma once

#include "publish/publishserver.h"

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

inline QByteArray commandOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return process.readAllStandardOutput();
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
        QFile file(path + QLatin1Char('/') + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        file.close();
        chownToAccount();
    }
    void chownToAccount() const
    {
        QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), serverValue(QStringLiteral("user")), path});
    }
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> contents;
        for (const QString &name : QDir(path).entryList(QDir::Files | QDir::Hidden)) {
            QFile file(path + QLatin1Char('/') + name);
            contents[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        }
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
