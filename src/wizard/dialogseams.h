#pragma once

#include "chrome/fieldediting.h"
#include "store/guestbookproject.h"

#include <QPoint>

#include <functional>
#include <optional>

class QWidget;

// How the main window opens the other windows. The window and its steps call each
// one through here; the program installs the real ones at start-up and tests may
// put their own in their place. An empty entry does nothing (pickColor: -1). The
// dialogs get and give data: they never see the window's controls.
struct MainWindowDialogs {
    // lblTitle: frmEdit, modal. The new title, or nothing when cancelled.
    std::function<std::optional<QString>(QWidget &owner, const QString &title)> askTitle;
    // lblNewField and the field menu: frmAddField, modal, on a new field or one to edit;
    // namesInUse: the other fields' names. The field as edited, or nothing when cancelled.
    std::function<std::optional<GuestbookField>(QWidget &owner, const GuestbookField &field,
                                                const QStringList &namesInUse)>
        editField;
    // Right press on lvwFields: frmMenu at the pointer. Menu key or Shift+F10 on it: frmMenu
    // at that point of the screen, with the keyboard in the menu. fieldCount: the list's
    // size as the menu opens. report: gets each command the user chooses; the menu stays
    // open until closed.
    std::function<void(QWidget &owner, int fieldCount, std::optional<QPoint> at,
                       std::function<void(FieldMenuCommand)> report)>
        showFieldMenu;
    std::function<void()> closeFieldMenu;  // other press on lvwFields: closes a shown menu
    // Colour buttons: the palette value picked from the box's colour, -1 when cancelled.
    std::function<int(QWidget &owner, const QString &current)> pickColor;
    // lblLoadExisting: frmExisting at the pointer; chosen gets the title the user picked.
    std::function<void(QWidget &owner, std::function<void(const QString &title)> chosen)> showExistingProjects;
    std::function<void(QWidget &owner)> showAbout;  // imgAbout: frmAbout, modal
    // lblProtection: frmProtection, modal. The project with its protection values
    // as chosen, or nothing when cancelled.
    std::function<std::optional<GuestbookProject>(QWidget &owner, const GuestbookProject &project)> editProtection;
    // lblPublish: frmPublish, modal, on the generated guestbook in pageFolder. The project with the server
    // settings as entered (whether or not it was published), or nothing when the dialog never opened.
    std::function<std::optional<GuestbookProject>(QWidget &owner, const GuestbookProject &project,
                                                  const QString &pageFolder)>
        publish;
};

MainWindowDialogs &mainWindowDialogs();
