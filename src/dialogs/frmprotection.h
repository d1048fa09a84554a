#pragma once

#include "store/guestbookproject.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// The guestbook protection dialog: robot guard, longest entry, entries per page,
// the owner page's password and moderation. It takes the project's protection
// values and gives them back changed; a password is kept only as its salted digest.
class frmProtection : public QDialog
{
    Q_OBJECT
public:
    frmProtection(const GuestbookProject &project, QWidget *owner);

    // The project with the protection values as chosen, once the dialog was accepted.
    GuestbookProject project() const { return m_project; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void lblOK_Click();
    void updateModeration();
    bool hasOwnerPage() const;

    GuestbookProject m_project;
    QCheckBox *chkSpamGuard;
    QSpinBox *txtMaxLength;
    QSpinBox *txtPerPage;
    QLineEdit *txtPassword;
    QLineEdit *txtConfirm;
    QCheckBox *chkRemoveOwner;
    QCheckBox *chkModerate;
};

namespace ProtectionDialogText {
// The source texts of translations.
extern const char *const kPasswordsDiffer;
extern const char *const kPasswordTooShort;
}
