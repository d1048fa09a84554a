#pragma once

#include "chrome/desktopactions.h"
#include "chrome/messageprompt.h"
#include "wizard/dialogseams.h"
#include "wizard/folderbrowser.h"
#include "wizard/frmmain.h"

#include <QList>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Finds a control of the window by its name; fails the test when it is missing.
template <typename T = QWidget>
T *control(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("control %s not found", name);
    return found;
}

// Answers every message box with the next queued answer (No once they run out)
// and keeps what was shown; records what the desktop was asked to open.
class ScriptedDesktop
{
public:
    ScriptedDesktop()
    {
        MessagePrompt::setHandlerForTesting([this](const MessagePrompt::Shown &shown) {
            shown_.append(shown);
            return answers.isEmpty() ? false : answers.takeFirst();
        });
        DesktopActions::setOpenerForTesting([this](const QString &target) { opened.append(target); });
    }
    ~ScriptedDesktop()
    {
        MessagePrompt::setHandlerForTesting({});
        DesktopActions::setOpenerForTesting({});
        setFolderChooserForTesting({});
        mainWindowDialogs() = MainWindowDialogs();
    }

    QList<bool> answers;
    QStringList opened;
    const QList<MessagePrompt::Shown> &shown() const { return shown_; }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const MessagePrompt::Shown &s : shown_)
            texts << s.text;
        return texts;
    }

private:
    QList<MessagePrompt::Shown> shown_;
};

inline void clickControl(QWidget &window, const char *name, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget *target = control(window, name);
    QVERIFY(target);
    QTest::mouseClick(target, button);
}
