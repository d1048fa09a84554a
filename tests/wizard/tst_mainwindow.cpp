// The main window's life: start-up (log lines, saved position, the default fields,
// the projects folder), the wizard's steps, Finish into a temporary program folder,
// and shut-down with its save question.

#include "wizardtestsupport.h"

#include <QRegularExpression>
#include <QScreen>

namespace {
const QString kNotSaved = QStringLiteral("Position not saved, will revert to default");
const QString kStep2 = QStringLiteral("2 | frStep1 | Step 2: Title, body and tables | Back on | Next >>");
const QString kStep4 = QStringLiteral("4 | frStep3 | Step 4: Fields | Back on | Next >>");
const QString kStep5 = QStringLiteral("5 | frStep4 | Step 5: Guestbook Generation | Back on | Finish");
const QString kViewQuestion =
    QStringLiteral("i YesNo: Your guestbook has been generated successfully\r\n\r\nWould you like to view your files now?");

// The window's state as "step | shown frame | heading | Back on/off | Next caption".
QString state(const WindowFixture &f)
{
    QStringList frames;
    for (const char *name : {"frMain", "frStep1", "frStep2", "frStep3", "frStep4"}) {
        if (f.find(name)->isVisibleTo(f.main.get()))
            frames << QLatin1String(name);
    }
    return QStringLiteral("%1 | %2 | %3 | Back %4 | %5")
        .arg(f.window().CurrentMode())
        .arg(frames.join(','), f.find<QLabel>("lblSteps")->text(), f.find("lblBack")->isEnabled() ? "on" : "off",
             f.find<QLabel>("lblNext")->text());
}

QString projectsFolder(const WindowFixture &f, const QString &name)
{
    return QDir::toNativeSeparators(f.folder.path()) + QDir::separator() + "projects" + QDir::separator() + name;
}
}  // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startLogAndPosition_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("positionLines");
        QTest::addColumn<QPoint>("position");  // (-1, -1): centred
        const QPoint centred(-1, -1);
        addRow("first start", QByteArray(), QStringList{kNotSaved}, centred);
        addRow("saved: fraction dropped, a half to even", QByteArray("[Position]\r\nLeft=4230.4\r\nTop=1500.5\r\n"),
               QStringList{"Left: 4230", "Top: 1500"}, QPoint(282, 100));
        addRow("Left not a number", QByteArray("[Position]\r\nLeft=abc\r\nTop=3000\r\n"), QStringList{kNotSaved},
               centred);
        addRow("Left without Top", QByteArray("[Position]\r\nLeft=3000\r\n"), QStringList{kNotSaved}, centred);
        addRow("wholly off every screen", QByteArray("[Position]\r\nLeft=400000\r\nTop=3000\r\n"),
               QStringList{kNotSaved}, centred);
    }

    void startLogAndPosition()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, positionLines);
        QFETCH(QPoint, position);
        const WindowFixture f(settings, false);
        const QStringList expected = QStringList{"Initializing Quillset 1.2.6", "Loading position"} + positionLines
            + QStringList{"Loading default mode", "Mode loaded, continuing main application execution",
                          "Loading fonts", "Initializing listview", "Checking existance of projects folder",
                          "Projects folder does not exist, Quillset will now create it"};
        QCOMPARE(f.log(), expected);
        QVERIFY(QDir(f.folder.file("projects")).exists());
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint centre((screen.width() - 517) / 2, (screen.height() - 366) / 2);
        QVERIFY((f.window().pos() - (position == QPoint(-1, -1) ? centre : position)).manhattanLength() <= 2);
        QCOMPARE(f.window().size(), QSize(517, 366));
        QCOMPARE(f.window().windowFlags(), Qt::Window | Qt::FramelessWindowHint);
        QVERIFY(f.boxes().isEmpty());
        QCOMPARE(f.window().readProject().Fields, GuestbookProject::defaultFields());
        QCOMPARE(f.window().readProject().Project_Path, projectsFolder(f, QString()));
        QCOMPARE(f.window().ProjectName(), QStringLiteral("My Guestbook"));
        QVERIFY(!f.window().GuestbookGenerated());
    }

    // The save question must be answered (Escape does not answer it); a generation
    // saved the design already, so it is not asked then.
    void shutDown_data()
    {
        QTest::addColumn<bool>("generateFirst");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("byExitButton");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("closingLines");
        const QString question =
            QStringLiteral("? YesNoMustAnswer: Would you like to save your guestbook settings first?");
        const QStringList plainClose = {"Initializing Quillset shutdown procedure", "Saving position"};
        addRow("Yes, exit button", false, QList<bool>{true}, true, QStringList{question},
               QStringList{"Initializing Quillset shutdown procedure", "User wishes to save settings first",
                           "Settings saved", "Saving position"});
        addRow("No, close request", false, QList<bool>{false}, false, QStringList{question}, plainClose);
        addRow("right after a generation", true, QList<bool>{}, false, QStringList{kViewQuestion}, plainClose);
    }

    void shutDown()
    {
        QFETCH(bool, generateFirst);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, byExitButton);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, closingLines);
        WindowFixture f;
        f.desktop.answers = answers;
        if (generateFirst)
            f.walk("NNNNN");
        f.window().move(300, 200);
        const int before = int(f.log().size());
        if (byExitButton)
            f.click("imgExit");
        else
            f.window().close();

        QVERIFY(!f.window().isVisible());
        QCOMPARE(f.boxes(), boxes);
        QCOMPARE(f.log().mid(before), closingLines);
        QCOMPARE(f.key("Position", "Left") + ',' + f.key("Position", "Top"), QStringLiteral("4500,3000"));
        const bool saved = generateFirst || answers == QList<bool>{true};
        QCOMPARE(f.key("My Guestbook", "BG_Color"), saved ? QStringLiteral("#ffffff") : "-");
    }

    // A settings save that fails is shown once as "Error: " + its text, whatever
    // the user did; Finish then generates nothing and stays on the last step, and a
    // new title is taken all the same.
    void failedSaveIsShownOnce_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *action : {"finish", "browse", "close", "title"})
            QTest::newRow(action) << QString(action);
    }
    void failedSaveIsShownOnce()
    {
        QFETCH(QString, action);
        WindowFixture f;
        QFile::setPermissions(SettingsFilePath(), QFileDevice::ReadOwner);
        const QByteArray before = readBytes(SettingsFilePath());
        if (action == "finish") {
            f.walk("NNNNN");
            QCOMPARE(state(f), kStep5);
            QVERIFY(!QFileInfo::exists(projectsFolder(f, "My_Guestbook")));
        } else if (action == "browse") {
            setFolderChooserForTesting([&](QWidget *, const QString &) { return f.folder.path(); });
            f.step(2);
            f.click("lblBrowse");
        } else if (action == "title") {
            f.step(2);
            f.click("lblTitle", [](QWidget *dialog) {
                QTest::keyClicks(control<QLineEdit>(dialog, "txtNew"), QStringLiteral("Garden Club"));
                clickNamed(dialog, "lblOK");
                QVERIFY(!dialog->isVisible());
            });
            QCOMPARE(f.find<QLineEdit>("txtTitle")->text() + '|' + f.window().ProjectName(),
                     QStringLiteral("Garden Club|Garden Club"));
        } else {
            f.desktop.answers = {true};
            f.window().close();
            QVERIFY(!f.window().isVisible());
            f.desktop.shown.removeFirst();  // the save question
        }
        QCOMPARE(f.boxes(), QStringList{"! Ok: Error: The settings file "
                                        + QDir::toNativeSeparators(SettingsFilePath()) + " is read-only"});
        QCOMPARE(readBytes(SettingsFilePath()), before);
    }

    void stateTable_data()
    {
        QTest::addColumn<QString>("steps");  // N: Next, B: Back, a digit: DoMode with it; E first: no fields
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("box");  // empty: none
        const QString step1 = QStringLiteral("1 | frMain | Step 1: Introduction | Back off | Next >>");
        addRow("start", "", step1, "");
        addRow("Back on step 1", "B", step1, "");
        addRow("step 2", "N", kStep2, "");
        addRow("step 3", "NN", "3 | frStep2 | Step 3: Fonts and links | Back on | Next >>", "");
        addRow("step 4", "NNN", kStep4, "");
        addRow("step 5", "NNNN", kStep5, "");
        addRow("Back from step 5", "NNNNB", kStep4, "");
        addRow("Back to step 1", "NNBB", step1, "");
        addRow("DoMode(0) changes nothing", "NNNN0", kStep5, "");
        addRow("DoMode(6) changes nothing", "NNNN6", kStep5, "");
        addRow("empty field list stops at step 4", "ENNNN", kStep4, "! Ok: Error: You must specify atleast one field");
    }

    void stateTable()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(QString, box);
        WindowFixture f;
        if (steps.startsWith('E'))
            f.setFields({});
        f.walk(steps.mid(steps.startsWith('E') ? 1 : 0));
        QCOMPARE(state(f), expected);
        QCOMPARE(f.find<QLabel>("lblBack")->text(), QStringLiteral("<< Back"));
        QCOMPARE(f.find("lblPreview")->isVisibleTo(f.main.get()), f.window().CurrentMode() != 1);
        QCOMPARE(f.boxes(), box.isEmpty() ? QStringList() : QStringList{box});
    }

    // Finish after step 5 is shown: the pages written and the question asked, or the
    // reason the run stopped, staying on the last step.
    void finish_data()
    {
        QTest::addColumn<QString>("design");  // "", "unwritable folder" or "script marker"
        QTest::addColumn<bool>("viewFiles");
        QTest::addColumn<QString>("box");  // a pattern
        addRow("Yes: folder opened", QString(), true, QRegularExpression::escape(kViewQuestion));
        addRow("No: nothing opened", QString(), false, QRegularExpression::escape(kViewQuestion));
        addRow("an unwritable folder: the system's text, the folder, the remedy", QString("unwritable folder"), false,
               QString("! Ok: Error: .+\\. The guestbook could not be written into .+plain-file/Club_news\\. "
                       "Choose another folder on step 2"));
        addRow("a script marker in a colour", QString("script marker"), false,
               QRegularExpression::escape("! Ok: Error: Background colour \"<%=Now%>\" cannot be used in a page: "
                                          "it holds the server script marker \"<%\""));
    }

    void finish()
    {
        QFETCH(QString, design);
        QFETCH(bool, viewFiles);
        QFETCH(QString, box);
        WindowFixture f;
        f.desktop.answers = {viewFiles};
        writeBytes(f.folder.file("plain-file"), "not a folder");
        GuestbookProject project = f.window().readProject();
        project.Project_Title = "Club news";
        if (design == "unwritable folder")
            project.Project_Path = QDir::toNativeSeparators(f.folder.file("plain-file")) + QDir::separator();
        if (design == "script marker")
            project.BG_Color = QStringLiteral("<%=Now%>");
        f.window().showProject(project);
        f.window().setProjectName("Club news");
        f.walk("NNNN");
        const QString pages = project.Project_Path + "Club_news";
        QCOMPARE(f.find<QLabel>("lblProjectName")->text() + '|' + f.find<QLabel>("lblGBPath")->text(),
                 "Project Name: Club news|" + pages);
        f.walk("N");

        const bool generated = design.isEmpty();
        QCOMPARE(f.boxes().size(), 1);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(box)).match(f.boxes().first()).hasMatch(),
                 qPrintable(f.boxes().first()));
        QCOMPARE(QDir(pages).entryList(QDir::Files, QDir::Name),
                 generated ? QStringList({"addtogb.asp", "default.asp", "guestbook.txt", "viewguestbook.asp"})
                           : QStringList());
        QCOMPARE(f.desktop.opened, viewFiles ? QStringList{pages + QDir::separator()} : QStringList());
        QCOMPARE(state(f), generated ? kStep2 : kStep5);
        QCOMPARE(f.window().GuestbookGenerated(), generated);
        QVERIFY(!f.find("lblStatus")->isVisibleTo(f.main.get()));
        if (!generated)
            return;
        // Saved before the run, under the name as it was then.
        QCOMPARE(f.key("Club news", "FLD_Names"), QStringLiteral(", Name, E-mail, Homepage, Comments"));
        QCOMPARE(f.key("Projects", "Recent_Projects"), QStringLiteral("Club_news"));
        // The flag holds until the user comes back to step 2.
        f.walk("N");
        QVERIFY(f.window().GuestbookGenerated());
        f.walk("B");
        QVERIFY(!f.window().GuestbookGenerated());
    }

    // A press of another button than the left moves the window by hand until that
    // button is released; afterwards the window stays put and the next click counts.
    void otherButtonDragEndsOnItsRelease()
    {
        const WindowFixture f;
        QWidget *background = f.find("Image1");
        const QPoint press(300, 200);
        QCursor::setPos(background->mapToGlobal(press));
        const QPoint start = f.window().pos();
        sendMouse(background, QEvent::MouseButtonPress, press, Qt::RightButton);
        sendMouse(background, QEvent::MouseMove, press + QPoint(15, 5), Qt::NoButton, Qt::RightButton);
        QCOMPARE(f.window().pos(), start + QPoint(15, 5));
        sendMouse(background, QEvent::MouseButtonRelease, press + QPoint(15, 5), Qt::RightButton);
        const QPoint dropped = f.window().pos();
        sendMouse(background, QEvent::MouseMove, press + QPoint(80, 60));
        QCOMPARE(f.window().pos(), dropped);
        f.click("lblNext");
        QCOMPARE(f.window().CurrentMode(), 2);
        QCOMPARE(f.window().pos(), dropped);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
