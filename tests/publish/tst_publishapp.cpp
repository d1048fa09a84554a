// Publishing as the user does it: the Publish dialog driven by its controls, and the command line, both
// against the fixture's servers on 127.0.0.1.

#include "app/programstart.h"
#include "app/publishcommand.h"
#include "dialogs/frmpublish.h"
#include "publish/transfermodule.h"
#include "publishfixture.h"
#include "store/projectstore.h"
#include "support/testfolder.h"
#include "wizard/wizardtestsupport.h"

#include <cstdio>

namespace {

// What the command prints on one of its outputs.
QString printed(FILE *file)
{
    std::rewind(file);
    QFile read;
    return read.open(file, QIODevice::ReadOnly) ? QString::fromUtf8(read.readAll()) : QStringLiteral("unreadable");
}

GuestbookProject projectOn(const QString &protocol, const QString &folder, const QString &path)
{
    GuestbookProject project = GuestbookProject::startupDefaults();
    project.Project_Title = QStringLiteral("Club news");
    project.Project_Path = path;
    serverFor(protocol, folder).writeInto(project);
    return project;
}

}  // namespace

class PublishAppTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");  // no desktop session: no secret store
        TransferModule::setFolderForTesting(QStringLiteral(QUILLSET_TRANSFER_MODULE_FOLDER));
    }

    void protocolShowsItsPortAndWarning_data()
    {
        QTest::addColumn<int>("startPort");
        QTest::addColumn<int>("protocolRow");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("warned");
        QTest::newRow("sftp") << 21 << 0 << 22 << false;
        QTest::newRow("ftps") << 22 << 1 << 21 << false;
        QTest::newRow("plain ftp warns") << 22 << 2 << 21 << true;
        QTest::newRow("a port of the user's own stays") << 2222 << 2 << 2222 << true;
    }

    void protocolShowsItsPortAndWarning()
    {
        QFETCH(int, startPort);
        QFETCH(int, protocolRow);
        QFETCH(int, port);
        QFETCH(bool, warned);
        TestProgramFolder folder;
        GuestbookProject project = GuestbookProject::startupDefaults();
        project.Publish_Protocol = startPort == 21 ? QStringLiteral("ftp") : QStringLiteral("sftp");
        project.Publish_Port = QString::number(startPort);
        frmPublish dialog(project, folder.path(), nullptr);
        control<QComboBox>(&dialog, "cboProtocol")->setCurrentIndex(protocolRow);
        QCOMPARE(control<QSpinBox>(&dialog, "txtPort")->value(), port);
        QCOMPARE(control<QLabel>(&dialog, "lblPlainWarning")->isVisibleTo(&dialog), warned);
        QCOMPARE(control<QLabel>(&dialog, "lblPlainWarning")->text(),
                 QStringLiteral("Plain FTP sends your password unencrypted: anyone on the way can read it. Choose SFTP "
                                "or FTPS if your host offers them."));
        // Without a secret store the dialog says so and cannot remember the password.
        QVERIFY(control<QLabel>(&dialog, "lblPasswordStore")->isVisibleTo(&dialog));
        QCOMPARE(control<QLabel>(&dialog, "lblPasswordStore")->text(),
                 QStringLiteral("No secret store is running on this desktop, so Quillset cannot remember the password: "
                                "type it each time you publish."));
        QVERIFY(!control<QCheckBox>(&dialog, "chkRememberPassword")->isEnabled());
    }

    // The first publish asks about the host key with the fingerprint OpenSSH prints, then sends the set with the
    // progress at its end and the files named.
    void dialogPublishesAfterTheKeyIsTrusted()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        desktop.answers = {MessagePrompt::Answer::Yes, MessagePrompt::Answer::Yes};
        RemoteFolder remote(QStringLiteral("dialog"));
        remote.make();
        for (const char *page : {"default.asp", "addtogb.asp", "viewguestbook.asp", "owner.asp"})
            writeBytes(folder.file(QString::fromLatin1(page)), QByteArray(page) + " page");
        GuestbookProject project = projectOn(QStringLiteral("sftp"), QStringLiteral("dialog"), folder.path());
        project.Site_Address = QStringLiteral("example.org/club news");
        project.Owner_Password = "sha256:" + QString(32, 'a') + ":" + QString(64, 'b');
        frmPublish dialog(project, folder.path(), nullptr);
        dialog.show();
        QCOMPARE(control<QLabel>(&dialog, "lblAddresses")->text(),
                 QStringLiteral("Your guestbook: http://example.org/club news/default.asp\n"
                                "Your owner page: http://example.org/club news/owner.asp"));
        control<QLineEdit>(&dialog, "txtPassword")->setText(serverValue(QStringLiteral("password")));
        clickNamed(&dialog, QStringLiteral("lblSend"));
        QVERIFY(!control<QWidget>(&dialog, "lblSend")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(control<QWidget>(&dialog, "lblSend")->isEnabled(), 30000);

        const QString fingerprint =
            sshFingerprint(QStringLiteral(QUILLSET_PUBLISH_SERVERS "/ssh_host_ed25519_key.pub"));
        QCOMPARE(
            desktop.boxes(),
            QStringList({QStringLiteral("? YesNo: This is the first connection to 127.0.0.1:%1. Its key has the "
                                        "fingerprint\r\n\r\n%2\r\n\r\nCompare it with the one your host gives. Is it "
                                        "the same?")
                             .arg(serverValue(QStringLiteral("sftp_port")), fingerprint),
                         QStringLiteral("i Ok: Your guestbook is online.")}));
        QCOMPARE(
            control<QLabel>(&dialog, "lblSending")->text(),
            QStringLiteral("Sent: default.asp, addtogb.asp, viewguestbook.asp, owner.asp, guestbook.txt, deleted.txt, "
                           "journal.txt"));
        QCOMPARE(control<QProgressBar>(&dialog, "pbProgress")->value(), 100);
        QCOMPARE(remote.files().value(QStringLiteral("default.asp")), QByteArray("default.asp page"));
        QVERIFY(dialog.published());
        QCOMPARE(dialog.project().Publish_Host, QStringLiteral("127.0.0.1"));
        QCOMPARE(dialog.project().Site_Address, QStringLiteral("example.org/club news"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("saved");  // the section: the title as typed, or as a run names it
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("password");  // "right": the account's
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("locale");  // empty: no translation
        const auto row = [](const char *name, const char *saved, const char *title, const char *password,
                            int exitCode, const QString &output, const QString &errors, const char *locale = "") {
            QTest::newRow(name) << QString(saved) << QString(title) << QString(password) << exitCode << output << errors
                                << QString(locale);
        };
        row("published", "Club_news", "Club news", "right", 0,
            "Sent default.asp\nSent addtogb.asp\nSent viewguestbook.asp\nSent guestbook.txt\n", "");
        row("wrong password", "Club news", "Club news", "wrong", 1, "",
            QStringLiteral("The server refused the log-in as \"%1\". Check the user name and the password, then try "
                           "again.\n")
                .arg(serverValue(QStringLiteral("user"))));
        row("wrong password, German", "Club news", "Club news", "wrong", 1, "",
            QStringLiteral("Der Server hat die Anmeldung als „%1“ abgelehnt. Prüfen Sie Benutzername und Passwort "
                           "und versuchen Sie es dann erneut.\n")
                .arg(serverValue(QStringLiteral("user"))),
            "de_DE");
        row("unknown project", "Club news", "Nobody", "right", 1, "", "No project \"Nobody\" is saved.\n");
    }

    // The command finds the project under its title as typed or with "_" for spaces, generates it as Finish does, then
    // sends it with the saved server settings.
    void commandLine()
    {
        QFETCH(QString, saved);
        QFETCH(QString, title);
        QFETCH(QString, password);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QFETCH(QString, locale);
        InstallTranslations(QLocale(locale), QUILLSET_TRANSLATIONS);
        const auto restore = qScopeGuard([] { InstallTranslations(QLocale::c(), QUILLSET_TRANSLATIONS); });
        TestProgramFolder folder;
        RemoteFolder remote(QStringLiteral("command"));
        remote.make();
        const GuestbookProject project = projectOn(QStringLiteral("ftp"), QStringLiteral("command"), folder.path());
        QVERIFY(SaveProject(saved, project).succeeded());
        const QByteArray typed = (password == QLatin1String("right") ? serverValue(QStringLiteral("password")).toUtf8()
                                                                     : QByteArray("wrong"))
            + '\n';
        FILE *input = std::tmpfile();
        FILE *out = std::tmpfile();
        FILE *err = std::tmpfile();
        std::fwrite(typed.constData(), 1, static_cast<size_t>(typed.size()), input);
        std::rewind(input);
        const std::optional<int> code = RunPublishCommand(
            {QStringLiteral("quillset"), QStringLiteral("--publish"), title, QStringLiteral("--password-stdin")}, input,
            out, err);
        QCOMPARE(code, std::optional<int>(exitCode));
        QCOMPARE(printed(out), output);
        QCOMPARE(printed(err), errors);
        // The run's log stays in English.
        QCOMPARE(logMessages(folder.file("applog.log")).contains("Status: Creating project files"),
                 title == "Club news");
        for (FILE *file : {input, out, err})
            std::fclose(file);
        if (exitCode == 0)
            QCOMPARE(remote.files().value(QStringLiteral("default.asp")),
                     readBytes(folder.file(QStringLiteral("Club_news/default.asp"))));
        else
            QVERIFY(remote.files().isEmpty());
    }
};

QTEST_MAIN(PublishAppTest)
#include "tst_publishapp.moc"
