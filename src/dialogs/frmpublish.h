#pragma once

#include "publish/publishquestions.h"
#include "publish/publishrun.h"
#include "store/guestbookproject.h"

#include <QDialog>

#include <atomic>
#include <functional>

class LabelButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;

// The Publish dialog: the server (protocol, host, port, user, folder), the password
// and whether to remember it, then Publish sends the generated guestbook with a
// progress bar and the file being sent; Cancel stops it. Download entries fetches the
// server's data files into the project's backup folder. Given the site's web address,
// it shows the guestbook's addresses, and Check the site says whether the pages work there. It takes the project and
// its page folder and gives the project back with the server settings as entered.
class frmPublish : public QDialog, private PublishQuestions
{
    Q_OBJECT
public:
    frmPublish(const GuestbookProject &project, const QString &pageFolder, QWidget *owner);
    ~frmPublish() override;

    GuestbookProject project() const;
    bool published() const { return m_published; }

private:
    void cboProtocol_Change();
    void lblSend_Click();
    void lblDownload_Click();
    void lblClose_Click();
    void lblCheck_Click();
    void showAddresses();
    void reject() override;

    PublishServer server() const;
    QString account() const;
    // Runs a transfer off the window's thread; done gets its outcome on the window's thread.
    void runTransfer(std::function<TransferOutcome(const TransferProgress &)> transfer,
                     std::function<void(const TransferOutcome &)> done);
    void setBusy(bool busy);
    void rememberPassword();
    bool trustHostKey(const QString &endpoint, const QString &fingerprint) override;
    bool trustCertificate(const QString &endpoint, const QString &fingerprint) override;
    bool askOnWindowThread(const QString &question);

    GuestbookProject m_project;
    QString m_pageFolder;
    bool m_storeRunning = true;
    bool m_published = false;
    bool m_busy = false;
    std::atomic<bool> m_cancel{false};
    QThread *m_worker = nullptr;

    QComboBox *cboProtocol;
    QLineEdit *txtHost;
    QSpinBox *txtPort;
    QLineEdit *txtUser;
    QLineEdit *txtFolder;
    QLineEdit *txtPassword;
    QCheckBox *chkRememberPassword;
    QLineEdit *txtSiteAddress;
    QLabel *lblAddresses;
    LabelButton *lblCheck;
    QLabel *lblPasswordStore;
    QLabel *lblPlainWarning;
    QProgressBar *pbProgress;
    QLabel *lblSending;
    LabelButton *lblSend;
    LabelButton *lblDownload;
    LabelButton *lblClose;
};

namespace PublishDialogText {
extern const QString kPlainWarning;
extern const QString kNoSecretStore;
}  // namespace PublishDialogText
