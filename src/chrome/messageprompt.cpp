#include "chrome/messageprompt.h"

#include "store/product.h"
#include "store/programfolder.h"

#include <QMessageBox>

namespace {
MessagePrompt::Handler &testHandler()
{
    static MessagePrompt::Handler handler;
    return handler;
}

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

MessagePrompt::Answer MessagePrompt::ask(QWidget *parent, const QString &text, Icon icon, Buttons buttons)
{
    if (testHandler())
        return testHandler()(Shown{text, icon, buttons});
    QMessageBox::StandardButtons choices = QMessageBox::Ok;
    if (buttons != Buttons::Ok)
        choices = buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                            : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    const QString shownText = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kApplicationTitle), shownText, choices, parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
    case QMessageBox::Ok: return Answer::Yes;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::No;
    }
}

void MessagePrompt::setHandlerForTesting(Handler handler)
{
    testHandler() = std::move(handler);
}
