#pragma once

#include <QString>
#include <QStringList>

// What writers killed in the middle of a write leave behind, cleared at start-up.
// Only names that this program makes are touched, and symbolic links are never
// followed: a folder that is a link, or whose parent is one, is not searched,
// and a linked file or folder is never removed.
// - A set write's journal: the set is finished, with the log line
//   "Finished the interrupted writing of " + each file put in place.
// - Temporary copies ("<name>.quillset-tmp.XXXXXXXX") older than a minute, each
//   with the log line "Removed stale temporary file " + its path; younger ones
//   may belong to a writer that is still at work.
// - Preview folders (kPreviewFolderPrefix + six letters or digits) older than a
//   day, each with the log line "Removed stale preview folder " + its path.

// The name of a preview folder before its random part.
inline const QString kPreviewFolderPrefix = QStringLiteral("quillset-preview-");

// Journals and copies directly in each folder.
void RemoveStaleCopies(const QStringList &folders);

// Copies of the settings file, unless a live process holds its lock.
void RemoveStaleSettingsCopies();

// Preview folders in parent.
void RemoveStalePreviews(const QString &parent);
