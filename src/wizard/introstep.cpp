#include "wizard/introstep.h"

#include "chrome/paragraph.h"
#include "chrome/widgetbits.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

namespace {

const char *const kIntroTexts[] = {
    QT_TRANSLATE_NOOP("IntroStep",
                      "Welcome to Quillset!. This program was created with the intention of making things easier "
                      "for those wishing to have a guestbook for their website, but do not posess the knowledge "
                      "required to create such."),
    QT_TRANSLATE_NOOP("IntroStep",
                      "Quillset allows you to not only create your own guestbook, but design it aswell!, better "
                      "still, you do not need to know ANY HTML or ASP. All you need to use this program, is to know "
                      "how to use a mouse and keyboard."),
    QT_TRANSLATE_NOOP("IntroStep",
                      "Once you click Next, Quillset will begin the wizard that will help you design and create "
                      "your very own guestbook."),
    QT_TRANSLATE_NOOP("IntroStep", "Click 'Next >>' to begin creating your guestbook."),
};
QString kServerNote()
{
    return QCoreApplication::translate(
        "IntroStep",
        "Note: To use guestbooks created with this program, you MUST have an ASP capable web server (e.g. Internet "
        "Information Services), and have sufficient permissions to use the FileSystemObject (provided by Microsoft "
        "Windows Script).");
}

}  // namespace

IntroStep::IntroStep(QWidget *window)
    : WizardStep(window, "frMain", tr("Step 1: Introduction"))
{
}

// The texts stand one under another, each as high as its wrapped lines.
void IntroStep::buildControls()
{
    QFrame *f = frame();
    constexpr int kMargin = 14, kTop = 12, kSpacing = 10, kBeforeNote = 6;
    int top = kTop;
    const auto place = [&](const char *name, const QString &text) {
        auto *paragraph = new Paragraph(text, verdana(8.25), f);
        paragraph->setObjectName(QLatin1String(name));
        paragraph->setWidth(f->width() - 2 * kMargin);
        paragraph->move(kMargin, top);
        top += paragraph->height() + kSpacing;
        return paragraph;
    };
    const char *const names[] = {"lblIntro0", "lblIntro1", "lblIntro2", "lblIntro3"};
    for (int i = 0; i < 4; ++i)
        place(names[i], tr(kIntroTexts[i]))->setProperty("index", i);
    top += kBeforeNote;
    Paragraph *note = place("Label20", kServerNote());
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(red);
}
