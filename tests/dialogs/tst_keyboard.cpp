// The program from the keyboard alone: the main window's focus and Tab order, the
// label buttons' keys, the keys of every dialog, and a whole design made by keys.

#include "wizard/wizardtestsupport.h"

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
        addRow("Enter", int(Qt::Key_Return), true, false, 1);
        addRow("Space", int(Qt::Key_Space), true, false, 1);
        addRow("a held key clicks once", int(Qt::Key_Space), true, true, 0);
        addRow("a letter does nothing", int(Qt::Key_A), true, false, 0);
        addRow("disabled", int(Qt::Key_Return), false, false, 0);
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
        QTest::addColumn<QString>("names");  // the cycle, space-separated
        // The window's buttons, in Tab order from step 2 on.
        const QString buttons = " lblBack lblNext lblLoadExisting lblPreview imgAbout imgHelp imgExit";
        addRow("1", 1, QString("lblNext lblLoadExisting imgAbout imgHelp imgExit"));
        addRow("2", 2, "txtBGColor imgBGcolor chkBorder cbotblBorder" + buttons
                           + " txtTitle lblTitle txtSaveTo lblBrowse txtBGImage cbotblWidth");
        addRow("3", 3, "txtFColor imgFColor cboFont cboPX txtHColor imgHColor txtHMColor imgHMColor cboHFont "
                       "cboHMFont cboHPX cboHMPX" + buttons);
        addRow("4", 4, "lvwFields lblNewField" + buttons);
        addRow("5", 5, "lblGBPath lblProtection" + buttons);
    }

    void stepFocusAndTabOrder()
    {
        QFETCH(int, step);
        QFETCH(QString, names);
        const QStringList cycle = names.split(' ');
        const WindowFixture f;
        showActive(f.main.get());
        f.step(step);
        QCOMPARE(tabCycle(f.main.get()), cycle);
        pressKeys(f.main.get(), "S");
        QCOMPARE(focusedName(f.main.get()), cycle.last());
    }

    // Until a key is pressed, showing a step moves the focus nowhere a mouse user
    // would see it; after one, the step's first control has it.
    void mouseUserSeesNoFocusMove()
    {
        const WindowFixture f;
        showActive(f.main.get());
        setKeyboardInUse(false);
        f.walk("NN");
        QVERIFY(focusedName(f.main.get()) != "txtFColor");
        QTest::keyClick(f.main.get(), Qt::Key_Shift);  // any key: the keyboard is in use
        QVERIFY(keyboardInUse());
        f.step(3);
        QCOMPARE(focusedName(f.main.get()), QStringLiteral("txtFColor"));
    }

    // Each dialog's keys, from the focus it opens with: "open" and the focused control,
    // or "closed" and the dialog's result (the picker: the colour picked), then what
    // the menu or the browser passed on.
    void dialogKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("outcome");
        addRow("field: opens in the name", "line field", "", "open txtfldName");
        addRow("field: Tab, multi-line, to OK", "field", "TTTTT", "open lblOK");
        addRow("field: Enter in the kind", "line field", "TE", "closed 1");
        addRow("field: Escape", "line field", "TX", "closed 0");
        addRow("field: Space on OK", "line field", "TTTT_", "closed 1");
        addRow("title: Enter", "title", "E", "closed 1");
        addRow("title: Escape", "title", "X", "closed 0");
        addRow("title: Tab to Cancel, Enter", "title", "TE", "closed 0");
        addRow("title: Tab to OK, Space", "title", "TT_", "closed 1");
        addRow("browser: opens on the first row", "browser", "E", "closed chosen Garden");
        addRow("browser: Down, Enter: the second", "browser", "DE", "closed chosen Club news");
        addRow("browser: End: the last", "browser", "$E", "closed chosen Club news");
        addRow("browser: End, Home: the first", "browser", "$HE", "closed chosen Garden");
        addRow("browser: Escape", "browser", "DX", "closed");
        // The window closes the menu as it acts on a command.
        addRow("menu: Down, Enter: delete", "menu", "DE", "open command 1");
        addRow("menu: Down twice: edit", "menu", "DDE", "open command 2");
        addRow("menu: Up from the first row: the last", "menu", "UE", "open command 2");
        addRow("menu: the bar skips the disabled rows", "empty menu", "DDE", "open command 0");
        addRow("menu: opens on its first row", "menu", "E", "open command 0");
        addRow("menu: Down, End, Home", "menu", "D$HE", "open command 0");
        addRow("menu: End skips the disabled rows", "empty menu", "$E", "open command 0");
        addRow("menu: Escape", "menu", "DX", "closed");
        addRow("colours: Escape", "colours", "X", "closed -1 #FFFFFF");
        addRow("colours: Enter before any arrow picks nothing", "colours", "E", "open picColors #FFFFFF");
        addRow("colours: the first arrow: top-left, black", "colours", "RE", "closed 0 #000000");
        addRow("colours: into the grid", "colours", "DDRRE", "closed 3355392 #003333");
        addRow("colours: stops at the right edge", "colours", "D" + QString(25, 'R') + "E",
               "closed 65382 #66FF00");
        addRow("colours: stops at the bottom", "colours", QString(14, 'D') + "E", "closed 16711935 #FF00FF");
        addRow("colours: opens on the box's colour, or the nearest", "colours #2a0be0", "E", "closed 13369395 #3300CC");
        addRow("colours: End", "colours #3300cc", "$LE", "closed 13421670 #66CCCC");
        addRow("colours: End, Home", "colours #3300cc", "$HE", "closed 13421772 #CCCCCC");
        addRow("colours: a name, the left column first", "colours red", "RE", "closed 153 #990000");
        // Editable combo boxes step from the text shown, or from where a number not listed would be.
        addRow("field: Down in Rows, 10", "field", "TTD", "open cboRows 15");
        addRow("field: Up in Columns, 39", "field", "TTTU", "open cboCols 35");
        addRow("step 3: Down in Font Size, 11", "step 3", "TTTD", "open cboPX 12");
        addRow("step 2: Up in Border width, 0", "step 2", "TTTU", "open cbotblBorder 1");
        addRow("step 2: Up in Table width, 45%", "step 2", "SU", "open cbotblWidth 40%");
    }

    void dialogKeys()
    {
        QFETCH(QString, window);
        QFETCH(QString, keys);
        QFETCH(QString, outcome);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        QWidget owner;
        if (window.endsWith("menu"))
            showActive(&owner);
        QString passed;
        QPointer<QWidget> shown = openWindow(window, owner, passed);
        if (auto *dialog = qobject_cast<QDialog *>(shown.data()))
            dialog->setResult(-1);
        if (shown->isVisible())
            QVERIFY(QTest::qWaitForWindowActive(shown));
        else
            showActive(shown);
        pressKeys(shown, keys);
        QString seen = shown && shown->isVisible() ? "open " + focusedName(shown) : QStringLiteral("closed");
        if (auto *combo = qobject_cast<QComboBox *>(keyTarget(shown)); combo && shown->isVisible())
            seen += ' ' + combo->currentText();
        if (window.startsWith("colours"))
            seen += (shown->isVisible() ? QString() : ' ' + QString::number(frmColors::mColor)) + ' '
                + control<QLabel>(shown, "lblColor")->text();
        else if (auto *dialog = qobject_cast<QDialog *>(shown.data()); dialog && !dialog->isVisible())
            seen += ' ' + QString::number(dialog->result());
        if (window.endsWith("menu"))
            seen = seen.section(' ', 0, 0);  // the menu's rows take no focus
        QCOMPARE(seen + passed, outcome);
        QVERIFY(desktop.shown.isEmpty());
        CloseFieldMenu();
    }

    // From start-up, keys only: a title, two fields added and one deleted, Finish and
    // the question answered by Enter on a real message box. The saved design is the
    // one typed, and its pages are written.
    void keyboardWalk()
    {
        const WindowFixture f;
        QWidget *window = f.main.get();
        // The next dialog gets the text typed, then the keys.
        const auto answer = [](const QString &text, const QString &keys) {
            actOnModal([=](QWidget *dialog) { typeKeys(dialog, text), pressKeys(dialog, keys); });
        };
        showActive(window);
        QCOMPARE(focusedName(window), QStringLiteral("lblNext"));
        pressKeys(window, "ESSSSS");  // step 2, the focus in the background colour, then back to the title's "..."
        QCOMPARE(focusedName(window), QStringLiteral("lblTitle"));
        answer("Club news", "E");
        pressKeys(window, "E");
        pressKeys(window, "TTTTTTTTTTESSSSSSE");  // Next: step 3, Next: step 4, the focus in the list
        QCOMPARE(focusedName(window), QStringLiteral("lvwFields"));
        pressKeys(window, "T");  // Add Field
        answer("Town", "E");
        pressKeys(window, "E");
        answer("Story", "TDTTTTE");  // the kind: Textarea, then to OK
        pressKeys(window, "E");
        pressKeys(window, "SHDF");  // the list, its second row (E-mail), the menu
        QVERIFY(QTest::qWaitForWindowActive(shownFieldMenu()));  // the menu has the keyboard
        pressKeys(shownFieldMenu(), "DE");  // Delete Field
        QVERIFY(!FieldMenuShown());

        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        pressKeys(window, "TTTE");  // Next: step 5, the focus on the folder link
        QCOMPARE(focusedName(window), QStringLiteral("lblGBPath"));
        MessagePrompt::setHandlerForTesting({});
        QString question;
        actOnModal([&question](QWidget *box) {
            question = box ? box->findChild<QLabel *>("qt_msgbox_label")->text() : QString();
            pressKeys(box, "E");
        });
        pressKeys(window, "TTTE");  // past Protection and Back: Finish
        QCOMPARE(question,
                 QStringLiteral("Your guestbook has been generated successfully\n\nWould you like to view your files now?"));

        GuestbookProject expected = GuestbookProject::startupDefaults();
        expected.Project_Title = QStringLiteral("Club news");
        expected.Fields = {{"Name", "Text", "40", ""},    {"Homepage", "Text", "40", ""}, {"Comments", "Textarea", "10", "39"},
                           {"Town", "Text", "10", ""}, {"Story", "Textarea", "10", "40"}};
        QCOMPARE(LoadProject(QStringLiteral("Club news")), expected);
        const QString pages = expected.Project_Path + QStringLiteral("Club_news");
        QCOMPARE(f.desktop.opened, QStringList{pages + QDir::separator()});
        QCOMPARE(QDir(pages).entryList(QDir::Files, QDir::Name),
                 (QStringList{"addtogb.asp", "default.asp", "guestbook.txt", "viewguestbook.asp"}));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
