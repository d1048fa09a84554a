#pragma once

#include "publish/publishquestions.h"
#include "publish/publishserver.h"
#include "publish/trustedservers.h"

#include <QByteArray>
#include <QStringList>

// One connection to a server through libcurl, reused from one request to the
// next: folder listings, uploads, downloads and file commands (renames,
// removals). It checks the server's identity on every new connection: the SSH
// host key against the remembered one, the certificate against the computer's
// authorities or the remembered self-signed one; the first time it asks.
class ServerSession
{
public:
    ServerSession(const PublishServer &server, const QString &password, const TrustedServers &trusted,
                  PublishQuestions &questions);
    ~ServerSession();
    ServerSession(const ServerSession &) = delete;
    ServerSession &operator=(const ServerSession &) = delete;

    // How a request ended. detail: the server's or the library's own words.
    struct Result {
        enum Kind {
            Done,
            LoginRefused,
            FolderMissing,
            NotStored,  // the server refused to write a file: a full disk, a quota, no write access
            Dropped,
            Unreachable,
            HostKeyChanged,
            IdentityRefused,  // the user did not trust the server's key or certificate
            Cancelled,
            Failed,
        } kind = Done;
        QString detail;
        bool ok() const { return kind == Done; }
    };

    // The names in the folder (also proves the log-in and the folder).
    Result list(QStringList &names);
    // Sends bytes as the file. append: adds them at the end, creating a missing file and keeping the old bytes.
    Result upload(const QString &name, const QByteArray &bytes, bool append, const TransferProgress &progress);
    Result download(const QString &name, QByteArray &bytes, const TransferProgress &progress);
    // Renames in the folder, each over the name it goes to; the ones before a failure stay done.
    Result rename(const QList<QPair<QString, QString>> &fromTo);
    // Removes files of the folder; one that is gone already is no failure.
    Result remove(const QStringList &names);

    // The fingerprint of a changed host key, after HostKeyChanged.
    QString presentedHostKey() const { return m_presentedKey; }

    struct Request;  // one request's data, shared with the library's callbacks

private:
    Result perform(Request &request);
    Result performOnce(Request &request);
    bool askAboutCertificate();
    void setCommonOptions(Request &request);
    Result classify(int code, const Request &request) const;
    static int hostKeyCallback(void *session, int keyType, const char *key, size_t length);
    int checkHostKey(const QByteArray &key);

    PublishServer m_server;
    QString m_password;
    const TrustedServers &m_trusted;
    PublishQuestions &m_questions;
    void *m_curl = nullptr;
    QString m_presentedKey;
    bool m_keyChanged = false;
    bool m_identityRefused = false;
};
