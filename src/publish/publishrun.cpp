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
UserText explain(const Result &result, const PublishServer &server, const QString &file, const QString &presentedKey)
{
    const UserText folder = server.folder.trimmed().isEmpty()
        ? UserText(QT_TRANSLATE_NOOP("UserText", "your home folder"))
        : UserText::verbatim(server.folder);
    switch (result.kind) {
    case Result::LoginRefused:
        return UserText(QT_TRANSLATE_NOOP("UserText",
                                          "The server refused the log-in as \"%1\". Check the user name "
                                          "and the password, then try again."))
            .arg(server.user);
    case Result::FolderMissing:
        return UserText(QT_TRANSLATE_NOOP("UserText",
                                          "The folder \"%1\" does not exist on the server. Correct the "
                                          "remote folder, or create it with your host's file manager, "
                                          "then try again."))
            .arg(folder);
    case Result::NotStored:
        return UserText(QT_TRANSLATE_NOOP("UserText",
                                          "The server could not store %1 in \"%2\": its disk may be full, "
                                          "or the account may not write there. Free some space or ask "
                                          "your host, then try again."))
            .arg(file)
            .arg(folder);
    case Result::Dropped:
        if (file.isEmpty())
            return UserText(QT_TRANSLATE_NOOP("UserText",
                                              "The connection to %1 was lost. Try again when the "
                                              "connection is back."))
                .arg(server.host);
        return UserText(QT_TRANSLATE_NOOP("UserText",
                                          "The connection to %1 was lost while sending %2. Try again when "
                                          "the connection is back."))
            .arg(server.host)
            .arg(file);
    case Result::Unreachable:
        return UserText(QT_TRANSLATE_NOOP("UserText",
                                          "Quillset could not reach %1 on port %2. Check the host name, the "
                                          "port and your Internet connection, then try again."))
            .arg(server.host)
            .arg(server.portInUse());
    case Result::HostKeyChanged:
        return UserText(QT_TRANSLATE_NOOP("UserText",
                                          "The server %1 no longer shows the key it showed before (it now "
                                          "shows %2). Someone may stand between you and your site: nothing "
                                          "was sent. Ask your host whether the key has changed before you "
                                          "publish again."))
            .arg(server.endpoint())
            .arg(presentedKey.isEmpty() ? UserText(QT_TRANSLATE_NOOP("UserText", "another key"))
                                        : UserText::verbatim(presentedKey));
    case Result::IdentityRefused:
        return UserText(
            QT_TRANSLATE_NOOP("UserText", "You did not accept the server's identity, so nothing was sent."));
    case Result::Cancelled: return UserText(QT_TRANSLATE_NOOP("UserText", "Publishing was cancelled."));
    case Result::Done:
    case Result::Failed: break;
    }
    return UserText(QT_TRANSLATE_NOOP("UserText", "The transfer to %1 failed: %2")).arg(server.host).arg(result.detail);
}

// afterwards: what became of the site, a sentence after the explanation; null for nothing.
TransferOutcome failed(const Result &result, const PublishServer &server, const QString &file,
                       const QString &presentedKey, const UserText &afterwards)
{
    const TransferOutcome::Status status =
        result.kind == Result::Cancelled ? TransferOutcome::Cancelled : TransferOutcome::Failed;
    const UserText explained = explain(result, server, file, presentedKey);
    return {
        status, afterwards.isNull() ? explained : explained + UserText::verbatim(QStringLiteral(" ")) + afterwards, {}};
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

std::optional<QByteArray> readLocal(const QString &path, UserText &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = UserText(QT_TRANSLATE_NOOP("UserText",
                                           "Quillset could not read %1: %2. Generate the guestbook again, "
                                           "then publish."))
                    .arg(QDir::toNativeSeparators(path))
                    .arg(file.errorString());
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
        return failed(listed, server, {}, session.presentedHostKey(), {});
    const QStringList leftBehind = onServer.filter(UploadingName(QString()));
    if (!leftBehind.isEmpty())
        session.remove(leftBehind);

    const UserText unchanged(QT_TRANSLATE_NOOP("UserText", "The site was left as it was."));
    QStringList uploads;
    QList<QPair<QString, QString>> renames;
    for (const QString &page : set.pages) {
        UserText error;
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
                      UserText(QT_TRANSLATE_NOOP("UserText",
                                                 "Some pages may be new and others old: publish again "
                                                 "to put the whole guestbook in place.")));
    return {TransferOutcome::Done, {}, set.pages + created};
}

TransferOutcome DownloadDataFiles(const PublishServer &server, const QString &password, const QStringList &dataFiles,
                                  const QString &backupFolder, const TrustedServers &trusted,
                                  PublishQuestions &questions, const TransferProgress &progress)
{
    ServerSession session(server, password, trusted, questions);
    QStringList onServer;
    if (const Result listed = session.list(onServer); !listed.ok())
        return failed(listed, server, {}, session.presentedHostKey(), {});
    if (!QDir().mkpath(backupFolder))
        return {TransferOutcome::Failed,
                UserText(QT_TRANSLATE_NOOP("UserText", "Quillset could not make the folder %1."))
                    .arg(QDir::toNativeSeparators(backupFolder)),
                {}};
    TransferOutcome outcome;
    for (const QString &dataFile : dataFiles) {
        if (!onServer.contains(dataFile))
            continue;
        QByteArray bytes;
        if (const Result fetched = session.download(dataFile, bytes, progress); !fetched.ok())
            return failed(fetched, server, {}, session.presentedHostKey(), {});
        const QString target = ProgramFolder::withTrailingSeparator(backupFolder) + dataFile;
        if (const WriteResult written = AtomicFile::write(target, bytes); !written.succeeded())
            return {TransferOutcome::Failed,
                    UserText(QT_TRANSLATE_NOOP("UserText", "Quillset could not save %1: %2"))
                        .arg(QDir::toNativeSeparators(target))
                        .arg(written.errorText),
                    outcome.files};
        outcome.files << target;
    }
    return outcome;
}
