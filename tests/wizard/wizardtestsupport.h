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
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include <functional>

// Adds a row of test data: its name, then the values in the order of the columns.
template <typename... Values>
void addRow(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

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
        DesktopActions::setOpenerForTesting([this](const QString &target) {
            opened.append(target);
            return openSucceeds;
        });
    }
    ~ScriptedDesktop()
    {
        MessagePrompt::setHandlerForTesting({});
        DesktopActions::setOpenerForTesting({});
        setFolderChooserForTesting({});
        mainWindowDialogs() = MainWindowDialogs();
    }

    // Each box as "<icon> <buttons>: <text>", the icon as i, ! or ?, the buttons as
    // Ok, YesNo or YesNoMustAnswer (Escape does not answer).
    QStringList boxes() const
    {
        static const char *const buttonNames[] = {"Ok", "YesNo", "YesNoMustAnswer"};
        QStringList result;
        for (const MessagePrompt::Shown &box : shown)
            result << QStringLiteral("%1 %2: %3")
                          .arg(QString(QLatin1Char("i!?"[int(box.icon)])), QLatin1String(buttonNames[int(box.buttons)]),
                               box.text);
        return result;
    }

    QList<bool> answers;
    QStringList opened;
    bool openSucceeds = true;  // what the stand-in desktop answers
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

// Where a key for the window goes: the widget that has the focus in it.
inline QWidget *keyTarget(QWidget *window)
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused->window() == window->window())
        return focused;
    return window->focusWidget() ? window->focusWidget() : window;
}

// Presses keys, each to the widget that has the focus at that moment: T Tab, S
// Shift+Tab, E Enter, X Escape, _ Space, U D L R the arrows, H Home, M the Menu key,
// F Shift+F10. Text goes in with typeKeys.
inline void pressKeys(QWidget *window, const QString &keys)
{
    static const QHash<QChar, QPair<Qt::Key, Qt::KeyboardModifiers>> named = {
        {'T', {Qt::Key_Tab, Qt::NoModifier}},    {'S', {Qt::Key_Backtab, Qt::ShiftModifier}},
        {'E', {Qt::Key_Return, Qt::NoModifier}}, {'X', {Qt::Key_Escape, Qt::NoModifier}},
        {'_', {Qt::Key_Space, Qt::NoModifier}},  {'U', {Qt::Key_Up, Qt::NoModifier}},
        {'D', {Qt::Key_Down, Qt::NoModifier}},   {'L', {Qt::Key_Left, Qt::NoModifier}},
        {'R', {Qt::Key_Right, Qt::NoModifier}},  {'H', {Qt::Key_Home, Qt::NoModifier}},
        {'M', {Qt::Key_Menu, Qt::NoModifier}},   {'F', {Qt::Key_F10, Qt::ShiftModifier}},
    };
    for (const QChar c : keys) {
        QVERIFY2(named.contains(c), "unknown key letter");
        QTest::keyClick(keyTarget(window), named[c].first, named[c].second);
    }
}

// Types text, as keys, into the widget that has the focus.
inline void typeKeys(QWidget *window, const QString &text)
{
    QTest::keyClicks(keyTarget(window), text);
}

// The object name of the widget that keys for the window go to.
inline QString focusedName(QWidget *window)
{
    return keyTarget(window)->objectName();
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
