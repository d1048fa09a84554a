// The program from the keyboard alone: the main window's focus and Tab order, the
// label buttons' keys, the keys of every dialog, and a whole design made by keys
// that gives the same pages as the same design made by mouse.

#include "dialogtestsupport.h"

#include "chrome/keyboard.h"
#include "chrome/labelbutton.h"
#include "chrome/widgetbits.h"

#include <QSignalSpy>

namespace {

// The names the focus visits from where it is, pressing Tab until it comes back.
QStringList tabCycle(QWidget *window)
{
    const QString start = focusedName(window);
    QStringList seen{start};
    for (int i = 0; i < 40; ++i) {
        pressKeys(window, "T");
        if (focusedName(window) == start)
            break;
        seen << focusedName(window);
    }
    return seen;
}

void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// The pages and data file a design gives, by file name.
QMap<QString, QByteArray> pagesIn(const QString &folder)
{
    QMap<QString, QByteArray> pages;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        pages[name] = readBytes(QDir(folder).filePath(name));
    return pages;
}

}  // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        frmColors::mColor = -1;
        setKeyboardInUse(true);  // as after the first key press
    }

    void labelButtonKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true << false << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << true << false << 1;
        QTest::newRow("a held key clicks once") << int(Qt::Key_Space) << true << true << 0;
        QTest::newRow("a letter does nothing") << int(Qt::Key_A) << true << false << 0;
        QTest::newRow("disabled") << int(Qt::Key_Return) << false << false << 0;
    }

    void labelButtonKeys()
    {
        QFETCH(int, key);
        QFETCH(bool, enabled);
        QFETCH(bool, autoRepeat);
        QFETCH(int, clicks);
        QWidget window;
        LabelButton *button = addLabelButton(&window, "lblTry", "Try", verdana(9), {10, 10, 90, 20});
        button->setEnabled(enabled);
        QSignalSpy clicked(button, &LabelButton::clicked);
        QTest::sendKeyEvent(QTest::Press, button, Qt::Key(key), QString(), Qt::NoModifier);
        if (autoRepeat) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(button, &repeat);
            clicked.clear();
            QApplication::sendEvent(button, &repeat);
        }
        QCOMPARE(clicked.size(), clicks);
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);  // a click never gives it the focus
    }

    // Each step focuses its first control (step 1: Next, step 2: the background
    // colour, as the window has always done); Tab then runs through the step's
    // controls by rows, then the window's buttons, and comes back.
    void stepFocusAndTabOrder_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("cycle");
        // The window's buttons, in Tab order from step 2 on.
        const QStringList buttons{"lblBack",  "lblNext", "lblLoadExisting", "lblPreview",
                                  "imgAbout", "imgHelp", "imgExit"};
        QTest::newRow("1") << 1 << QStringList{"lblNext", "lblLoadExisting", "imgAbout", "imgHelp", "imgExit"};
        QTest::newRow("2") << 2
                           << QStringList{"txtBGColor", "imgBGcolor", "chkBorder", "cbotblBorder"} + buttons
                + QStringList{"txtTitle", "lblTitle", "txtSaveTo", "lblBrowse", "txtBGImage", "cbotblWidth"};
        QTest::newRow("3") << 3
                           << QStringList{"txtFColor",  "imgFColor",  "cboFont",  "cboPX",     "txtHColor", "imgHColor",
                                          "txtHMColor", "imgHMColor", "cboHFont", "cboHMFont", "cboHPX",    "cboHMPX"}
                + buttons;
        QTest::newRow("4") << 4 << QStringList{"lvwFields", "lblNewField"} + buttons;
        QTest::newRow("5") << 5 << QStringList{"lblGBPath", "lblProtection"} + buttons;
    }

    void stepFocusAndTabOrder()
    {
        QFETCH(int, step);
        QFETCH(QStringList, cycle);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        showActive(&window);
        window.DoMode(step);
        QCOMPARE(tabCycle(&window), cycle);
        pressKeys(&window, "S");
        QCOMPARE(focusedName(&window), cycle.last());
    }

    // Until a key is pressed, showing a step moves the focus nowhere a mouse user
    // would see it (step 2 keeps its focused background colour box, as it always had).
    void mouseUserSeesNoFocusMove_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("first");
        QTest::newRow("3") << 3 << "txtFColor";
        QTest::newRow("5") << 5 << "lblGBPath";
    }

    void mouseUserSeesNoFocusMove()
    {
        QFETCH(int, step);
        QFETCH(QString, first);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        showActive(&window);
        setKeyboardInUse(false);
        walk(window, QString(step - 1, 'N'));
        QCOMPARE(window.CurrentMode(), step);
        QVERIFY(focusedName(&window) != first);
        QTest::keyClick(&window, Qt::Key_Shift);  // any key: the keyboard is in use
        QVERIFY(keyboardInUse());
        window.DoMode(step);
        QCOMPARE(focusedName(&window), first);
    }

    void fieldDialogKeys_data()
    {
        QTest::addColumn<QString>("kind");  // Text or Textarea, shown as the dialog opens
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focused");  // after the keys, while open
        QTest::addColumn<int>("result");  // -1 still open, else QDialog's result
        addRow("Tab, single line", "Text", "TTT", "lblCancel", -1);
        addRow("Tab, multi-line, to OK", "Textarea", "TTTTT", "lblOK", -1);
        addRow("Enter in the name", "Text", "E", "", int(QDialog::Accepted));
        addRow("Enter in the kind", "Text", "TE", "", int(QDialog::Accepted));
        addRow("Escape", "Text", "TX", "", int(QDialog::Rejected));
        addRow("Space on OK", "Text", "TTTT_", "", int(QDialog::Accepted));
    }

    void fieldDialogKeys()
    {
        QFETCH(QString, kind);
        QFETCH(QString, keys);
        QFETCH(QString, focused);
        QFETCH(int, result);
        ScriptedDesktop desktop;
        QWidget owner;
        frmAddField dialog({{"Name", kind, "10", "40"}}, 0, &owner);
        showActive(&dialog);
        QCOMPARE(focusedName(&dialog), QStringLiteral("txtfldName"));
        dialog.setResult(-1);
        pressKeys(&dialog, keys);
        QCOMPARE(dialog.isVisible() ? -1 : dialog.result(), result);
        if (result == -1)
            QCOMPARE(focusedName(&dialog), focused);
        QVERIFY(desktop.shown.isEmpty());
    }

    // Picking the kind that is shown lays the dialog out and centres it again.
    void pickingTheShownKindLaysOutAgain()
    {
        QWidget owner;
        frmAddField dialog({}, -1, &owner);
        dialog.show();
        const QPoint centred = dialog.pos();
        dialog.move(centred + QPoint(40, 30));
        QComboBox *kind = control<QComboBox>(&dialog, "Combo1");
        kind->activated(kind->currentIndex());
        QCOMPARE(dialog.pos(), centred);
    }

    void titleDialogKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << "E" << int(int(QDialog::Accepted));
        QTest::newRow("Escape") << "X" << int(int(QDialog::Rejected));
        QTest::newRow("Tab to Cancel, Enter") << "TE" << int(int(QDialog::Rejected));
        QTest::newRow("Tab to OK, Space") << "TT_" << int(int(QDialog::Accepted));
    }

    void titleDialogKeys()
    {
        QFETCH(QString, keys);
        QFETCH(int, result);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        QWidget owner;
        frmEdit dialog(QStringLiteral("My Guestbook"), &owner);
        showActive(&dialog);
        QCOMPARE(focusedName(&dialog), QStringLiteral("txtNew"));
        typeKeys(&dialog, QStringLiteral("Garden Club"));
        pressKeys(&dialog, keys);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result);
    }

    void projectBrowserKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("loaded");  // empty: none
        QTest::addColumn<bool>("open");
        addRow("Down, Enter: the first", "DE", "Garden", false);
        addRow("Down twice, Enter: the second", "DDE", "Club news", false);
        addRow("Enter with none selected", "E", "", true);
        addRow("Escape", "DX", "", false);
    }

    void projectBrowserKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, loaded);
        QFETCH(bool, open);
        TestProgramFolder folder;
        SaveProject(QStringLiteral("Garden"), GuestbookProject::startupDefaults());
        SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
        ScriptedDesktop desktop;
        QWidget owner;
        QStringList loads;
        ShowExistingProjects(
            &owner, [&loads](const QString &name) { loads << name; }, [] { return QString(); });
        QPointer<frmExisting> browser = shownExistingProjects();
        QVERIFY(QTest::qWaitForWindowActive(browser));
        QCOMPARE(focusedName(browser), QStringLiteral("frmExisting"));
        pressKeys(browser, keys);
        QCOMPARE(loads, loaded.isEmpty() ? QStringList() : QStringList{loaded});
        QCOMPARE(browser && browser->isVisible(), open);
        if (browser)
            browser->close();
    }

    // Enter clicks the highlighted row, so this also pins what each command asks the window.
    void fieldMenuKeys_data()
    {
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("asked");  // add, delete <row>, edit <row>, or nothing
        QTest::addColumn<bool>("open");
        addRow("Down, Enter: add", 2, "DE", "add", false);
        addRow("Down twice: delete", 2, "DDE", "delete 1", false);
        addRow("Up from none: the last row", 2, "UE", "edit 1", false);
        addRow("empty list: the bar skips the disabled rows", 0, "DDE", "add", false);
        addRow("Enter before any arrow", 2, "E", "", true);
        addRow("Escape", 2, "DX", "", false);
    }

    void fieldMenuKeys()
    {
        QFETCH(int, fieldCount);
        QFETCH(QString, keys);
        QFETCH(QString, asked);
        QFETCH(bool, open);
        QWidget owner;
        showActive(&owner);
        QString seen;
        FieldMenuCommands commands{[] { return 1; }, [&seen] { seen = "add"; },
                                   [&seen](int row) { seen = "delete " + QString::number(row); },
                                   [&seen](int row) { seen = "edit " + QString::number(row); }};
        ShowFieldMenu(&owner, fieldCount, commands, QPoint(50, 60));
        QPointer<frmMenu> menu = shownFieldMenu();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QCOMPARE(menu->pos(), QPoint(50, 60));
        pressKeys(menu, keys);
        QCOMPARE(seen, asked);
        QCOMPARE(FieldMenuShown(), open);
        CloseFieldMenu();
    }

    // The Menu key and Shift+F10 open the menu below the selected row, or at the
    // list's top-left corner when none is selected; other keys do not.
    void fieldListOpensMenu_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("where");  // row, list, or empty: not opened
        QTest::newRow("Menu key, a row") << "M" << 1 << "row";
        QTest::newRow("Shift+F10, a row") << "F" << 2 << "row";
        QTest::newRow("Shift+F10, no row") << "F" << -1 << "list";
    }

    void fieldListOpensMenu()
    {
        QFETCH(QString, keys);
        QFETCH(int, selected);
        QFETCH(QString, where);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        InstallDialogs();
        frmMain window;
        showActive(&window);
        window.DoMode(4);
        auto *list = control<QTreeWidget>(&window, "lvwFields");
        list->clearSelection();
        if (selected >= 0)
            list->topLevelItem(selected)->setSelected(true);
        pressKeys(&window, keys);
        QCOMPARE(FieldMenuShown(), !where.isEmpty());
        if (where == "row") {
            const QRect row = list->visualItemRect(list->topLevelItem(selected));
            QCOMPARE(shownFieldMenu()->pos(), list->viewport()->mapToGlobal(row.bottomLeft()));
        } else if (where == "list") {
            QCOMPARE(shownFieldMenu()->pos(), list->mapToGlobal(QPoint(0, 0)));
        }
        CloseFieldMenu();
    }

    void colourPickerKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("preview");  // lblColor after the keys
        QTest::addColumn<int>("picked");  // -2: still open
        addRow("Escape", "X", "#FFFFFF", -1);
        addRow("Enter before any arrow picks nothing", "E", "#FFFFFF", -2);
        addRow("the first arrow: top-left, black", "RE", "#000000", 0x000000);
        addRow("into the grid", "DDRRE", "#003333", 0x333300);
        addRow("stops at the right edge", "D" + QString(25, 'R') + "E", "#66FF00", 0x00FF66);
        addRow("stops at the bottom", QString(14, 'D') + "E", "#FF00FF", 0xFF00FF);
    }

    void colourPickerKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, preview);
        QFETCH(int, picked);
        frmColors picker;
        showActive(&picker);
        QCOMPARE(focusedName(&picker), QStringLiteral("picColors"));
        pressKeys(&picker, keys);
        QCOMPARE(control<QLabel>(&picker, "lblColor")->text(), preview);
        QCOMPARE(picker.isVisible() ? -2 : frmColors::mColor, picked);
    }

    // From start-up, keys only: a title, two fields added and one deleted, Finish and
    // the question answered. The pages equal those of the same design made by mouse.
    void keyboardWalkMatchesMouse()
    {
        QMap<QString, QByteArray> byKeys;
        QMap<QString, QByteArray> byMouse;
        QStringList openedByKeys;
        {
            TestProgramFolder folder;
            ScriptedDesktop desktop;
            InstallDialogs();
            frmMain window;
            showActive(&window);
            QCOMPARE(focusedName(&window), QStringLiteral("lblNext"));
            pressKeys(&window, "E");  // step 2, the focus in the background colour
            pressKeys(&window, "SSSSS");  // back to the title's "..."
            QCOMPARE(focusedName(&window), QStringLiteral("lblTitle"));
            actOnModal([](QWidget *dialog) {
                typeKeys(dialog, QStringLiteral("Club news"));
                pressKeys(dialog, "E");
            });
            pressKeys(&window, "E");
            pressKeys(&window, "TTTTTTTTTTE");  // Next: step 3
            pressKeys(&window, "SSSSSSE");  // Next: step 4, the focus in the list
            QCOMPARE(focusedName(&window), QStringLiteral("lvwFields"));

            pressKeys(&window, "T");  // Add Field
            actOnModal([](QWidget *dialog) {
                typeKeys(dialog, QStringLiteral("Town"));
                pressKeys(dialog, "E");
            });
            pressKeys(&window, "E");
            actOnModal([](QWidget *dialog) {
                typeKeys(dialog, QStringLiteral("Story"));
                pressKeys(dialog, "TD");  // the kind: Textarea
                pressKeys(dialog, "TTTTE");  // to OK
            });
            pressKeys(&window, "E");

            pressKeys(&window, "SHD");  // the list, its second row (E-mail)
            pressKeys(&window, "F");
            QVERIFY(FieldMenuShown());
            QVERIFY(QTest::qWaitForWindowActive(shownFieldMenu()));  // the menu has the keyboard
            pressKeys(shownFieldMenu(), "DDE");  // Delete Field
            QVERIFY(!FieldMenuShown());
            QCOMPARE(rowsOf(control<QTreeWidget>(&window, "lvwFields")),
                     (Rows{{"Name", "Text", "40", ""},
                           {"Homepage", "Text", "40", ""},
                           {"Comments", "Textarea", "10", "39"},
                           {"Town", "Text", "10", ""},
                           {"Story", "Textarea", "10", "40"}}));

            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            pressKeys(&window, "TTTE");  // Next: step 5, the focus on the folder link
            QCOMPARE(focusedName(&window), QStringLiteral("lblGBPath"));
            // The question as a real message box, answered Yes by Enter.
            MessagePrompt::setHandlerForTesting({});
            QString question;
            actOnModal([&question](QWidget *box) {
                question = box ? box->findChild<QLabel *>("qt_msgbox_label")->text() : QString();
                pressKeys(box, "E");
            });
            pressKeys(&window, "TTTE");  // past Protection and Back: Finish
            QCOMPARE(question,
                     QStringLiteral("Your guestbook has been generated successfully\n\n"
                                    "Would you like to view your files now?"));
            const QString pages = window.readProject().Project_Path + QStringLiteral("Club_news");
            openedByKeys = desktop.opened;
            QCOMPARE(openedByKeys, QStringList{pages + QDir::separator()});
            byKeys = pagesIn(pages);
        }
        {
            TestProgramFolder folder;
            ScriptedDesktop desktop;
            InstallDialogs();
            frmMain window;
            window.show();
            walk(window, "N");
            actOnModal([](QWidget *dialog) {
                QTest::keyClicks(control<QLineEdit>(dialog, "txtNew"), QStringLiteral("Club news"));
                clickNamed(dialog, "lblOK");
            });
            clickNamed(&window, "lblTitle");
            walk(window, "NN");
            for (const QString &name : {QStringLiteral("Town"), QStringLiteral("Story")}) {
                actOnModal([name](QWidget *dialog) {
                    QTest::keyClicks(control<QLineEdit>(dialog, "txtfldName"), name);
                    if (name == "Story")
                        control<QComboBox>(dialog, "Combo1")->setCurrentIndex(1);
                    clickNamed(dialog, "lblOK");
                });
                clickNamed(&window, "lblNewField");
            }
            auto *list = control<QTreeWidget>(&window, "lvwFields");
            const QPoint email = list->visualItemRect(list->topLevelItem(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, email);
            QTest::mousePress(list->viewport(), Qt::RightButton, {}, email);
            clickNamed(shownFieldMenu(), "lblDelete");
            walk(window, "NN");
            byMouse = pagesIn(window.readProject().Project_Path + QStringLiteral("Club_news"));
        }
        QCOMPARE(byKeys.keys(), (QStringList{"addtogb.asp", "default.asp", "guestbook.txt", "viewguestbook.asp"}));
        QVERIFY(byKeys.value("addtogb.asp").contains("Story"));
        QVERIFY(!byKeys.value("default.asp").contains("E-mail"));
        for (const QString &name : byKeys.keys())
            QCOMPARE(byKeys.value(name), byMouse.value(name));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
