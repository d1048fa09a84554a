// The cost of durable writes: each call of the store that replaces or creates a
// file, beside the same bytes written in place with the same syncs (the file's
// data, then its folder), which is the least that a durable write can cost.
// Run it on the disk the program will use: the folder given, or the system's
// temporary folder.
#include "store/atomicfile.h"
#include "store/durablefs.h"
#include "store/programfolder.h"
#include "store/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRepeats = 101;
constexpr int kSettingsSections = 1000;
constexpr int kPageBytes = 12000;

struct Medians {
    double store = 0;
    double raw = 0;
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double micros(const std::function<void()> &call)
{
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.nsecsElapsed() / 1000.0;
}

// Median times of the store call and the raw call, in microseconds, taken in
// turns so that a busy disk weighs on both alike; prepare runs untimed before each.
Medians medianMicros(
    const std::function<void()> &store, const std::function<void()> &raw, const std::function<void()> &prepare = [] {})
{
    std::vector<double> storeTimes;
    std::vector<double> rawTimes;
    for (int i = 0; i < kRepeats; ++i) {
        prepare();
        storeTimes.push_back(micros(store));
        prepare();
        rawTimes.push_back(micros(raw));
    }
    return {median(storeTimes), median(rawTimes)};
}

QByteArray settingsText(int sections)
{
    QByteArray text = "[Position]\r\nLeft=4230\r\nTop=2100\r\n";
    for (int i = 0; i < sections; ++i)
        text += "[Project " + QByteArray::number(i)
            + "]\r\nProject_Path=/srv/www/guestbooks/\r\n"
              "BG_Color=#ffffff\r\nTBL_Width=45%\r\nM_FFace=Verdana\r\nFLD_Names=, Name, E-mail, Comments\r\n";
    return text;
}

// The same bytes written in place, synced as the store syncs.
void rawWrite(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
        || !SyncFileToDisk(file.handle(), &error))
        std::fprintf(stderr, "raw write failed: %s\n", qPrintable(file.errorString() + error));
}

void syncFolder(const QString &folder)
{
    QString error;
    if (!SyncFolderToDisk(folder, &error))
        std::fprintf(stderr, "folder sync failed: %s\n", qPrintable(error));
}

void check(const WriteResult &result)
{
    if (!result.succeeded())
        std::fprintf(stderr, "store write failed: %s\n", qPrintable(result.errorText.english()));
}

void printRow(const char *what, const Medians &m)
{
    std::printf("%-40s %9.1f us   raw %9.1f us   ratio %5.2f\n", what, m.store, m.raw, m.store / m.raw);
}

void benchSettings(const QString &folder, int sections, const char *what)
{
    ProgramFolder::setPathForTesting(folder);
    const QByteArray text = settingsText(sections);
    rawWrite(SettingsFilePath(), text);
    int round = 0;
    // Raw: read the file and write it back, as a save must.
    printRow(what,
             medianMicros([&] { check(SaveINISetting("Position", "Left", QString::number(++round))); },
                          [&] {
                              QFile in(SettingsFilePath());
                              in.open(QIODevice::ReadOnly);
                              const QByteArray bytes = in.readAll();
                              in.close();
                              rawWrite(SettingsFilePath(), bytes);
                              syncFolder(folder);
                          }));
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).filePath("bench-durable-XXXXXX")
                               : QDir::temp().filePath("bench-durable-XXXXXX"));
    if (!dir.isValid())
        return 1;
    std::printf("folder %s, median of %d calls\n\n", qPrintable(dir.path()), kRepeats);

    benchSettings(dir.path(), 0, "SaveINISetting, small settings file");
    benchSettings(dir.path(), kSettingsSections, "SaveINISetting, 1,000 sections");

    const QString pages = dir.filePath("pages");
    QDir().mkpath(pages);
    QList<AtomicFile::Content> set;
    for (const char *name : {"/default.asp", "/addtogb.asp", "/viewguestbook.asp"})
        set.append({pages + QLatin1String(name), QByteArray(kPageBytes, 'p')});
    printRow("AtomicFile::writeSet, three pages",
             medianMicros([&] { check(AtomicFile::writeSet(set)); },
                          [&] {
                              for (const AtomicFile::Content &page : set)
                                  rawWrite(page.path, page.bytes);
                              syncFolder(pages);
                          }));

    const QString dataFile = pages + QStringLiteral("/guestbook.txt");
    const auto removeDataFile = [&] { QFile::remove(dataFile); };
    printRow("AtomicFile::createEmpty, new data file",
             medianMicros([&] { check(AtomicFile::createEmpty(dataFile)); },
                          [&] {
                              rawWrite(dataFile, QByteArray());
                              syncFolder(pages);
                          },
                          removeDataFile));
    ProgramFolder::setPathForTesting(QString());
    return 0;
}
