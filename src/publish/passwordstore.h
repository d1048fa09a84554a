#pragma once

#include <QString>

// The server passwords the user asked to remember, kept in the desktop's secret
// store (never in the settings file), one per account ("user@host:port"). Each call
// waits for the store's answer.
namespace PasswordStore {

struct Answer {
    bool storeRunning = true;  // false: this desktop has no secret store that answers
    QString password;  // empty when none is remembered
    QString error;  // the store's words when it failed
};

Answer read(const QString &account);
// Remembers the password, or forgets it when the password is empty.
Answer write(const QString &account, const QString &password);

}  // namespace PasswordStore
