#pragma once

#include "store/usertext.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// Standard message boxes, captioned with the application title. Tests answer
// them through a handler instead of a person.
namespace MessagePrompt {

enum class Icon { Information, Exclamation, Question };
// YesNo: Escape and closing the box answer No. YesNoCancel is for a question whose
// No throws work away: Escape and closing the box answer Cancel.
enum class Buttons { Ok, YesNo, YesNoCancel };
// Ok answers Yes.
enum class Answer { Yes, No, Cancel };

struct Shown {
    QString text;
    Icon icon;
    Buttons buttons;
};

// Shows the box modally and returns the answer.
Answer ask(QWidget *parent, const QString &text, Icon icon, Buttons buttons);
// Shows the box modally; true when the answer is Yes (or OK).
inline bool show(QWidget *parent, const QString &text, Icon icon, Buttons buttons)
{
    return ask(parent, text, icon, buttons) == Answer::Yes;
}

inline void error(QWidget *parent, const QString &text)
{
    show(parent, text, Icon::Exclamation, Buttons::Ok);
}
// A failure the user can act on: "Error: " and the system's error text.
inline void failure(QWidget *parent, const QString &errorText)
{
    error(parent, QCoreApplication::translate("MessagePrompt", "Error: %1").arg(errorText));
}
// The same for a text that the core built, in the user's language.
inline void failure(QWidget *parent, const UserText &errorText)
{
    failure(parent, errorText.translated());
}
inline void inform(QWidget *parent, const QString &text)
{
    show(parent, text, Icon::Information, Buttons::Ok);
}

// Replaces the boxes by the handler; an empty handler restores them.
using Handler = std::function<Answer(const Shown &)>;
void setHandlerForTesting(Handler handler);

}  // namespace MessagePrompt
