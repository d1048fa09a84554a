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
    // What the title dialog takes, where it writes it, and why it refuses the rest (the
    // text after "Error: "). A title that differs from a saved project's only in
    // capitals or end spaces would share its settings section.
    void titleDialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");  // OK, Enter or Cancel
        QTest::addColumn<QString>("section");  // where the title is written; empty: nothing written
        QTest::addColumn<QString>("refusal");  // empty: none
        const QString invalid = QStringLiteral("Invalid title. Please check and try again\r\n\r\nThe title ");
        const QString cannot = QStringLiteral("The title cannot hold \"%1\" (%2)"), inPage = "The title cannot be used "
                                                                                          "in a page: it holds ";
        const QString folder = QStringLiteral("the title names the project's folder");
        const QString unheld = inPage + "\"%1\", which the page code page windows-1252 cannot hold";
        const QString saved = "The title differs from the saved project \"Club news\" only in capitals or end spaces";
        addRow("empty", "", "OK", "", invalid + "is empty");
        addRow("one character", "A", "OK", "", invalid + "needs at least 2 characters");
        addRow("comma", "Club, old", "OK", "", cannot.arg(",", "it separates saved projects"));
        addRow("underscore", "Club_news", "OK", "", cannot.arg("_", "it stands for a space in saved project names"));
        addRow("slash", "Club/news", "OK", "", cannot.arg("/", folder));
        addRow("parent folder", "..", "OK", "", cannot.arg("..", folder));
        addRow("opening script marker", "News <%=x", "OK", "", inPage + "the server script marker \"<%\"");
        addRow("Cyrillic", QStringLiteral("\u0416\u0443"), "OK", "", unheld.arg(QStringLiteral("\u0416")));
        addRow("emoji", QStringLiteral("Hi \U0001F600"), "OK", "", unheld.arg(QStringLiteral("\U0001F600")));
        addRow("saved title in capitals", "CLUB NEWS", "OK", "", saved);
        addRow("saved title with a leading space", " Club news", "OK", "", saved);
        addRow("a saved project's title", "Club news", "OK", "Club_news", "");
        addRow("with a space, by Enter", "Garden Club", "Enter", "Garden_Club", "");
        addRow("51 typed, 50 kept", QString(51, 't'), "OK", QString(50, 't'), "");
        addRow("Cancel", "Another title", "Cancel", "", "");
    }

    void titleDialog()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(QString, section);
        QFETCH(QString, refusal);
        const WindowFixture f({}, true, {"Club news"});
        f.step(2);
        const QByteArray settingsBefore = readBytes(SettingsFilePath());
        QString shownOld;
        bool stillOpen = false;
        f.click("lblTitle", [&](QWidget *dialog) {
            QVERIFY(dialog);
            shownOld = control<QLineEdit>(dialog, "txtOld")->text();
            control<QLineEdit>(dialog, "txtNew")->setText(typed);
            if (key == "Enter")
                QTest::keyClick(control<QLineEdit>(dialog, "txtNew"), Qt::Key_Return);
            else
                clickNamed(dialog, key == "OK" ? "lblOK" : "lblCancel");
            stillOpen = dialog->isVisible();
        });
        const QString kept = typed.left(50), title = section.isEmpty() ? QStringLiteral("My Guestbook") : kept;
        QCOMPARE(shownOld, QStringLiteral("My Guestbook"));
        QCOMPARE(f.boxes(), refusal.isEmpty() ? QStringList() : QStringList{"! Ok: Error: " + refusal});
        QCOMPARE(stillOpen, !refusal.isEmpty());
        QCOMPARE(f.find<QLineEdit>("txtTitle")->text() + '|' + f.window().ProjectName(), title + '|' + title);
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
        QTest::addColumn<int>("fieldsAccepted");
        const Rows plain = {{"Name", "Text", "40", "40"}, {"Comments", "Textarea", "10", "39"}};
        addRow("plain", "My Site", plain, 2);
        addRow("two spaces", "  ", Rows{{"  ", "Text", "10", "40"}}, 1);
        addRow("ini punctuation", "[Shop] = open; #1", Rows{{"[f] ;x #y", "Text", "5", "40"}}, 1);
        addRow("program's section", "Projects", plain, 2);
        addRow("accented; Cyrillic outside the page code page", QStringLiteral("G\u00E4stebuch \u00C9t\u00E9"),
               Rows{{"Gr\u00F6\u00DFe", "Text", "3", "40"}, {"\u0418\u043c\u044f", "Text", "3", "40"}}, 1);
        addRow("clashing field names", "Clashes",
               Rows{{"Name", "Text", "40", "40"}, {"name", "Text", "40", "40"}, {"a b", "Text", "1", "40"},
                    {"a_b", "Text", "1", "40"}, {" lead", "Text", "2", "40"}, {"trail ", "Text", "2", "40"},
                    {"x=y,z\"", "Text", "3", "40"}, {"E-mail", "Text", "4", "40"}},
               6);
        addRow("kinds and sizes", "Kinds",
               Rows{{"Big", "TEXTAREA", "7", "70"}, {"Small", "text", "5", "40"}, {"Memo", "Memo", "", "12"},
                    {"Spaced", "Text area", "1 0", "4,0"}, {"Blank", "", "", ""}},
               5);
    }

    void roundTrip()
    {
        QFETCH(QString, title);
        QFETCH(Rows, typedFields);
        QFETCH(int, fieldsAccepted);
        WindowFixture f({}, true, {"Club news"});
        f.step(2);
        f.click("lblTitle", [&](QWidget *dialog) {
            control<QLineEdit>(dialog, "txtNew")->setText(title);
            clickNamed(dialog, "lblOK");
            QVERIFY(!dialog->isVisible());
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
        const GuestbookProject accepted = main.readProject();
        QCOMPARE(accepted.Fields.size(), fieldsAccepted);
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
