#include "app/programstart.h"

#include "app/installdialogs.h"
#include "chrome/desktopstartup.h"
#include "generator/generationrun.h"
#include "store/product.h"
#include "store/programfolder.h"
#include "wizard/frmmain.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

constexpr int kSweepDelayMs = 1000;

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

bool InstallTranslations(const QLocale &locale, const QString &folder)
{
    static QTranslator program;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    // Qt's own texts: the buttons of message boxes and the folder chooser.
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (!program.load(locale, QStringLiteral("quillset"), QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(&program);
    return true;
}

QString TranslationsFolder()
{
    const QDir programFolder(ProgramFolder::executableFolder());
    const QString beside = programFolder.filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(QUILLSET_INSTALLED_TRANSLATIONS)));
}

int RunProgram(QObject *windowWatcher)
{
    // The default locale is the desktop's unless the program was told another.
    InstallTranslations(QLocale(), TranslationsFolder());
    DesktopStartup::setIdentity();
    DesktopStartup::chooseDataFolder();
    InstallDialogs();

    StaleFileSweep sweep;
    frmMain window;
    // The icon and the sweep are not needed to see the window: they come after it, the
    // sweep once the window has been up a while, so that a program closed at once
    // does not wait for it (it runs on a later start).
    const AfterFirstFrame later(&window, [&sweep, &window] {
        DesktopStartup::setWindowIcon();
        QTimer::singleShot(kSweepDelayMs, &window, [&sweep] { sweep.start(); });
    });
    if (windowWatcher)
        window.installEventFilter(windowWatcher);
    window.show();
    return QApplication::exec();
}
