#include "wizard/generationstep.h"

#include "publish/sitecheck.h"

#include "chrome/desktopactions.h"
#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/widgetbits.h"
#include "generator/pagenames.h"
#include "generator/protection.h"
#include "publish/sitecheck.h"
#include "store/filetests.h"
#include "store/programfolder.h"
#include "store/projectstore.h"
#include "wizard/dialogseams.h"

#include <QFrame>
#include <QLabel>

namespace {
const QColor kLinkBlue(0, 0, 255);
}

GenerationStep::GenerationStep(QWidget *window)
    : WizardStep(window, "frStep4", tr("Step 5: Guestbook Generation"))
{
}

void GenerationStep::buildControls()
{
    QFrame *f = frame();
    addText(f,
            tr("Your guestbook settings will now be saved and your guestbook file's generated in the "
               "path specified below."),
            {12, 10, 479, 30});
    lblProjectName = addText(f, tr("Project Name:"), {12, 54, 479, 16}, "lblProjectName");
    addText(f, tr("Path:"), {12, 78, 40, 16}, "lblGBPath1");
    lblGBPath = new LabelButton(QStringLiteral("lblGBPath"), QString(), verdana(8.25), f);
    lblGBPath->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGBPath->setWordWrap(true);
    lblGBPath->setGeometry(52, 78, 440, 32);
    lblGBPath->setContentsMargins(2, 1, 0, 0);  // room for the focus mark around the text
    addText(f,
            tr("Once you click 'Finish', Quillset will begin creating the file's you will need for "
               "your guestbook."),
            {12, 120, 479, 30});
    // Room for the whole summary with every option on: three lines.
    lblProtectionState = addText(f, QString(), {12, 150, 270, 44}, "lblProtectionState");
    LabelButton *lblProtection =
        addLabelButton(f, "lblProtection", tr("Protection"), verdana(8.25), {392, 146, 100, 20});
    connect(lblProtection, &LabelButton::clicked, this, &GenerationStep::editProtection);
    lblPublish = addLabelButton(f, "lblPublish", tr("Publish"), verdana(8.25), {286, 146, 100, 20});
    lblPublish->setEnabled(false);
    connect(lblPublish, &LabelButton::clicked, this, &GenerationStep::lblPublish_Click);
    lblServerNeeds = addText(f, QString(), {12, 196, 479, 30}, "lblServerNeeds");
    lblServerNeeds->hide();
    lblStatus = addText(f, tr("Status:"), {12, 230, 479, 18}, "lblStatus");
    // Where the published guestbook is, for the user to copy or to give out.
    lblSiteAddresses = addText(f, QString(), {12, 250, 479, 30}, "lblSiteAddresses");
    lblSiteAddresses->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblSiteAddresses->hide();
    lblStatus->setFont(verdana(9, true));
    QPalette blue = lblStatus->palette();
    blue.setColor(QPalette::WindowText, kLinkBlue);
    lblStatus->setPalette(blue);
    lblStatus->hide();

    // The folder link: underlined and blue under the pointer, plain again once the
    // pointer is over the frame.
    connect(lblGBPath, &LabelButton::hovered, this, [this] { setLinkLook(true); });
    onMouseMove(f, [this] { setLinkLook(false); });
    connect(lblGBPath, &LabelButton::clicked, this, [this] { DesktopActions::open(lblGBPath->text(), window()); });
}

void GenerationStep::fill(const GuestbookProject &project)
{
    m_protection = project;
    lblProtectionState->setText(ProtectionSummary(project));
    lblServerNeeds->hide();  // until the pages of these values are written
    showSiteAddresses();
}

void GenerationStep::showGenerated()
{
    lblServerNeeds->setText(ServerNeeds(m_protection));
    lblServerNeeds->show();
}

const QList<StepValue> &GenerationStep::values() const
{
    using P = GuestbookProject;
    constexpr ControlKind kept = ControlKind::Kept;
    static const QList<StepValue> values{
        {nullptr, kept, nullptr, &P::Spam_Guard},
        {nullptr, kept, &P::Max_Entry_Length},
        {nullptr, kept, &P::Entries_Per_Page},
        {nullptr, kept, &P::Owner_Password},
        {nullptr, kept, nullptr, &P::Moderate_Entries},
        {nullptr, kept, &P::Publish_Protocol},
        {nullptr, kept, &P::Publish_Host},
        {nullptr, kept, &P::Publish_Port},
        {nullptr, kept, &P::Publish_User},
        {nullptr, kept, &P::Publish_Folder},
        {nullptr, kept, &P::Site_Address},
    };
    return values;
}

void GenerationStep::writeBack(GuestbookProject &project) const
{
    CopyValues(values(), m_protection, project);
}

// The server settings are saved at once: after a run the window no longer asks to save.
void GenerationStep::lblPublish_Click()
{
    const auto &publish = mainWindowDialogs().publish;
    if (!publish)
        return;
    if (const std::optional<GuestbookProject> chosen = publish(*window(), m_protection, lblGBPath->text())) {
        m_protection = *chosen;
        if (const WriteResult saved = SavePublishSettings(m_projectName, *chosen); !saved.succeeded())
            MessagePrompt::failure(window(), saved.errorText);
        showSiteAddresses();
    }
}

// Once the pages are written and the site's web address is known.
void GenerationStep::showSiteAddresses()
{
    const QString text =
        lblPublish->isEnabled() ? AddressesText(m_protection.Site_Address, HasOwnerPage(m_protection)) : QString();
    lblSiteAddresses->setText(text);
    lblSiteAddresses->setAccessibleName(text);
    lblSiteAddresses->setVisible(!text.isEmpty());
}

void GenerationStep::editProtection()
{
    const auto &edit = mainWindowDialogs().editProtection;
    if (!edit)
        return;
    if (const std::optional<GuestbookProject> chosen = edit(*window(), m_protection))
        fill(*chosen);
}

void GenerationStep::setLinkLook(bool underPointer)
{
    QFont font = lblGBPath->font();
    font.setUnderline(underPointer);
    lblGBPath->setFont(font);
    QPalette palette = lblGBPath->palette();
    palette.setColor(QPalette::WindowText, underPointer ? kLinkBlue : QColor(Qt::black));
    lblGBPath->setPalette(palette);
}

void GenerationStep::showTarget(const QString &projectName, const QString &folder)
{
    lblGBPath->setText(folder);
    m_projectName = projectName;
    lblPublish->setEnabled(FileExists(ProgramFolder::withTrailingSeparator(folder) + kSignPageName));
    showSiteAddresses();
    lblProjectName->setText(tr("Project Name: ") + projectName);
}

void GenerationStep::setStatusVisible(bool visible)
{
    lblStatus->setVisible(visible);
}

void GenerationStep::setStatusText(const UserText &text)
{
    lblStatus->setText(text.translated());
    lblStatus->repaint();
}
