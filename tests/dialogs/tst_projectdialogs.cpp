// The title dialog, the existing projects window and the About box, and the round
// trip of what the dialogs accept through a save and a load from the recent list.

#include "wizard/wizardtestsupport.h"

#include "generator/pagevalues.h"
#include "store/product.h"

namespace {
const QString kLoaded = QStringLiteral("i Ok: Settings loaded for: ");

QTreeWidget *projectList(QWidget *window)
{
    return control<QTreeWidget>(window, "lvwProjects");
}

void doubleClickRow(QWidget *window, const QString &text)
{
    QTreeWidget *list = projectList(window);
    const QList<QTreeWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->setCurrentItem(found.first());
    sendMouse(list->viewport(), QEvent::MouseButtonDblClick, list->visualItemRect(found.first()).center(),
              Qt::LeftButton);
}
}  // namespace

class ProjectDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    // What the title dialog accepts; a title that differs from a saved project's only
    // in capitals or end spaces would share its settings section.
    void titleRule_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("accepted");
        addRow("empty", "", false);
        addRow("one character", "A", false);
        addRow("two spaces", "  ", true);
        addRow("path separator", "Club/news", false);
        addRow("parent folder", "..", false);
        addRow("server script", "News <%=x%>", false);
        addRow("comma", "Club, old", false);
        addRow("underscore", "Club_news", false);
        addRow("a saved project's title", "Club news", true);
        addRow("saved title in capitals", "CLUB NEWS", false);
        addRow("saved title with a leading space", " Club news", false);
        addRow("Cyrillic outside the page code page", QStringLiteral("\u0416\u0443"), false);
    }

    void titleRule()
    {
        QFETCH(QString, title);
        QFETCH(bool, accepted);
        TestProgramFolder folder;
        SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
        QCOMPARE(IsAcceptableTitle(title), accepted);
    }

    void titleDialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");  // OK, Enter or Cancel
        QTest::addColumn<QString>("section");  // where the title is written; empty: nothing written
        addRow("refused", "A", "OK", "");
        addRow("with a space, by Enter", "Garden Club", "Enter", "Garden_Club");
        addRow("51 typed, 50 kept", QString(51, 't'), "OK", QString(50, 't'));
        addRow("Cancel", "Another title", "Cancel", "");
    }

    void titleDialog()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(QString, section);
        const WindowFixture f({}, true, {"Club news"});
        f.step(2);
        const QByteArray settingsBefore = readBytes(SettingsFilePath());
        bool shownOld = false;
        bool stillOpen = false;
        f.click("lblTitle", [&](QWidget *dialog) {
            QVERIFY(dialog);
            shownOld = control<QLineEdit>(dialog, "txtOld")->text() == QStringLiteral("My Guestbook");
            QTest::keyClicks(control<QLineEdit>(dialog, "txtNew"), typed);
            if (key == "Enter")
                QTest::keyClick(control<QLineEdit>(dialog, "txtNew"), Qt::Key_Return);
            else
                clickNamed(dialog, key == "OK" ? "lblOK" : "lblCancel");
            stillOpen = dialog->isVisible();
        });
        const bool refused = section.isEmpty() && key != "Cancel";
        const QString kept = typed.left(50);
        QVERIFY(shownOld);
        QCOMPARE(f.boxes(),
                 refused ? QStringList{"! Ok: Error: Invalid title. Please check and try again"} : QStringList());
        QCOMPARE(stillOpen, refused);
        QCOMPARE(f.find<QLineEdit>("txtTitle")->text(), section.isEmpty() ? QStringLiteral("My Guestbook") : kept);
        QCOMPARE(f.window().ProjectName(), section.isEmpty() ? QStringLiteral("My Guestbook") : kept);
        if (section.isEmpty())
            QCOMPARE(readBytes(SettingsFilePath()), settingsBefore);
        else
            QCOMPARE(f.key(section, "Project_Title") + '|' + f.key(section, "Project_Path"),
                     kept + '|' + f.window().readProject().Project_Path);
    }

    void listsRecentProjectsOnce()
    {
        TestProgramFolder folder;
        QWidget owner;
        SaveINISetting("Projects", "Recent_Projects", "My_Guestbook, Club_news, My_Guestbook");
        ScriptedDesktop desktop;
        QStringList loaded;
        frmExisting window([&loaded](const QString &name) { loaded << name; }, &owner);
        QCOMPARE(projectList(&window)->headerItem()->text(0), QStringLiteral("Projects"));
        QCOMPARE(rowsOf(projectList(&window)), (Rows{{"My Guestbook", "", "", ""}, {"Club news", "", "", ""}}));
        // A double-click below the rows, or Enter while no row is selected, loads nothing.
        window.show();
        QWidget *viewport = projectList(&window)->viewport();
        sendMouse(viewport, QEvent::MouseButtonDblClick, QPoint(5, viewport->height() - 5), Qt::LeftButton);
        projectList(&window)->clearSelection();
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(loaded.isEmpty());
        QVERIFY(desktop.boxes().isEmpty());
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<Rows>("typedFields");  // name, kind, rows, columns as typed into the field dialog
        QTest::addColumn<bool>("titleAccepted");
        QTest::addColumn<int>("fieldsAccepted");
        const Rows plain = {{"Name", "Text", "40", "40"}, {"Comments", "Textarea", "10", "39"}};
        addRow("plain", "My Site", plain, true, 2);
        addRow("two spaces", "  ", Rows{{"  ", "Text", "10", "40"}}, true, 1);
        addRow("ini punctuation", "[Shop] = open; #1", Rows{{"[f] ;x #y", "Text", "5", "40"}}, true, 1);
        addRow("program's section", "Projects", plain, true, 2);
        addRow("accented", QStringLiteral("G\u00E4stebuch \u00C9t\u00E9"),
               Rows{{QStringLiteral("Gr\u00F6\u00DFe"), "Text", "3", "40"}}, true, 1);
        addRow("Cyrillic outside the page code page", QStringLiteral("\u0416\u0443\u0440\u043d\u0430\u043b"),
               Rows{{QStringLiteral("\u0418\u043c\u044f"), "Text", "3", "40"},
                    {QStringLiteral("\u20ac \u00e9"), "Text", "3", "40"}},
               false, 1);
        addRow("saved title in capitals", "CLUB NEWS", plain, false, 2);
        addRow("underscore and comma", "Club_news, old", plain, false, 2);
        addRow("clashing field names", "Clashes",
               Rows{{"Name", "Text", "40", "40"}, {"name", "Text", "40", "40"}, {"a b", "Text", "1", "40"},
                    {"a_b", "Text", "1", "40"}, {" lead", "Text", "2", "40"}, {"trail ", "Text", "2", "40"},
                    {"x=y,z\"", "Text", "3", "40"}, {"E-mail", "Text", "4", "40"}},
               true, 6);
        addRow("kinds and sizes", "Kinds",
               Rows{{"Big", "TEXTAREA", "7", "70"}, {"Small", "text", "5", "40"}, {"Memo", "Memo", "", "12"},
                    {"Spaced", "Text area", "1 0", "4,0"}, {"Blank", "", "", ""}},
               true, 5);
    }

    void roundTrip()
    {
        QFETCH(QString, title);
        QFETCH(Rows, typedFields);
        QFETCH(bool, titleAccepted);
        QFETCH(int, fieldsAccepted);
        WindowFixture f({}, true, {"Club news"});
        f.step(2);
        f.click("lblTitle", [&](QWidget *dialog) {
            control<QLineEdit>(dialog, "txtNew")->setText(title);
            clickNamed(dialog, "lblOK");
            QCOMPARE(!dialog->isVisible(), titleAccepted);
        });
        f.step(4);
        f.setFields({});
        for (const QStringList &typed : typedFields) {
            f.click("lblNewField", [&](QWidget *dialog) {
                typeText(control<QLineEdit>(dialog, "txtfldName"), typed.at(0));
                typeText(control<QComboBox>(dialog, "Combo1")->lineEdit(), typed.at(1));
                typeText(control<QComboBox>(dialog, "cboRows")->lineEdit(), typed.at(2));
                typeText(control<QComboBox>(dialog, "cboCols")->lineEdit(), typed.at(3));
                clickNamed(dialog, "lblOK");
            });
        }
        frmMain &main = f.window();
        ScriptedDesktop &desktop = f.desktop;
        QCOMPARE(main.readProject().Fields.size(), fieldsAccepted);

        const GuestbookProject accepted = main.readProject();
        // What the dialogs let through can always be generated.
        QCOMPARE(PageValuesProblem(accepted, PageCodePage(kDefaultPageCodePage)), QString());
        SaveProject(main.ProjectName(), accepted);
        main.showProject(GuestbookProject::startupDefaults());
        f.find<QLineEdit>("txtTitle")->setText(QStringLiteral("Something else"));
        desktop.shown.clear();

        // Loaded from the existing projects window, opened at the pointer: step 2, the
        // window closed, then the message.
        QCursor::setPos(200, 150);
        f.click("lblLoadExisting");
        QPointer<frmExisting> window = shownExistingProjects();
        QVERIFY(window && window->parentWidget() == &main);
        QCOMPARE(window->pos(), QPoint(200, 150));
        bool closedBeforeMessage = false;
        desktop.onMessage = [&](const MessagePrompt::Shown &) { closedBeforeMessage = !shownExistingProjects(); };
        doubleClickRow(window, accepted.Project_Title);
        QCOMPARE(main.readProject(), accepted);
        QCOMPARE(main.ProjectName(), accepted.Project_Title);  // what the next save goes under
        QCOMPARE(main.CurrentMode(), 2);
        QCOMPARE(desktop.boxes(), QStringList{kLoaded + accepted.Project_Title});
        QVERIFY(closedBeforeMessage);
        QTRY_VERIFY(!window);
    }

    void aboutBoxShowsTheVersionAndLinks()
    {
        ScriptedDesktop desktop;
        QWidget owner;
        frmAbout about(&owner);
        about.show();
        QStringList shown;
        for (const char *label : {"Label13", "Label14", "Label17"})
            shown << control<QLabel>(&about, label)->text();
        QCOMPARE(shown, (QStringList{"1.2", "6", "MIT"}));
        clickNamed(&about, "Label6");  // the copyright line opens the home page
        QCOMPARE(desktop.opened, QStringList{kHomePageUrl});
    }
};

QTEST_MAIN(ProjectDialogsTest)
#include "tst_projectdialogs.moc"
