#include "store/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cctype>

#include <filesystem>
#include <system_error>

namespace {

constexpr int kSuffixLength = 6;
constexpr char kSuffixCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QString randomSuffix()
{
    QString suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix +=
            QLatin1Char(kSuffixCharacters[QRandomGenerator::global()->bounded(int(sizeof kSuffixCharacters) - 1)]);
    return suffix;
}

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

// A temporary file beside the target, renamed over it on commit.
class TemporaryCopy : public StagingDevice
{
public:
    explicit TemporaryCopy(QString target)
        : m_target(std::move(target))
    {
    }
    ~TemporaryCopy() override { cancelWriting(); }

    bool open() override
    {
        for (int attempt = 0; attempt < 16; ++attempt) {
            m_file.setFileName(m_target + QLatin1Char('.') + randomSuffix());
            if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                keepPermissionsOfTarget();
                return true;
            }
            if (QFileInfo::exists(m_file.fileName()))
                continue;  // the name was taken: draw another
            m_error = m_file.errorString();
            return false;
        }
        m_error = m_file.errorString();
        return false;
    }
    // A short count is retried with the rest, so that a full disk reports its error.
    qint64 write(const QByteArray &bytes) override
    {
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 count = m_file.write(bytes.constData() + written, bytes.size() - written);
            if (count <= 0)
                break;
            written += count;
        }
        return checked(written);
    }
    bool flush() override { return checked(m_file.flush()); }
    bool close() override
    {
        m_file.close();
        return checked(m_file.error() == QFileDevice::NoError);
    }
    bool commit() override
    {
        std::error_code error;
        std::filesystem::rename(nativePath(m_file.fileName()), nativePath(m_target), error);
        if (error) {
            m_error = QString::fromLocal8Bit(error.message().c_str());
            return false;
        }
        m_committed = true;
        return true;
    }
    void cancelWriting() override
    {
        if (m_committed || m_file.fileName().isEmpty())
            return;
        m_file.close();
        m_file.remove();
        m_committed = true;  // nothing left to remove
    }
    QString errorString() const override { return m_error.isEmpty() ? m_file.errorString() : m_error; }

private:
    template <typename T>
    T checked(T result)
    {
        if (m_file.error() != QFileDevice::NoError)
            m_error = m_file.errorString();
        return result;
    }

    // A replaced page keeps the permissions it had, so a web server can still read it.
    void keepPermissionsOfTarget()
    {
        const QFileInfo target(m_target);
        if (target.exists())
            m_file.setPermissions(target.permissions());
    }

    QString m_target;
    QFile m_file;
    QString m_error;
    bool m_committed = false;
};

AtomicFile::DeviceFactory &deviceFactory()
{
    static AtomicFile::DeviceFactory factory;
    return factory;
}

std::unique_ptr<StagingDevice> deviceFor(const QString &path)
{
    return deviceFactory() ? deviceFactory()(path) : AtomicFile::realDevice(path);
}

// Writes the whole temporary copy and closes it; false with the error text on any failure.
bool stage(StagingDevice &device, const QByteArray &bytes, QString *error)
{
    const bool complete = device.open() && device.write(bytes) == bytes.size() && device.flush() && device.close();
    if (!complete) {
        *error = device.errorString();
        device.cancelWriting();
    }
    return complete;
}

// What a file of a set held before the set was written, to put back when a
// later file of the set cannot be renamed into place.
struct Previous {
    QString path;
    bool existed = false;
    QByteArray bytes;
};

QList<Previous> previousContents(const QList<AtomicFile::Content> &files)
{
    QList<Previous> previous;
    for (const AtomicFile::Content &file : files) {
        QFile old(file.path);
        const bool existed = old.open(QIODevice::ReadOnly);
        previous.append({file.path, existed, existed ? old.readAll() : QByteArray()});
    }
    return previous;
}

// Puts back what the files held; returns, for each one that could not be put
// back, its path and the reason.
QStringList restore(const QList<Previous> &previous)
{
    QStringList failures;
    for (const Previous &file : previous) {
        if (!file.existed) {
            QFile removed(file.path);
            if (!removed.remove())
                failures.append(file.path + QStringLiteral(": ") + removed.errorString());
            continue;
        }
        std::unique_ptr<StagingDevice> device = deviceFor(file.path);
        QString error;
        if (!stage(*device, file.bytes, &error) || !device->commit())
            failures.append(file.path + QStringLiteral(": ") + (error.isEmpty() ? device->errorString() : error));
    }
    return failures;
}

}  // namespace

StagingDevice::~StagingDevice() = default;

WriteResult WriteResult::failure(const QString &errorText)
{
    return {errorText.isEmpty() ? QStringLiteral("Unknown error") : errorText};
}

WriteResult AtomicFile::write(const QString &path, const QByteArray &content)
{
    return writeSet({{path, content}});
}

WriteResult AtomicFile::writeSet(const QList<Content> &files)
{
    std::vector<std::unique_ptr<StagingDevice>> staged;
    QString error;
    for (const Content &file : files) {
        staged.push_back(deviceFor(file.path));
        if (!stage(*staged.back(), file.bytes, &error))
            return WriteResult::failure(error);  // the devices remove their copies
    }
    // Only the files renamed before a failing one need their old bytes back.
    const QList<Previous> previous = previousContents(files.first(files.size() - 1));
    for (size_t i = 0; i < staged.size(); ++i) {
        if (!staged[i]->commit()) {
            error = staged[i]->errorString();
            staged[i]->cancelWriting();
            const QStringList notPutBack = restore(previous.first(qsizetype(i)));
            if (!notPutBack.isEmpty())
                error += QStringLiteral("; not put back: ") + notPutBack.join(QStringLiteral("; "));
            return WriteResult::failure(error);
        }
    }
    return {};
}

WriteResult AtomicFile::append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return WriteResult::failure(file.errorString());
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) == bytes.size() && file.flush())
        return {};
    const QString error = file.errorString();
    file.resize(sizeBefore);
    return WriteResult::failure(error);
}

bool AtomicFile::isTemporaryCopyOf(const QString &fileName, const QString &target)
{
    if (fileName.size() != target.size() + 1 + kSuffixLength || !fileName.startsWith(target + QLatin1Char('.')))
        return false;
    for (const QChar c : fileName.right(kSuffixLength)) {
        if (c.unicode() > 127 || !std::isalnum(c.unicode()))
            return false;
    }
    return true;
}

void AtomicFile::setDeviceFactoryForTesting(DeviceFactory factory)
{
    deviceFactory() = std::move(factory);
}

std::unique_ptr<StagingDevice> AtomicFile::realDevice(const QString &path)
{
    return std::make_unique<TemporaryCopy>(path);
}
