// Shows one dialog of the program as the user meets it, for a screenshot under a
// virtual display.
// Usage: dialogscreens <menu|field|fieldedit|title|colors|existing|about|protection|publish|publishing|step1..step5>
// Prints the area to capture ("WxH+X+Y") once the dialog is on screen, then waits
// to be ended.

#include "app/installdialogs.h"
#include "app/programstart.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmaddfield.h"
#include "dialogs/frmcolors.h"
#include "dialogs/frmedit.h"
#include "dialogs/frmexisting.h"
#include "dialogs/frmmenu.h"
#include "dialogs/frmprotection.h"
#include "dialogs/frmpublish.h"
#include "generator/protection.h"
#include "store/product.h"
#include "store/programfolder.h"
#include "store/projectstore.h"
#include "wizard/dialogseams.h"
#include "wizard/fieldsstep.h"
#include "wizard/frmmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

void hover(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void printArea(QRect area)
{
    std::printf("%dx%d+%d+%d\n", area.width(), area.height(), area.x(), area.y());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // In the desktop's language, from the translations the build put beside the program.
    InstallTranslations(QLocale(), QCoreApplication::applicationDirPath() + QStringLiteral("/../../src/translations"));
    QApplication::setCursorFlashTime(0);  // a steady text cursor keeps screenshots comparable
    QApplication::setApplicationVersion(ApplicationVersion());
    QApplication::setOrganizationName(QStringLiteral("Quillset Project"));
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("about");

    // A fixed folder, so the paths the steps show are the same in every screenshot.
    QDir folder(QDir::tempPath() + QStringLiteral("/quillset-screenshots"));
    folder.removeRecursively();
    folder.mkpath(QStringLiteral("."));
    ProgramFolder::setPathForTesting(folder.path());
    GuestbookProject club = GuestbookProject::startupDefaults();
    SaveProject(QStringLiteral("My Guestbook"), club);
    SaveProject(QStringLiteral("Club news"), club);
    SaveProject(QStringLiteral("Garden diary"), club);

    InstallDialogs();
    frmMain main;
    main.move(40, 40);
    main.show();
    if (which.startsWith(QLatin1String("step"))) {
        if (which == QLatin1String("step5")) {  // the last step of a protected guestbook
            GuestbookProject project = main.readProject();
            project.Spam_Guard = 1;
            project.Owner_Password = OwnerPasswordValue(QStringLiteral("secret"));
            project.Moderate_Entries = 1;
            project.Project_Path = QStringLiteral("/home/quilluser/.local/share/Quillset/projects/");
            main.showProject(project);
        }
        main.DoMode(which.mid(4).toInt());
        QTimer::singleShot(1000, [&main] { printArea(main.frameGeometry()); });
        return app.exec();
    }
    main.DoMode(which == QLatin1String("title") ? 2 : 4);
    auto *fields = main.findChild<QTreeWidget *>(QStringLiteral("lvwFields"));

    QWidget *shown = nullptr;
    if (which == QLatin1String("menu")) {
        fields->topLevelItem(1)->setSelected(true);
        QCursor::setPos(fields->mapToGlobal(QPoint(60, 60)));
        mainWindowDialogs().showFieldMenu(main, int(main.readProject().Fields.size()), std::nullopt,
                                          [](FieldMenuCommand) {});
        shown = shownFieldMenu();
        hover(shown->findChild<QWidget *>(QStringLiteral("lblDelete")), QPoint(5, 5));
    } else if (which == QLatin1String("field") || which == QLatin1String("fieldedit")) {
        const QList<GuestbookField> fieldList = main.readProject().Fields;
        const bool editing = which == QLatin1String("fieldedit");
        QStringList names;
        for (const GuestbookField &each : fieldList.mid(0, editing ? 3 : 4))
            names << each.FieldName;
        auto *dialog = new frmAddField(editing ? fieldList.at(3) : kNewField, names, &main);
        if (which == QLatin1String("field"))
            dialog->findChild<QLineEdit *>(QStringLiteral("txtfldName"))->setText(QStringLiteral("City"));
        dialog->show();
        hover(dialog->findChild<QWidget *>(QStringLiteral("lblOK")), QPoint(5, 5));
        shown = dialog;
    } else if (which == QLatin1String("title")) {
        auto *dialog = new frmEdit(main.readProject().Project_Title, &main);
        dialog->findChild<QLineEdit *>(QStringLiteral("txtNew"))->setText(QStringLiteral("Club news"));
        dialog->show();
        shown = dialog;
    } else if (which == QLatin1String("colors")) {
        auto *picker = new frmColors;
        QCursor::setPos(main.mapToGlobal(QPoint(300, 200)));
        picker->move(QCursor::pos());
        picker->show();
        hover(picker->findChild<QWidget *>(QStringLiteral("picColors")), QPoint(31 + 10 * 6 + 4, 1 + 10 * 4 + 4));
        shown = picker;
    } else if (which == QLatin1String("existing")) {
        QCursor::setPos(main.mapToGlobal(QPoint(60, 300)));
        mainWindowDialogs().showExistingProjects(main, [](const QString &) {});
        shown = shownExistingProjects();
        auto *list = shown->findChild<QTreeWidget *>(QStringLiteral("lvwProjects"));
        list->setCurrentItem(list->topLevelItem(1));
    } else if (which == QLatin1String("protection")) {
        GuestbookProject project = main.readProject();
        project.Spam_Guard = 1;
        project.Max_Entry_Length = QStringLiteral("2000");
        project.Entries_Per_Page = QStringLiteral("20");
        auto *dialog = new frmProtection(project, &main);
        dialog->findChild<QLineEdit *>(QStringLiteral("txtPassword"))->setText(QStringLiteral("secret"));
        dialog->findChild<QLineEdit *>(QStringLiteral("txtConfirm"))->setText(QStringLiteral("secret"));
        dialog->findChild<QCheckBox *>(QStringLiteral("chkModerate"))->setChecked(true);
        dialog->show();
        shown = dialog;
    } else if (which.startsWith(QLatin1String("publish"))) {
        GuestbookProject project = main.readProject();
        project.Publish_Protocol = QStringLiteral("sftp");
        project.Publish_Host = QStringLiteral("www.example.org");
        project.Publish_User = QStringLiteral("club");
        project.Publish_Folder = QStringLiteral("htdocs/guestbook");
        project.Site_Address = QStringLiteral("https://www.example.org/guestbook/");
        auto *dialog = new frmPublish(project, QDir::tempPath(), &main);
        dialog->findChild<QLineEdit *>(QStringLiteral("txtPassword"))->setText(QStringLiteral("secret"));
        if (which == QLatin1String("publishing")) {
            // The look of a transfer under way, set by hand: the screenshot needs no server.
            dialog->findChild<QProgressBar *>(QStringLiteral("pbProgress"))->setValue(60);
            dialog->findChild<QLabel *>(QStringLiteral("lblSending"))
                ->setText(QStringLiteral("Sending viewguestbook.asp"));
            dialog->findChild<QLabel *>(QStringLiteral("lblClose"))->setText(QStringLiteral("Cancel"));
            for (const char *name : {"cboProtocol", "txtHost", "txtPort", "txtUser", "txtFolder", "txtPassword",
                                     "txtSiteAddress", "lblSend", "lblDownload", "lblCheck"})
                dialog->findChild<QWidget *>(QLatin1String(name))->setEnabled(false);
        }
        dialog->show();
        shown = dialog;
    } else {
        auto *about = new frmAbout(&main);
        about->show();
        shown = about;
    }

    QTimer::singleShot(1000, [shown] {
        shown->raise();
        printArea(shown->frameGeometry().adjusted(-12, -12, 12, 12));
    });
    return app.exec();
}
