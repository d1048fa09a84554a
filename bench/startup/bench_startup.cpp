// Start-up to the first shown frame and peak memory of the main window, side by
// side with a bare Qt Widgets window built the same way. Each probe is started
// as a fresh process; the time runs from the start of the process to the line
// it prints on its first painted frame. Usage: bench_startup [runs]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
};

bool runOnce(const QString &program, Sample *sample)
{
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    probe.start(program, {});
    while (!probe.canReadLine()) {
        if (!probe.waitForReadyRead(30000))
            return false;
    }
    sample->milliseconds = timer.nsecsElapsed() / 1e6;
    const QList<QByteArray> words = probe.readLine().trimmed().split(' ');
    sample->peakKiB = words.size() == 2 ? words.at(1).toLong() : 0;
    probe.waitForFinished(30000);
    return true;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/");
    const QString programs[] = {folder + QStringLiteral("bench_startup_quillset_probe"),
                                folder + QStringLiteral("bench_startup_minimal_probe")};

    std::vector<double> times[2];
    std::vector<long> peaks[2];
    // One warm-up start each, then the probes take turns so that both see the same machine.
    for (int run = -1; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            Sample sample{};
            if (!runOnce(programs[which], &sample)) {
                std::fprintf(stderr, "%s did not report a frame\n", qPrintable(programs[which]));
                return 1;
            }
            if (run >= 0) {
                times[which].push_back(sample.milliseconds);
                peaks[which].push_back(sample.peakKiB);
            }
        }
    }

    const double t0 = median(times[0]), t1 = median(times[1]);
    const long m0 = median(peaks[0]), m1 = median(peaks[1]);
    std::printf("runs: %d each, platform: %s\n", runs,
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))));
    std::printf("%-22s %14s %16s\n", "", "first frame ms", "peak memory KiB");
    std::printf("%-22s %14.1f %16ld\n", "quillset main window", t0, m0);
    std::printf("%-22s %14.1f %16ld\n", "minimal Qt window", t1, m1);
    std::printf("%-22s %14.2f %16.2f\n", "ratio", t0 / t1, double(m0) / double(m1));
    std::printf("(medians; min/max ms: quillset %.1f/%.1f, minimal %.1f/%.1f)\n",
                *std::min_element(times[0].begin(), times[0].end()),
                *std::max_element(times[0].begin(), times[0].end()),
                *std::min_element(times[1].begin(), times[1].end()),
                *std::max_element(times[1].begin(), times[1].end()));
    return 0;
}
