#pragma once

#include "publish/publishquestions.h"
#include "publish/publishserver.h"
#include "publish/trustedservers.h"
#include "store/usertext.h"

#include <QDate>
#include <QStringList>

struct GuestbookProject;

// The files of a generated guestbook that go to the server: pages (and pictures),
// which replace the server's copies, and data files, which hold the visitors'
// entries and are only ever created there.
struct PublishSet {
    QString folder;  // the local folder that holds them, ending in a separator
    QStringList pages;
    QStringList dataFiles;

    static PublishSet ofGuestbook(const QString &pageFolder, const GuestbookProject &project);
};

// The end of a publish or a download: what was sent or saved, or why it stopped.
struct TransferOutcome {
    enum Status { Done, Cancelled, Failed } status = Done;
    UserText message;  // for the user: what happened and what to do
    QStringList files;  // sent or saved, in order

    bool succeeded() const { return status == Done; }
};

// The name a page has on the server while it goes up, before it is renamed into place.
QString UploadingName(const QString &name);

// Sends the set to the server: every page under its uploading name first, then the
// data files the server lacks (created empty, never replaced), then the pages are
// renamed over the old ones. A failure or a cancel before the renames removes what
// was sent and leaves the site as it was; uploading names an earlier broken
// connection left behind are removed first.
TransferOutcome PublishSite(const PublishServer &server, const QString &password, const PublishSet &set,
                            const TrustedServers &trusted, PublishQuestions &questions,
                            const TransferProgress &progress = {});

// Fetches the data files that the server holds into backupFolder (made when missing).
TransferOutcome DownloadDataFiles(const PublishServer &server, const QString &password, const QStringList &dataFiles,
                                  const QString &backupFolder, const TrustedServers &trusted,
                                  PublishQuestions &questions, const TransferProgress &progress = {});

// The folder a download of today goes to: "backup/<yyyy-MM-dd>/" in the page folder.
QString BackupFolderFor(const QString &pageFolder, const QDate &day);
