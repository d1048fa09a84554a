#pragma once

#include <QString>

// Making written data survive a power cut: the one place that calls the
// platform's sync functions.

// Flushes the data of an open file (its native handle) to the disk; false with
// the system's error text when the disk refused.
bool SyncFileToDisk(int handle, QString *error);

// Makes the entries of a folder (a rename or a new file in it) reach the disk.
// File systems that cannot sync a folder count as done.
bool SyncFolderToDisk(const QString &folder, QString *error);
