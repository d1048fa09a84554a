// The program without a mouse: the main window's focus, Tab order and keys, the keys of every
// dialog and a whole design made by keys; and every window as a screen reader sees it: each
// clickable control a named button, check box or menu item that can be pressed (or a named
// picture), each text or combo box named by its caption, the windows in their roles with titles.

#include "wizard/wizardtestsupport.h"

#include "chrome/keyboard.h"
#include "chrome/labelbutton.h"

// Presses a key as pressKeys does, or: n Alt+N, b Alt+B, v Page Down, ^ Page Up, c Ctrl+Page Up,
// r Enter held down (a repeated press).
static void pressWindowKey(QWidget *window, QChar key)
{
    static const QHash<QChar, QPair<Qt::Key, Qt::KeyboardModifiers>> more = {
        {'n', {Qt::Key_N, Qt::AltModifier}}, {'b', {Qt::Key_B, Qt::AltModifier}}, {'v', {Qt::Key_PageDown, {}}},
        {'^', {Qt::Key_PageUp, {}}}, {'c', {Qt::Key_PageUp, Qt::ControlModifier}}};
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    key == 'r' ? void(QApplication::sendEvent(keyTarget(window), &held))
               : more.contains(key) ? QTest::keyClick(keyTarget(window), more[key].first, more[key].second)
                                    : pressKeys(window, key);
}

// A combo box's own line edit is the combo box.
static bool isTextBox(QWidget *widget)
{
    return (qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget->parentWidget()))
        || qobject_cast<QComboBox *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
}

// One thing a screen reader learns of the control: its name, description, role, the keys
// that press it (as its shortcut and its action's keys), whether it (a list: its current
// row) has the focus, or how many of a list's cells it shows.
static QString accessibleFact(QWidget *widget, const QString &what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (what == "shown cells") {  // of a list
        int shown = 0;
        for (int i = 0; i < face->childCount(); ++i)
            shown += face->child(i)->state().invisible ? 0 : 1;
        return QString::number(shown);
    }
    if (what == "keys") {
        const QAccessibleActionInterface *actions = face->actionInterface();
        return face->text(QAccessible::Accelerator) + " / "
            + (actions ? actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()).join(' ') : "");
    }
    if (what == "role")
        return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role()));
    if (what == "focused")
        return face->state().focused || face->focusChild() ? "yes" : "no";
    return face->text(what == "name" ? QAccessible::Name : QAccessible::Description);
}

// What is wrong with the control for a screen reader, after ": "; empty when nothing is.
static QString accessibleFault(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    const QString name = face ? face->text(QAccessible::Name) : QString();
    if (name.trimmed().isEmpty())
        return QStringLiteral(": no name");
    if (isTextBox(widget))
        return name == face->text(QAccessible::Value) ? QStringLiteral(": named by its value") : QString();
    const QAccessible::Role role = face->role();
    const QString action = role == QAccessible::CheckBox ? QAccessibleActionInterface::toggleAction()
                                                         : QAccessibleActionInterface::pressAction();
    const bool pressable = face->actionInterface() && face->actionInterface()->actionNames().contains(action);
    const bool control = QList{QAccessible::Button, QAccessible::CheckBox, QAccessible::MenuItem}.contains(role);
    return role == QAccessible::Graphic || (control && pressable) ? QString() : QStringLiteral(": role %1").arg(role);
}

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { setKeyboardInUse(true); }  // as after the first key press

    // Keys in the main window: the focus as the step shows and after each key, then the
    // step. Tab runs by rows, then the window's buttons; a held key presses once; Alt+N,
    // Alt+B, and Page Down and Page Up unless the control uses them, press Next and Back.
    void windowKeys_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("outcome");
        const QString buttons = " lblBack lblNext lblLoadExisting lblPreview imgAbout imgHelp imgExit ";
        addRow("Tab on 1", 1, "TTTTTS", "lblNext lblLoadExisting imgAbout imgHelp imgExit lblNext imgExit step 1");
        addRow("Tab on 2", 2, QString(19, 'T') + 'S',
               "txtBGColor imgBGcolor chkBorder cbotblBorder cboPageStyle cboPageLanguage" + buttons
                   + "txtTitle lblTitle txtSaveTo lblBrowse txtBGImage cbotblWidth txtBGColor cbotblWidth step 2");
        addRow("Tab on 3", 3, QString(19, 'T') + 'S',
               "txtFColor imgFColor cboFont cboPX txtHColor imgHColor txtHMColor imgHMColor cboHFont cboHMFont cboHPX "
               "cboHMPX" + buttons + "txtFColor imgExit step 3");
        addRow("Tab on 4", 4, QString(11, 'T') + 'S',
               "lvwFields lblMoveUp lblMoveDown lblNewField" + buttons + "lvwFields imgExit step 4");
        addRow("Tab on 5", 5, "TTTTTTTTTS", "lblGBPath lblProtection" + buttons + "lblGBPath imgExit step 5");
        addRow("Enter held down clicks once", 1, "r", "lblNext lblNext step 1");
        addRow("Alt+N from a text box", 2, "n", "txtBGColor txtFColor step 3");
        addRow("Alt+B from a combo box", 3, "TTb", "txtFColor imgFColor cboFont txtBGColor step 2");
        addRow("Alt+B on step 1, Back disabled", 1, "b", "lblNext lblNext step 1");
        addRow("Page Down from a text box", 2, "v", "txtBGColor txtFColor step 3");
        addRow("Ctrl+Page Up from the check box", 2, "TTc", "txtBGColor imgBGcolor chkBorder chkBorder step 2");
        addRow("Page Down in a combo box: its own", 3, "TTv", "txtFColor imgFColor cboFont cboFont step 3");
        addRow("Page Down in the field list: its own", 4, "v", "lvwFields lvwFields step 4");
        addRow("Page Up from step 5, Alt+N back", 5, "^n", "lblGBPath lvwFields lblGBPath step 5");
        addRow("Enter on Open Existing", 1, "TE", "lblNext lblLoadExisting lblLoadExisting step 1 browser below");
    }
    void windowKeys()
    {
        QFETCH(int, step);
        QFETCH(QString, keys);
        const WindowFixture f({}, true, {"Garden"});
        QWidget *window = f.main.get();
        window->move(0, 0);  // room below the window's buttons
        showActive(window);
        f.step(step);
        QCursor::setPos(window->screen()->geometry().bottomRight());
        actOnModal([](QWidget *) {});  // a dialog opened by a wrong key is closed, not waited for
        QStringList seen{focusedName(window)};
        for (const QChar key : keys)
            pressWindowKey(window, key), seen << focusedName(window);
        seen << "step" << QString::number(int(f.window().CurrentMode()));
        const QWidget *opener = window->focusWidget();
        if (const QWidget *browser = shownExistingProjects())
            seen << "browser" << (browser->pos() == opener->mapToGlobal(QPoint(0, opener->height())) ? "below" : "off");
        QTEST(seen.join(' '), "outcome");
    }

    // Until a key is pressed, showing a step moves the focus nowhere a mouse user would see
    // it (a button pressed through its accessible action clicks); after one, the step's first
    // control has it. A step left behind keeps no focused control, and has its list's current
    // row back when shown again.
    void focusAsStepsShow()
    {
        const WindowFixture f;
        showActive(f.main.get());
        setKeyboardInUse(false);
        QAccessibleActionInterface *next = QAccessible::queryAccessibleInterface(f.find("lblNext"))->actionInterface();
        next->doAction(QAccessibleActionInterface::pressAction());
        f.walk("N");
        QCOMPARE(f.window().CurrentMode(), Step::Fonts);
        QVERIFY(focusedName(f.main.get()) != "txtFColor");
        QTest::keyClick(f.main.get(), Qt::Key_Shift);  // any key: the keyboard is in use
        f.walk("N");
        auto *list = f.find<QTreeWidget>("lvwFields");
        QCOMPARE(focusedName(f.main.get()), QStringLiteral("lvwFields"));
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(accessibleFact(list, "focused"), "yes");
        f.step(5);
        QCOMPARE(accessibleFact(list, "focused"), "no");
        f.step(4);
        QCOMPARE(list->currentIndex().row(), 1);
    }

    // Each dialog's keys, pressed on a fresh one from the focus it opens with, as keys=outcome:
    // "open" and the focused control, or "closed" and the dialog's result (the picker: the colour
    // picked), then what the menu or the browser passed on. The window closes the menu as it
    // acts on a command. Editable combo boxes step from the text shown, or from where a
    // number not listed would be.
    void dialogKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("cases");
        addRow("field", "line field", QStringList{"=open txtfldName", "TE=closed 1", "TX=closed 0", "TTTT_=closed 1"});
        addRow("multi-line field", "field",
               QStringList{"TTTTT=open lblOK", "TTD=open cboRows 15", "TTTU=open cboCols 35"});
        addRow("title", "title", QStringList{"E=closed 1", "X=closed 0", "TE=closed 0", "TT_=closed 1"});
        addRow("browser", "browser", QStringList{"E=closed chosen Garden", "DE=closed chosen Club news", "DX=closed",
                                                 "$E=closed chosen Club news", "$HE=closed chosen Garden"});
        addRow("menu", "menu", QStringList{"DE=open command 1", "DDE=open command 2", "UE=open command 4",
                                           "E=open command 0", "D$HE=open command 0", "DX=closed"});
        addRow("menu: the bar skips the disabled rows", "empty menu",
               QStringList{"DDE=open command 0", "$E=open command 0"});
        addRow("colours", "colours",
               QStringList{"X=closed -1 #FFFFFF", "E=open picColors #FFFFFF", "RE=closed 0 #000000",
                           "DDRRE=closed 3355392 #003333", "D" + QString(25, 'R') + "E=closed 65382 #66FF00",
                           QString(14, 'D') + "E=closed 16711935 #FF00FF"});
        addRow("colours: on the box's colour", "colours #3300cc",
               QStringList{"$LE=closed 13421670 #66CCCC", "$HE=closed 13421772 #CCCCCC"});
        addRow("colours: on the nearest", "colours #2a0be0", QStringList{"E=closed 13369395 #3300CC"});
        addRow("colours: a name, the left column first", "colours red", QStringList{"RE=closed 153 #990000"});
        addRow("step 3", "step 3", QStringList{"TTTD=open cboPX 12"});
        addRow("step 2", "step 2", QStringList{"TTTU=open cbotblBorder 1", "SU=open cbotblWidth 40%"});
    }
    void dialogKeys()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, cases);
        QStringList seen;
        for (const QString &keys : cases)
            seen << keys.section('=', 0, 0) + '=' + dialogOutcome(window, keys.section('=', 0, 0));
        QCOMPARE(seen, cases);
    }

    // Each window's clickable controls and text boxes, and some facts in full: the step's
    // frame is named by the heading, so a screen reader says it as the focus enters.
    void everyControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("controls");  // clickable controls and text boxes the window shows
        QTest::addColumn<QStringList>("facts");  // control.name|description|role|focused=value; no control: the window
        const QString step5 = QStringLiteral("Step 5: Guestbook Generation");
        // Step 1: Back, Next, Open Existing, About, Help, Exit; from step 2 on, Preview as well.
        addRow("step 1", "step 1", 6,
               QStringList{"imgAbout.name=About", ".role=Window", ".name=Quillset", "lblNext.keys=Alt+N / Alt+N",
                           "lblBack.keys=Alt+B / Alt+B", "lblLoadExisting.keys= / "});
        // Step 2: two "...", palette, border, four boxes, two lists; step 3: three palettes, three boxes, six lists.
        addRow("step 2", "step 2", 19,
               QStringList{"txtTitle.name=Guestbook Title:", "cboPageStyle.name=Page style:",
                           "cboPageLanguage.name=Language of the pages:", "chkBorder.name=Table border"});
        addRow("step 3", "step 3", 19,
               QStringList{"imgHMColor.name=Link colour under the pointer: red, #ff0000",
                           "txtFColor.description=Text colour: black, #000000",
                           "cboFont.description=Text font", "cboHMPX.description=Link font size under the pointer"});
        addRow("step 4", "step 4", 10, QStringList());  // Move Up, Move Down, Add Field
        addRow("step 5", "step 5", 10, QStringList{"lblSteps.name=" + step5, "frStep4.name=" + step5});
        addRow("title dialog", "title", 4, QStringList());
        addRow("protection dialog", "protection", 9, QStringList());  // three check boxes, four boxes, OK, Cancel
        addRow("field dialog, multi-line", "field", 6, QStringList{"txtfldName.name=Field Name:"});
        addRow("field menu", "menu", 10,
               QStringList{".role=PopupMenu", ".name=Menu", "lblAddField.role=MenuItem", "imgAdd.role=Graphic",
                           "imgAdd.name=Add new Field", "imgDelete.name=Delete Field", "imgEdit.name=Edit Field"});
        addRow("project browser", "browser", 1, QStringList{".role=Dialog", ".name=Load Project"});
        addRow("colour picker", "colours", 1,  // the preview cancels
               QStringList{"picPreview.role=Graphic", "picPreview.name=Colour preview", ".role=Dialog"});
        addRow("About box", "about", 3, QStringList());  // the link, Close, the disclaimer
    }

    // What a screen reader is told while a script plays on the shown window (see
    // WindowFixture::play; one letter: that key, as pressWindowKey) after the set-up script:
    // each control that gets the focus, then facts as in everyControl. Hidden controls get
    // no focus on the way, nor show cells; a colour is said by name too.
    void whatIsSaid_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("said");
        addRow("Alt+N from a text box: the next step's first control, not Back", "2|focus=txtTitle", "n",
               QStringList{"focus txtFColor", "lblSteps.name=Step 3: Fonts and links"});
        addRow("Alt+B from the field list, which then shows no cell", "4|focus=lvwFields", "b",
               QStringList{"focus txtFColor", "lvwFields.shown cells=0"});
        addRow("the field list shown again", "4|3", "n", QStringList{"focus lvwFields", "lvwFields.shown cells=20"});
        addRow("a colour picked: its name and text, the swatch renamed", "3|focus=imgFColor",
               "picker=FF3333|imgFColor",
               QStringList{"txtFColor.description=Text colour: dark blue, #3333ff",
                           "imgFColor.name=Text colour: dark blue, #3333ff"});
        addRow("a background colour typed", "2", "txtBGColor=#ffff99",
               QStringList{"txtBGColor.description=Background colour: light yellow, #ffff99",
                           "imgBGcolor.name=Background colour: light yellow, #ffff99"});
        addRow("not a colour: as typed", "2", "txtBGColor=navy",
               QStringList{"txtBGColor.description=Background colour: navy"});
    }

    void whatIsSaid()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, script);
        QFETCH(QStringList, said);
        WindowFixture f;
        showActive(f.main.get());
        f.play(setUp);
        QStringList heard;
        const auto watch = connect(qApp, &QApplication::focusChanged, [&heard](QWidget *, QWidget *now) {
            heard << "focus " + (now ? now->objectName() : QString("none"));
        });
        script.size() == 1 ? pressWindowKey(f.main.get(), script[0]) : void(f.play(script));
        disconnect(watch);
        for (const QString &fact : said.filter("=")) {
            const QString what = fact.section('=', 0, 0);
            heard << what + '=' + accessibleFact(f.find(what.section('.', 0, 0)), what.section('.', 1));
        }
        QCOMPARE(heard.join(" | "), said.join(" | "));
    }

    void everyControl()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, facts);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        QWidget owner;
        QString passed;
        QWidget *shown = openWindow(window, owner, passed);
        shown->show();
        QStringList checked;  // each as its name and its fault
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            const auto *button = qobject_cast<LabelButton *>(widget);
            const bool clickable = (button && button->isButton()) || qobject_cast<QAbstractButton *>(widget);
            if (widget->isVisibleTo(shown) && (clickable || isTextBox(widget)))
                checked << widget->objectName() + accessibleFault(widget);
        }
        QCOMPARE(checked.filter(": "), QStringList());
        QTEST(int(checked.size()), "controls");
        for (const QString &fact : facts) {
            const QString what = fact.section('=', 0, 0);
            QWidget *widget = what.startsWith('.') ? shown : control(shown, what.section('.', 0, 0));
            QCOMPARE(widget ? what + '=' + accessibleFact(widget, what.section('.', 1)) : what + " missing", fact);
        }
        CloseFieldMenu();
    }

    // From start-up, keys only: a title, a field added and one deleted, Finish and the
    // question shown. The saved design is the one typed.
    void keyboardWalk()
    {
        const WindowFixture f;
        QWidget *window = f.main.get();
        showActive(window);
        const auto keys = [window](const QString &keys, const QString &typed = {}) {  // typed: into the next dialog
            if (!typed.isEmpty())
                actOnModal([=](QWidget *dialog) { typeKeys(dialog, typed), pressKeys(dialog, "E"); });
            pressKeys(window, keys);
            return focusedName(window);  // compared where the next keys might open anything else
        };
        QCOMPARE(keys("ESSSSS"), "lblTitle");  // step 2, the focus in the background colour, back to the title's "..."
        keys("E", "Club news");
        QCOMPARE(keys("TTTTTTTTTTTTESSSSSSETTT"), "lblNewField");  // Next: step 3, Next: step 4, past the list
        keys("ESSSHDF", "Town");  // add Town; the list, its second row (E-mail), the menu
        QVERIFY(QTest::qWaitForWindowActive(shownFieldMenu()));  // the menu has the keyboard
        pressKeys(shownFieldMenu(), "DE");  // Delete Field
        QVERIFY(!FieldMenuShown());
        QCOMPARE(keys("TTTTTE"), "lblGBPath");  // from the list to Next: step 5
        keys("TTTE");  // past Protection and Back: Finish
        QCOMPARE(f.boxes(), QStringList{"i YesNo: Your guestbook has been generated successfully\r\n\r\n"
                                        "Would you like to view your files now?"});
        GuestbookProject expected = GuestbookProject::startupDefaults();
        expected.Project_Title = QStringLiteral("Club news");
        expected.Fields = {{"Name", "Text", "40", ""}, {"Homepage", "Text", "40", ""},
                           {"Comments", "Textarea", "10", "39"}, {"Town", "Text", "10", ""}};
        QCOMPARE(LoadProject(QStringLiteral("Club news")), expected);
    }

private:
    static QString dialogOutcome(const QString &window, const QString &keys)
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        QWidget owner;
        if (window.endsWith("menu"))
            showActive(&owner);
        QString passed;
        QPointer<QWidget> shown = openWindow(window, owner, passed);
        if (auto *dialog = qobject_cast<QDialog *>(shown.data()))
            dialog->setResult(-1);
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
        CloseFieldMenu();
        return desktop.shown.isEmpty() ? seen + passed : "a message box";
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
