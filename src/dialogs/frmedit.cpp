#include "dialogs/frmedit.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "store/filetests.h"
#include "store/projectstore.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

const QString TitleDialogText::kInvalidTitle = QStringLiteral("Error: Invalid title. Please check and try again");

namespace {

const QString kCaption = QStringLiteral("Project Title");

QLineEdit *titleBox(const QString &name, const QRect &geometry, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(verdana(8.25));
    return box;
}

// Section names in the settings file match without regard to case or to spaces at
// their ends.
QString sectionIdentity(const QString &title)
{
    return title.trimmed().toLower();
}

}  // namespace

bool IsAcceptableTitle(const QString &title)
{
    if (title.size() < 2 || title.contains(QLatin1Char(',')) || title.contains(QLatin1Char('_')) || !storableText(title)
        || !IsPlainFolderName(title))
        return false;
    for (const RecentProject &saved : FillRecentProjects()) {
        if (saved.text != title && sectionIdentity(saved.text) == sectionIdentity(title))
            return false;
    }
    return true;
}

frmEdit::frmEdit(const QString &currentTitle, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(kCaption);
    setModal(true);
    setFixedSize(twipsRect(0, 0, 4680, 1200).size());
    setBackground(this, kDialogGrey);

    dialogLabel(QStringLiteral("lblGBTitle"), QStringLiteral("Current:"), twipsRect(120, 120, 825, 285), this);
    txtOld = titleBox(QStringLiteral("txtOld"), twipsRect(960, 120, 3615, 285), this);
    txtOld->setReadOnly(true);
    dialogLabel(QStringLiteral("Label1"), QStringLiteral("New:"), twipsRect(120, 480, 825, 285), this);
    txtNew = titleBox(QStringLiteral("txtNew"), twipsRect(960, 480, 3615, 285), this);
    txtNew->setMaxLength(kMaxTitleLength);

    // The buttons keep their grey: this dialog has no hover feedback.
    LabelButton *lblCancel =
        addDialogButton(this, "lblCancel", QStringLiteral("Cancel"), kDialogGrey, twipsRect(2520, 840, 975, 255));
    LabelButton *lblOK =
        addDialogButton(this, "lblOK", QStringLiteral("OK"), kDialogGrey, twipsRect(3600, 840, 975, 255));

    // The captions are centred over 960 twips of the 975 the rectangles take.
    lblCancel->setContentsMargins(0, 0, 1, 0);
    lblOK->setContentsMargins(0, 0, 1, 0);
    connect(lblOK, &LabelButton::clicked, this, &frmEdit::lblOK_Click);
    connect(lblCancel, &LabelButton::clicked, this, &QDialog::reject);
    // Enter in the new title's box acts as OK.
    connect(txtNew, &QLineEdit::returnPressed, this, [this] { lblOK_Click(); });

    // Form_Load
    CenterForm(this);
    txtOld->setText(currentTitle);
    txtNew->setFocus();
}

void frmEdit::lblOK_Click()
{
    const QString title = txtNew->text();
    if (!IsAcceptableTitle(title)) {
        MessagePrompt::error(this, TitleDialogText::kInvalidTitle);
        return;
    }
    accept();
}

QString frmEdit::newTitle() const
{
    return txtNew->text();
}
