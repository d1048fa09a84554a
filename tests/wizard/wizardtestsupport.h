#pragma once

// Shared by the window and dialog tests: controls by name, mouse events, the field
// list's rows, and a scripted desktop in place of message boxes and the opener.

#include "support/testfolder.h"

#include "chrome/desktopactions.h"
#include "chrome/messageprompt.h"
#include "store/settingsfile.h"
#include "wizard/dialogseams.h"
#include "wizard/folderbrowser.h"
#include "wizard/frmmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include <functional>

// Finds a control by its name; warns when it is missing (the test then fails on it).
template <typename T = QWidget>
T *control(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("control %s not found", qPrintable(name));
    return found;
}

// Answers every message box with the next queued answer (No once they run out),
// keeps what was shown and what the desktop was asked to open. Restores the real
// boxes, opener, folder chooser, dialogs and the shared flags afterwards.
class ScriptedDesktop
{
public:
    ScriptedDesktop()
    {
        MessagePrompt::setHandlerForTesting([this](const MessagePrompt::Shown &box) {
            shown.append(box);
            if (onMessage)
                onMessage(box);
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

    // Each box as "<icon> <buttons>: <text>", the icon as i, ! or ?.
    QStringList boxes() const
    {
        QStringList result;
        for (const MessagePrompt::Shown &box : shown)
            result << QStringLiteral("%1 %2: %3")
                          .arg(QString(QLatin1Char("i!?"[int(box.icon)])),
                               QLatin1String(box.buttons == MessagePrompt::Buttons::Ok ? "Ok" : "YesNo"), box.text);
        return result;
    }

    QList<bool> answers;
    QStringList opened;
    QList<MessagePrompt::Shown> shown;
    std::function<void(const MessagePrompt::Shown &)> onMessage;
};

inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton,
                      Qt::MouseButtons held = Qt::NoButton)
{
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        held |= button;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void moveMouse(QWidget *widget, QPoint pos)
{
    sendMouse(widget, QEvent::MouseMove, pos);
}

// A left click in the middle of the named control, as press and release.
inline void clickNamed(QWidget *parent, const QString &name)
{
    QWidget *target = control(parent, name);
    QVERIFY(target);
    sendMouse(target, QEvent::MouseButtonPress, target->rect().center(), Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, target->rect().center(), Qt::LeftButton);
}

// Clicks "Next >>" or "<< Back" for each N or B, and calls DoMode for a digit.
inline void walk(frmMain &window, const QString &steps)
{
    for (const QChar c : steps) {
        if (c.isDigit())
            window.DoMode(c.digitValue());
        else
            clickNamed(&window, c == QLatin1Char('N') ? "lblNext" : "lblBack");
    }
}

using Rows = QList<QStringList>;

inline Rows rowsOf(const QTreeWidget *list)
{
    Rows rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows.append({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return rows;
}

// The four fields every new project starts with.
const Rows kDefaultFields = {{"Name", "Text", "40", ""},
                             {"E-mail", "Text", "40", ""},
                             {"Homepage", "Text", "40", ""},
                             {"Comments", "Textarea", "10", "39"}};
