#include "dialogs/frmpublish.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "generator/protection.h"
#include "publish/passwordstore.h"
#include "publish/sitecheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QThread>

namespace {

// The protocols in the order of the list, with the names the list shows.
const QList<QPair<PublishProtocol, const char *>> kProtocols = {
    {PublishProtocol::Sftp, QT_TRANSLATE_NOOP("frmPublish", "SFTP (SSH)")},
    {PublishProtocol::Ftps, QT_TRANSLATE_NOOP("frmPublish", "FTPS (FTP with explicit TLS)")},
    {PublishProtocol::Ftp, QT_TRANSLATE_NOOP("frmPublish", "FTP (not encrypted)")},
};

template <typename Box>
Box *labelledBox(QGridLayout *grid, const char *name, const QString &caption)
{
    auto *box = new Box;
    box->setObjectName(QLatin1String(name));
    box->setFont(verdana(8.25));
    box->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    auto *label = new QLabel(caption);
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(name).mid(3));
    label->setFont(verdana(8.25));
    label->setBuddy(box);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QLabel *note(const char *name)
{
    auto *label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setFont(verdana(8.25));
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmPublish::frmPublish(const GuestbookProject &project, const QString &pageFolder, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_project(project)
    , m_pageFolder(pageFolder)
{
    setObjectName(QStringLiteral("frmPublish"));
    setWindowTitle(tr("Put your guestbook online"));
    setModal(true);
    setBackground(this, kDialogGrey);
    auto *grid = new QGridLayout(this);
    cboProtocol = labelledBox<QComboBox>(grid, "cboProtocol", tr("P&rotocol"));
    for (const auto &[protocol, name] : kProtocols)
        cboProtocol->addItem(tr(name), static_cast<int>(protocol));
    txtHost = labelledBox<QLineEdit>(grid, "txtHost", tr("&Host"));
    txtPort = labelledBox<QSpinBox>(grid, "txtPort", tr("P&ort"));
    txtPort->setRange(0, 65535);
    txtUser = labelledBox<QLineEdit>(grid, "txtUser", tr("&User name"));
    txtFolder = labelledBox<QLineEdit>(grid, "txtFolder", tr("Remote &folder"));
    txtPassword = labelledBox<QLineEdit>(grid, "txtPassword", tr("&Password"));
    txtPassword->setEchoMode(QLineEdit::Password);
    chkRememberPassword = new QCheckBox(tr("R&emember the password"));
    chkRememberPassword->setObjectName(QStringLiteral("chkRememberPassword"));
    chkRememberPassword->setFont(verdana(8.25));
    grid->addWidget(chkRememberPassword, grid->rowCount(), 1);
    txtSiteAddress = labelledBox<QLineEdit>(grid, "txtSiteAddress", tr("Site's &web address"));
    txtSiteAddress->setPlaceholderText(QStringLiteral("https://www.example.org/guestbook/"));
    lblPasswordStore = note("lblPasswordStore");
    lblPlainWarning = note("lblPlainWarning");
    lblPlainWarning->setText(tr("Plain FTP sends your password unencrypted: anyone on the way can read it. Choose "
                                "SFTP or FTPS if your host offers them."));
    lblSending = note("lblSending");
    pbProgress = new QProgressBar;
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setAccessibleName(tr("Progress"));
    lblAddresses = note("lblAddresses");
    lblAddresses->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (QWidget *wide :
         std::initializer_list<QWidget *>{lblPasswordStore, lblPlainWarning, pbProgress, lblSending, lblAddresses})
        grid->addWidget(wide, grid->rowCount(), 0, 1, 2);

    auto *buttons = new QHBoxLayout;
    lblDownload = addDialogButton(this, "lblDownload", tr("Download entries"), kDialogGrey, {});
    lblSend = addDialogButton(this, "lblSend", tr("Publish"), kDialogGrey, {});
    lblCheck = addDialogButton(this, "lblCheck", tr("Check the site"), kDialogGrey, {});
    lblClose = addDialogButton(this, "lblClose", tr("Close"), kDialogGrey, {});
    for (LabelButton *button : {lblCheck, lblDownload, lblSend, lblClose}) {
        button->setMinimumSize(110, 20);
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 2);

    const PublishServer saved = PublishServer::fromProject(project);
    cboProtocol->setCurrentIndex(static_cast<int>(saved.protocol));
    txtHost->setText(saved.host);
    txtPort->setValue(saved.portInUse());
    txtUser->setText(saved.user);
    txtFolder->setText(saved.folder);
    txtSiteAddress->setText(project.Site_Address);
    if (!saved.host.isEmpty() && !saved.user.isEmpty()) {
        const PasswordStore::Answer remembered = PasswordStore::read(account());
        m_storeRunning = remembered.storeRunning;
        txtPassword->setText(remembered.password);
        chkRememberPassword->setChecked(!remembered.password.isEmpty());
    } else {
        m_storeRunning = PasswordStore::read(QStringLiteral("-")).storeRunning;
    }
    chkRememberPassword->setEnabled(m_storeRunning);
    lblPasswordStore->setText(m_storeRunning ? QString()
                                             : tr("No secret store is running on this desktop, so Quillset cannot "
                                                  "remember the password: type it each time you publish."));
    lblPasswordStore->setVisible(!m_storeRunning);

    connect(cboProtocol, &QComboBox::currentIndexChanged, this, &frmPublish::cboProtocol_Change);
    connect(lblSend, &LabelButton::clicked, this, &frmPublish::lblSend_Click);
    connect(lblDownload, &LabelButton::clicked, this, &frmPublish::lblDownload_Click);
    connect(lblClose, &LabelButton::clicked, this, &frmPublish::lblClose_Click);
    connect(lblCheck, &LabelButton::clicked, this, &frmPublish::lblCheck_Click);
    connect(txtSiteAddress, &QLineEdit::textChanged, this, &frmPublish::showAddresses);
    showAddresses();
    connect(txtPassword, &QLineEdit::returnPressed, this, &frmPublish::lblSend_Click);
    lblPlainWarning->setVisible(saved.protocol == PublishProtocol::Ftp);
    pbProgress->setValue(0);
    setFixedWidth(460);
    CenterForm(this);
    (saved.host.isEmpty() ? static_cast<QWidget *>(cboProtocol) : txtPassword)->setFocus();
}

frmPublish::~frmPublish()
{
    m_cancel = true;
    if (m_worker)
        m_worker->wait();
}

// A new protocol brings its own port when the port was the old protocol's own.
void frmPublish::cboProtocol_Change()
{
    const auto protocol = static_cast<PublishProtocol>(cboProtocol->currentData().toInt());
    if (txtPort->value() == 0 || txtPort->value() == 21 || txtPort->value() == 22)
        txtPort->setValue(DefaultPort(protocol));
    lblPlainWarning->setVisible(protocol == PublishProtocol::Ftp);
    adjustSize();
}

PublishServer frmPublish::server() const
{
    PublishServer server;
    server.protocol = static_cast<PublishProtocol>(cboProtocol->currentData().toInt());
    server.host = txtHost->text().trimmed();
    server.port = txtPort->value() == DefaultPort(server.protocol) ? 0 : txtPort->value();
    server.user = txtUser->text();
    server.folder = txtFolder->text().trimmed();
    return server;
}

QString frmPublish::account() const
{
    return txtUser->text() + QLatin1Char('@') + server().endpoint();
}

GuestbookProject frmPublish::project() const
{
    GuestbookProject project = m_project;
    server().writeInto(project);
    project.Site_Address = txtSiteAddress->text().trimmed();
    return project;
}

void frmPublish::setBusy(bool busy)
{
    m_busy = busy;
    for (QWidget *input : std::initializer_list<QWidget *>{cboProtocol, txtHost, txtPort, txtUser, txtFolder,
                                                           txtPassword, txtSiteAddress, lblSend, lblDownload, lblCheck})
        input->setEnabled(!busy);
    chkRememberPassword->setEnabled(!busy && m_storeRunning);
    lblClose->setText(busy ? tr("Cancel") : tr("Close"));
    lblClose->setAccessibleName(lblClose->text());
    if (!busy)
        showAddresses();
}

void frmPublish::runTransfer(std::function<TransferOutcome(const TransferProgress &)> transfer,
                             std::function<void(const TransferOutcome &)> done)
{
    if (const UserText missing = server().missingValue(); !missing.isNull()) {
        MessagePrompt::failure(this, missing);
        return;
    }
    m_cancel = false;
    setBusy(true);
    pbProgress->setValue(0);
    const TransferProgress progress = [this](const QString &file, qint64 sent, qint64 total) {
        QMetaObject::invokeMethod(
            this,
            [this, file, sent, total] {
                lblSending->setText(tr("Sending %1").arg(file));
                pbProgress->setValue(total > 0 ? static_cast<int>(sent * 100 / total) : 0);
            },
            Qt::QueuedConnection);
        return !m_cancel;
    };
    m_worker = QThread::create([this, transfer, done, progress] {
        const TransferOutcome outcome = transfer(progress);
        QMetaObject::invokeMethod(
            this,
            [this, outcome, done] {
                m_worker->wait();
                delete m_worker;
                m_worker = nullptr;
                setBusy(false);
                done(outcome);
            },
            Qt::QueuedConnection);
    });
    m_worker->start();
}

void frmPublish::rememberPassword()
{
    if (!m_storeRunning)
        return;
    const PasswordStore::Answer stored =
        PasswordStore::write(account(), chkRememberPassword->isChecked() ? txtPassword->text() : QString());
    if (!stored.error.isEmpty() && chkRememberPassword->isChecked())
        MessagePrompt::error(this, tr("Error: The password could not be remembered: %1").arg(stored.error));
}

void frmPublish::lblSend_Click()
{
    const PublishSet set = PublishSet::ofGuestbook(m_pageFolder, m_project);
    const PublishServer target = server();
    const QString password = txtPassword->text();
    runTransfer(
        [=](const TransferProgress &progress) {
            return PublishSite(target, password, set, TrustedServers(), *this, progress);
        },
        [this](const TransferOutcome &outcome) {
            if (!outcome.succeeded()) {
                lblSending->setText(outcome.message.translated());
                MessagePrompt::failure(this, outcome.message);
                return;
            }
            pbProgress->setValue(100);
            m_published = true;
            rememberPassword();
            lblSending->setText(tr("Sent: %1").arg(outcome.files.join(QStringLiteral(", "))));
            MessagePrompt::inform(this, tr("Your guestbook is online."));
        });
}

void frmPublish::lblDownload_Click()
{
    const PublishSet set = PublishSet::ofGuestbook(m_pageFolder, m_project);
    const QString backup = BackupFolderFor(m_pageFolder, QDate::currentDate());
    const PublishServer target = server();
    const QString password = txtPassword->text();
    runTransfer(
        [=](const TransferProgress &progress) {
            return DownloadDataFiles(target, password, set.dataFiles, backup, TrustedServers(), *this, progress);
        },
        [this, backup](const TransferOutcome &outcome) {
            if (!outcome.succeeded()) {
                MessagePrompt::failure(this, outcome.message);
                return;
            }
            pbProgress->setValue(100);
            rememberPassword();
            const QString saved = tr("The entries were saved in %1").arg(QDir::toNativeSeparators(backup));
            lblSending->setText(saved);
            MessagePrompt::inform(this, saved);
        });
}

void frmPublish::lblClose_Click()
{
    if (m_busy) {
        m_cancel = true;
        lblSending->setText(tr("Cancelling..."));
        return;
    }
    accept();
}

// Escape and the close box cancel a transfer first; the dialog closes once it is idle.
void frmPublish::reject()
{
    if (m_busy) {
        m_cancel = true;
        return;
    }
    accept();
}

// The guestbook's addresses, once the site's address is known.
void frmPublish::showAddresses()
{
    const QString text = AddressesText(txtSiteAddress->text(), HasOwnerPage(m_project));
    lblAddresses->setText(text);
    lblAddresses->setVisible(!text.isEmpty());
    lblCheck->setEnabled(!text.isEmpty() && !m_busy);
}

void frmPublish::lblCheck_Click()
{
    setBusy(true);
    lblSending->setText(tr("Checking the site..."));
    const SiteReport report = CheckSite(txtSiteAddress->text(), HoldsEntries(m_project));
    setBusy(false);
    lblSending->clear();
    const QString text = report.findings.join(QStringLiteral("\r\n\r\n"));
    if (report.healthy)
        MessagePrompt::inform(this, text);
    else
        MessagePrompt::error(this, text);
}

bool frmPublish::askOnWindowThread(const QString &question)
{
    bool answer = false;
    QMetaObject::invokeMethod(
        this,
        [this, &answer, question] {
            answer = MessagePrompt::show(this, question, MessagePrompt::Icon::Question, MessagePrompt::Buttons::YesNo);
        },
        Qt::BlockingQueuedConnection);
    return answer;
}

bool frmPublish::trustHostKey(const QString &endpoint, const QString &fingerprint)
{
    return askOnWindowThread(tr("This is the first connection to %1. Its key has the fingerprint\r\n\r\n"
                                "%2\r\n\r\nCompare it with the one your host gives. Is it the same?")
                                 .arg(endpoint, fingerprint));
}

bool frmPublish::trustCertificate(const QString &endpoint, const QString &fingerprint)
{
    return askOnWindowThread(tr("The certificate of %1 is not signed by an authority this computer "
                                "trusts. Its SHA-256 fingerprint is\r\n\r\n%2\r\n\r\nCompare it with the "
                                "one your host gives. Is it the same?")
                                 .arg(endpoint, fingerprint));
}
