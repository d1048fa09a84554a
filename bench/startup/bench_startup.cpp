// Start-up of the program against a Qt window with one label, run in interleaved
// pairs (each pair starts the two in turn, the first one alternating). The program
// starts as main() starts it, window icon included, with a settings file that already
// exists and the given number of saved projects, each with its generated folder.
// Each start is a fresh process, timed from its start to its first painted frame and
// to its exit, and by the processor time it used up to that frame (which a busy machine
// changes less than the clock). The ratios are the medians of the pairs' ratios.
// Usage: bench_startup [pairs] [saved projects]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double frameMs = 0;
    double exitMs = 0;
    long peakKiB = 0;
    double frameCpuMs = 0;  // processor time to the first frame: what load on the machine changes least
};

bool runOnce(const QString &program, const QStringList &arguments, Sample *sample)
{
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    probe.start(program, arguments);
    while (!probe.canReadLine()) {
        if (!probe.waitForReadyRead(30000))
            return false;
    }
    sample->frameMs = timer.nsecsElapsed() / 1e6;
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return false;
    sample->exitMs = timer.nsecsElapsed() / 1e6;
    const QList<QByteArray> words = probe.readLine().trimmed().split(' ');
    sample->peakKiB = words.size() == 3 ? words.at(1).toLong() : 0;
    sample->frameCpuMs = words.size() == 3 ? words.at(2).toDouble() : 0;
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A settings file with a saved window position, the log's path and count saved
// projects, each with its folder of generated files, as the program leaves them.
bool prepareDataFolder(const QString &folder, int count)
{
    const QString projects = folder + QStringLiteral("/projects/");
    QByteArray settings = "[Position]\r\nLeft=3000\r\nTop=2000\r\n[Settings]\r\nAppLog=" + QFile::encodeName(folder)
        + "/applog.log\r\nprjNumber=" + QByteArray::number(count) + "\r\n";
    QByteArrayList names;
    for (int i = 1; i <= count; ++i) {
        const QByteArray name = "Guestbook " + QByteArray::number(i);
        names << name;
        settings += "[" + name + "]\r\nProject_Title=" + name + "\r\nProject_Path=" + QFile::encodeName(projects)
            + "\r\nBG_Image=None\r\nBG_Color=#ffffff\r\nTBL_Width=45%\r\nTBL_Border=0\r\nTBL_Border_Width=0\r\n"
              "M_FColor=#000000\r\nM_FFace=Verdana\r\nM_FSize=11\r\nH_FColor=#3333ff\r\nH_FFace=Verdana\r\n"
              "H_FSize=11\r\nHM_FColor=#ff0000\r\nHM_FFace=Verdana\r\nHM_FSize=11\r\n"
              "FLD_Names=Name, Comments\r\nFLD_Name=Text,0,0\r\nFLD_Comments=Multi,5,30\r\n";
        const QString generated = projects + QString::fromLatin1(name).replace(QLatin1Char(' '), QLatin1Char('_'));
        if (!QDir().mkpath(generated))
            return false;
        for (const char *page : {"default.asp", "addtogb.asp", "viewguestbook.asp", "guestbook.txt"}) {
            if (!writeFile(generated + QLatin1Char('/') + QLatin1String(page), "<%'page%>\r\n"))
                return false;
        }
    }
    settings += "[Projects]\r\nRecent_Projects=" + names.join(", ") + "\r\n";
    return writeFile(folder + QStringLiteral("/Quillset.ini"), settings);
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
    const int pairs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    const int savedProjects = argc > 2 ? std::max(0, atoi(argv[2])) : 0;
    QTemporaryDir data;
    if (!data.isValid() || !prepareDataFolder(data.path(), savedProjects)) {
        std::fprintf(stderr, "the data folder could not be prepared\n");
        return 1;
    }
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/");
    const char *names[] = {"quillset", "window + one label"};
    const QString probes[] = {folder + QStringLiteral("bench_startup_program_probe"),
                              folder + QStringLiteral("bench_startup_label_probe")};
    const QStringList arguments[] = {{data.path()}, {}};

    std::vector<Sample> samples[2];
    std::vector<double> frameRatios, exitRatios, cpuRatios;
    // One warm-up pair, then the pairs; the first of a pair alternates.
    for (int pair = -1; pair < pairs; ++pair) {
        Sample pairSamples[2];
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (pair + turn) % 2 == 0 ? 0 : 1;
            if (!runOnce(probes[which], arguments[which], &pairSamples[which])) {
                std::fprintf(stderr, "%s did not report a frame and end\n", qPrintable(probes[which]));
                return 1;
            }
        }
        if (pair < 0)
            continue;
        for (int which = 0; which < 2; ++which)
            samples[which].push_back(pairSamples[which]);
        frameRatios.push_back(pairSamples[0].frameMs / pairSamples[1].frameMs);
        exitRatios.push_back(pairSamples[0].exitMs / pairSamples[1].exitMs);
        cpuRatios.push_back(pairSamples[0].frameCpuMs / pairSamples[1].frameCpuMs);
    }

    std::printf("pairs: %d, saved projects: %d, platform: %s\n", pairs, savedProjects,
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))));
    std::printf("%-20s %16s %10s %16s %16s\n", "median", "first frame ms", "exit ms", "frame CPU ms",
                "peak memory KiB");
    for (int which = 0; which < 2; ++which) {
        std::vector<double> frames, exits, cpus;
        std::vector<long> peaks;
        for (const Sample &sample : samples[which]) {
            frames.push_back(sample.frameMs);
            exits.push_back(sample.exitMs);
            cpus.push_back(sample.frameCpuMs);
            peaks.push_back(sample.peakKiB);
        }
        std::printf("%-20s %16.1f %10.1f %16.1f %16ld\n", names[which], median(frames), median(exits), median(cpus),
                    median(peaks));
    }
    std::printf("ratio, median of pairs: first frame %.2f (min %.2f, max %.2f), exit %.2f\n", median(frameRatios),
                *std::min_element(frameRatios.begin(), frameRatios.end()),
                *std::max_element(frameRatios.begin(), frameRatios.end()), median(exitRatios));
    std::printf("processor time to the first frame, median of pairs' ratios: %.2f\n", median(cpuRatios));
    return 0;
}
