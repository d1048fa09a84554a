#pragma once

#include <QString>

// The SSH host keys and the self-signed certificates the user has accepted, one
// line each ("<host:port> <kind> <fingerprint> [<key pin>]"), in a file in the
// program's data folder. A server is trusted by what it showed the first time;
// another key later is refused, never silently taken.
class TrustedServers
{
public:
    // The file in the program's data folder, or another file (tests).
    explicit TrustedServers(QString path = defaultPath());
    static QString defaultPath();

    enum Kind { HostKey, Certificate };
    struct Entry {
        QString fingerprint;  // what the user was shown: "SHA256:<base64>" or colon-separated hex
        QString pin;  // certificates: "sha256//<base64>" of the public key
    };
    // What was remembered for the server, an empty entry when nothing was.
    Entry find(const QString &endpoint, Kind kind) const;
    // Remembers (or replaces) the server's entry; false when the file could not be written.
    bool remember(const QString &endpoint, Kind kind, const Entry &entry) const;

private:
    QString m_path;
};
