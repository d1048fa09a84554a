// Publishes a freshly generated guestbook (the start-up design) to the servers that
// tests/publish/publishservers.sh started, a number of times over each protocol, and
// prints the median and the slowest time of one whole publish: log-in, the pages under
// uploading names, the data files, the renames.
//   bench_publish <servers folder> [runs]

#include "generator/generationrun.h"
#include "publish/publishrun.h"
#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QMap<QString, QString> serverValues(const QString &folder)
{
    QMap<QString, QString> values;
    QFile file(folder + QStringLiteral("/servers.ini"));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n'))
            values[QString::fromUtf8(line).section(QLatin1Char('='), 0, 0)] =
                QString::fromUtf8(line).section(QLatin1Char('='), 1);
    }
    return values;
}

struct NoStatus : GenerationHost {
    QString folder;
    void setStatusVisible(bool) override {}
    void setStatusText(const UserText &) override {}
    void generationFinished(const QString &pageFolder) override { folder = pageFolder; }
};

struct TrustAll : PublishQuestions {
    bool trustHostKey(const QString &, const QString &) override { return true; }
    bool trustCertificate(const QString &, const QString &) override { return true; }
};

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_publish <servers folder> [runs]\n");
        return 2;
    }
    const QMap<QString, QString> servers = serverValues(QString::fromLocal8Bit(argv[1]));
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
    QTemporaryDir program;
    ProgramFolder::setPathForTesting(program.path());
    GuestbookProject project = GuestbookProject::startupDefaults();
    project.Project_Path = program.path() + QLatin1Char('/');
    project.Fields = GuestbookProject::defaultFields();
    QString name = QStringLiteral("Bench");
    NoStatus host;
    if (!GenerateGuestbook(name, project, host).succeeded)
        return 1;
    const PublishSet set = PublishSet::ofGuestbook(host.folder, project);
    qint64 bytes = 0;
    for (const QString &page : set.pages)
        bytes += QFileInfo(set.folder + page).size();
    std::printf("%lld bytes in %lld pages, %d runs each\n", static_cast<long long>(bytes),
                static_cast<long long>(set.pages.size()), runs);
    const TrustedServers trusted(program.filePath(QStringLiteral("trusted.txt")));
    TrustAll questions;
    for (const char *protocol : {"sftp", "ftps", "ftp"}) {
        const QString folder = QStringLiteral("bench-") + QLatin1String(protocol);
        QDir().mkpath(servers.value(QStringLiteral("home")) + QLatin1Char('/') + folder);
        std::system(
            qPrintable(QStringLiteral("chown -R %1 %2/%3")
                           .arg(servers.value(QStringLiteral("user")), servers.value(QStringLiteral("home")), folder)));
        PublishServer server;
        server.protocol = *ProtocolFromKeyValue(QLatin1String(protocol));
        server.host = QStringLiteral("127.0.0.1");
        server.port = servers.value(QLatin1String(protocol) + QStringLiteral("_port")).toInt();
        server.user = servers.value(QStringLiteral("user"));
        server.folder = folder;
        QList<qint64> times;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            const TransferOutcome outcome =
                PublishSite(server, servers.value(QStringLiteral("password")), set, trusted, questions);
            times << timer.nsecsElapsed() / 1000;
            if (!outcome.succeeded()) {
                std::fprintf(stderr, "%s: %s\n", protocol, qPrintable(outcome.message.english()));
                return 1;
            }
        }
        std::sort(times.begin(), times.end());
        std::printf("%-5s median %7.1f ms, slowest %7.1f ms\n", protocol, times.at(times.size() / 2) / 1000.0,
                    times.last() / 1000.0);
    }
    return 0;
}
