#pragma once

#include "store/atomicfile.h"

#include <QString>

#include <functional>

// A temporary copy that fails at one step, as a full disk makes it fail: the
// write comes up short, or the flush, the close or the final rename fails. Every
// other file gets the real device.
class FailingDevice : public StagingDevice
{
public:
    enum Step { Write, Flush, Close, Commit, None };
    static inline const QString kError = QStringLiteral("No space left on device");

    static const char *stepName(int step)
    {
        const char *names[] = {"short write", "failed flush", "failed close", "failed commit"};
        return names[step];
    }

    // onCommit, when given, is told of each rename into place.
    FailingDevice(const QString &path, Step failing, std::function<void()> onCommit = {})
        : m_real(AtomicFile::realDevice(path))
        , m_failing(failing)
        , m_onCommit(std::move(onCommit))
    {
    }

    bool open() override { return m_real->open(); }
    qint64 write(const QByteArray &bytes) override
    {
        if (m_failing != Write)
            return m_real->write(bytes);
        m_failed = true;
        return m_real->write(bytes.left(bytes.size() / 2));
    }
    bool flush() override { return m_real->flush() && pass(Flush); }
    bool close() override { return m_real->close() && pass(Close); }
    bool commit() override
    {
        if (m_onCommit)
            m_onCommit();
        return pass(Commit) && m_real->commit();
    }
    void cancelWriting() override { m_real->cancelWriting(); }
    QString errorString() const override { return m_failed ? kError : m_real->errorString(); }
    QString copyPath() const override { return m_real->copyPath(); }

    // Installs the failing device for one target path while in scope.
    class Installed
    {
    public:
        Installed(const QString &target, Step failing)
        {
            AtomicFile::setDeviceFactoryForTesting(
                [target, failing](const QString &path) -> std::unique_ptr<StagingDevice> {
                    if (path == target)
                        return std::make_unique<FailingDevice>(path, failing);
                    return AtomicFile::realDevice(path);
                });
        }
        ~Installed() { AtomicFile::setDeviceFactoryForTesting({}); }
    };

private:
    bool pass(Step step)
    {
        if (m_failing == step)
            m_failed = true;
        return m_failing != step;
    }

    std::unique_ptr<StagingDevice> m_real;
    Step m_failing;
    std::function<void()> m_onCommit;
    bool m_failed = false;
};
