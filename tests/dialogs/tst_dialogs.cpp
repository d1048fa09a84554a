// The dialogs, driven by their controls: the field dialog on its own and the field list's
// menu with the dialog as the window drives them; the title, protection and colour dialogs;
// the existing projects window, and the round trip of what the dialogs accept through a
// save and a load from the recent list.

#include "wizard/wizardtestsupport.h"

#include "generator/pagevalues.h"
#include "generator/ownerpage.h"
#include "generator/protection.h"

static const QString kInvalidName = QStringLiteral("! Ok: Error: Invalid field name\r\n\r\nThe field name ");
// Names that differ only in capitals, or in a space against an underscore, would share one settings key.
static const QString kClash = QStringLiteral("! Ok: Error: Field name too close to another field\r\n\r\n"
                                             "Field names must differ in more than capital letters and in more than "
                                             "a space where the other has an underscore.");

// The field dialog's boxes: name, kind, rows, columns.
static const char *const kFieldBoxes[] = {"txtfldName", "Combo1", "cboRows", "cboCols"};

static QStringList textsOf(const GuestbookField &field)
{
    return {field.FieldName, field.FieldType, field.Rows, field.Cols};
}

static const QString kCurrent = "sha256:" + QString(32, 'a') + ":" + QString(64, 'b');

// The password key: "none", "kept" (as before), "new" (the salted digest of typed) or itself.
static QString passwordKey(const QString &value, const QString &typed)
{
    const QByteArray salt = QByteArray::fromHex(value.section(':', 1, 1).toLatin1());
    const bool digest = salt.size() == 16 && value == OwnerPasswordValue(typed, salt);
    return value.isEmpty() ? "none" : value == kCurrent ? "kept" : digest ? "new" : value;
}

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    // The field dialog on a field: what it shows, then after typing (^ in the name: the
    // Home key; the characters the pages cannot hold are dropped at once; the kind
    // decides the layout), then OK: what it refuses or gives back.
    void fieldDialog_data()
    {
        QTest::addColumn<QString>("given");  // name|kind|rows|columns; empty: a new field
        QTest::addColumn<QString>("typed");  // name|kind|rows|columns; an empty part: nothing typed
        QTest::addColumn<QString>("shown");  // name|kind|rows|columns (-: hidden)|the size box's caption[|left out]
        QTest::addColumn<QString>("outcome");  // the message, or the field given back
        const QString single = QStringLiteral("|Text|10|-40|Field size:");
        addRow("the eight characters dropped, each named once", "", "x/\\&?><+-y<",
               "xy" + single + "|Left out: / \\ & ? > < + -", "xy|Text|10|");
        addRow("quote, comma, equals dropped", "", "Your \"name\", age=3",
               "Your name age3" + single + "|Left out: \" , =", "Your name age3|Text|10|");
        addRow("others stay", "", "Name_2 (opt.)!", "Name_2 (opt.)!" + single, "Name_2 (opt.)!|Text|10|");
        addRow("typing at the start continues at the end", "", "ab^xy", "xaby" + single, "xaby|Text|10|");
        addRow("one character", "", "N", "N" + single, kInvalidName + "needs at least 2 characters");
        addRow("underscore for a space in use", "", "Home_page", "Home_page" + single, kClash);
        addRow("Textarea stores columns", "", "Ab|Textarea|10|40", "Ab|Textarea|10|40|Rows:", "Ab|Textarea|10|40");
        addRow("lower-case text, columns hidden", "", "Ab|text|10|40", "Ab|text|10|-40|Field size:", "Ab|text|10|40");
        addRow("euro and accent in the page code page", "", QStringLiteral("\u20ac \u00e9"),
               QStringLiteral("\u20ac \u00e9") + single, QStringLiteral("\u20ac \u00e9|Text|10|"));
        addRow("size as typed", "", "Field|Text|wide|40", "Field|Text|wide|-40|Field size:", "Field|Text|wide|");
        addRow("a multi-line field", "Story|Textarea|7|60", "", "Story|Textarea|7|60|Rows:", "Story|Textarea|7|60");
        addRow("no columns keeps 40", "Town|Text|5|", "", "Town|Text|5|-40|Field size:", "Town|Text|5|");
        addRow("typed textarea in capitals", "", "|TEXTAREA", "|TEXTAREA|10|40|Rows:", kInvalidName + "is empty");
        addRow("typed something else", "Story|Textarea|7|60", "|Memo",
               "Story|Memo|7|-60|Field size:", "Story|Memo|7|60");
    }

    void fieldDialog()
    {
        QFETCH(QString, given);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        ScriptedDesktop desktop;
        const QStringList g = given.split('|');
        const GuestbookField field = given.isEmpty() ? kNewField : GuestbookField{g[0], g[1], g[2], g[3]};
        QWidget owner;
        frmAddField dialog(field, {"Name", "Home page"}, &owner);  // the names of the list's other fields
        dialog.show();
        auto *name = control<QLineEdit>(&dialog, "txtfldName");
        const auto combo = [&dialog](const char *which) { return control<QComboBox>(&dialog, which); };
        const QStringList t = (typed + "|||").split('|');
        for (const QChar c : t[0])
            c == '^' ? QTest::keyClick(name, Qt::Key_Home) : name->insert(QString(c));
        for (int i : {1, 3, 2})  // the kind first: it shows or hides the columns
            if (!t[i].isEmpty())
                typeText(combo(kFieldBoxes[i])->lineEdit(), t[i]);
        const QComboBox *cols = combo("cboCols");
        const QLabel *leftOut = control<QLabel>(&dialog, "lblLeftOut");
        const QString caption = control<QLabel>(&dialog, "Label3")->text();
        QStringList seen{name->text(), combo("Combo1")->currentText(), combo("cboRows")->currentText(),
                         (cols->isVisible() ? "" : "-") + cols->currentText(), caption};
        QTEST(seen.join('|') + (leftOut->isVisible() ? '|' + leftOut->text() : QString()), "shown");
        QCOMPARE(name->accessibleDescription(), leftOut->isVisible() ? leftOut->text() : QString());  // read out
        // Picking the kind shown changes no text, and still lays out and centres again.
        dialog.move(dialog.pos() + QPoint(40, 30));
        combo("Combo1")->activated(combo("Combo1")->currentIndex());
        const QPoint offCentre = dialog.frameGeometry().center() - dialog.screen()->geometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
        combo("Combo1")->setFocus();
        clickNamed(&dialog, "lblOK");
        const bool refused = outcome.startsWith("! ");
        QCOMPARE(desktop.boxes(), refused ? QStringList{outcome} : QStringList());
        QCOMPARE(dialog.isVisible(), refused);
        QCOMPARE(textsOf(dialog.field()), refused ? textsOf(field) : outcome.split('|'));
        QCOMPARE(dialog.focusWidget() == name, refused);
    }

    // The menu, opened by Shift+F10 or the Menu key below the focused row, which it
    // selects (at the list's corner when the list is empty), and its commands as the
    // window carries them out, the field dialog answered by typing a name and OK.
    void menuCommands_data()
    {
        QTest::addColumn<int>("focused");  // the row with the focus mark, not selected; -1: an empty list
        QTest::addColumn<QString>("row");  // the menu row clicked
        QTest::addColumn<QString>("typed");  // into the dialog's name; "=": left as shown
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("names");  // the fields' names afterwards
        const QString all = QStringLiteral("Name|E-mail|Homepage|Comments");
        addRow("add, by the Menu key", 1, "lblAddField", "Town", QString(), all + "|Town");
        const QString inUse = "! Ok: Error: Field name already present\r\n\r\n"
                              "To prevent problems, field names must be unique.";
        addRow("add a name in use", 0, "lblAddField", "Comments", inUse, all);
        addRow("add to an empty list", -1, "lblAddField", "Town", QString(), QString("Town"));
        addRow("edit, unchanged", 2, "lblEdit", "=", QString(), all);
        addRow("edit to a new name", 1, "lblEdit", "Email", QString(), QString("Name|Email|Homepage|Comments"));
        addRow("edit to another's name in capitals", 1, "lblEdit", "NAME", kClash, all);
        addRow("delete", 1, "lblDelete", "", QString(), QString("Name|Homepage|Comments"));
        addRow("delete the first, focused by Tab", 0, "lblDelete", "", QString(), QString("E-mail|Homepage|Comments"));
        addRow("delete in an empty list: disabled", -1, "lblDelete", "", QString(), QString());
        addRow("move up", 2, "lblMoveUp", "", QString(), QString("Name|Homepage|E-mail|Comments"));
        addRow("move down", 0, "lblMoveDown", "", QString(), QString("E-mail|Name|Homepage|Comments"));
        addRow("move the last down: stays", 3, "lblMoveDown", "", QString(), all);
        addRow("move in an empty list: disabled", -1, "lblMoveUp", "", QString(), QString());
    }

    void menuCommands()
    {
        QFETCH(int, focused);
        QFETCH(QString, row);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        const WindowFixture f;
        f.step(4);
        auto *list = f.find<QTreeWidget>("lvwFields");
        showActive(f.main.get());
        if (focused < 0)
            f.setFields({});
        list->setFocus(Qt::TabFocusReason);  // the focus mark on the first row, not selected
        if (focused > 0)
            list->selectionModel()->setCurrentIndex(list->model()->index(focused, 0), QItemSelectionModel::NoUpdate);
        const bool menuKey = QTest::currentDataTag() == QLatin1String("add, by the Menu key");
        QTest::keyClick(list, menuKey ? Qt::Key_Menu : Qt::Key_F10, menuKey ? Qt::NoModifier : Qt::ShiftModifier);
        QVERIFY(FieldMenuShown());
        const QRect focusedRow = list->visualItemRect(list->topLevelItem(focused));
        QCOMPARE(shownFieldMenu()->pos(), focused < 0 ? list->mapToGlobal(QPoint(0, 0))
                                                      : list->viewport()->mapToGlobal(focusedRow.bottomLeft()));
        const bool acts = focused >= 0 || row == "lblAddField";  // Delete and Edit need fields
        QCOMPARE(control(shownFieldMenu(), row)->isEnabled(), acts);
        bool dialogShown = false;
        actOnModal([&](QWidget *dialog) {
            if (!(dialogShown = dialog))
                return;
            QVERIFY(!FieldMenuShown());  // closed before the dialog opens
            if (typed != "=")
                control<QLineEdit>(dialog, "txtfldName")->setText(typed);
            clickNamed(dialog, "lblOK");
        });
        clickNamed(shownFieldMenu(), row);
        QCoreApplication::processEvents();
        QCOMPARE(dialogShown, acts && (row == "lblAddField" || row == "lblEdit"));
        QCOMPARE(f.boxes(), box.isEmpty() ? QStringList() : QStringList{box});
        QStringList seen;
        for (const GuestbookField &field : FieldRows(*list))
            seen << field.FieldName;
        QTEST(seen.join('|'), "names");
        QCOMPARE(FieldMenuShown(), !acts);
        CloseFieldMenu();
    }

    // A right press opens the menu at the pointer, a second one moves it, a left press
    // closes it and no command runs.
    void menuByRightPress()
    {
        const WindowFixture f;
        f.step(4);
        QWidget *viewport = f.find<QTreeWidget>("lvwFields")->viewport();
        QPointer<frmMenu> menu;
        for (const QPoint at : {QPoint(120, 90), QPoint(300, 200)}) {
            QCursor::setPos(at);
            sendMouse(viewport, QEvent::MouseButtonPress, at / 10, Qt::RightButton);
            menu = menu ? menu.data() : shownFieldMenu();
            QVERIFY(menu && menu == shownFieldMenu() && menu->isVisible() && menu->parentWidget() == f.main.get());
            QCOMPARE(menu->pos(), at);
        }
        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
        QTRY_VERIFY(!menu && !FieldMenuShown());
        QCOMPARE(f.window().readProject().Fields.size(), 4);
    }

    // What the title dialog takes, where it writes it, and why it refuses the rest (the
    // text after "Error: "). A title that differs from a saved project's only in
    // capitals or end spaces would share its settings section.
    void titleDialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");  // lblOK, keys=E (Enter) or lblCancel
        QTest::addColumn<QString>("section");  // where the title is written; empty: nothing written
        QTest::addColumn<QString>("refusal");  // empty: none
        // Then typed into the field dialog, each as name, kind, rows, columns, and "refused" where
        // the dialog refuses it; the design is saved and loaded back (see roundTrip).
        QTest::addColumn<Rows>("fields");
        const Rows none, plain = {{"Name", "Text", "40", "40"}, {"Comments", "Textarea", "10", "39"}};
        const QString invalid = QStringLiteral("Invalid title. Please check and try again\r\n\r\nThe title ");
        const QString cannot = QStringLiteral("The title cannot hold \"%1\" (%2)");
        const QString inPage = "The title cannot be used in a page: it holds ";
        const QString folder = QStringLiteral("the title names the project's folder");
        const QString unheld = inPage + "\"%1\", which the page code page windows-1252 cannot hold";
        const QString saved = "The title differs from the saved project \"Club news\" only in capitals or end spaces";
        addRow("empty", "", "lblOK", "", invalid + "is empty", none);
        addRow("one character", "A", "lblOK", "", invalid + "needs at least 2 characters", none);
        addRow("comma", "Club, old", "lblOK", "", cannot.arg(",", "it separates saved projects"), none);
        addRow("underscore", "Club_news", "lblOK", "", cannot.arg("_", "it stands for a space in saved project names"),
               none);
        addRow("slash", "Club/news", "lblOK", "", cannot.arg("/", folder), none);
        addRow("parent folder", "..", "lblOK", "", cannot.arg("..", folder), none);
        addRow("opening script marker", "News <%=x", "lblOK", "", inPage + "the server script marker \"<%\"", none);
        addRow("Cyrillic", QStringLiteral("\u0416\u0443"), "lblOK", "", unheld.arg(QStringLiteral("\u0416")), none);
        addRow("emoji", QStringLiteral("Hi \U0001F600"), "lblOK", "", unheld.arg(QStringLiteral("\U0001F600")), none);
        addRow("saved title in capitals", "CLUB NEWS", "lblOK", "", saved, none);
        addRow("saved title with a leading space", " Club news", "lblOK", "", saved, none);
        addRow("a saved project's title", "Club news", "lblOK", "Club_news", "", none);
        addRow("with a space, by Enter", "Garden Club", "keys=E", "Garden_Club", "", none);
        addRow("51 typed, 50 kept", QString(51, 't'), "lblOK", QString(50, 't'), "", none);
        addRow("Cancel", "Another title", "lblCancel", "", "", none);
        addRow("plain", "My Site", "lblOK", "My_Site", "", plain);
        addRow("two spaces", "  ", "lblOK", "__", "", Rows{{"  ", "Text", "10", "40"}});
        addRow("ini punctuation", "[Shop] = open; #1", "lblOK", "[Shop]_=_open;_#1", "",
               Rows{{"[f] ;x #y", "Text", "5", "40"}});
        addRow("program's section", "Projects", "lblOK", "Projects", "", plain);
        addRow("accented; Cyrillic outside the page code page", QStringLiteral("G\u00E4stebuch \u00C9t\u00E9"), "lblOK",
               QStringLiteral("G\u00E4stebuch_\u00C9t\u00E9"), "",
               Rows{{"Gr\u00F6\u00DFe", "Text", "3", "40"}, {"\u0418\u043c\u044f", "Text", "3", "40", "refused"}});
        addRow("clashing field names", "Clashes", "lblOK", "Clashes", "",
               Rows{{"Name", "Text", "40", "40"}, {"name", "Text", "40", "40", "refused"}, {"a b", "Text", "1", "40"},
                    {"a_b", "Text", "1", "40", "refused"}, {" lead", "Text", "2", "40"}, {"trail ", "Text", "2", "40"},
                    {"x=y,z\"", "Text", "3", "40"}, {"E-mail", "Text", "4", "40"}});
        addRow("kinds and sizes", "Kinds", "lblOK", "Kinds", "",
               Rows{{"Big", "TEXTAREA", "7", "70"}, {"Small", "text", "5", "40"}, {"Memo", "Memo", "", "12"},
                    {"Spaced", "Text area", "1 0", "4,0"}, {"Blank", "", "", ""}});
    }

    void titleDialog()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(QString, section);
        QFETCH(QString, refusal);
        QFETCH(Rows, fields);
        WindowFixture f({}, true, {"Club news"});
        const QByteArray settingsBefore = readBytes(SettingsFilePath());
        const QString title = section.isEmpty() ? QStringLiteral("My Guestbook") : typed.left(50);
        const QString stored = section.isEmpty() ? "" : "|?" + section + "/Project_Title|?" + section + "/Project_Path";
        const QStringList seen = f.play("2|@lblTitle|?txtOld|txtNew=" + typed + '|' + key + "|@|?txtTitle" + stored);
        QStringList expected{"txtOld=My Guestbook"};
        if (!refusal.isEmpty())
            expected << "! Ok: Error: " + refusal << "dialog open";
        expected << "txtTitle=" + title;
        if (!section.isEmpty())
            expected << section + "/Project_Title=" + title << section + "/Project_Path=~/projects/";
        QCOMPARE(seen, expected);
        QVERIFY(QFileInfo(f.folder.file("projects")).isDir());  // made at start-up for the path above
        QCOMPARE(f.window().ProjectName(), title);
        if (section.isEmpty())
            QCOMPARE(readBytes(SettingsFilePath()), settingsBefore);
        if (!fields.isEmpty())
            roundTrip(f, fields);
    }

    // The protection dialog, opened from step 5, and the step's line on what is on. Every row
    // ticks the robot guard and chooses 500 characters and 20 entries a page, then
    // plays its steps in the dialog (see WindowFixture::play): OK is clicked, or Enter pressed.
    void protectionDialog_data()
    {
        QTest::addColumn<QString>("current");  // the password key before
        QTest::addColumn<QString>("steps");
        // The message, if any; the password key, Moderate_Entries and step 5's line, "all" for
        // what every row chose.
        QTest::addColumn<QString>("expected");
        const QString held = "all, owner page, new entries held for approval", owner = "new 0 all, owner page";
        const auto both = [](const QString &password) { return "txtPassword=" + password + "|txtConfirm=" + password; };
        addRow("nothing", "", "lblOK", "none 0 all");
        addRow("new password", "", both("p\u00e4ssword!!") + "|chkModerate|lblOK", "new 1 " + held);
        addRow("blank keeps", kCurrent, "chkModerate|lblOK", "kept 1 " + held);
        addRow("replaced", kCurrent, both("new-secret") + "|lblOK", owner);
        // Ten characters besides spaces at the least; the longest is what the owner page checks.
        const QString tooShort = "! Ok: Error: The owner page password needs at least 10 characters other than spaces: "
                                 "a shorter one can be found by trying passwords one after another | dialog open | ";
        addRow("nine characters", kCurrent, both("123 456 789") + "|lblOK", tooShort + "kept 0 Protection: owner page");
        addRow("one space", "", both(" ") + "|lblOK", tooShort + "none 0 Protection: off");
        addRow("ten characters", "", both("0123456789") + "|lblOK", owner);
        addRow("257 typed", "", "txtPassword=" + QString(257, 'x') + "|txtConfirm=" + QString(256, 'x') + "|lblOK",
               owner);
        addRow("removed", kCurrent, "chkModerate|chkRemoveOwner|lblOK", "none 0 all");
        addRow("moderation, then the password taken back", "", "txtPassword=x|chkModerate|" + both("") + "|lblOK",
               "none 0 all");
        // Enter is OK from the boxes and the check boxes; on Cancel it cancels.
        addRow("Enter in the entries box", "", "focus=txtPerPage|keys=E", "none 0 all");
        addRow("Enter on a check box", "", both("a123456789") + "|focus=chkModerate|keys=E", owner);
        addRow("Enter on Cancel", "", "focus=lblCancel|keys=E", "none 0 Protection: off");
        // Passwords that differ are both cleared, for the first to be typed again.
        addRow("confirmation differs", "",
               "txtPassword=abc|txtConfirm=abd|focus=txtConfirm|keys=E|?txtPassword|?txtConfirm|?focus",
               "! Ok: Error: The password and its confirmation differ. Please type them again | txtPassword= | "
               "txtConfirm= | focus=txtPassword | dialog open | none 0 Protection: off");
    }

    void protectionDialog()
    {
        QFETCH(QString, current);
        QFETCH(QString, steps);
        WindowFixture f;
        GuestbookProject project = f.window().readProject();
        project.Owner_Password = current;
        f.window().showProject(project);
        QStringList seen =
            f.play("5|@lblProtection|chkSpamGuard|txtMaxLength=500|txtPerPage=20|" + steps + "|@|?lblProtectionState");
        const GuestbookProject chosen = f.window().readProject();
        const QString line = seen.takeLast().mid(19);
        QCOMPARE(ProtectionSummary(chosen), line);  // the window's project holds what the line says
        const QString guarded = "Protection: robot guard, at most 500 characters a field, 20 entries a page";
        const QString typed = steps.section("txtPassword=", -1).section('|', 0, 0).left(kLongestOwnerPassword);
        seen << passwordKey(chosen.Owner_Password, typed) + ' ' + QString::number(chosen.Moderate_Entries) + ' '
                + QString(line).replace(guarded, "all");
        QTEST(seen.join(" | "), "expected");
    }

    // Publish works once the guestbook is generated: it opens on the generated folder, and the server settings it
    // gives back are saved with the project at once (the window asks no more to save after a run).
    void publishButton()
    {
        WindowFixture f;
        QStringList folders;
        mainWindowDialogs().publish = [&](QWidget &, const GuestbookProject &project, const QString &folder) {
            folders << folder;
            GuestbookProject chosen = project;
            chosen.Publish_Protocol = "ftps", chosen.Publish_Host = "ftp.example.org", chosen.Publish_User = "ann";
            chosen.Site_Address = "https://www.example.org/gb";
            return std::optional<GuestbookProject>(chosen);
        };
        f.play("5");
        QWidget *publish = control(f.main.get(), "lblPublish");
        QVERIFY(!publish->isEnabled());
        QVERIFY(!control(f.main.get(), "lblSiteAddresses")->isVisible());
        f.play("lblNext|5");
        QVERIFY(publish->isEnabled());
        clickNamed(f.main.get(), "lblPublish");
        QCOMPARE(folders, QStringList{QDir::toNativeSeparators(f.folder.path() + "/projects/My_Guestbook")});
        QCOMPARE(GetINISetting("My_Guestbook", "Publish_Host", "-"), "ftp.example.org");
        QCOMPARE(GetINISetting("My_Guestbook", "Publish_Protocol", "-"), "ftps");
        QCOMPARE(f.window().readProject().Publish_User, "ann");
        // Step 5 then says where the guestbook is.
        const auto *addresses = f.main->findChild<QLabel *>("lblSiteAddresses");
        QVERIFY(addresses->isVisible());
        QCOMPARE(addresses->text(), "Your guestbook: https://www.example.org/gb/default.asp");
    }

    // The colour picker: the colour under the pointer (text, value, preview and the palette's name,
    // which tells a screen reader), then picked by a release or cancelled by a click on the preview.
    // Swatches of 9 x 9 pixels, 10 apart: the left column from x 11, the grid from x 31;
    // the lines between them are black, and black is picked there.
    void colourPicker_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("colour");  // text, value (red + 256 green + 65536 blue) and its spoken name
        QTest::addColumn<bool>("release");  // else a click on the preview: cancelled
        addRow("left column, row 7: red", QPoint(15, 65), QString("#FF0000 255 red"), true);
        addRow("left column, row 10: yellow", QPoint(19, 99), QString("#FFFF00 65535 yellow"), true);
        addRow("left column, row 4: grey", QPoint(15, 35), QString("#999999 10066329 grey"), true);
        addRow("left column, bottom: magenta", QPoint(11, 111), QString("#FF00FF 16711935 magenta"), true);
        addRow("grid row 1, column 2", QPoint(41, 1), QString("#003300 13056 dark green"), true);
        addRow("grid row 5, column 7, preview clicked", QPoint(95, 45), QString("#3300CC 13369395 dark blue"), false);
        addRow("grid row 8, column 14", QPoint(169, 79), QString("#FF3333 3355647 red"), true);
        addRow("grid row 10, column 16: pale", QPoint(195, 105), QString("#FFCCCC 13421823 light red"), true);
        addRow("grid row 6, column 1: orange, dark", QPoint(45, 65), QString("#993300 13209 brown"), true);
        addRow("grid bottom-right corner: white", QPoint(209, 119), QString("#FFFFFF 16777215 white"), true);
        addRow("between grid columns", QPoint(40, 45), QString("#000000 0 black"), true);
        addRow("right edge", QPoint(210, 30), QString("#000000 0 black"), true);
    }

    void colourPicker()
    {
        QFETCH(QPoint, pos);
        QFETCH(QString, colour);
        QFETCH(bool, release);
        QString seen;
        actOnModal([&](QWidget *modal) {
            QWidget *palette = control(modal, "picColors");
            sendMouse(palette, QEvent::MouseMove, QPoint(15, 55));  // the white swatch first
            sendMouse(palette, QEvent::MouseMove, pos);
            const QImage preview = control(modal, "picPreview")->grab().toImage();
            seen = control<QLabel>(modal, "lblColor")->text() + ' ' + QString::number(frmColors::mColor) + ' '
                + QColor(preview.pixel(preview.rect().center())).name().toUpper() + ' '
                + QAccessible::queryAccessibleInterface(palette)->text(QAccessible::Name);
            QTest::keyClick(palette, Qt::Key_A);  // another key leaves it open
            seen += modal->isVisible() ? "" : " closed by a key";
            if (release)
                sendMouse(palette, QEvent::MouseButtonRelease, pos, Qt::RightButton);
            else
                clickNamed(modal, "picPreview");
        });
        QCOMPARE(PickColor(), release ? colour.section(' ', 1, 1).toInt() : -1);
        const QString text = colour.section(' ', 0, 0);
        QCOMPARE(seen,
                 colour.section(' ', 0, 1) + ' ' + text + " Colour palette: " + colour.section(' ', 2) + ", " + text);
    }

private:
    // The fields typed into the field dialog from step 4, on an empty list. What the dialogs
    // accept is saved, then loaded back from the existing projects window.
    static void roundTrip(WindowFixture &f, const Rows &fields)
    {
        f.play("4|nofields");
        InstallDialogs();  // the real project browser again in place of the script's
        for (const QStringList &typed : fields)
            f.click("lblNewField", [&typed](QWidget *dialog) {
                typeText(control<QLineEdit>(dialog, "txtfldName"), typed.at(0));
                for (int i : {1, 2, 3})
                    typeText(control<QComboBox>(dialog, kFieldBoxes[i])->lineEdit(), typed.at(i));
                clickNamed(dialog, "lblOK");
            });
        const GuestbookProject accepted = f.window().readProject();
        const qsizetype refused =
            std::count_if(fields.cbegin(), fields.cend(), [](auto &typed) { return typed.size() > 4; });
        QCOMPARE(f.boxes().size(), refused);  // a message each
        QCOMPARE(accepted.Fields.size(), fields.size() - refused);
        // What the dialogs let through can always be generated.
        QCOMPARE(PageValuesProblem(accepted, PageCodePage(kDefaultPageCodePage)).english(), QString());
        SaveProject(f.window().ProjectName(), accepted);
        f.window().showProject(GuestbookProject::startupDefaults());
        f.find<QLineEdit>("txtTitle")->setText(QStringLiteral("Something else"));
        f.desktop.shown.clear();

        // Loaded from the existing projects window, opened at the pointer, which lists each
        // recent project once: step 2, the window closed, then the message. A double-click
        // below the rows loads nothing, though the first row is selected.
        SaveINISetting("Projects", "Recent_Projects", GetINISetting("Projects", "Recent_Projects", {}) + ", Club_news");
        QCursor::setPos(200, 150);
        f.click("lblLoadExisting");
        QPointer<frmExisting> window = shownExistingProjects();
        QVERIFY(window && window->parentWidget() == f.main.get());
        QCOMPARE(window->pos(), QPoint(200, 150));
        QTreeWidget *list = control<QTreeWidget>(window, "lvwProjects");
        QCOMPARE(list->headerItem()->text(0) + ' ' + QString::number(list->topLevelItemCount()), "Projects 2");
        sendMouse(list->viewport(), QEvent::MouseButtonDblClick, QPoint(5, list->height() - 5), Qt::LeftButton);
        QCOMPARE(f.boxes(), QStringList());
        bool closedBeforeMessage = false;
        f.desktop.onMessage = [&](const MessagePrompt::Shown &) { closedBeforeMessage = !shownExistingProjects(); };
        const QList<QTreeWidgetItem *> found = list->findItems(accepted.Project_Title, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list->setCurrentItem(found.first());
        sendMouse(list->viewport(), QEvent::MouseButtonDblClick, list->visualItemRect(found.first()).center(),
                  Qt::LeftButton);
        QCOMPARE(f.window().readProject(), accepted);
        QCOMPARE(f.window().ProjectName(), accepted.Project_Title);  // what the next save goes under
        QCOMPARE(f.window().CurrentMode(), Step::TitleBody);
        QCOMPARE(f.boxes(), QStringList{"i Ok: Settings loaded for: " + accepted.Project_Title});
        QVERIFY(closedBeforeMessage);
        QTRY_VERIFY(!window);
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
