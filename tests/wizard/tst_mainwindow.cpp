// The main window's life: start-up (log lines, saved position, the default fields,
// the projects folder), the wizard's steps, Finish into a temporary program folder,
// and shut-down with its save question.

#include "wizardtestsupport.h"

namespace {
const QString kNotSaved = QStringLiteral("Position not saved, will revert to default");

// The window's state as "step | shown frame | heading | Back on/off | Next caption".
QString state(frmMain &window)
{
    QStringList frames;
    for (const char *name : {"frMain", "frStep1", "frStep2", "frStep3", "frStep4"}) {
        if (control(&window, name)->isVisibleTo(&window))
            frames << QLatin1String(name);
    }
    return QStringLiteral("%1 | %2 | %3 | Back %4 | %5")
        .arg(window.CurrentMode())
        .arg(frames.join(','), control<QLabel>(&window, "lblSteps")->text(),
             control(&window, "lblBack")->isEnabled() ? "on" : "off", control<QLabel>(&window, "lblNext")->text());
}

QString folderOf(const QString &parent, const QString &name)
{
    return QDir::toNativeSeparators(parent) + QDir::separator() + name;
}

const QString kStep4 = QStringLiteral("4 | frStep3 | Step 4: Fields | Back on | Next >>");
const QString kStep5 = QStringLiteral("5 | frStep4 | Step 5: Guestbook Generation | Back on | Finish");
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
        QTest::newRow("first start") << QByteArray() << QStringList{kNotSaved} << centred;
        QTest::newRow("saved: fraction dropped, a half to even")
            << QByteArray("[Position]\r\nLeft=4230.4\r\nTop=1500.5\r\n") << QStringList{"Left: 4230", "Top: 1500"}
            << QPoint(282, 100);
        QTest::newRow("Left not a number")
            << QByteArray("[Position]\r\nLeft=abc\r\nTop=3000\r\n") << QStringList{kNotSaved} << centred;
        QTest::newRow("Left without Top")
            << QByteArray("[Position]\r\nLeft=3000\r\n") << QStringList{kNotSaved} << centred;
        QTest::newRow("wholly off every screen")
            << QByteArray("[Position]\r\nLeft=400000\r\nTop=3000\r\n") << QStringList{kNotSaved} << centred;
    }

    void startLogAndPosition()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, positionLines);
        QFETCH(QPoint, position);
        TestProgramFolder folder;
        if (!settings.isEmpty())
            writeBytes(folder.file("Quillset.ini"), settings);
        ScriptedDesktop desktop;
        frmMain window;

        const QStringList expected = QStringList{"Initializing Quillset 1.2.6", "Loading position"} + positionLines
            + QStringList{"Loading default mode",
                          "Mode loaded, continuing main application execution",
                          "Loading fonts",
                          "Initializing listview",
                          "Checking existance of projects folder",
                          "Projects folder does not exist, Quillset will now create it"};
        QCOMPARE(logMessages(folder.file("applog.log")), expected);
        QVERIFY(QDir(folder.file("projects")).exists());
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint centre((screen.width() - 517) / 2, (screen.height() - 366) / 2);
        QVERIFY2((window.pos() - (position == QPoint(-1, -1) ? centre : position)).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("at %1,%2").arg(window.x()).arg(window.y())));
        QCOMPARE(window.size(), QSize(517, 366));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(desktop.shown.isEmpty());
        // The default fields, the projects folder in the path box and the cleared flags.
        QCOMPARE(window.readProject().Fields, GuestbookProject::defaultFields());
        QCOMPARE(window.readProject().Project_Path,
                 QDir::toNativeSeparators(folder.path()) + QDir::separator() + "projects" + QDir::separator());
        QCOMPARE(window.ProjectName(), QStringLiteral("My Guestbook"));
        QVERIFY(!window.GuestbookGenerated());
    }

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
        QTest::newRow("Yes, exit button")
            << false << QList<bool>{true} << true << QStringList{question}
            << QStringList{"Initializing Quillset shutdown procedure", "User wishes to save settings first",
                           "Settings saved", "Saving position"};
        QTest::newRow("No, close request")
            << false << QList<bool>{false} << false << QStringList{question} << plainClose;
        // Finish saved the project; the completion question is answered No.
        QTest::newRow("right after a generation")
            << true << QList<bool>{} << false
            << QStringList{"i YesNo: Your guestbook has been generated successfully\r\n\r\nWould you like to view your "
                           "files now?"}
            << plainClose;
    }

    void shutDown()
    {
        QFETCH(bool, generateFirst);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, byExitButton);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, closingLines);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        desktop.answers = answers;
        frmMain window;
        window.show();
        if (generateFirst)
            walk(window, "NNNNN");
        window.move(300, 200);
        const int before = int(logMessages(folder.file("applog.log")).size());

        if (byExitButton)
            clickNamed(&window, "imgExit");
        else
            window.close();

        QVERIFY(!window.isVisible());
        QCOMPARE(desktop.boxes(), boxes);
        QCOMPARE(logMessages(folder.file("applog.log")).mid(before), closingLines);
        QCOMPARE(GetINISetting("Position", "Left", "-") + ',' + GetINISetting("Position", "Top", "-"),
                 QStringLiteral("4500,3000"));
        const bool saved = generateFirst || answers == QList<bool>{true};  // Finish saves too
        QCOMPARE(GetINISetting("My Guestbook", "BG_Color", "-"), saved ? QStringLiteral("#ffffff") : "-");
    }

    // A settings save that fails is shown once as "Error: " + its text, whatever
    // the user did; Finish then generates nothing and stays on the last step.
    void failedSaveIsShownOnce_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("Finish") << "finish";
        QTest::newRow("browse") << "browse";
        QTest::newRow("close") << "close";
    }
    void failedSaveIsShownOnce()
    {
        QFETCH(QString, action);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.show();
        QFile::setPermissions(SettingsFilePath(), QFileDevice::ReadOwner);
        const QByteArray before = readBytes(SettingsFilePath());
        const QString readOnly =
            "! Ok: Error: The settings file " + QDir::toNativeSeparators(SettingsFilePath()) + " is read-only";
        if (action == "finish") {
            walk(window, "NNNNN");
            QCOMPARE(state(window), kStep5);
            QVERIFY(!QFileInfo::exists(folderOf(folder.path(), "projects") + QDir::separator() + "My_Guestbook"));
        } else if (action == "browse") {
            setFolderChooserForTesting([&](QWidget *, const QString &) { return folder.path(); });
            window.DoMode(2);
            clickNamed(&window, "lblBrowse");
        } else {
            desktop.answers = {true};
            window.close();
            QVERIFY(!window.isVisible());
            desktop.shown.removeFirst();  // the save question
        }
        QCOMPARE(desktop.boxes(), QStringList{readOnly});
        QCOMPARE(readBytes(SettingsFilePath()), before);
    }

    void stateTable_data()
    {
        QTest::addColumn<QString>("steps");  // N: Next, B: Back, a digit: DoMode with it; E first: no fields
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("boxes");
        const QString step1 = QStringLiteral("1 | frMain | Step 1: Introduction | Back off | Next >>");
        QTest::newRow("start") << "" << step1 << QStringList();
        QTest::newRow("Back on step 1") << "B" << step1 << QStringList();
        QTest::newRow("step 2") << "N"
                                << "2 | frStep1 | Step 2: Title, body and tables | Back on | Next >>" << QStringList();
        QTest::newRow("step 3") << "NN"
                                << "3 | frStep2 | Step 3: Fonts and links | Back on | Next >>" << QStringList();
        QTest::newRow("step 4") << "NNN" << kStep4 << QStringList();
        QTest::newRow("step 5") << "NNNN" << kStep5 << QStringList();
        QTest::newRow("Back from step 5") << "NNNNB" << kStep4 << QStringList();
        QTest::newRow("Back to step 1") << "NNBB" << step1 << QStringList();
        QTest::newRow("DoMode(0) changes nothing") << "NNNN0" << kStep5 << QStringList();
        QTest::newRow("DoMode(6) changes nothing") << "NNNN6" << kStep5 << QStringList();
        QTest::newRow("empty field list stops at step 4")
            << "ENNNN" << kStep4 << QStringList{"! Ok: Error: You must specify atleast one field"};
    }

    void stateTable()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(QStringList, boxes);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.show();
        if (steps.startsWith('E')) {
            GuestbookProject project = window.readProject();
            project.Fields.clear();
            window.showProject(project);
        }
        walk(window, steps.mid(steps.startsWith('E') ? 1 : 0));
        QCOMPARE(state(window), expected);
        QCOMPARE(control<QLabel>(&window, "lblBack")->text(), QStringLiteral("<< Back"));
        QCOMPARE(desktop.boxes(), boxes);
    }

    void finish_data()
    {
        QTest::addColumn<bool>("viewFiles");
        QTest::newRow("No: nothing opened") << false;
        QTest::newRow("Yes: folder opened") << true;
    }

    void finish()
    {
        QFETCH(bool, viewFiles);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        desktop.answers = {viewFiles};
        frmMain window;
        window.show();
        GuestbookProject project = window.readProject();
        project.Project_Title = "Club news";
        window.showProject(project);
        window.setProjectName("Club news");
        walk(window, "NNNN");
        const QString pages = folderOf(folder.path(), "projects") + QDir::separator() + "Club_news";
        QCOMPARE(control<QLabel>(&window, "lblProjectName")->text(), QStringLiteral("Project Name: Club news"));
        QCOMPARE(control<QLabel>(&window, "lblGBPath")->text(), pages);
        walk(window, "N");

        QCOMPARE(QDir(pages).entryList(QDir::Files, QDir::Name),
                 (QStringList{"addtogb.asp", "default.asp", "guestbook.txt", "viewguestbook.asp"}));
        QCOMPARE(desktop.boxes(),
                 QStringList{"i YesNo: Your guestbook has been generated successfully\r\n\r\n"
                             "Would you like to view your files now?"});
        QCOMPARE(desktop.opened, viewFiles ? QStringList{pages + QDir::separator()} : QStringList());
        QVERIFY(!control(&window, "lblStatus")->isVisibleTo(&window));
        QCOMPARE(state(window), QStringLiteral("2 | frStep1 | Step 2: Title, body and tables | Back on | Next >>"));
        // Saved before the run, under the name as it was then.
        QCOMPARE(GetINISetting("Club news", "FLD_Names", "-"), QStringLiteral(", Name, E-mail, Homepage, Comments"));
        QCOMPARE(GetINISetting("Projects", "Recent_Projects", "-"), QStringLiteral("Club_news"));

        // The flag holds until the user comes back to step 2.
        QVERIFY(window.GuestbookGenerated());
        walk(window, "N");
        QVERIFY(window.GuestbookGenerated());
        walk(window, "B");
        QVERIFY(!window.GuestbookGenerated());
    }

    void failedRunStaysOnLastStep()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        writeBytes(folder.file("plain-file"), "not a folder");
        frmMain window;
        window.show();
        GuestbookProject project = window.readProject();
        project.Project_Path = folderOf(folder.path(), "plain-file") + QDir::separator();
        window.showProject(project);
        walk(window, "NNNNN");

        // The system's text follows "Error: "; the status line keeps its last text.
        QCOMPARE(desktop.boxes().size(), 1);
        QVERIFY2(desktop.boxes().first().startsWith("! Ok: Error: ") && desktop.boxes().first().size() > 13,
                 qPrintable(desktop.boxes().first()));
        QCOMPARE(state(window), kStep5);
        QVERIFY(control<QLabel>(&window, "lblStatus")->isVisibleTo(&window));
        QVERIFY(control<QLabel>(&window, "lblStatus")->text().startsWith("Status: "));
        QVERIFY(!window.GuestbookGenerated());

        // Mended: a usable folder, and Finish again.
        setFolderChooserForTesting([&](QWidget *, const QString &) { return folder.path(); });
        walk(window, "BBB");
        clickNamed(&window, "lblBrowse");
        walk(window, "NNNN");
        QVERIFY(window.GuestbookGenerated());
        QVERIFY(QFile::exists(folderOf(folder.path(), "My_Guestbook") + QDir::separator() + "viewguestbook.asp"));
    }

    // A press of another button than the left moves the window by hand until that
    // button is released; afterwards the window stays put and the next click counts.
    void otherButtonDragEndsOnItsRelease()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.show();
        QWidget *background = control(&window, "Image1");
        const QPoint press(300, 200);
        QCursor::setPos(background->mapToGlobal(press));
        const QPoint start = window.pos();

        sendMouse(background, QEvent::MouseButtonPress, press, Qt::RightButton);
        sendMouse(background, QEvent::MouseMove, press + QPoint(15, 5), Qt::NoButton, Qt::RightButton);
        QCOMPARE(window.pos(), start + QPoint(15, 5));
        sendMouse(background, QEvent::MouseButtonRelease, press + QPoint(15, 5), Qt::RightButton);

        const QPoint dropped = window.pos();
        moveMouse(background, press + QPoint(80, 60));
        QCOMPARE(window.pos(), dropped);
        clickNamed(&window, "lblNext");
        QCOMPARE(window.CurrentMode(), 2);
        QCOMPARE(window.pos(), dropped);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
