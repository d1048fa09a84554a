#include "app/installdialogs.h"

#include "dialogs/frmabout.h"
#include "dialogs/frmaddfield.h"
#include "dialogs/frmcolors.h"
#include "dialogs/frmedit.h"
#include "dialogs/frmexisting.h"
#include "dialogs/frmmenu.h"
#include "dialogs/frmprotection.h"
#include "wizard/dialogseams.h"
#include "wizard/fieldsstep.h"
#include "wizard/frmmain.h"

#include <QFrame>
#include <QPointer>

namespace {

std::optional<QString> askTitle(QWidget &owner, const QString &title)
{
    frmEdit dialog(title, &owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.newTitle();
}

std::optional<QList<GuestbookField>> editFields(QWidget &owner, const QList<GuestbookField> &fields, int row)
{
    frmAddField dialog(fields, row, &owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.fields();
}

void showFieldMenu(FieldsStep &step, std::optional<QPoint> at)
{
    QPointer<FieldsStep> target(&step);
    FieldMenuCommands commands;
    commands.selectedRow = [target] { return target ? target->selectedRow() : -1; };
    commands.addField = [target] {
        if (target)
            target->editField(-1);
    };
    commands.editField = [target](int row) {
        if (target)
            target->editField(row);
    };
    commands.deleteField = [target](int row) {
        if (target)
            target->deleteField(row);
    };
    ShowFieldMenu(step.frame()->window(), step.fields().size(), std::move(commands), at);
}

void showExistingProjects(frmMain &window)
{
    QPointer<frmMain> target(&window);
    ShowExistingProjects(
        &window,
        [target](const QString &name) {
            if (!target)
                return;
            target->LoadProject(name);
            target->DoMode(2);
        },
        [target] { return target ? target->readProject().Project_Title : QString(); });
}

}  // namespace

void InstallDialogs()
{
    MainWindowDialogs &dialogs = mainWindowDialogs();
    dialogs.askTitle = askTitle;
    dialogs.editFields = editFields;
    dialogs.showFieldMenu = showFieldMenu;
    dialogs.closeFieldMenu = CloseFieldMenu;
    dialogs.pickColor = [](QWidget &) { return PickColor(); };
    dialogs.showExistingProjects = showExistingProjects;
    dialogs.editProtection = [](QWidget &owner, const GuestbookProject &project) -> std::optional<GuestbookProject> {
        frmProtection dialog(project, &owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.project();
    };
    dialogs.showAbout = [](QWidget &owner) {
        frmAbout about(&owner);
        about.exec();
    };
}
