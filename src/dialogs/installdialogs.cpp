#include "dialogs/installdialogs.h"

#include "dialogs/frmabout.h"
#include "dialogs/frmaddfield.h"
#include "dialogs/frmcolors.h"
#include "dialogs/frmedit.h"
#include "dialogs/frmexisting.h"
#include "dialogs/frmmenu.h"
#include "wizard/dialogseams.h"
#include "wizard/frmmain.h"

#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>

namespace {

QTreeWidget *fieldList(frmMain &window)
{
    return window.findChild<QTreeWidget *>(QStringLiteral("lvwFields"));
}

QLineEdit *lineEdit(frmMain &window, const char *name)
{
    return window.findChild<QLineEdit *>(QString::fromLatin1(name));
}

}  // namespace

void InstallDialogs()
{
    MainWindowDialogs &dialogs = mainWindowDialogs();
    dialogs.showTitleDialog = [](frmMain &window) {
        frmEdit dialog(lineEdit(window, "txtTitle"), lineEdit(window, "txtSaveTo"),
                       [&window](const QString &name) { window.setProjectName(name); }, &window);
        dialog.exec();
    };
    dialogs.showFieldDialog = [](frmMain &window) {
        frmAddField dialog(fieldList(window), &window);
        dialog.exec();
    };
    dialogs.showFieldMenu = [](frmMain &window) { ShowFieldMenu(&window, fieldList(window)); };
    dialogs.closeFieldMenu = [](frmMain &) { CloseFieldMenu(); };
    dialogs.pickColor = [](frmMain &) { return PickColor(); };
    dialogs.showExistingProjects = [](frmMain &window) {
        QPointer<frmMain> target(&window);
        ShowExistingProjects(
            &window,
            [target](const QString &name) {
                if (!target)
                    return;
                target->LoadProject(name);
                target->DoMode(2);
            },
            [target] { return target ? target->findChild<QLineEdit *>(QStringLiteral("txtTitle"))->text() : QString(); });
    };
    dialogs.showAbout = [](frmMain &window) {
        frmAbout about(&window);
        about.exec();
    };
}
