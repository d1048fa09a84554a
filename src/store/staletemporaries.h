#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What writers killed in the middle of a write leave behind, cleared at start-up.
// Only names that this program makes are touched, and symbolic links are never
// followed: a folder with a link anywhere along its path is not searched, and a
// linked file or folder is never removed.
// - A set write's journal: the set is finished, with the log line
//   "Finished the interrupted writing of " + each file put in place; a journal
//   that cannot be trusted stays, with a log line naming it.
// - Temporary copies ("<name>.quillset-tmp.XXXXXXXX") older than a minute, each
//   with the log line "Removed stale temporary file " + its path; younger ones
//   may belong to a writer that is still at work.
// - Preview folders (kPreviewFolderPrefix + six letters or digits) older than a
//   day that this user owns and that hold the preview marker, each with the log
//   line "Removed stale preview folder " + its path.

// The name of a preview folder before its random part.
inline const QString kPreviewFolderPrefix = QStringLiteral("quillset-preview-");
// The file that marks a folder as a preview that this program made, and its content.
inline const QString kPreviewMarkerName = QStringLiteral(".quillset-preview");
inline const QByteArray kPreviewMarkerText = QByteArrayLiteral("Quillset preview\r\n");

// Journals and copies directly in each folder, whose sets hold the files named setNames.
void RemoveStaleCopies(const QStringList &folders, const QStringList &setNames);

// The sets on the program's list of unfinished sets, and the copies in their folders.
void FinishListedSets();

// Copies of the settings file, unless a live process holds its lock.
void RemoveStaleSettingsCopies();

// Preview folders in parent.
void RemoveStalePreviews(const QString &parent);
