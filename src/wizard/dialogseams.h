#pragma once

#include "store/guestbookproject.h"

#include <QPoint>

#include <functional>
#include <optional>

class FieldsStep;
class QWidget;
class frmMain;

// How the main window opens the other windows. The window and its steps call each
// one through here; the program installs the real ones at start-up and tests may
// put their own in their place. An empty entry does nothing (pickColor: -1). The
// dialogs get and give data: they never see the window's controls.
struct MainWindowDialogs {
    // lblTitle: frmEdit, modal. The new title, or nothing when cancelled.
    std::function<std::optional<QString>(QWidget &owner, const QString &title)> askTitle;
    // lblNewField and the field menu: frmAddField, modal, adding a field (row -1) or
    // editing the one at row. The whole list as edited, or nothing when cancelled.
    std::function<std::optional<QList<GuestbookField>>(QWidget &owner, const QList<GuestbookField> &fields, int row)>
        editFields;
    // Right press on lvwFields: frmMenu at the pointer. Menu key or Shift+F10 on it: frmMenu
    // at that point of the screen, with the keyboard in the menu.
    std::function<void(FieldsStep &, std::optional<QPoint> at)> showFieldMenu;
    std::function<void()> closeFieldMenu;  // other press on lvwFields: closes a shown menu
    std::function<int(QWidget &owner)> pickColor;  // colour buttons: palette value, -1 when cancelled
    std::function<void(frmMain &)> showExistingProjects;  // lblLoadExisting: frmExisting at the pointer
    std::function<void(QWidget &owner)> showAbout;  // imgAbout: frmAbout, modal
    // lblProtection: frmProtection, modal. The project with its protection values
    // as chosen, or nothing when cancelled.
    std::function<std::optional<GuestbookProject>(QWidget &owner, const GuestbookProject &project)> editProtection;
};

MainWindowDialogs &mainWindowDialogs();
