#pragma once

#include "store/usertext.h"

#include <QString>

#include <optional>

struct GuestbookProject;

// How a guestbook reaches its web server.
enum class PublishProtocol { Sftp, Ftps, Ftp };

// The stored name of a protocol ("sftp", "ftps", "ftp"), and back; nothing for any other text.
QString ProtocolKeyValue(PublishProtocol protocol);
std::optional<PublishProtocol> ProtocolFromKeyValue(const QString &value);
// The port a protocol uses when none is given: 22 for SFTP, 21 for FTP and FTPS.
int DefaultPort(PublishProtocol protocol);

// Where the pages go: the server, the account and the folder. The folder is written as upload programs show
// it: "/..." from the server's root, anything else from the account's home folder, empty for the home itself.
struct PublishServer {
    PublishProtocol protocol = PublishProtocol::Sftp;
    QString host;
    int port = 0;  // 0: the protocol's own
    QString user;
    QString folder;

    int portInUse() const;
    // "host:port", the name under which a server's key or certificate is remembered.
    QString endpoint() const;
    // The folder's address, percent-encoded and ending in "/"; a file's address in it.
    QByteArray folderUrl() const;
    QByteArray fileUrl(const QString &name) const;
    // A file of the folder as an SFTP command names it.
    QString sftpPath(const QString &name) const;
    // What is missing before a publish can start, as a sentence; null when nothing is.
    UserText missingValue() const;

    // The server settings saved with a project, and written back into it.
    static PublishServer fromProject(const GuestbookProject &project);
    void writeInto(GuestbookProject &project) const;
};
