#pragma once

#include "chrome/desktopactions.h"
#include "chrome/messageprompt.h"
#include "wizard/dialogseams.h"
#include "wizard/wizardflags.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <functional>

// Keeps every message box and every "open" the code under test asks for, and
// answers the boxes with OK. Restores the real ones and the shared flags afterwards.
class DesktopRecorder
{
public:
    DesktopRecorder()
    {
        MessagePrompt::setHandlerForTesting([this](const MessagePrompt::Shown &shown) {
            messages.append(shown);
            if (onMessage)
                onMessage(shown);
            return true;
        });
        DesktopActions::setOpenerForTesting([this](const QString &target) { opened.append(target); });
    }
    ~DesktopRecorder()
    {
        MessagePrompt::setHandlerForTesting({});
        DesktopActions::setOpenerForTesting({});
        mainWindowDialogs() = MainWindowDialogs();
        WizardFlags::FieldMenuShown = false;
        WizardFlags::FieldEditMode = WizardFlags::AddField;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const MessagePrompt::Shown &shown : messages)
            result << shown.text;
        return result;
    }

    QList<MessagePrompt::Shown> messages;
    QStringList opened;
    std::function<void(const MessagePrompt::Shown &)> onMessage;
};

template <typename T = QWidget>
T *named(const QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

// Runs act on the modal window once it is shown (by an exec() that the test is
// about to call); closes the window afterwards should act leave it open, so that
// no test can hang.
inline void actOnModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        act(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
}

inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void moveMouse(QWidget *widget, QPoint pos)
{
    sendMouse(widget, QEvent::MouseMove, pos);
}

// A left click in the middle of the widget, as press and release.
inline void clickWidget(QWidget *widget, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint centre = widget->rect().center();
    sendMouse(widget, QEvent::MouseButtonPress, centre, button);
    sendMouse(widget, QEvent::MouseButtonRelease, centre, button);
}

// A field list as the main window has it: four columns, one row per field.
inline QTreeWidget *makeFieldList(QWidget *parent, const QList<QStringList> &rows)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("lvwFields"));
    list->setColumnCount(4);
    list->setHeaderLabels({QStringLiteral("Field Name"), QStringLiteral("Field Type"), QStringLiteral("Rows"), QStringLiteral("Cols")});
    list->setRootIsDecorated(false);
    for (const QStringList &row : rows)
        new QTreeWidgetItem(list, row);
    return list;
}

inline QList<QStringList> rowsOf(const QTreeWidget *list)
{
    QList<QStringList> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows.append({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return rows;
}
