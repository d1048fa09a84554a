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

#include <QCoreApplication>
#include <QWidget>

namespace {

QString kNoProjectsMessage()
{
    return QCoreApplication::translate("WindowButtons", "No projects to load");
}
QString kNoHelpQuestion()
{
    return QCoreApplication::translate(
        "WindowButtons", "Help files not present.\r\n\r\nWould you like to visit the online documentation?");
}

void lblLoadExisting_Click(QWidget *window, const std::function<void(const QString &)> &open)
{
    if (SavedProjectCount() == 0) {
        MessagePrompt::inform(window, kNoProjectsMessage());
        return;
    }
    if (mainWindowDialogs().showExistingProjects)
        mainWindowDialogs().showExistingProjects(*window, open);
}

// Writes the pages as they stand into a fresh temporary folder and opens the sign
// page there; nothing is saved.
void lblPreview_Click(QWidget *window, const GuestbookProject &project)
{
    const PreviewFolder preview = WritePreview(project);
    if (!preview.outcome.succeeded) {
        MessagePrompt::failure(window, preview.outcome.errorText);
        return;
    }
    DesktopActions::open(preview.signPage, window);
}

void imgAbout_Click(QWidget *window)
{
    if (mainWindowDialogs().showAbout)
        mainWindowDialogs().showAbout(*window);
}

void imgHelp_Click(QWidget *window)
{
    if (const QString help = FindHelp(); !help.isEmpty()) {
        DesktopActions::open(help, window);
        return;
    }
    if (MessagePrompt::show(window, kNoHelpQuestion(), MessagePrompt::Icon::Exclamation, MessagePrompt::Buttons::YesNo))
        DesktopActions::open(kSupportPageUrl, window);
}

void imgExit_Click(QWidget *window)
{
    window->close();
}

}  // namespace

QList<LabelButton *> WindowButtons::add(QWidget *window)
{
    QList<LabelButton *> buttons;
    struct Picture {
        const char *name;
        Pictures::Button kind;
        const char *tip;
        int left;
        void (*click)(QWidget *);
    };
    for (const Picture &p :
         {Picture{"imgAbout", Pictures::Button::About, QT_TRANSLATE_NOOP("WindowButtons", "About"), 437,
                  imgAbout_Click},
          Picture{"imgHelp", Pictures::Button::Help, QT_TRANSLATE_NOOP("WindowButtons", "Help"), 462, imgHelp_Click},
          Picture{"imgExit", Pictures::Button::Exit, QT_TRANSLATE_NOOP("WindowButtons", "Exit"), 487, imgExit_Click}}) {
        const QString tip = QCoreApplication::translate("WindowButtons", p.tip);
        LabelButton *button = addPictureButton(window, p.name, tip, Pictures::windowRoundButton(p.kind), {p.left, 10, 20, 20});
        button->setToolTip(tip);
        QObject::connect(button, &LabelButton::clicked, window, [window, click = p.click] { click(window); });
        buttons.append(button);
    }
    return buttons;
}

LabelButton *WindowButtons::addOpenExisting(QWidget *window, std::function<void(const QString &title)> open)
{
    // "Open Existing" has a rectangle but no hover light.
    LabelButton *button =
        addLabelButton(window, "lblLoadExisting", QCoreApplication::translate("WindowButtons", "Open Existing"),
                       verdana(9), {8, 343, 110, 20}, false);
    QObject::connect(button, &LabelButton::clicked, window,
                     [window, open = std::move(open)] { lblLoadExisting_Click(window, open); });
    return button;
}

LabelButton *WindowButtons::addPreview(QWidget *window, std::function<GuestbookProject()> project)
{
    // Beside "Open Existing", with the same look.
    LabelButton *button = addLabelButton(window, "lblPreview", QCoreApplication::translate("WindowButtons", "Preview"),
                                         verdana(9), {124, 343, 90, 20}, false);
    QObject::connect(button, &LabelButton::clicked, window, [window, project = std::move(project)] { lblPreview_Click(window, project()); });
    return button;
}
