#include "publish/publishrun.h"

#include "publish/serversession.h"
#include "store/atomicfile.h"
#include "store/programfolder.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace {

using Result = ServerSession::Result;

// What a failed request means to the user: what happened and what to do.
QString explain(const Result &result, const PublishServer &server, const QString &file, const QString &presentedKey)
{
    const QString folder = server.folder.trimmed().isEmpty() ? QStringLiteral("your home folder") : server.folder;
    switch (result.kind) {
    case Result::LoginRefused:
        return QStringLiteral("The server refused the log-in as \"%1\". Check the user name and the password, "
                              "then try again.")
            .arg(server.user);
    case Result::FolderMissing:
        return QStringLiteral("The folder \"%1\" does not exist on the server. Correct the remote folder, or create "
                              "it with your host's file manager, then try again.")
            .arg(folder);
    case Result::NotStored:
        return QStringLiteral("The server could not store %1 in \"%2\": its disk may be full, or the account may "
                              "not write there. Free some space or ask your host, then try again.")
            .arg(file, folder);
    case Result::Dropped:
        return QStringLiteral("The connection to %1 was lost%2. Try again when the connection is back.")
            .arg(server.host, file.isEmpty() ? QString() : QStringLiteral(" while sending %1").arg(file));
    case Result::Unreachable:
        return QStringLiteral("Quillset could not reach %1 on port %2. Check the host name, the port and your "
                              "Internet connection, then try again.")
            .arg(server.host)
            .arg(server.portInUse());
    case Result::HostKeyChanged:
        return QStringLiteral("The server %1 no longer shows the key it showed before (it now shows %2). Someone "
                              "may stand between you and your site: nothing was sent. Ask your host whether the "
                              "key has changed before you publish again.")
            .arg(server.endpoint(), presentedKey.isEmpty() ? QStringLiteral("another key") : presentedKey);
    case Result::IdentityRefused:
        return QStringLiteral("You did not accept the server's identity, so nothing was sent.");
    case Result::Cancelled: return QStringLiteral("Publishing was cancelled.");
    case Result::Done:
    case Result::Failed: break;
    }
    return QStringLiteral("The transfer to %1 failed: %2").arg(server.host, result.detail);
}

TransferOutcome failed(const Result &result, const PublishServer &server, const QString &file,
                       const QString &presentedKey, const QString &afterwards)
{
    const TransferOutcome::Status status =
        result.kind == Result::Cancelled ? TransferOutcome::Cancelled : TransferOutcome::Failed;
    return {status, explain(result, server, file, presentedKey) + afterwards, {}};
}

// Removes the uploading copies after a stop, on a fresh connection. A write that broke off was refused by a
// server that still answers (a full disk makes some servers drop the transfer), and was a lost connection when
// the server answers no more; the copies of a lost connection go at the next publish.
Result removeUploads(const PublishServer &server, const QString &password, const TrustedServers &trusted,
                     PublishQuestions &questions, const QStringList &uploads, const Result &stop)
{
    ServerSession fresh(server, password, trusted, questions);
    QStringList names;
    const Result reached = fresh.list(names);
    const bool brokeOff = stop.kind == Result::NotStored || stop.kind == Result::Dropped;
    if (!reached.ok())
        return brokeOff ? Result{Result::Dropped, stop.detail} : stop;
    fresh.remove(uploads);
    return brokeOff ? Result{Result::NotStored, stop.detail} : stop;
}

std::optional<QByteArray> readLocal(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Quillset could not read %1: %2. Generate the guestbook again, then publish.")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

}  // namespace

TransferOutcome PublishSite(const PublishServer &server, const QString &password, const PublishSet &set,
                            const TrustedServers &trusted, PublishQuestions &questions,
                            const TransferProgress &progress)
{
    ServerSession session(server, password, trusted, questions);
    QStringList onServer;
    if (const Result listed = session.list(onServer); !listed.ok())
        return failed(listed, server, {}, session.presentedHostKey(), QString());
    const QStringList leftBehind = onServer.filter(UploadingName(QString()));
    if (!leftBehind.isEmpty())
        session.remove(leftBehind);

    const QString unchanged = QStringLiteral(" The site was left as it was.");
    QStringList uploads;
    QList<QPair<QString, QString>> renames;
    for (const QString &page : set.pages) {
        QString error;
        const std::optional<QByteArray> bytes = readLocal(set.folder + page, error);
        // The progress names the page, not the name it has while it goes up.
        const TransferProgress pageProgress = [&](const QString &, qint64 done, qint64 total) {
            return !progress || progress(page, done, total);
        };
        Result sent = bytes ? session.upload(UploadingName(page), *bytes, false, pageProgress) : Result{};
        uploads << UploadingName(page);
        if (!bytes || !sent.ok()) {
            sent = removeUploads(server, password, trusted, questions, uploads, sent);
            if (!bytes)
                return {TransferOutcome::Failed, error, {}};
            return failed(sent, server, page, session.presentedHostKey(), unchanged);
        }
        renames.append({UploadingName(page), page});
    }
    QStringList created;
    for (const QString &dataFile : set.dataFiles) {
        if (onServer.contains(dataFile))
            continue;
        if (Result made = session.upload(dataFile, {}, true, progress); !made.ok()) {
            made = removeUploads(server, password, trusted, questions, uploads, made);
            return failed(made, server, dataFile, session.presentedHostKey(), unchanged);
        }
        created << dataFile;
    }
    if (const Result renamed = session.rename(renames); !renamed.ok())
        return failed(renamed, server, {}, session.presentedHostKey(),
                      QStringLiteral(" Some pages may be new and others old: publish again to put the whole "
                                     "guestbook in place."));
    return {TransferOutcome::Done, {}, set.pages + created};
}

TransferOutcome DownloadDataFiles(const PublishServer &server, const QString &password, const QStringList &dataFiles,
                                  const QString &backupFolder, const TrustedServers &trusted,
                                  PublishQuestions &questions, const TransferProgress &progress)
{
    ServerSession session(server, password, trusted, questions);
    QStringList onServer;
    if (const Result listed = session.list(onServer); !listed.ok())
        return failed(listed, server, {}, session.presentedHostKey(), QString());
    if (!QDir().mkpath(backupFolder))
        return {TransferOutcome::Failed,
                QStringLiteral("Quillset could not make the folder %1.").arg(QDir::toNativeSeparators(backupFolder)),
                {}};
    TransferOutcome outcome;
    for (const QString &dataFile : dataFiles) {
        if (!onServer.contains(dataFile))
            continue;
        QByteArray bytes;
        if (const Result fetched = session.download(dataFile, bytes, progress); !fetched.ok())
            return failed(fetched, server, {}, session.presentedHostKey(), QString());
        const QString target = ProgramFolder::withTrailingSeparator(backupFolder) + dataFile;
        if (const WriteResult written = AtomicFile::write(target, bytes); !written.succeeded())
            return {TransferOutcome::Failed,
                    QStringLiteral("Quillset could not save %1: %2")
                        .arg(QDir::toNativeSeparators(target), written.errorText),
                    outcome.files};
        outcome.files << target;
    }
    return outcome;
}
