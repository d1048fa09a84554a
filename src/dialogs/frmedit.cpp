#include "dialogs/frmedit.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "generator/pagevalues.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

QString kCaption()
{
    return QCoreApplication::translate("frmEdit", "Project Title");
}

QLineEdit *titleBox(const QString &name, const QRect &geometry, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(verdana(8.25));
    return box;
}

}  // namespace

frmEdit::frmEdit(const QString &currentTitle, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(kCaption());
    setModal(true);
    setFixedSize(twipsRect(0, 0, 4680, 1200).size());
    setBackground(this, kDialogGrey);

    QLabel *current = dialogLabel(QStringLiteral("lblGBTitle"), tr("Current:"), twipsRect(120, 120, 825, 285), this);
    txtOld = titleBox(QStringLiteral("txtOld"), twipsRect(960, 120, 3615, 285), this);
    current->setBuddy(txtOld);
    txtOld->setReadOnly(true);
    QLabel *fresh = dialogLabel(QStringLiteral("Label1"), tr("New:"), twipsRect(120, 480, 825, 285), this);
    txtNew = titleBox(QStringLiteral("txtNew"), twipsRect(960, 480, 3615, 285), this);
    fresh->setBuddy(txtNew);
    txtNew->setMaxLength(kMaxTitleLength);

    // The buttons keep their grey: this dialog has no hover feedback.
    LabelButton *lblCancel =
        addDialogButton(this, "lblCancel", tr("Cancel"), kDialogGrey, twipsRect(2520, 840, 975, 255));
    LabelButton *lblOK = addDialogButton(this, "lblOK", tr("OK"), kDialogGrey, twipsRect(3600, 840, 975, 255));

    // The captions are centred over 960 twips of the 975 the rectangles take.
    lblCancel->setContentsMargins(0, 0, 1, 0);
    lblOK->setContentsMargins(0, 0, 1, 0);
    connect(lblOK, &LabelButton::clicked, this, &frmEdit::lblOK_Click);
    connect(lblCancel, &LabelButton::clicked, this, &QDialog::reject);
    // Enter in the new title's box acts as OK; Escape anywhere is Cancel.
    connect(txtNew, &QLineEdit::returnPressed, this, [this] { lblOK_Click(); });

    // Form_Load
    CenterForm(this);
    txtOld->setText(currentTitle);
    txtNew->setFocus();
}

void frmEdit::lblOK_Click()
{
    if (const UserText problem = TitleProblem(txtNew->text()); !problem.isNull()) {
        MessagePrompt::failure(this, problem);
        return;
    }
    accept();
}

QString frmEdit::newTitle() const
{
    return txtNew->text();
}
