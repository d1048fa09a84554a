#include "dialogs/frmprotection.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "generator/ownerpage.h"
#include "generator/protection.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

const char *const ProtectionDialogText::kPasswordsDiffer =
    QT_TRANSLATE_NOOP("frmProtection", "Error: The password and its confirmation differ. Please type them again");
const char *const ProtectionDialogText::kPasswordTooShort =
    QT_TRANSLATE_NOOP("frmProtection", "Error: The owner page password needs at least 10 characters other than "
                                       "spaces: a shorter one can be found by trying passwords one after another");

namespace {

constexpr int kRowHeight = 24;
constexpr int kLeft = 10;
constexpr int kLabelWidth = 190;
constexpr int kBoxWidth = 170;

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, int row)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(verdana(8.25));
    box->setGeometry(kLeft, 10 + row * kRowHeight, kLabelWidth + kBoxWidth, 20);
    return box;
}

// A labelled box in a row; the label names it for screen readers and takes Alt+key.
template <typename Box>
Box *labelled(QWidget *parent, const char *name, const QString &caption, int row)
{
    auto *box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(verdana(8.25));
    box->setGeometry(kLeft + kLabelWidth, 10 + row * kRowHeight, kBoxWidth, 20);
    QLabel *label = dialogLabel(QStringLiteral("lbl") + QLatin1String(name).mid(3), caption,
                                QRect(kLeft, 12 + row * kRowHeight, kLabelWidth, 18), parent);
    label->setBuddy(box);
    box->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return box;
}

// A spin box that lets its maker reach its own line edit.
class NumberBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;
    using QAbstractSpinBox::lineEdit;
};

QSpinBox *numberBox(QWidget *parent, const char *name, const QString &caption, int row, int most, const QString &value)
{
    auto *box = labelled<NumberBox>(parent, name, caption, row);
    box->setRange(0, most);
    box->setSpecialValueText(QCoreApplication::translate("frmProtection", "No limit"));
    box->setValue(value.toInt());
    // Screen readers reach the number through the box's own line edit.
    box->lineEdit()->setAccessibleName(box->accessibleName());
    return box;
}

QLineEdit *passwordBox(QWidget *parent, const char *name, const QString &caption, int row)
{
    auto *box = labelled<QLineEdit>(parent, name, caption, row);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(kLongestOwnerPassword);  // the owner page refuses longer ones unchecked
    return box;
}

}  // namespace

frmProtection::frmProtection(const GuestbookProject &project, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_project(project)
{
    setObjectName(QStringLiteral("frmProtection"));
    setWindowTitle(tr("Guestbook protection"));
    setModal(true);
    setFixedSize(kLeft * 2 + kLabelWidth + kBoxWidth, 10 + 8 * kRowHeight + 10);
    setBackground(this, kDialogGrey);

    chkSpamGuard = checkBox(this, "chkSpamGuard", tr("&Stop spam robots"), 0);
    chkSpamGuard->setChecked(project.Spam_Guard == 1);
    txtMaxLength =
        numberBox(this, "txtMaxLength", tr("&Longest entry (characters)"), 1, 100000, project.Max_Entry_Length);
    txtPerPage = numberBox(this, "txtPerPage", tr("&Entries per page"), 2, 1000, project.Entries_Per_Page);
    txtPerPage->setSpecialValueText(tr("All"));
    txtPassword = passwordBox(this, "txtPassword", tr("Owner page &password"), 3);
    txtConfirm = passwordBox(this, "txtConfirm", tr("&Confirm password"), 4);
    chkRemoveOwner = checkBox(this, "chkRemoveOwner", tr("&Remove owner page"), 5);
    chkRemoveOwner->setEnabled(HasOwnerPage(project));
    chkModerate = checkBox(this, "chkModerate", tr("&Hold new entries until I approve them"), 6);
    chkModerate->setChecked(project.Moderate_Entries == 1);

    const int buttonsTop = 10 + 7 * kRowHeight + 4;
    LabelButton *lblCancel =
        addDialogButton(this, "lblCancel", tr("Cancel"), kDialogGrey, QRect(width() - 140, buttonsTop, 60, 18));
    LabelButton *lblOK = addDialogButton(this, "lblOK", tr("OK"), kDialogGrey, QRect(width() - 70, buttonsTop, 60, 18));
    connect(lblOK, &LabelButton::clicked, this, &frmProtection::lblOK_Click);
    connect(lblCancel, &LabelButton::clicked, this, &QDialog::reject);
    connect(txtPassword, &QLineEdit::textChanged, this, &frmProtection::updateModeration);
    connect(chkRemoveOwner, &QCheckBox::toggled, this, &frmProtection::updateModeration);
    updateModeration();

    CenterForm(this);
    chkSpamGuard->setFocus();
}

bool frmProtection::hasOwnerPage() const
{
    if (chkRemoveOwner->isChecked())
        return false;
    return HasOwnerPage(m_project) || !txtPassword->text().isEmpty();
}

// Moderation needs an owner page to approve entries on.
void frmProtection::updateModeration()
{
    chkModerate->setEnabled(hasOwnerPage());
}

// OK is the default: Enter anywhere but on Cancel presses it. Escape is Cancel.
void frmProtection::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        lblOK_Click();
    else
        QDialog::keyPressEvent(event);
}

// Passwords that differ are typed again from the start.
void frmProtection::lblOK_Click()
{
    const QString password = txtPassword->text();
    if (password != txtConfirm->text()) {
        MessagePrompt::error(this, tr(ProtectionDialogText::kPasswordsDiffer));
        txtPassword->clear();
        txtConfirm->clear();
        txtPassword->setFocus();
        return;
    }
    if (!password.isEmpty() && QString(password).remove(QLatin1Char(' ')).size() < kShortestOwnerPassword) {
        MessagePrompt::error(this, tr(ProtectionDialogText::kPasswordTooShort));
        return;
    }
    m_project.Spam_Guard = chkSpamGuard->isChecked() ? 1 : 0;
    m_project.Max_Entry_Length = QString::number(txtMaxLength->value());
    m_project.Entries_Per_Page = QString::number(txtPerPage->value());
    if (chkRemoveOwner->isChecked())
        m_project.Owner_Password.clear();
    else if (!password.isEmpty())
        m_project.Owner_Password = OwnerPasswordValue(password);
    m_project.Moderate_Entries = hasOwnerPage() && chkModerate->isChecked() ? 1 : 0;
    accept();
}
