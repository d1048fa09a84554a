// Time of the generated view page on Wine's VBScript engine for data files of
// growing size, against the view page as first written (every item put in front
// of one growing string), net of the engine's start-up. Needs the engine folder
// that `ctest -L site` prepares.
// Also the view page with a page size (first page).
// Usage: bench_viewpage [entries ...] [--first-max N] [--page-size N]  (the
// first-written page runs only up to N entries, default 10000; page size 20)
#include "generatedsite.h"
#include "siteruntime.h"
#include "store/programfolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// guestbook.txt with count entries of the start-up design, as the entry script stores them.
QByteArray dataFile(int count)
{
    QByteArray data;
    for (int i = 1; i <= count; ++i) {
        data += "Comments : Entry " + QByteArray::number(i)
            + " says hello//vbReturn//on a second line & <more>vbCrLf Homepage : http://example.org/"
            + QByteArray::number(i) + "vbCrLf E-mail : visitor@example.orgvbCrLf Name : Visitor "
            + QByteArray::number(i) + "vbCrLf Date : 12/5/2026 2:03:09 PM\r\n";
    }
    return data;
}

// Seconds for one request, and its body.
double timed(SiteRuntime &runtime, const QString &page, QByteArray *body)
{
    QElapsedTimer timer;
    timer.start();
    const SiteAnswer answer = runtime.run({SiteRequest{page}}, -1).value(0);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (!answer.error.isEmpty())
        std::printf("%s: %s\n", qPrintable(page), qPrintable(answer.error));
    *body = answer.body;
    return seconds;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<int> counts;
    int firstMax = 10000;
    int pageSize = 20;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--first-max") && i + 1 < args.size())
            firstMax = args.at(++i).toInt();
        else if (args.at(i) == QLatin1String("--page-size") && i + 1 < args.size())
            pageSize = args.at(++i).toInt();
        else
            counts << args.at(i).toInt();
    }
    if (counts.isEmpty())
        counts = {1000, 2000, 4000, 10000};
    if (!QFileInfo::exists(SiteEngineFolder() + QStringLiteral("/prefix"))) {
        std::printf("No engine folder at %s: run ctest -L site first\n", qPrintable(SiteEngineFolder()));
        return 1;
    }

    QTemporaryDir program;
    ProgramFolder::setPathForTesting(program.path());
    GuestbookProject project = GuestbookProject::startupDefaults();
    project.Project_Path = program.path();
    const QString folder = generateSite(project);
    if (folder.isEmpty())
        return 1;
    writeDesignViewPage(folder);
    SiteRuntime runtime(folder, QStringLiteral("windows-1252"));
    project.Project_Path = program.path() + QStringLiteral("/paged");
    project.Entries_Per_Page = QString::number(pageSize);
    const QString pagedFolder = generateSite(project);
    if (pagedFolder.isEmpty())
        return 1;
    SiteRuntime pagedRuntime(pagedFolder, QStringLiteral("windows-1252"));

    QByteArray body, firstBody;
    writeBytes(folder + QStringLiteral("/guestbook.txt"), QByteArray());
    // The engine's start-up: the quickest of a few runs on an empty data file.
    double startUp = timed(runtime, QStringLiteral("viewguestbook.asp"), &body);
    for (int i = 0; i < 4; ++i)
        startUp = std::min(startUp, timed(runtime, QStringLiteral("viewguestbook.asp"), &body));
    std::printf("engine start-up with an empty data file: %.2f s\n", startUp);
    std::printf("paged: the first page of the view page at %d entries a page\n", pageSize);
    std::printf("%8s %12s %10s %14s %12s\n", "entries", "view page s", "paged s", "first-written s",
                "same body");
    for (const int count : counts) {
        writeBytes(folder + QStringLiteral("/guestbook.txt"), dataFile(count));
        writeBytes(pagedFolder + QStringLiteral("/guestbook.txt"), dataFile(count));
        const double now = timed(runtime, QStringLiteral("viewguestbook.asp"), &body) - startUp;
        const double paged = timed(pagedRuntime, QStringLiteral("viewguestbook.asp"), &firstBody) - startUp;
        if (count > firstMax) {
            std::printf("%8d %12.2f %10.2f %14s %12s\n", count, now, paged, "-", "-");
            continue;
        }
        const double first = timed(runtime, kDesignViewPage, &firstBody) - startUp;
        std::printf("%8d %12.2f %10.2f %14.2f %12s\n", count, now, paged, first, body == firstBody ? "yes" : "NO");
        std::fflush(stdout);
    }
    return 0;
}
