#pragma once

#include "store/usertext.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Whole-file writes that never leave a file half written: the new content goes
// into a temporary copy beside the target ("<name>.quillset-tmp.XXXXXXXX"), is
// flushed to the disk, and only a complete copy is renamed over the target; the
// folder is synced after the rename, so a power cut leaves the old or the new
// file. Every step is checked; on failure the copy is removed and the target
// keeps its old bytes. A target that is a symbolic link stays one: the file it
// points to is replaced, by a copy written beside that file.

// How a write ended: on failure, why (the system's error text, or the program's own).
struct WriteResult {
    UserText errorText;  // null when the write succeeded

    bool succeeded() const { return errorText.isNull(); }
    static WriteResult failure(const UserText &errorText);
    static WriteResult failure(const QString &systemError) { return failure(UserText::verbatim(systemError)); }
};

// The temporary copy of one file, as the writer drives it. Tests replace it to
// force a short write or a failed flush or commit.
class StagingDevice
{
public:
    virtual ~StagingDevice();
    virtual bool open() = 0;  // creates the temporary file
    virtual qint64 write(const QByteArray &bytes) = 0;
    virtual bool flush() = 0;  // written bytes reach the disk
    virtual bool close() = 0;  // closes the complete copy
    virtual bool commit() = 0;  // renames it over the target
    virtual void cancelWriting() = 0;  // removes it
    virtual QString errorString() const = 0;
    virtual QString copyPath() const = 0;  // the temporary copy's path
};

namespace AtomicFile {

// Writes content as the whole new file at path.
WriteResult write(const QString &path, const QByteArray &content);

// One file of a set.
struct Content {
    QString path;
    QByteArray bytes;
};
// Writes every file's temporary copy first and renames them only when all are
// complete, so a failure leaves every target as it was. The files lie in one
// folder. Before the first rename the folder is entered in the program folder's
// list of unfinished sets (when that folder can be written) and a journal beside
// the first file lists the copies; both go after the last rename. A writer killed
// in the middle is so finished at the next start (finishListedSets) or by the next
// set written there: the set is then the old or the new one, never a mix.
// setNames are the names of the files that a set in this folder may hold (by
// default those of files): a journal found there is honoured only for copies of
// those files, and one that names anything else, or is not a regular file of at
// most 64 KB, is left in place and the write refused, naming it.
WriteResult writeSet(const QList<Content> &files, const QStringList &setNames = {});

// What finishing a killed writer's set in a folder did.
struct Recovery {
    QString folder;
    QStringList placed;  // the targets put in place
    QString keptJournal;  // the journal, when it was left in place because it cannot be trusted
    UserText reason;  // why it cannot be trusted

    // "The journal <path> of an unfinished write was left in place: <reason>"
    UserText keptJournalText() const;
};

// Completes a set write that a killed writer left journaled in folder, unless a
// live writer is at work there; only copies of the files named setNames in that
// folder (for a link there, of the file it leads to) are put in place.
Recovery finishInterruptedSet(const QString &folder, const QStringList &setNames);

// Completes the sets of the list of unfinished sets, each as its writer listed it,
// and takes each finished folder off the list. A folder with a symbolic link along
// its path, or where a live writer is at work, is left for later.
QList<Recovery> finishListedSets();

// Makes a folder (its parent must exist) and syncs its parent, so that the new
// folder is still there after a power cut.
WriteResult createFolder(const QString &path);

// Appends bytes to the file (created when missing) in one write; a failed append
// is cut off again, so the file never ends in part of the bytes.
WriteResult append(const QString &path, const QByteArray &bytes);

// Creates an empty file that reaches the disk; a file already there is kept as it is.
WriteResult createEmpty(const QString &path);

// Whether a file name is one that the writer gives its temporary copies.
bool isTemporaryCopy(const QString &fileName);

// The file that a write to path replaces: the end of its chain of symbolic links,
// as an absolute path (path itself, made absolute, when it is no link).
QString writtenFile(const QString &path);

using DeviceFactory = std::function<std::unique_ptr<StagingDevice>(const QString &path)>;
// Replaces the device for every write; an empty factory restores the real one.
void setDeviceFactoryForTesting(DeviceFactory factory);
// The real device, for tests that wrap it.
std::unique_ptr<StagingDevice> realDevice(const QString &path);

// The calls that make written data durable; tests replace them to see their order.
struct DiskSync {
    std::function<bool(int handle, const QString &file, QString *error)> file;
    std::function<bool(const QString &folder, QString *error)> folder;
};
// Replaces the sync calls; an empty DiskSync restores the real ones.
void setDiskSyncForTesting(DiskSync sync);
DiskSync realDiskSync();

// Called at each step of a set write (each copy staged, the journal written,
// each rename, the journal removed): tests stop the writer there.
void setSetStepHookForTesting(std::function<void()> hook);

}  // namespace AtomicFile
