// One start, measured from inside. Built twice: as the program itself (the same start
// as main(): icon, data folder, dialogs, main window; its files in the folder given
// as the argument) and as a window with one label. On the first painted frame it
// prints the process's peak memory and the processor time used so far, and quits
// once the work queued by then is done.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

#ifdef PROBE_PROGRAM
#include "app/programstart.h"
#include "store/programfolder.h"
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

// The processor time the process has used since it started, dynamic loading included.
double processorMs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
}

class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report after this paint has been delivered, then end once what the program
            // left for after its first frame (the icon, the sweep's start) has run.
            QTimer::singleShot(0, [] {
                std::printf("frame %ld %.3f\n", peakMemoryKiB(), processorMs());
                std::fflush(stdout);
                QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
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
#ifdef PROBE_PROGRAM
    NameProgram();
    QApplication app(argc, argv);
    ProgramFolder::setPathForTesting(QCoreApplication::arguments().value(1));
    FirstFrame firstFrame;
    return RunProgram(&firstFrame);
#else
    QApplication app(argc, argv);
    FirstFrame firstFrame;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillset"));
    window.setFixedSize(517, 366);
    QLabel label(QStringLiteral("Quillset"), &window);
    window.installEventFilter(&firstFrame);
    window.show();
    return app.exec();
#endif
}
