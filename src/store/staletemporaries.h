#pragma once

#include <QString>
#include <QStringList>

// Temporary copies that a writer killed in the middle of a write leaves beside
// its files ("<name>.XXXXXX"). Copies older than a minute are removed at start-up,
// each with the log line "Removed stale temporary file " + its path; younger ones
// may belong to a writer that is still at work.

// Copies of the named files directly in folder.
void RemoveStaleCopies(const QString &folder, const QStringList &targetNames);

// Copies of the settings file, unless a live process holds its lock.
void RemoveStaleSettingsCopies();
