// Start-up to the first shown frame and peak memory of the main window, side by
// side with bare Qt Widgets windows built the same way (one empty, one showing a
// line of text, which costs the font set-up that any window with text pays). Each probe is started
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
    const char *names[] = {"quillset main window", "minimal Qt window", "minimal window + label"};
    const char *probes[] = {"bench_startup_quillset_probe", "bench_startup_minimal_probe", "bench_startup_label_probe"};
    constexpr int kProbes = 3;

    std::vector<double> times[kProbes];
    std::vector<long> peaks[kProbes];
    // One warm-up start each, then the probes take turns so that all see the same machine.
    for (int run = -1; run < runs; ++run) {
        for (int which = 0; which < kProbes; ++which) {
            const QString program = folder + QLatin1String(probes[which]);
            Sample sample{};
            if (!runOnce(program, &sample)) {
                std::fprintf(stderr, "%s did not report a frame\n", qPrintable(program));
                return 1;
            }
            if (run >= 0) {
                times[which].push_back(sample.milliseconds);
                peaks[which].push_back(sample.peakKiB);
            }
        }
    }

    std::printf("runs: %d each, platform: %s\n", runs,
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))));
    std::printf("%-24s %14s %16s %12s %12s\n", "", "first frame ms", "peak memory KiB", "time ratio", "memory ratio");
    const double t0 = median(times[0]);
    const long m0 = median(peaks[0]);
    for (int which = 0; which < kProbes; ++which) {
        const double t = median(times[which]);
        const long m = median(peaks[which]);
        std::printf("%-24s %14.1f %16ld %12.2f %12.2f   (min/max ms %.1f/%.1f)\n", names[which], t, m, t0 / t,
                    double(m0) / double(m), *std::min_element(times[which].begin(), times[which].end()),
                    *std::max_element(times[which].begin(), times[which].end()));
    }
    return 0;
}
