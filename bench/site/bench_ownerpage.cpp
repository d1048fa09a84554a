// Size and time of the owner page on Wine's VBScript engine, signed in, for a flood of held entries and for a large
// guestbook, and the time of a Delete there; net of the engine's start-up and the sign-in. Needs the engine folder
// that `ctest -L site` prepares.
// Usage: bench_ownerpage [held entries, default 2300] [guestbook megabytes, default 5]
#include "generatedsite.h"
#include "generator/ownerpage.h"
#include "generator/protection.h"
#include "siteruntime.h"
#include "store/programfolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// count lines of 200 characters as the entry script stores them.
QByteArray entries(int count)
{
    QByteArray data;
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "Visitor " + QByteArray::number(i);
        data += "Comments : " + QByteArray(200 - 50 - name.size(), 'a' + i % 26) + "vbCrLf Name : " + name
            + "vbCrLf Date : 12/5/2026 2:03:09 PM\r\n";
    }
    return data;
}

const QString kPassword = QStringLiteral("bench password");

QList<SiteRequest> signIn()
{
    return {SiteRequest{kOwnerPageName},
            SiteRequest{kOwnerPageName, "POST", {{"action", "signin"}, {"password", kPassword}, {"token", kFromPage}}}};
}

// Seconds for the requests, the quickest of three runs, and the last answer.
double timed(SiteRuntime &runtime, const QList<SiteRequest> &requests, SiteAnswer *last)
{
    double seconds = 1e9;
    QList<SiteAnswer> answers;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        answers = runtime.run(requests, -1);
        seconds = std::min(seconds, timer.nsecsElapsed() / 1e9);
    }
    for (const SiteAnswer &answer : answers) {
        if (!answer.error.isEmpty())
            std::printf("%s\n", qPrintable(answer.error));
    }
    *last = answers.value(answers.size() - 1);
    return seconds;
}

void measure(SiteRuntime &runtime, const char *what)
{
    SiteAnswer answer;
    const double base = timed(runtime, signIn(), &answer);
    const double page = timed(runtime, signIn() << SiteRequest{kOwnerPageName}, &answer) - base;
    const qsizetype size = answer.body.size();
    const SiteValues lastButton = {{"token", kFromPage}, {"action", kFromPage}, {"list", kFromPage},
                                   {"position", kFromPage}, {"digest", kFromPage}};
    const double change = timed(runtime, signIn() << SiteRequest{kOwnerPageName, "POST", lastButton}, &answer) - base;
    std::printf("%-34s page %9lld bytes %7.2f s; its last Delete %7.2f s (%s; quickest of 3)\n", what,
                static_cast<long long>(size), page, change,
                answer.text.contains("The entry was deleted") ? "done" : "NOT DONE");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int held = args.value(0, QStringLiteral("2300")).toInt();
    const int megabytes = args.value(1, QStringLiteral("5")).toInt();
    if (!QFileInfo::exists(SiteEngineFolder() + QStringLiteral("/prefix"))) {
        std::printf("No engine folder at %s: run ctest -L site first\n", qPrintable(SiteEngineFolder()));
        return 1;
    }
    QTemporaryDir program;
    ProgramFolder::setPathForTesting(program.path());
    GuestbookProject project = GuestbookProject::startupDefaults();
    project.Project_Path = program.path();
    project.Owner_Password = OwnerPasswordValue(kPassword);
    project.Moderate_Entries = 1;
    const QString folder = generateSite(project);
    if (folder.isEmpty())
        return 1;
    SiteRuntime runtime(folder, QStringLiteral("windows-1252"));
    writeBytes(folder + QStringLiteral("/pending.txt"), entries(held));
    measure(runtime, qPrintable(QStringLiteral("%1 held entries of 200 chars").arg(held)));
    writeBytes(folder + QStringLiteral("/pending.txt"), QByteArray());
    writeBytes(folder + QLatin1Char('/') + kDeletedFileName, QByteArray());
    writeBytes(folder + QStringLiteral("/guestbook.txt"), entries(megabytes * 1024 * 1024 / 200));
    measure(runtime, qPrintable(QStringLiteral("a %1 MB guestbook").arg(megabytes)));
    return 0;
}
