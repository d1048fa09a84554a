#include "app/installdialogs.h"

#include "chrome/placement.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmaddfield.h"
#include "dialogs/frmcolors.h"
#include "dialogs/frmedit.h"
#include "dialogs/frmexisting.h"
#include "dialogs/frmmenu.h"
#include "dialogs/frmprotection.h"
#include "dialogs/frmpublish.h"
#include "wizard/dialogseams.h"

namespace {

std::optional<QString> askTitle(QWidget &owner, const QString &title)
{
    frmEdit dialog(title, &owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.newTitle();
}

std::optional<GuestbookField> editField(QWidget &owner, const GuestbookField &field, const QStringList &namesInUse)
{
    frmAddField dialog(field, namesInUse, &owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.field();
}

}  // namespace

void InstallDialogs()
{
    KeepModalWindowsUnminimised();
    MainWindowDialogs &dialogs = mainWindowDialogs();
    dialogs.askTitle = askTitle;
    dialogs.editField = editField;
    dialogs.showFieldMenu = ShowFieldMenu;
    dialogs.closeFieldMenu = CloseFieldMenu;
    dialogs.pickColor = [](QWidget &owner, const QString &current) { return PickColor(&owner, current); };
    dialogs.showExistingProjects = ShowExistingProjects;
    dialogs.editProtection = [](QWidget &owner, const GuestbookProject &project) -> std::optional<GuestbookProject> {
        frmProtection dialog(project, &owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.project();
    };
    dialogs.publish = [](QWidget &owner, const GuestbookProject &project,
                         const QString &pageFolder) -> std::optional<GuestbookProject> {
        frmPublish dialog(project, pageFolder, &owner);
        dialog.exec();
        return dialog.project();
    };
    dialogs.showAbout = [](QWidget &owner) {
        frmAbout about(&owner);
        about.exec();
    };
}
