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

bool MessagePrompt::show(QWidget *parent, const QString &text, Icon icon, Buttons buttons)
{
    if (testHandler())
        return testHandler()(Shown{text, icon, buttons});
    const QMessageBox::StandardButtons choices =
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kApplicationTitle),
                    QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), choices, parent);
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

void MessagePrompt::setHandlerForTesting(Handler handler)
{
    testHandler() = std::move(handler);
}
