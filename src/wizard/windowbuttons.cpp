#include "wizard/windowbuttons.h"

#include "chrome/desktopactions.h"
#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/pictures.h"
#include "chrome/widgetbits.h"
#include "generator/preview.h"
#include "store/helplookup.h"
#include "store/product.h"
#include "store/projectstore.h"
#include "wizard/dialogseams.h"
#include "wizard/frmmain.h"

namespace {

const QString kNoProjectsMessage = QStringLiteral("No projects to load");
const QString kNoHelpQuestion =
    QStringLiteral("Help files not present.\r\n\r\nWould you like to visit the online documentation?");

void lblLoadExisting_Click(frmMain *window)
{
    if (SavedProjectCount() == 0) {
        MessagePrompt::inform(window, kNoProjectsMessage);
        return;
    }
    if (mainWindowDialogs().showExistingProjects)
        mainWindowDialogs().showExistingProjects(*window);
}

// Writes the pages as they stand into a fresh temporary folder and opens the sign
// page there; nothing is saved.
void lblPreview_Click(frmMain *window)
{
    const PreviewFolder preview = WritePreview(window->readProject());
    if (!preview.outcome.succeeded) {
        MessagePrompt::failure(window, preview.outcome.errorText);
        return;
    }
    DesktopActions::open(preview.signPage);
}

void imgAbout_Click(frmMain *window)
{
    if (mainWindowDialogs().showAbout)
        mainWindowDialogs().showAbout(*window);
}

void imgHelp_Click(frmMain *window)
{
    if (const QString help = FindHelp(); !help.isEmpty()) {
        DesktopActions::open(help);
        return;
    }
    if (MessagePrompt::show(window, kNoHelpQuestion, MessagePrompt::Icon::Exclamation, MessagePrompt::Buttons::YesNo))
        DesktopActions::open(kSupportPageUrl);
}

void imgExit_Click(frmMain *window)
{
    window->close();
}

}  // namespace

void WindowButtons::add(frmMain *window)
{
    struct Picture {
        const char *name;
        Pictures::Button kind;
        const char *tip;
        int left;
        void (*click)(frmMain *);
    };
    for (const Picture &p : {Picture{"imgAbout", Pictures::Button::About, "About", 437, imgAbout_Click},
                             Picture{"imgHelp", Pictures::Button::Help, "Help", 462, imgHelp_Click},
                             Picture{"imgExit", Pictures::Button::Exit, "Exit", 487, imgExit_Click}}) {
        LabelButton *button = addPictureButton(window, p.name, Pictures::roundButton(p.kind, 20), {p.left, 10, 20, 20});
        button->setToolTip(QLatin1String(p.tip));
        QObject::connect(button, &LabelButton::clicked, window, [window, click = p.click] { click(window); });
    }
}

void WindowButtons::addOpenExisting(frmMain *window)
{
    // "Open Existing" has a rectangle but no hover light.
    LabelButton *button = addLabelButton(window, "lblLoadExisting", QStringLiteral("Open Existing"), verdana(9),
                                         {8, 343, 110, 20}, false);
    QObject::connect(button, &LabelButton::clicked, window, [window] { lblLoadExisting_Click(window); });
}

LabelButton *WindowButtons::addPreview(frmMain *window)
{
    // Beside "Open Existing", with the same look.
    LabelButton *button =
        addLabelButton(window, "lblPreview", QStringLiteral("Preview"), verdana(9), {124, 343, 90, 20}, false);
    QObject::connect(button, &LabelButton::clicked, window, [window] { lblPreview_Click(window); });
    return button;
}
