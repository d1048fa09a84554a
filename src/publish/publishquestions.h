#pragma once

#include <QString>

#include <functional>

// What a transfer asks the person who publishes: whether to trust a server seen
// for the first time. The window asks in a message box, the terminal on its input,
// tests answer as their case needs.
class PublishQuestions
{
public:
    virtual ~PublishQuestions() = default;
    // An SSH server's host key, by its SHA-256 fingerprint ("SHA256:...").
    virtual bool trustHostKey(const QString &endpoint, const QString &fingerprint) = 0;
    // A certificate that no authority of this computer vouches for, by its SHA-256 fingerprint.
    virtual bool trustCertificate(const QString &endpoint, const QString &fingerprint) = 0;
};

// Called while a file goes up or comes down: its name, the bytes done and in all.
// Returning false cancels the transfer.
using TransferProgress = std::function<bool(const QString &file, qint64 done, qint64 total)>;
