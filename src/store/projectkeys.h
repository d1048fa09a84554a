#pragma once

#include "store/guestbookproject.h"
#include "store/usertext.h"

#include <QList>
#include <QString>

// The settings keys of a project, one row each: saving, loading, the check of the
// page values and the equality of projects all go through this table, so a new
// key is one new row.
struct ProjectKey {
    const char *key;
    QString GuestbookProject::*text = nullptr;  // the member, when it holds text
    int GuestbookProject::*flag = nullptr;  // the member, when it is 0 or 1
    const char *start;  // what a new project starts with; null: the default project path
    const char *fallback;  // what a load puts for an empty or missing value; null: as start
    // The value's name in a refusal of the page values, a UserText source; null: not a page value.
    const char *shownAs;
    // Why a value cannot be used beyond the checks of every page value (null when it can); null: no more checks.
    UserText (*problem)(const QString &value) = nullptr;
    // Keys that older projects lack: not written while off and absent, so that
    // saving such a project changes nothing in its section.
    bool optional = false;

    QString startValue() const;
    QString loadFallback() const;
    // The member as stored ("0" or "1" for a flag), and set from a stored text.
    QString valueIn(const GuestbookProject &project) const;
    void setIn(GuestbookProject &project, const QString &value) const;
};

const QList<ProjectKey> &ProjectKeys();

// The row of a member, for the few places that name one key.
const ProjectKey &ProjectKeyOf(QString GuestbookProject::*member);
QString ProjectKeyName(QString GuestbookProject::*member);

// The owner password key as stored: "sha256:" + 32 lower-case hex digits of salt +
// ":" + 64 of digest.
bool IsOwnerPasswordValue(const QString &value);
