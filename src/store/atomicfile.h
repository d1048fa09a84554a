#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Whole-file writes that never leave a file half written: the new content goes
// into a temporary file beside the target ("<name>.XXXXXX"), every step is
// checked, and only a complete copy is renamed over the target. On failure the
// temporary file is removed and the target keeps its old bytes.

// How a write ended: on failure, the system's error text.
struct WriteResult {
    QString errorText;  // null when the write succeeded

    bool succeeded() const { return errorText.isNull(); }
    static WriteResult failure(const QString &errorText);
};

// The temporary copy of one file, as the writer drives it. Tests replace it to
// force a short write or a failed flush or commit.
class StagingDevice
{
public:
    virtual ~StagingDevice();
    virtual bool open() = 0;  // creates the temporary file
    virtual qint64 write(const QByteArray &bytes) = 0;
    virtual bool flush() = 0;  // written bytes reach the file
    virtual bool close() = 0;  // closes the complete copy
    virtual bool commit() = 0;  // renames it over the target
    virtual void cancelWriting() = 0;  // removes it
    virtual QString errorString() const = 0;
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
// complete, so a failure leaves every target as it was.
WriteResult writeSet(const QList<Content> &files);

// Appends bytes to the file (created when missing); a failed append is cut off
// again, so the file never ends in part of the bytes.
WriteResult append(const QString &path, const QByteArray &bytes);

// Whether a file name is a temporary copy that the writer makes for target.
bool isTemporaryCopyOf(const QString &fileName, const QString &target);

using DeviceFactory = std::function<std::unique_ptr<StagingDevice>(const QString &path)>;
// Replaces the device for every write; an empty factory restores the real one.
void setDeviceFactoryForTesting(DeviceFactory factory);
// The real device, for tests that wrap it.
std::unique_ptr<StagingDevice> realDevice(const QString &path);

}  // namespace AtomicFile
