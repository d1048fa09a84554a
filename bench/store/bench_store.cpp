// Costs of the settings store on a large settings file, beside the raw cost of
// reading (and for writes, reading and rewriting) that file once.
#include "generator/generationrun.h"
#include "store/programfolder.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kProjects = 1000;
constexpr int kFieldsPerProject = 20;
constexpr int kRepeats = 31;

// Median time of a call, in microseconds.
double medianMicros(const std::function<void()> &call, int repeats = kRepeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        call();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

GuestbookProject projectWithFields(int count)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    p.Fields.clear();
    for (int i = 0; i < count; ++i) {
        p.Fields.append({QStringLiteral("Field %1").arg(i), i % 2 ? QStringLiteral("Textarea") : QStringLiteral("Text"),
                         QStringLiteral("10"), i % 2 ? QStringLiteral("40") : QString()});
    }
    return p;
}

// A settings file as 1,000 saves of 20-field projects leave it.
QByteArray largeSettingsFile()
{
    QByteArray text = "[Settings]\r\nprjNumber=1000\r\n[Projects]\r\nRecent_Projects=";
    for (int i = 0; i < kProjects; ++i)
        text += (i ? ", " : "") + QByteArray("Project_") + QByteArray::number(i);
    text += "\r\n";
    for (int i = 0; i < kProjects; ++i) {
        text += "[Project " + QByteArray::number(i) + "]\r\nProject_Title=Project " + QByteArray::number(i) + "\r\n";
        text += "Project_Path=/srv/www/guestbooks/\r\nBG_Image=None\r\nBG_Color=#ffffff\r\nTBL_Width=45%\r\n"
                "TBL_Border=0\r\nTBL_Border_Width=0\r\nM_FColor=#000000\r\nM_FFace=Verdana\r\nM_FSize=11\r\n"
                "H_FColor=#3333ff\r\nH_FFace=Verdana\r\nH_FSize=11\r\nHM_FColor=#ff0000\r\nHM_FFace=Verdana\r\n"
                "HM_FSize=11\r\n";
        QByteArray names;
        for (int f = 0; f < kFieldsPerProject; ++f) {
            const QByteArray name = "Field_" + QByteArray::number(f);
            text += "FLD_" + name + "=Field " + QByteArray::number(f) + ", Text, 40, \r\n";
            names += ", " + name;
        }
        text += "FLD_Names=" + names + "\r\n";
    }
    return text;
}

class SilentHost : public GenerationHost
{
public:
    void setStatusVisible(bool) override {}
    void setStatusText(const UserText &) override {}
    void generationFinished(const QString &) override {}
};

void printRow(const char *what, double cost, double raw)
{
    std::printf("%-34s %10.1f us   raw %10.1f us   ratio %5.2f\n", what, cost, raw, cost / raw);
}

void writeSettingsFile(const QByteArray &content)
{
    QFile file(SettingsFilePath());
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// The same file with every CR LF turned into another line end.
QByteArray withLineEnds(QByteArray text, const char *lineEnd)
{
    return text.replace("\r\n", lineEnd);
}

// Saving and loading one project of many fields, each timed alone.
void printFieldCosts(int fields)
{
    writeSettingsFile({});
    const GuestbookProject project = projectWithFields(fields);
    const QString name = QStringLiteral("Many fields");
    const int repeats = fields > 1000 ? 5 : 11;
    const double save = medianMicros([&] { SaveProject(name, project); }, repeats);
    const double load = medianMicros([&] { LoadProject(name); }, repeats);
    std::printf("%6d fields: SaveProject %10.1f us   LoadProject %10.1f us\n", fields, save, load);
}

// The large file with each kind of line end, and a file with one 20 MB line:
// the look-ups and a save cost the same whatever the line ends are.
void printLineEndCosts(const QByteArray &crlf)
{
    const QString last = QStringLiteral("Project %1").arg(kProjects - 1);
    const struct {
        const char *name;
        const char *lineEnd;
    } shapes[] = {{"CR LF", "\r\n"}, {"LF", "\n"}, {"lone CR", "\r"}};
    for (const auto &shape : shapes) {
        writeSettingsFile(withLineEnds(crlf, shape.lineEnd));
        const double get = medianMicros([&] { GetINISetting(last, QStringLiteral("FLD_Names"), QString()); }, 11);
        const double load = medianMicros([&] { LoadProject(last); }, 11);
        const double save = medianMicros([&] { SaveINISetting(last, QStringLiteral("BG_Color"), "#000000"); }, 11);
        std::printf("%-8s GetINISetting %8.1f us   LoadProject %8.1f us   SaveINISetting %8.1f us\n", shape.name, get,
                    load, save);
    }
    // 200 short lines, then the long line and the key looked up.
    const QByteArray line(20 * 1024 * 1024, 'x');
    for (const auto &shape : shapes) {
        const QByteArray end(shape.lineEnd);
        writeSettingsFile("[Settings]" + end + QByteArray("Short=1" + end).repeated(200) + "Big=" + line + end
                          + "prjNumber=3" + end);
        const double get = medianMicros([] { GetINISetting("Settings", "prjNumber", QString()); }, 5);
        std::printf("20 MB line, %-8s GetINISetting %10.1f us\n", shape.name, get);
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setPathForTesting(dir.path());
    const QByteArray content = largeSettingsFile();
    {
        QFile file(SettingsFilePath());
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(content);
    }
    std::printf("settings file: %d projects of %d fields, %lld lines, %lld bytes\n\n", kProjects, kFieldsPerProject,
                static_cast<long long>(content.count('\n')), static_cast<long long>(content.size()));

    const double rawRead = medianMicros([] {
        QFile file(SettingsFilePath());
        file.open(QIODevice::ReadOnly);
        file.readAll();
    });
    const double rawReadWrite = medianMicros([] {
        QFile in(SettingsFilePath());
        in.open(QIODevice::ReadOnly);
        const QByteArray bytes = in.readAll();
        in.close();
        QSaveFile out(SettingsFilePath());
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.commit();
    });
    const QString last = QStringLiteral("Project %1").arg(kProjects - 1);
    const double get = medianMicros([&] { GetINISetting(last, QStringLiteral("FLD_Names"), QString()); });
    int round = 0;
    const double save = medianMicros([&] {
        SaveINISetting(last, QStringLiteral("BG_Color"), QStringLiteral("#%1").arg(++round, 6, 10, QLatin1Char('0')));
    });
    const GuestbookProject project = projectWithFields(kFieldsPerProject);
    const double saveLoad = medianMicros([&] {
        SaveProject(last, project);
        LoadProject(last);
    });
    const double recent = medianMicros([] { FillRecentProjects(); });
    const GuestbookProject large = projectWithFields(50);
    const double generation = medianMicros(
        [&] {
            QString name = QStringLiteral("Fifty fields");
            SilentHost host;
            GuestbookProject p = large;
            p.Project_Path = dir.path();
            GenerateGuestbook(name, p, host);
        },
        11);

    printRow("GetINISetting (last section)", get, rawRead);
    printRow("FillRecentProjects (1,000 rows)", recent, rawRead);
    printRow("SaveINISetting (replace a value)", save, rawReadWrite);
    printRow("SaveProject + LoadProject (20)", saveLoad, rawReadWrite);
    printRow("generation run, 50 fields", generation, rawReadWrite);
    std::printf("\n");
    printLineEndCosts(content);
    std::printf("\n");
    printFieldCosts(1000);
    printFieldCosts(10000);
    return 0;
}
