// Publishing to real servers on this computer (sshd for SFTP, vsftpd for FTP and FTPS, started by the test
// fixture): what reaches the server's folder, what stays there, and what the user is told when it goes wrong.

#include "publish/publishrun.h"
#include "publishfixture.h"
#include "store/guestbookproject.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// "halt" stops a server and its sessions, "restart" starts it again.
void driveServer(const char *action, const QString &protocol)
{
    QProcess::execute(QStringLiteral("bash"),
                      {QStringLiteral(QUILLSET_PUBLISH_SCRIPT), QString::fromLatin1(action),
                       QStringLiteral(QUILLSET_PUBLISH_SERVERS), protocol});
}

// Answers the trust questions and counts them.
struct Answers : PublishQuestions {
    bool trust = true;
    QStringList asked;  // "<kind> <fingerprint>"
    bool answer(const QString &question)
    {
        asked << question;
        return trust;
    }
    bool trustHostKey(const QString &, const QString &fingerprint) override { return answer("key " + fingerprint); }
    bool trustCertificate(const QString &, const QString &f) override { return answer("certificate " + f); }
};

const QStringList kPages = {"default.asp", "addtogb.asp", "viewguestbook.asp"};

// A generated set on this computer: three pages stamped with a version, the data file with a local entry, and
// a picture of the given size that the transfer can be stopped in.
struct LocalSet {
    QTemporaryDir dir;
    PublishSet set;

    LocalSet(const QByteArray &version, qsizetype pictureSize)
    {
        set.folder = dir.path() + QLatin1Char('/');
        set.pages = kPages;
        if (pictureSize > 0)
            set.pages << QStringLiteral("picture.jpg");
        set.dataFiles = QStringList{"guestbook.txt", "pending.txt"};
        for (const QString &page : set.pages)
            writeBytes(set.folder + page,
                       page == QLatin1String("picture.jpg") ? QByteArray(pictureSize, 'p') : page.toLatin1() + version);
        writeBytes(set.folder + QStringLiteral("guestbook.txt"), "Name : local test vbCrLf \r\n");
    }
};

// The folder as a finished set leaves it: the pages of a version and the data files as given.
QMap<QString, QByteArray> siteOf(const QByteArray &version, const QByteArray &entries, const QByteArray &pending)
{
    QMap<QString, QByteArray> site{{"guestbook.txt", entries}, {"pending.txt", pending}};
    for (const QString &page : kPages)
        site[page] = page.toLatin1() + version;
    return site;
}

}  // namespace

// What happens to a folder that holds an old set with two visitors' entries.
enum class Disturbance { None, Cancel, StopServer, WrongPassword, MissingFolder, FullFolder };
Q_DECLARE_METATYPE(Disturbance)

class PublishTest : public QObject
{
    Q_OBJECT

private slots:
    void publish_data()
    {
        QTest::addColumn<QString>("protocol");
        QTest::addColumn<Disturbance>("disturbance");
        QTest::addColumn<bool>("oldSetThere");
        QTest::addColumn<QString>("message");  // what the user reads; empty: published

        const QString dropped =
            QStringLiteral("The connection to 127.0.0.1 was lost while sending picture.jpg. Try again "
                           "when the connection is back. The site was left as it was.");
        const QString login = QStringLiteral("The server refused the log-in as \"%1\". Check the user name and the "
                                             "password, then try again.")
                                  .arg(serverValue(QStringLiteral("user")));
        const QString missing =
            QStringLiteral("The folder \"no-such-folder\" does not exist on the server. Correct the "
                           "remote folder, or create it with your host's file manager, then try "
                           "again.");
        const QString full =
            QStringLiteral("The server could not store picture.jpg in \"full\": its disk may be full, "
                           "or the account may not write there. Free some space or ask your host, then "
                           "try again. The site was left as it was.");
        for (const char *protocol : {"sftp", "ftps", "ftp"}) {
            const auto row = [&](const char *name, Disturbance disturbance, bool oldSetThere, const QString &message) {
                QTest::addRow("%s %s", protocol, name) << QString(protocol) << disturbance << oldSetThere << message;
            };
            row("first upload", Disturbance::None, false, QString());
            row("second upload keeps the entries", Disturbance::None, true, QString());
            row("cancel half way", Disturbance::Cancel, true,
                QStringLiteral("Publishing was cancelled. The site was left as it was."));
            row("server stopped half way", Disturbance::StopServer, true, dropped);
            row("wrong password", Disturbance::WrongPassword, true, login);
            row("missing folder", Disturbance::MissingFolder, false, missing);
            row("full server folder", Disturbance::FullFolder, true, full);
        }
    }

    void publish()
    {
        QFETCH(QString, protocol);
        QFETCH(Disturbance, disturbance);
        QFETCH(bool, oldSetThere);
        QFETCH(QString, message);

        const QString folderName = disturbance == Disturbance::FullFolder ? QStringLiteral("full")
            : disturbance == Disturbance::MissingFolder                   ? QStringLiteral("no-such-folder")
                                                                          : protocol + QStringLiteral("-site");
        RemoteFolder remote(folderName);
        if (disturbance != Disturbance::MissingFolder)
            remote.make();  // the full folder, a small file system of its own, is emptied
        const QMap<QString, QByteArray> oldSite =
            siteOf(" old", "Name : Ann vbCrLf \r\nName : Bo vbCrLf \r\n", "Name : Cy\r\n");
        if (oldSetThere) {
            for (auto it = oldSite.begin(); it != oldSite.end(); ++it)
                remote.put(it.key(), it.value());
        }
        const QMap<QString, QByteArray> before = remote.files();

        const bool stops = disturbance == Disturbance::Cancel || disturbance == Disturbance::StopServer;
        // A picture large enough to be stopped in; for the full folder, larger than the folder's room.
        LocalSet local(" new", stops || disturbance == Disturbance::FullFolder ? 4 * 1024 * 1024 : 0);
        QTemporaryDir trustFolder;
        const TrustedServers trusted(trustFolder.filePath(QStringLiteral("trusted.txt")));
        Answers answers;
        const QString password = disturbance == Disturbance::WrongPassword ? QStringLiteral("not-the-password")
                                                                           : serverValue(QStringLiteral("password"));
        bool stoppedHalfWay = false;
        const TransferProgress progress = [&](const QString &file, qint64 done, qint64 total) {
            if (!stops || file != QLatin1String("picture.jpg") || done == 0 || done == total || stoppedHalfWay)
                return true;
            stoppedHalfWay = true;
            if (disturbance == Disturbance::StopServer)
                driveServer("halt", protocol);
            return disturbance != Disturbance::Cancel;
        };
        const PublishServer server = serverFor(protocol, folderName);
        const TransferOutcome outcome = PublishSite(server, password, local.set, trusted, answers, progress);

        QCOMPARE(outcome.message.english(), message);
        QCOMPARE(stoppedHalfWay, stops);
        if (disturbance == Disturbance::StopServer) {
            // The pages visitors see stay old; the copies the broken connection left go with the next publish.
            QMap<QString, QByteArray> seen = remote.files();
            seen.removeIf([](auto file) { return file.key().endsWith(QLatin1String(".quillset-upload")); });
            QCOMPARE(seen, before);
            driveServer("restart", protocol);
            LocalSet small(" new", 0);
            QVERIFY(PublishSite(server, password, small.set, trusted, answers).succeeded());
            QCOMPARE(remote.files(), siteOf(" new", oldSite["guestbook.txt"], oldSite["pending.txt"]));
            return;
        }
        if (!message.isEmpty()) {
            QVERIFY(!outcome.succeeded());
            QCOMPARE(remote.files(), before);
            return;
        }
        QVERIFY(outcome.succeeded());
        // Pages are new; data files keep the server's entries, or start empty where the server had none.
        const QMap<QString, QByteArray> expected =
            oldSetThere ? siteOf(" new", oldSite["guestbook.txt"], oldSite["pending.txt"]) : siteOf(" new", "", "");
        QCOMPARE(remote.files(), expected);
        const QStringList created = oldSetThere ? QStringList() : QStringList{"guestbook.txt", "pending.txt"};
        QCOMPARE(outcome.files, kPages + created);
    }

    void trustAskedOnceAndChangedKeyRefused_data()
    {
        QTest::addColumn<QString>("protocol");
        QTest::addRow("sftp host key") << QStringLiteral("sftp");
        QTest::addRow("ftps self-signed certificate") << QStringLiteral("ftps");
    }

    // The first connection asks with the fingerprint the server's own tools print; the answer is remembered, a
    // refusal sends nothing, and a key other than the remembered one is refused without a question.
    void trustAskedOnceAndChangedKeyRefused()
    {
        QFETCH(QString, protocol);
        const bool sftp = protocol == QLatin1String("sftp");
        const QString fingerprint = sftp
            ? sshFingerprint(QStringLiteral(QUILLSET_PUBLISH_SERVERS "/ssh_host_ed25519_key.pub"))
            : fingerprintBy(
                QStringLiteral("openssl x509 -noout -fingerprint -sha256 -in " QUILLSET_PUBLISH_SERVERS "/ftps.crt"),
                '=', '\n');
        QVERIFY(!fingerprint.isEmpty());
        const QString kind = sftp ? QStringLiteral("key ") : QStringLiteral("certificate ");
        RemoteFolder remote(protocol + QStringLiteral("-trust"));
        remote.make();
        LocalSet local(" new", 0);
        QTemporaryDir trustFolder;
        const TrustedServers trusted(trustFolder.filePath(QStringLiteral("trusted.txt")));
        const PublishServer server = serverFor(protocol, remote.path.section(QLatin1Char('/'), -1));
        const QString password = serverValue(QStringLiteral("password"));

        Answers refusing;
        refusing.trust = false;
        TransferOutcome outcome = PublishSite(server, password, local.set, trusted, refusing);
        QCOMPARE(outcome.message.english(),
                 QStringLiteral("You did not accept the server's identity, so nothing was sent."));
        QCOMPARE(refusing.asked, QStringList{kind + fingerprint});
        QVERIFY(remote.files().isEmpty());

        Answers answers;
        QVERIFY(PublishSite(server, password, local.set, trusted, answers).succeeded());
        QVERIFY(PublishSite(server, password, local.set, trusted, answers).succeeded());
        QCOMPARE(answers.asked, QStringList{kind + fingerprint});

        // The remembered key belongs to another server now.
        const TrustedServers::Kind trustKind = sftp ? TrustedServers::HostKey : TrustedServers::Certificate;
        TrustedServers::Entry other = trusted.find(server.endpoint(), trustKind);
        other.fingerprint = sshFingerprint(serverValue(QStringLiteral("other_host_key")));
        other.pin = QStringLiteral("sha256//47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU=");
        QVERIFY(trusted.remember(server.endpoint(), trustKind, other));
        writeBytes(local.set.folder + QStringLiteral("default.asp"), "changed");
        outcome = PublishSite(server, password, local.set, trusted, answers);
        QVERIFY(outcome.message.english().startsWith(
            QStringLiteral("The server 127.0.0.1:%1 no longer shows the key it showed before").arg(server.port)));
        QVERIFY(outcome.message.english().endsWith(
            QStringLiteral("Someone may stand between you and your site: nothing was sent. "
                           "Ask your host whether the key has changed before you publish "
                           "again.")));
        QCOMPARE(answers.asked.size(), 1);
        QCOMPARE(remote.files().value(QStringLiteral("default.asp")), QByteArray("default.asp new"));
    }

    // The data files come down into the backup folder as the server holds them.
    void downloadKeepsTheServersEntries()
    {
        RemoteFolder remote(QStringLiteral("download"));
        remote.make();
        remote.put(QStringLiteral("guestbook.txt"), "Name : Ann vbCrLf \r\n");
        QTemporaryDir backup;
        const TrustedServers trusted(backup.filePath(QStringLiteral("trusted.txt")));
        Answers answers;
        for (const char *protocol : {"sftp", "ftps", "ftp"}) {
            const QString target = backup.filePath(QString::fromLatin1(protocol));
            const TransferOutcome outcome = DownloadDataFiles(
                serverFor(QString::fromLatin1(protocol), QStringLiteral("download")),
                serverValue(QStringLiteral("password")), {"guestbook.txt", "pending.txt"}, target, trusted, answers);
            QVERIFY2(outcome.succeeded(), qPrintable(outcome.message.english()));
            QCOMPARE(outcome.files, QStringList{target + QStringLiteral("/guestbook.txt")});
            QCOMPARE(readBytes(target + QStringLiteral("/guestbook.txt")), QByteArray("Name : Ann vbCrLf \r\n"));
        }
    }

    // What goes up: the pages, the owner page when there is one, a picture from this computer; the data file, and the
    // pending file when entries wait for the owner.
    void setOfAGuestbook_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("moderated");
        QTest::addColumn<int>("guard");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("files");  // the pages after the three, "|", the data files
        const QString owner = "sha256:" + QString(32, 'a') + ":" + QString(64, 'b');
        QTest::newRow("plain") << "" << 0 << 0 << "None"
                               << "| guestbook.txt";
        QTest::newRow("web picture") << "" << 0 << 0 << "http://example.org/a.gif"
                                     << "| guestbook.txt";
        QTest::newRow("local picture") << "" << 0 << 0 << "/home/ann/Pictures/Back.png"
                                       << "Back.png | guestbook.txt";
        QTest::newRow("owner page, moderated") << owner << 1 << 0 << ""
                                               << "owner.asp | guestbook.txt pending.txt deleted.txt journal.txt";
        // No web.config in the folder: only one that the generation wrote goes up.
        QTest::newRow("robot guard") << "" << 0 << 1 << ""
                                     << "| guestbook.txt usedforms.txt";
    }
    void setOfAGuestbook()
    {
        QFETCH(QString, password);
        QFETCH(int, moderated);
        QFETCH(int, guard);
        QFETCH(QString, image);
        GuestbookProject project = GuestbookProject::startupDefaults();
        project.Owner_Password = password, project.Moderate_Entries = moderated, project.BG_Image = image;
        project.Spam_Guard = guard;
        const PublishSet set = PublishSet::ofGuestbook(QStringLiteral("/srv/gb"), project);
        QCOMPARE(set.folder + ' ' + set.pages.first(3).join(' '), "/srv/gb/ " + kPages.join(' '));
        QTEST((set.pages.mid(3) + QStringList{"|"} + set.dataFiles).join(' '), "files");
    }
};

QTEST_GUILESS_MAIN(PublishTest)
#include "tst_publish.moc"
