// The controls of steps 2 to 4 and the window buttons: hover feedback, the
// border check box, the folder browser, colour buttons, Open Existing, Help and
// the field list's menu.

#include "support/testfolder.h"
#include "wizardtestsupport.h"

#include "generator/pageframe.h"
#include "store/settingsfile.h"
#include "chrome/labelbutton.h"
#include "wizard/wizardflags.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

class DesignControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void hoverTable_data();
    void hoverTable();
    void folderLinkHover();
    void borderCheckBox();
    void browseWritesTitleAndPath_data();
    void browseWritesTitleAndPath();
    void colourButtons_data();
    void colourButtons();
    void openExisting_data();
    void openExisting();
    void help_data();
    void help();
    void fieldListMenu();
};

namespace {
const char *const kShapes[] = {"shTitle", "shBrowse", "shNew", "shBack", "shNext"};
const QColor kLightGrey(224, 224, 224);
const QColor kMarked(10, 20, 30);

QColor fillOf(frmMain &window, const char *shape)
{
    return control<HoverShape>(window, shape)->fill();
}
}  // namespace

void DesignControlsTest::hoverTable_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("over");
    QTest::addColumn<QStringList>("grey");
    QTest::addColumn<QStringList>("white");

    QTest::newRow("title button") << 2 << "lblTitle" << QStringList{"shTitle"} << QStringList{"shBrowse"};
    QTest::newRow("browse button") << 2 << "lblBrowse" << QStringList{"shBrowse"} << QStringList{"shTitle"};
    QTest::newRow("step 2 frame") << 2 << "frStep1" << QStringList{} << QStringList{"shTitle", "shBrowse"};
    QTest::newRow("add field button") << 4 << "lblNewField" << QStringList{"shNew"}
                                      << QStringList{"shNext", "shBack"};
    QTest::newRow("step 4 frame") << 4 << "frStep3" << QStringList{} << QStringList{"shNew"};
    QTest::newRow("back button") << 2 << "lblBack" << QStringList{"shBack"} << QStringList{"shNext"};
    QTest::newRow("next button") << 2 << "lblNext" << QStringList{"shNext"} << QStringList{"shBack"};
    QTest::newRow("background picture") << 2 << "Image1" << QStringList{} << QStringList{"shBack", "shNext"};
}

void DesignControlsTest::hoverTable()
{
    QFETCH(int, step);
    QFETCH(QString, over);
    QFETCH(QStringList, grey);
    QFETCH(QStringList, white);

    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.DoMode(step);
    for (const char *shape : kShapes)
        control<HoverShape>(window, shape)->setFill(kMarked);

    QWidget *target = window.findChild<QWidget *>(over);
    QVERIFY(target);
    // A point of the target not covered by any of its controls.
    const QPoint at = over.startsWith("fr") ? QPoint(3, target->height() - 3) : QPoint(target->width() / 2, 3);
    QTest::mouseMove(target, at);

    for (const char *shape : kShapes) {
        const QColor expected = grey.contains(shape) ? kLightGrey : white.contains(shape) ? QColor(Qt::white) : kMarked;
        QVERIFY2(fillOf(window, shape) == expected, shape);
    }
}

void DesignControlsTest::folderLinkHover()
{
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 4; ++i)
        clickControl(window, "lblNext");
    auto *link = control<QLabel>(window, "lblGBPath");

    QTest::mouseMove(link, QPoint(5, 5));
    QVERIFY(link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    QWidget *frame = control(window, "frStep4");
    QTest::mouseMove(frame, QPoint(3, frame->height() - 3));
    QVERIFY(!link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void DesignControlsTest::borderCheckBox()
{
    TestProgramFolder folder;
    frmMain window;
    window.show();
    window.DoMode(2);
    auto *border = control<QCheckBox>(window, "chkBorder");

    QTest::mouseClick(border, Qt::LeftButton, {}, QPoint(8, border->height() / 2));
    QVERIFY(border->isChecked());
    QCOMPARE(border->text(), QStringLiteral("Yes"));
    QCOMPARE(window.readProject().TBL_Border, 1);
    QTest::mouseClick(border, Qt::LeftButton, {}, QPoint(8, border->height() / 2));
    QCOMPARE(border->text(), QStringLiteral("No"));
    QCOMPARE(window.readProject().TBL_Border, 0);

    GuestbookProject loaded = window.readProject();
    loaded.TBL_Border = 1;
    window.showProject(loaded);
    QCOMPARE(border->checkState(), Qt::Checked);
    QCOMPARE(border->text(), QStringLiteral("Yes"));

    border->setTristate(true);
    border->setCheckState(Qt::PartiallyChecked);
    QCOMPARE(border->checkState(), Qt::Unchecked);
    QCOMPARE(border->text(), QStringLiteral("No"));
}

void DesignControlsTest::browseWritesTitleAndPath_data()
{
    QTest::addColumn<QString>("chosen");    // relative to the program folder; "/" alone: the root
    QTest::addColumn<bool>("accepted");

    QTest::newRow("a folder") << "web" << true;
    QTest::newRow("a folder ending in the separator") << "web/" << true;
    QTest::newRow("the root folder") << "/" << true;
    QTest::newRow("cancelled") << "" << false;
}

void DesignControlsTest::browseWritesTitleAndPath()
{
    QFETCH(QString, chosen);
    QFETCH(bool, accepted);

    TestProgramFolder folder;
    ScriptedDesktop desktop;
    QString answer = chosen;
    if (!chosen.isEmpty() && chosen != "/")
        answer = folder.path() + '/' + chosen;
    QString prompt;
    setFolderChooserForTesting([&](QWidget *, const QString &asked) {
        prompt = asked;
        return answer;
    });
    frmMain window;
    window.show();
    window.DoMode(2);
    auto *saveTo = control<QLineEdit>(window, "txtSaveTo");
    const QString before = saveTo->text();

    clickControl(window, "lblBrowse");

    QCOMPARE(prompt, QStringLiteral("Select a folder to save your guestbook to"));
    const QString expected = chosen == "/" ? QDir::toNativeSeparators(QDir::rootPath())
                                           : QDir::toNativeSeparators(folder.path() + "/web/");
    QCOMPARE(saveTo->text(), accepted ? expected : before);
    QCOMPARE(window.readProject().Project_Path, saveTo->text());
    QCOMPARE(GetINISetting("My_Guestbook", "Project_Title", "-"),
             accepted ? QStringLiteral("My Guestbook") : QStringLiteral("-"));
    QCOMPARE(GetINISetting("My_Guestbook", "Project_Path", "-"), accepted ? expected : QStringLiteral("-"));
    QCOMPARE(GetINISetting("My_Guestbook", "BG_Color", "-"), QStringLiteral("-"));
}

void DesignControlsTest::colourButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("picked");
    QTest::addColumn<QString>("text");  // empty: unchanged

    QTest::newRow("background") << "imgBGcolor" << "txtBGColor" << 0x00CCFF << "#ffcc00";
    QTest::newRow("text") << "imgFColor" << "txtFColor" << 0xABCDEF << "#efcdab";
    QTest::newRow("links") << "imgHColor" << "txtHColor" << 0x0000FF << "#ff0000";
    QTest::newRow("links under the mouse") << "imgHMColor" << "txtHMColor" << 0x0A0B0C << "#0c0b0a";
    QTest::newRow("cancelled") << "imgFColor" << "txtFColor" << -1 << "";
}

void DesignControlsTest::colourButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(int, picked);
    QFETCH(QString, text);

    TestProgramFolder folder;
    ScriptedDesktop desktop;
    int asked = 0;
    mainWindowDialogs().pickColor = [&](frmMain &) {
        ++asked;
        return picked;
    };
    frmMain window;
    window.show();
    window.DoMode(button == "imgBGcolor" ? 2 : 3);
    auto *colourBox = window.findChild<QLineEdit *>(box);
    const QString before = colourBox->text();

    QTest::mouseClick(window.findChild<QWidget *>(button), Qt::LeftButton);

    QCOMPARE(asked, 1);
    QCOMPARE(colourBox->text(), text.isEmpty() ? before : text);
}

void DesignControlsTest::openExisting_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("opens");

    QTest::newRow("count missing") << QByteArray() << false;
    QTest::newRow("count empty") << QByteArray("[Settings]\r\nprjNumber=\r\n") << false;
    QTest::newRow("count 0") << QByteArray("[Settings]\r\nprjNumber=0\r\n") << false;
    QTest::newRow("count 2") << QByteArray("[Settings]\r\nprjNumber=2\r\n") << true;
}

void DesignControlsTest::openExisting()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, opens);

    TestProgramFolder folder;
    writeBytes(folder.file("Quillset.ini"), settings);
    ScriptedDesktop desktop;
    int browsers = 0;
    mainWindowDialogs().showExistingProjects = [&](frmMain &) { ++browsers; };
    frmMain window;
    window.show();

    clickControl(window, "lblLoadExisting");

    QCOMPARE(browsers, opens ? 1 : 0);
    QCOMPARE(desktop.shownTexts(), opens ? QStringList() : QStringList{"No projects to load"});
    if (!opens) {
        QCOMPARE(desktop.shown().first().icon, MessagePrompt::Icon::Information);
        QCOMPARE(desktop.shown().first().buttons, MessagePrompt::Buttons::Ok);
    }
}

void DesignControlsTest::help_data()
{
    QTest::addColumn<bool>("helpFilePresent");
    QTest::addColumn<bool>("answer");

    QTest::newRow("help file beside the program") << true << false;
    QTest::newRow("missing, Yes") << false << true;
    QTest::newRow("missing, No") << false << false;
}

void DesignControlsTest::help()
{
    QFETCH(bool, helpFilePresent);
    QFETCH(bool, answer);

    TestProgramFolder folder;
    if (helpFilePresent)
        writeBytes(folder.file("help.chm"), "help");
    ScriptedDesktop desktop;
    desktop.answers = {answer};
    frmMain window;
    window.show();

    clickControl(window, "imgHelp");

    if (helpFilePresent) {
        QVERIFY(desktop.shown().isEmpty());
        QCOMPARE(desktop.opened, QStringList{QDir::toNativeSeparators(folder.path()) + QDir::separator() + "help.chm"});
        return;
    }
    QCOMPARE(desktop.shownTexts(),
             QStringList{"Help files not present.\r\n\r\nWould you like to visit the online documentation?"});
    QCOMPARE(desktop.shown().first().icon, MessagePrompt::Icon::Exclamation);
    QCOMPARE(desktop.shown().first().buttons, MessagePrompt::Buttons::YesNo);
    QCOMPARE(desktop.opened, answer ? QStringList{kSupportPageUrl} : QStringList());
}

void DesignControlsTest::fieldListMenu()
{
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    QStringList calls;
    mainWindowDialogs().showFieldMenu = [&](frmMain &) { calls << "show"; };
    mainWindowDialogs().closeFieldMenu = [&](frmMain &) {
        calls << "close";
        WizardFlags::FieldMenuShown = false;
    };
    frmMain window;
    window.show();
    window.DoMode(4);
    QWidget *list = control<QTreeWidget>(window, "lvwFields")->viewport();

    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, 5));
    QCOMPARE(calls, QStringList());
    QTest::mousePress(list, Qt::RightButton, {}, QPoint(20, 5));
    QVERIFY(WizardFlags::FieldMenuShown);
    QCOMPARE(calls, QStringList{"show"});
    QTest::mouseRelease(list, Qt::RightButton, {}, QPoint(20, 5));
    QTest::mousePress(list, Qt::LeftButton, {}, QPoint(20, 5));
    QCOMPARE(calls, (QStringList{"show", "close"}));
    QVERIFY(!WizardFlags::FieldMenuShown);
}

QTEST_MAIN(DesignControlsTest)
#include "tst_designcontrols.moc"
