#pragma once

#include "store/atomicfile.h"

#include <QString>

#include <functional>

// A temporary copy that fails at one step, as a full disk makes it fail: the
// write comes up short, or the flush, the close or the final rename fails.
class FailingDevice : public StagingDevice
{
public:
    enum Step { Write, Flush, Close, Commit, None };
    static inline const QString kError = QStringLiteral("No space left on device");
    static inline const char *const kStepNames[] = {"short write", "failed flush", "failed close", "failed commit"};

    // onCommit, when given, is told of each rename into place.
    FailingDevice(const QString &path, Step failing, std::function<void()> onCommit = {})
        : m_real(AtomicFile::realDevice(path)), m_failing(failing), m_onCommit(std::move(onCommit))
    {
    }

    bool open() override { return m_real->open(); }
    qint64 write(const QByteArray &bytes) override
    {
        return m_real->write(pass(Write) ? bytes : bytes.left(bytes.size() / 2));
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

    // Puts a device factory in place while in scope: the one given, or one that
    // makes the writes of one path fail at one step.
    struct Installed {
        explicit Installed(AtomicFile::DeviceFactory factory) { AtomicFile::setDeviceFactoryForTesting(factory); }
        Installed(const QString &target, Step failing)
            : Installed([=](const QString &path) -> std::unique_ptr<StagingDevice> {
                return std::make_unique<FailingDevice>(path, path == target ? failing : None);
            })
        {
        }
        ~Installed() { AtomicFile::setDeviceFactoryForTesting({}); }
    };

private:
    bool pass(Step step)
    {
        m_failed = m_failed || m_failing == step;
        return m_failing != step;
    }

    std::unique_ptr<StagingDevice> m_real;
    Step m_failing;
    std::function<void()> m_onCommit;
    bool m_failed = false;
};
