#include "chrome/messageprompt.h"

#include "store/product.h"
#include "store/programfolder.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

#include <memory>

namespace {
MessagePrompt::Handler &testHandler()
{
    static MessagePrompt::Handler handler;
    return handler;
}

// A box that only its buttons answer: Escape and a close request do nothing.
class ButtonsOnlyBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    // Clicking a button ends the box without a close event.
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

QMessageBox::Icon boxIcon(MessagePrompt::Icon icon)
{
    switch (icon) {
    case MessagePrompt::Icon::Information: return QMessageBox::Information;
    case MessagePrompt::Icon::Exclamation: return QMessageBox::Warning;
    case MessagePrompt::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

bool MessagePrompt::show(QWidget *parent, const QString &text, Icon icon, Buttons buttons)
{
    if (testHandler())
        return testHandler()(Shown{text, icon, buttons});
    const QMessageBox::StandardButtons choices =
        buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No;
    const QString shownText = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString caption = QString::fromLatin1(kApplicationTitle);
    std::unique_ptr<QMessageBox> box;
    if (buttons == Buttons::YesNoMustAnswer) {
        box = std::make_unique<ButtonsOnlyBox>(boxIcon(icon), caption, shownText, choices, parent);
        box->setWindowFlag(Qt::WindowCloseButtonHint, false);
    } else {
        box = std::make_unique<QMessageBox>(boxIcon(icon), caption, shownText, choices, parent);
    }
    const int answer = box->exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

void MessagePrompt::setHandlerForTesting(Handler handler)
{
    testHandler() = std::move(handler);
}
