// One start of a window, measured from inside: builds the window the way the
// program does, and on its first painted frame prints the process's peak
// memory and quits. Built three times: with the main window, with a bare window,
// and with a bare window that shows one line of text (which loads the fonts).

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#ifdef PROBE_MAIN_WINDOW
#include "app/installdialogs.h"
#include "store/programfolder.h"
#include "wizard/frmmain.h"

#include <QTemporaryDir>
#endif

namespace {

// Peak resident memory in KiB as the system reports it, 0 where it does not.
long peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report after this paint has been delivered.
            QTimer::singleShot(0, [] {
                std::printf("frame %ld\n", peakMemoryKiB());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstFrame firstFrame;
#ifdef PROBE_MAIN_WINDOW
    // Settings, log and projects folder go to a scratch folder, not beside the probe.
    QTemporaryDir scratch;
    ProgramFolder::setPathForTesting(scratch.path());
    InstallDialogs();
    frmMain window;
#else
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillset"));
    window.setFixedSize(517, 366);
#ifdef PROBE_ONE_LABEL
    QLabel label(QStringLiteral("Quillset"), &window);
#endif
#endif
    window.installEventFilter(&firstFrame);
    window.show();
    return app.exec();
}
