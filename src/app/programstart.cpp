#include "app/programstart.h"

#include "app/installdialogs.h"
#include "chrome/desktopstartup.h"
#include "generator/generationrun.h"
#include "store/product.h"
#include "wizard/frmmain.h"

#include <QApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Runs work once, as soon as the watched window's first frame has been painted.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWidget *window, std::function<void()> work)
        : m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_work);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
};

// What writers killed in the middle of a write left behind, cleared off the window's
// thread so that the window does not wait for it, however many projects there are.
// When the program ends, the sweep stops after the folder at hand.
class StaleFileSweep
{
public:
    void start()
    {
        m_thread.reset(QThread::create(
            [] { RemoveStaleTemporaryFiles([] { return QThread::currentThread()->isInterruptionRequested(); }); }));
        m_thread->start(QThread::LowPriority);
    }
    ~StaleFileSweep()
    {
        if (!m_thread)
            return;
        m_thread->requestInterruption();
        m_thread->wait();
    }

private:
    std::unique_ptr<QThread> m_thread;
};

}  // namespace

void NameProgram()
{
    // No organisation name: it would become part of the per-user data folder
    // (~/.local/share/Quillset rather than .../Quillset Project/Quillset).
    QCoreApplication::setApplicationName(QLatin1String(kApplicationTitle));
    QCoreApplication::setApplicationVersion(ApplicationVersion());
}

int RunProgram(QObject *windowWatcher)
{
    DesktopStartup::setIdentity();
    DesktopStartup::chooseDataFolder();
    InstallDialogs();

    StaleFileSweep sweep;
    frmMain window;
    // The icon and the sweep are not needed to see the window: they come after it.
    const AfterFirstFrame later(&window, [&sweep] {
        DesktopStartup::setWindowIcon();
        sweep.start();
    });
    if (windowWatcher)
        window.installEventFilter(windowWatcher);
    window.show();
    return QApplication::exec();
}
