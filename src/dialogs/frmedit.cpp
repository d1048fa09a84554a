#include "dialogs/frmedit.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/mousehandlers.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "store/filetests.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"

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
    if (title.size() < 2 || title.contains(QLatin1Char(',')) || title.contains(QLatin1Char('_'))
        || !storableText(title) || !IsPlainFolderName(title))
        return false;
    for (const RecentProject &saved : FillRecentProjects()) {
        if (saved.text != title && sectionIdentity(saved.text) == sectionIdentity(title))
            return false;
    }
    return true;
}

frmEdit::frmEdit(QLineEdit *txtTitle, const QLineEdit *txtSaveTo, std::function<void(const QString &)> setProjectName,
                 QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_title(txtTitle)
    , m_saveTo(txtSaveTo)
    , m_setProjectName(std::move(setProjectName))
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

    // The button shapes keep their grey: this dialog has no hover feedback.
    HoverShape *shCancel = dialogShape(QStringLiteral("shCancel"), kDialogGrey, this);
    shCancel->setGeometry(twipsRect(2520, 840, 975, 255));
    HoverShape *shOK = dialogShape(QStringLiteral("shOK"), kDialogGrey, this);
    shOK->setGeometry(twipsRect(3600, 840, 975, 255));
    ClickLabel *lblCancel = makeLabelButton(QStringLiteral("lblCancel"), QStringLiteral("Cancel"), verdana(9), this);
    lblCancel->setGeometry(twipsRect(2520, 840, 960, 255));
    ClickLabel *lblOK = makeLabelButton(QStringLiteral("lblOK"), QStringLiteral("OK"), verdana(9), this);
    lblOK->setGeometry(twipsRect(3600, 840, 960, 255));

    MouseHandlers::onClick(lblOK, [this] { lblOK_Click(); });
    MouseHandlers::onClick(lblCancel, [this] { reject(); });
    // Enter in the new title's box acts as OK.
    connect(txtNew, &QLineEdit::returnPressed, this, [this] { lblOK_Click(); });

    // Form_Load
    CenterForm(this);
    txtOld->setText(m_title->text());
    txtNew->setFocus();
}

void frmEdit::lblOK_Click()
{
    const QString title = txtNew->text();
    if (!IsAcceptableTitle(title)) {
        MessagePrompt::error(this, TitleDialogText::kInvalidTitle);
        return;
    }
    m_title->setText(title);
    m_setProjectName(title);
    const QString section = QString(title).replace(QLatin1Char(' '), QLatin1Char('_'));
    // The window keeps the new title even when it cannot be stored; the user is told.
    const WriteResult saved = SaveINISettings({{section, QStringLiteral("Project_Title"), title},
                                               {section, QStringLiteral("Project_Path"), m_saveTo->text()}});
    if (!saved.succeeded())
        MessagePrompt::failure(this, saved.errorText);
    accept();
}
