// The main window's life, played as scripts: start-up and shut-down, the wizard's steps,
// the controls of steps 2 and 3, Open Existing, Preview, Help, Finish and the save question; and
// each step fills its controls from a project and writes them back. And the program as installed:
// where settings, log and projects live, its desktop identity and its information options.

#include "support/goldenprojects.h"
#include "wizardtestsupport.h"

#include "app/programstart.h"
#include "chrome/desktopstartup.h"
#include "chrome/pictures.h"
#include "generator/generationrun.h"
#include "store/projectkeys.h"
#include "wizard/backgroundpicture.h"

namespace {

// Runs the program's start; at the window's first frame look() sees it, then the window is closed (the
// save question, if asked, answered through the test's seam). Gives the program's exit code.
int runProgramUntilFirstFrame(std::function<void(QWidget *)> look, int closeAfterMs = 100)
{
    struct FirstFrame : QObject {
        std::function<void(QWidget *)> look;
        int closeAfterMs = 0;
        bool eventFilter(QObject *window, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && look) {
                std::exchange(look, nullptr)(static_cast<QWidget *>(window));
                QTimer::singleShot(closeAfterMs, static_cast<QWidget *>(window), &QWidget::close);
            }
            return false;
        }
    } firstFrame;
    firstFrame.look = std::move(look);
    firstFrame.closeAfterMs = closeAfterMs;
    return RunProgram(&firstFrame);
}

const QString kNotSaved = QStringLiteral("Position not saved, will revert to default");
const QString kStep1 = QStringLiteral("1 frMain Step 1: Introduction Next >>");
const QString kStep2 = QStringLiteral("2 frStep1 Step 2: Title, body and tables << Back Preview Next >>");
const QString kStep3 = QStringLiteral("3 frStep2 Step 3: Fonts and links << Back Preview Next >>");
const QString kStep4 = QStringLiteral("4 frStep3 Step 4: Fields << Back Preview Next >>");
const QString kStep5 = QStringLiteral("5 frStep4 Step 5: Guestbook Generation << Back Preview Finish");
const QString kSave = QStringLiteral("? YesNoCancel: Would you like to save your guestbook settings first?");
const QString kView = QStringLiteral("i YesNo: Your guestbook has been generated successfully\r\n\r\n"
                                     "Would you like to view your files now?");
const QString kReadOnly = QStringLiteral("! Ok: Error: The settings file ~/Quillset.ini is read-only");
const QString kChooser = QStringLiteral("chooser Select a folder to save your guestbook to");
const QString kNoProjects = QStringLiteral("i Ok: No projects to load");
const QString kNoHelp = QStringLiteral("! YesNo: Help files not present.\r\n\r\nWould you like to visit the online "
                                       "documentation?");

// The window's state: step, then the shown frame, the heading and the window buttons that
// can be used; once closed, the position stored.
QString state(const WindowFixture &f)
{
    if (!f.window().isVisible())
        return "closed at " + GetINISetting("Position", "Left", "-") + ',' + GetINISetting("Position", "Top", "-");
    QStringList seen{QString::number(int(f.window().CurrentMode()))};
    for (const char *name :
         {"frMain", "frStep1", "frStep2", "frStep3", "frStep4", "lblSteps", "lblBack", "lblPreview", "lblNext"}) {
        const QWidget *shown = f.find(name);
        if (shown->isEnabled() && shown->isVisibleTo(f.main.get()))
            seen << (shown->inherits("QLabel") ? shown->property("text").toString() : QString(name));
    }
    return seen.join(' ');
}
}  // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // The log from start to close (Yes to the save question), and where the window starts.
    void logAndPosition_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QPoint>("position");  // null: the position is not saved, the window centred
        addRow("first start", QByteArray(), QPoint());
        addRow("saved: fraction dropped, a half to even", QByteArray("[Position]\r\nLeft=4230.4\r\nTop=1500.5\r\n"),
               QPoint(282, 100));
        addRow("Left not a number", QByteArray("[Position]\r\nLeft=abc\r\nTop=3000\r\n"), QPoint());
        addRow("Left without Top", QByteArray("[Position]\r\nLeft=3000\r\n"), QPoint());
        addRow("wholly off every screen", QByteArray("[Position]\r\nLeft=400000\r\nTop=3000\r\n"), QPoint());
        // Saved partly off the screen: back wholly on it, at the nearest place.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const auto saved = [](QPoint twips) {
            return "[Position]\r\nLeft=" + QByteArray::number(twips.x()) + "\r\nTop=" + QByteArray::number(twips.y());
        };
        addRow("only a corner on the screen", saved((screen.bottomRight() - QPoint(123, 117)) * 15),
               screen.bottomRight() + QPoint(1, 1) - QPoint(517, 366));
        addRow("half off the left", saved(QPoint(-250, 60) * 15), QPoint(screen.left(), 60));
        addRow("off the right only", saved(QPoint(screen.right() - 100, 40) * 15),
               QPoint(screen.right() + 1 - 517, 40));
    }

    void logAndPosition()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QPoint, position);
        WindowFixture f(settings, false);
        const QStringList logged{"Left: " + GetINISetting("Position", "Left", "").section('.', 0, 0),
                                 "Top: " + GetINISetting("Position", "Top", "").section('.', 0, 0)};
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint centre((screen.width() - 517) / 2, (screen.height() - 366) / 2);
        QVERIFY((f.window().pos() - (position.isNull() ? centre : position)).manhattanLength() <= 2);
        QCOMPARE(f.window().size(), QSize(517, 366));
        QCOMPARE(f.window().windowFlags(), Qt::Window | Qt::FramelessWindowHint);
        f.play("2|txtBGColor=#000000|yes|close");
        const QStringList expected = QStringList{"Initializing Quillset 1.2.6", "Loading position"}
            + (position.isNull() ? QStringList{kNotSaved} : logged)
            + QStringList{"Loading default mode", "Mode loaded, continuing main application execution", "Loading fonts",
                          "Initializing listview", "Checking existance of projects folder",
                          "Projects folder does not exist, Quillset will now create it",
                          "Initializing Quillset shutdown procedure", "User wishes to save settings first",
                          "Settings saved", "Saving position"};
        QCOMPARE(logMessages(f.folder.file("applog.log")), expected);
    }

    // A script (see WindowFixture::play) on the window moved to (300, 200), with the temporary
    // folder in the program folder: what came of it, then the window's state.
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("expected");  // "*" in a line stands for any text
        using L = QStringList;
        addRow("Back to step 1 and on it", "NNBBB", L{kStep1});
        addRow("Back from step 5", "NNNNB", L{kStep4});
        addRow("step 5; DoMode(0) and DoMode(6) change nothing", "NNNN0|6", L{kStep5});
        addRow("no fields: stops at step 4", "nofields|NNNN",
               L{"! Ok: Error: You must specify atleast one field", kStep4});
        // Finish saves, writes the pages and offers their folder, or says why it stopped.
        addRow("Finish, Yes: the folder opened", "yes|NNNN|?lblProjectName|?lblGBPath|N|?~/projects/My_Guestbook",
               L{"lblProjectName=Project Name: My Guestbook", "lblGBPath=~/projects/My_Guestbook", kView,
                 "~/projects/My_Guestbook=addtogb.asp default.asp guestbook.txt viewguestbook.asp",
                 "opened ~/projects/My_Guestbook/", kStep2});
        addRow("Finish, No: nothing opened", "no|NNNNN|5|?lblServerNeeds",
               L{kView, "lblServerNeeds=The web server must let the pages write to guestbook.txt.", kStep5});
        // Every protection option on: the whole line on what is on; once written, the owner
        // page and what the server must allow, until the options change.
        addRow("Finish, protected",
               "5|@lblProtection|chkSpamGuard|txtMaxLength=500|txtPerPage=20|txtPassword=pw-1234567|"
               "txtConfirm=pw-1234567|chkModerate|lblOK|@|?+lblProtectionState|?+lblServerNeeds|no|N|5|"
               "?+lblServerNeeds|?lblServerNeeds|@lblProtection|lblOK|@|?+lblServerNeeds",
               L{"+lblProtectionState=shown", "+lblServerNeeds=hidden", kView, "+lblServerNeeds=shown",
                 "lblServerNeeds=Owner page: owner.asp (not linked). The web server must let the pages "
                 "write to guestbook.txt, pending.txt, usedforms.txt, deleted.txt and journal.txt.",
                 "+lblServerNeeds=hidden", kStep5});
        addRow("Finish into an unwritable folder", "file=~/plain-file|N|txtSaveTo=~/plain-file/|NNNN|?+lblStatus",
               L{"! Ok: Error: *. The guestbook could not be written into ~/plain-file/My_Guestbook. "
                 "Choose another folder on step 2",
                 "+lblStatus=hidden", kStep5});
        addRow("Finish with a script marker", "N|txtBGColor=<%=Now%>|NNNN",
               L{"! Ok: Error: Background colour \"<%=Now%>\" cannot be used in a page: it holds the server script "
                 "marker \"<%\"",
                 kStep5});
        addRow("Finish, read-only settings: nothing generated", "read-only|NNNNN", L{kReadOnly, kStep5});
        // The save question comes only for a design changed since it was started, loaded or saved;
        // Cancel (as Escape and the close box) keeps the window open with the design as it was.
        const QString changed = "2|txtBGColor=#000000|";
        addRow("Yes, exit button", changed + "yes|imgExit|?My Guestbook/BG_Color",
               L{kSave, "My Guestbook/BG_Color=#000000", "closed at 4500,3000"});
        addRow("No, close request", changed + "no|close|?My Guestbook/BG_Color",
               L{kSave, "My Guestbook/BG_Color=-", "closed at 4500,3000"});
        addRow("Cancel: open, design kept", changed + "cancel|close|?txtBGColor|?Position/Left|yes|close",
               L{kSave, "txtBGColor=#000000", "Position/Left=-", kSave, "closed at 4500,3000"});
        addRow("Yes, read-only settings: shown once", changed + "read-only|yes|close",
               L{kSave, kReadOnly, "closed at -,-"});
        addRow("unchanged since start: not asked", "NN|close", L{"closed at 4500,3000"});
        addRow("changed back: not asked", changed + "txtBGColor=#ffffff|close", L{"closed at 4500,3000"});
        addRow("renamed: asked", "2|@lblTitle|txtNew=Club|lblOK|@|close", L{kSave, "closed at 4500,3000"});
        addRow("saved on Finish, a step on: not asked", "no|NNNNNN|close", L{kView, "closed at 4500,3000"});
        addRow("changed after Finish: asked", "no|NNNNN|txtBGColor=#000000|close",
               L{kView, kSave, "closed at 4500,3000"});
        addRow("opened, changed: asked; changed back: not asked",
               changed + "open=Garden|txtBGColor=#ffffff|cancel|close|txtBGColor=#000000|close",
               L{"i Ok: Settings loaded for: Garden", kSave, "closed at 4500,3000"});
        // Steps 2 and 3: the title and folder go to the project's section at once. Browsing: cancelled,
        // a folder, the root (already ending in the separator), read-only settings (the folder kept).
        const QString browse = "2|lblBrowse|?txtSaveTo|?My_Guestbook/Project_Path|";
        // The fields' order, changed by Alt+Up and Alt+Down on the list and by the step's buttons, on
        // the selected field (nothing past either end), is the order on the sign page.
        addRow("fields reordered", "4|focus=lvwFields|keys=HD^|?lvwFields|lblMoveDown|lblMoveDown|lblMoveDown|"
                                   "lblMoveDown|?lvwFields|lblMoveUp|focus=lvwFields|keys=H^|?lvwFields|keys=v|"
                                   "?lvwFields|no|NN|?~/projects/My_Guestbook/default.asp",
               L{"lvwFields=E-mail Name Homepage Comments", "lvwFields=Name Homepage Comments E-mail",
                 "lvwFields=Name Homepage E-mail Comments", "lvwFields=Homepage Name E-mail Comments", kView,
                 "~/projects/My_Guestbook/default.asp=frmGB txtHomepage txtName txtE-mail txtaComments btnSubmit",
                 kStep2});
        addRow("browse", browse + "chooser=~/web|" + browse + "?My_Guestbook/Project_Title|?My_Guestbook/BG_Color|"
                         "chooser=/|" + browse + "read-only|chooser=~/web|" + browse,
               L{kChooser + " at ~/projects", "txtSaveTo=~/projects/", "My_Guestbook/Project_Path=-",
                 kChooser + " at ~/projects", "txtSaveTo=~/web/", "My_Guestbook/Project_Path=~/web/",
                 "My_Guestbook/Project_Title=My Guestbook", "My_Guestbook/BG_Color=-",
                 kChooser + " at ~",  // ~/web/ does not exist: the nearest folder above it
                 "txtSaveTo=/", "My_Guestbook/Project_Path=/", kChooser + " at /", kReadOnly,
                 "txtSaveTo=~/web/", "My_Guestbook/Project_Path=/", kStep2});
        addRow("colours: background, links under the pointer, cancelled",
               "picker=00CCFF|2|imgBGcolor|?txtBGColor|picker=0A0B0C|3|imgHMColor|?txtHMColor|"
               "picker=-1|imgFColor|?txtFColor",
               L{"picker", "txtBGColor=#ffcc00", "picker", "txtHMColor=#0c0b0a", "picker", "txtFColor=#000000",
                 kStep3});
        // Text and background colours hard to read are pointed out on step 3, as either changes; nothing is refused.
        const QString hard = "lblContrast=Hard to read: the text colour on the background colour has a contrast of "
                             "%1:1; at least 4.5:1 is advised.";
        addRow("contrast warning",
               "N|txtBGColor=#666666|N|?+lblContrast|?lblContrast|txtFColor=#ffffff|?+lblContrast|B|"
               "txtBGColor=#FFFFFF|N|?lblContrast|txtBGColor=black|?+lblContrast",
               L{"+lblContrast=shown", hard.arg("3.6"), "+lblContrast=hidden", hard.arg("1.0"), "+lblContrast=hidden",
                 kStep3});
        // The face lists start with the web-safe families, Verdana first; a face that is not
        // installed stays as the project has it.
        addRow("fonts", "3|?cboFont|focus=cboFont|keys=D|?cboFont|keys=UU|?cboFont|cboFont=Fancy Face|open=Garden|"
                        "?cboFont",
               L{"cboFont=Verdana", "cboFont=Arial", "cboFont=Verdana", "i Ok: Settings loaded for: Garden",
                 "cboFont=Fancy Face", kStep2});
        addRow("border box", "2|chkBorder|?chkBorder|chkBorder|?chkBorder", L{"chkBorder=Yes", "chkBorder=No", kStep2});
        // Preview writes the design as the controls hold it into a fresh temporary folder and
        // opens its sign page; nothing is saved. A design that cannot go into a page is refused.
        addRow("preview", "NN|lblPreview|?My Guestbook/BG_Color",
               L{"My Guestbook/BG_Color=-", "opened ~/quillset-preview-*", kStep3});
        addRow("preview refused", "N|txtBGColor=#fff%>|N|lblPreview",
               L{"! Ok: Error: Background colour \"#fff%>\" cannot be used in a page: it holds the server script "
                 "marker \"%>\"",
                 kStep3});
        // A minimised dialog comes back at once, the main window with it.
        addRow("dialogs minimised", "2|@lblTitle|minimise|?minimised|@|4|@lblNewField|minimise|?minimised|@|5|"
                                    "@lblProtection|minimise|?minimised|@|?minimised",
               L{"minimised=no", "dialog open", "minimised=no", "dialog open", "minimised=no", "dialog open",
                 "minimised=no", kStep5});
        addRow("About box: the version, and the copyright line opens the home page",
               "@imgAbout|?Label13|?Label14|?Label17|Label6|@",
               L{"Label13=1.2", "Label14=6", "Label17=MIT", "dialog open", "opened https://quillset.example.org/",
                 kStep1});
        // Open Existing lists the saved projects, if the count says there are any.
        addRow("open: no count, count 0, count not a number, count 2",
               "lblLoadExisting|Settings/prjNumber=0|lblLoadExisting|Settings/prjNumber=many|lblLoadExisting|"
               "Settings/prjNumber=2|lblLoadExisting",
               L{kNoProjects, kNoProjects, kNoProjects, "browser", kStep1});
        // Help, as the files appear: without any (a help folder without its page too), the question,
        // and Yes opens the online documentation; then the installed manual, the one beside the
        // program, and help.chm before both.
        addRow("help", "program=~/bin|imgHelp|file=~/bin/help/style.css|imgHelp|yes|imgHelp|"
                       "file=~/share/quillset/help/index.html|imgHelp|file=~/bin/help/index.html|imgHelp|"
                       "file=~/bin/help.chm|imgHelp",
               L{kNoHelp, kNoHelp, kNoHelp, "opened https://quillset.example.org/support/",
                 "opened ~/share/quillset/help/index.html", "opened ~/bin/help/index.html", "opened ~/bin/help.chm",
                 kStep1});
    }

    void scripts()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, expected);
        WindowFixture f;
        const QByteArray temp = qgetenv("TMPDIR");  // the preview's folder goes into the program folder
        const auto restore = qScopeGuard([temp] { qputenv("TMPDIR", temp); });  // empty: the system's own
        qputenv("TMPDIR", QFile::encodeName(f.folder.path()));
        f.window().move(300, 200);
        QStringList seen = f.play(script) << state(f);
        for (int i = 0; i < qMin(seen.size(), expected.size()); ++i) {
            const QString pattern = QRegularExpression::escape(expected[i]).replace("\\*", ".*");  // "*": any text
            if (QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(seen[i]).hasMatch())
                seen[i] = expected[i];
        }
        QCOMPARE(seen, expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<GuestbookProject>("design");
        QTest::addColumn<int>("builtUpTo");  // steps 1 to this one have been shown
        for (const QString &design : kGoldenDesigns)
            for (int step = 1; step <= 5; ++step)
                QTest::addRow("%s, built to step %d", qPrintable(design), step)
                    << goldenProject(design, "/srv/books/") << step;
        // The page style and language, and a value the lists do not know, which is kept as it was.
        GuestbookProject modern = goldenProject("western", "/srv/books/");
        modern.Page_Style = "Modern", modern.Page_Language = "ja";
        QTest::newRow("modern, Japanese") << modern << 2;
        modern.Page_Style = "Fancy", modern.Page_Language = "xx";
        QTest::newRow("unknown style and language") << modern << 5;
    }

    void roundTrip()
    {
        QFETCH(GuestbookProject, design);
        QFETCH(int, builtUpTo);
        const WindowFixture f({}, false);
        f.walk(QString("2345").left(builtUpTo - 1));
        QCOMPARE(f.window().readProject(), GuestbookProject::startupDefaults());
        f.window().showProject(design);
        QCOMPARE(f.window().readProject(), design);
        // Steps shown after the project came in are filled from the record.
        f.walk(QString("12345").mid(builtUpTo - 1, 5 - builtUpTo));
        QCOMPARE(f.window().readProject(), design);
        f.window().showProject(GuestbookProject::startupDefaults());
        QCOMPARE(f.window().readProject(), GuestbookProject::startupDefaults());
    }

    // Each control of steps 2 and 3 shows its own project value and writes a new one back: the
    // design holds each key's name as its value (flags on), so a control tied to another key shows it.
    void controlsCarryTheirKeys_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");  // empty: the key's name
        QTest::addColumn<QString>("change");  // empty: "changed" typed
        QTest::addColumn<QString>("stored");  // the key's value after the change
        const auto add = [](const char *step, const QString &rows, const QString &shown = {},
                            const QString &change = {}, const QString &stored = "changed") {
            for (const QString &row : rows.split(' '))
                QTest::addRow("%s", qPrintable(row))
                    << QString(step) << row.section('=', 0, 0) << row.section('=', 1) << shown << change << stored;
        };
        add("2", "txtTitle=Project_Title txtSaveTo=Project_Path txtBGImage=BG_Image txtBGColor=BG_Color "
                 "cbotblWidth=TBL_Width cbotblBorder=TBL_Border_Width");
        add("3", "txtFColor=M_FColor cboFont=M_FFace cboPX=M_FSize txtHColor=H_FColor cboHFont=H_FFace "
                 "cboHPX=H_FSize txtHMColor=HM_FColor cboHMFont=HM_FFace cboHMPX=HM_FSize");
        add("2", "chkBorder=TBL_Border", "Yes", "chkBorder", "0");
        // A choice the list does not know is shown as it is stored, and kept.
        add("2", "cboPageStyle=Page_Style", "", "cboPageStyle=Classic", "Classic");
        add("2", "cboPageLanguage=Page_Language", "", "cboPageLanguage=English", "en");
    }

    void controlsCarryTheirKeys()
    {
        QFETCH(QString, step);
        QFETCH(QString, control);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        QFETCH(QString, change);
        QFETCH(QString, stored);
        WindowFixture f({}, false);
        GuestbookProject design = GuestbookProject::startupDefaults();
        for (const ProjectKey &each : ProjectKeys())
            each.setIn(design, each.text ? QString(each.key) : "1");
        f.window().showProject(design);
        const QString changing = change.isEmpty() ? control + "=changed" : change;
        const QStringList seen = f.play(step + "|?" + control + '|' + changing);
        QCOMPARE(seen, QStringList{control + '=' + (shown.isEmpty() ? key : shown)});
        const auto row = std::find_if(ProjectKeys().begin(), ProjectKeys().end(),
                                      [&](const ProjectKey &each) { return each.key == key; });
        QCOMPARE(row->valueIn(f.window().readProject()), stored);
    }

    // Another button than the left moves the window by hand while it is held; once it is up
    // (released over another window), the window stays put and the next click counts.
    void otherButtonDragEndsWhenReleased()
    {
        const WindowFixture f;
        QWidget *background = f.find("Image1");
        const QPoint press(300, 200), start = f.window().pos();
        QCursor::setPos(background->mapToGlobal(press));
        sendMouse(background, QEvent::MouseButtonPress, press, Qt::RightButton);
        sendMouse(background, QEvent::MouseMove, press + QPoint(15, 5), Qt::NoButton, Qt::RightButton);
        QCOMPARE(f.window().pos(), start + QPoint(15, 5));
        sendMouse(background, QEvent::MouseMove, press + QPoint(80, 60));
        f.click("lblNext");
        QCOMPARE(f.window().pos(), start + QPoint(15, 5));
        QCOMPARE(f.window().CurrentMode(), Step::TitleBody);
    }

    void dataFolderChoice_data()
    {
        // The program folder and the per-user one, each w (writable) or - (lies under a plain
        // file, which holds for root too); i: installed (share/quillset in the prefix);
        // b: a build tree (CMake's cache in the prefix, above the program's folder);
        // s: a settings file beside the program, from an earlier version.
        QTest::addColumn<QString>("folders");
        QTest::addColumn<QString>("expected");
        addRow("build tree or copy: beside the program", "ww", "program");
        addRow("copy, no per-user folder", "w-", "program");
        addRow("copy in a read-only folder", "-w", "per-user");
        addRow("neither writable", "--", "per-user");
        addRow("installed: the per-user folder", "wwi", "per-user");
        addRow("installed, no per-user folder", "w-i", "per-user");
        addRow("installed, earlier settings beside: copied", "wwis", "per-user");
        addRow("build tree: the per-user folder", "wwb", "per-user");
        addRow("build tree, earlier settings beside: copied", "wwbs", "per-user");
        addRow("build tree, no per-user folder", "w-b", "per-user");
    }

    // The files go where the choice says, nothing lands in the other folder, and only
    // when the chosen one cannot be written the message appears, once, before start-up
    // goes on; the save asked for on closing then fails and says so too.
    void dataFolderChoice()
    {
        QFETCH(QString, folders);
        QFETCH(QString, expected);
        TestProgramFolder base;
        writeBytes(base.file("plain-file"), "not a folder");
        const QString program = base.file(folders[0] == 'w' ? "prefix/bin" : "plain-file/program");
        const QString perUser = base.file(folders[1] == 'w' ? "home/.local/share/Quillset" : "plain-file/Quillset");
        QDir().mkpath(program);
        if (folders.contains('i'))
            QDir().mkpath(base.file("prefix/share/quillset"));
        if (folders.contains('b'))
            writeBytes(base.file("prefix/CMakeCache.txt"), "CMAKE_BUILD_TYPE:STRING=Release\n");
        if (folders.contains('s'))
            writeBytes(program + "/Quillset.ini", "[Projects]\r\nRecent_Projects=Earlier\r\n");
        ProgramFolder::setPathForTesting(program);
        ProgramFolder::setPerUserFolderForTesting(perUser);
        ScriptedDesktop desktop;
        DesktopStartup::chooseDataFolder();
        desktop.answers = {MessagePrompt::Answer::Yes};
        frmMain window;
        window.setProjectName("Renamed");  // a changed design: closing asks to save it
        window.close();
        const bool beside = expected == "program", kept = folders[beside ? 0 : 1] == 'w';
        const QString chosen = beside ? program : perUser, other = beside ? perUser : program;
        QCOMPARE(ProgramFolder::path(), chosen);
        QStringList boxes = desktop.boxes();
        QVERIFY(kept || boxes.takeLast().startsWith("! Ok: Error: "));
        const QString cannot = "! Ok: Error: Quillset cannot save its settings in " + perUser
            + ". Projects will not be kept.";
        QCOMPARE(boxes, (kept ? QStringList() : QStringList{cannot})
                            << "? YesNoCancel: Would you like to save your guestbook settings first?");
        for (const char *name : {"Quillset.ini", "applog.log", "projects"})
            QCOMPARE(QFileInfo::exists(chosen + "/" + name), kept);
        QCOMPARE(QDir(other).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 folders.contains('s') ? QStringList{"Quillset.ini"} : QStringList());
        QCOMPARE(readBytes(chosen + "/Quillset.ini").contains("Recent_Projects=Earlier"), folders.contains('s'));
    }

    // The program's start: the window is painted before the icon is set and before copies that a killed
    // writer left are cleared, which happens off the window's thread a second later and is over when the program
    // ends. A sweep asked to stop leaves the project folders alone.
    void programStartClearsAfterTheFirstFrame()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;  // No to the save question
        const QString copy = folder.file("projects/Club_news/default.asp.quillset-tmp.AbCd1234");
        QDir().mkpath(QFileInfo(copy).absolutePath());
        writeBytes(copy, "partial");
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite)
                && file.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        file.close();
        RemoveStaleTemporaryFiles([] { return true; });
        QVERIFY(QFileInfo::exists(copy));

        QApplication::setWindowIcon(QIcon());
        QStringList seen;  // at the first paint: the icon's sizes, and whether the copy is there
        QCOMPARE(runProgramUntilFirstFrame(
                     [&](QWidget *) {
                         seen << QString::number(QApplication::windowIcon().availableSizes().size())
                              << (QFileInfo::exists(copy) ? "copy" : "no copy");
                     },
                     1500),  // the sweep starts a second after the first frame
                 0);
        QCOMPARE(seen, (QStringList{"0", "copy"}));
        QCOMPARE(QApplication::windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
        QVERIFY(!QFileInfo::exists(copy));
        QCOMPARE(desktop.boxes(), QStringList());  // the design as started: closing asks nothing
    }

    // The window comes up in the language of the locale, from the translations beside the program; English, the
    // texts' own language, needs none, and every other language's translations are complete.
    void windowInTheLocalesLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        // The heading, Back, Next, Open Existing; a run's last status line, the box of a refused field size and the
        // save question (the design renamed).
        QTest::addColumn<QStringList>("expected");
        addRow("German", QString("de_DE"),
               QStringList{"Schritt 1: Einführung", "<< Zurück", "Weiter >>", "Projekt öffnen",
                           "Status: Dateiende wird geschrieben [ viewguestbook.asp ]",
                           "! Ok: Fehler: Größe „<%“ des Feldes „Name“ kann nicht in einer Seite verwendet werden: "
                           "darin steht die Server-Skriptmarke „<%“",
                           "? YesNoCancel: Möchten Sie Ihre Gästebuch-Einstellungen vorher speichern?"});
        addRow("French", QString("fr_FR"),
               QStringList{"Étape 1 : Introduction", "<< Précédent", "Suivant >>", "Ouvrir un projet",
                           "État : écriture du pied du fichier [ viewguestbook.asp ]",
                           "! Ok: Erreur : Taille « <% » du champ « Name » — cette valeur ne peut pas être utilisée "
                           "dans une page : la valeur contient la marque de script serveur « <% »",
                           "? YesNoCancel: Voulez-vous d'abord enregistrer les réglages de votre livre d'or ?"});
        addRow("Spanish, Mexico", QString("es_MX"),
               QStringList{"Paso 1: Introducción", "<< Atrás", "Siguiente >>", "Abrir existente",
                           "Estado: escribiendo el pie del archivo [ viewguestbook.asp ]",
                           "! Ok: Error: Tamaño «<%» del campo «Name» no se puede usar en una página: contiene la "
                           "marca de script de servidor «<%»",
                           "? YesNoCancel: ¿Desea guardar antes la configuración de su libro de visitas?"});
        addRow("English", QString("en_GB"),
               QStringList{"Step 1: Introduction", "<< Back", "Next >>", "Open Existing",
                           "Status: Writing file footer [ viewguestbook.asp ]",
                           "! Ok: Error: Size \"<%\" of field \"Name\" cannot be used in a page: it holds the server "
                           "script marker \"<%\"",
                           kSave});
    }
    void windowInTheLocalesLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, expected);
        if (!locale.startsWith("en")) {
            const QByteArray source =
                readBytes(QString(QUILLSET_TEST_DATA "/../../translations/quillset_%1.ts").arg(locale.left(2)));
            QVERIFY(source.count("<message>") > 100);
            QCOMPARE(source.count("<translation>"), source.count("<message>"));
            QCOMPARE(source.count("type=\"unfinished\""), 0);
            QCOMPARE(source.count("<translation></translation>"), 0);
        }
        TestProgramFolder folder;
        QDir().mkpath(folder.file("translations"));
        for (const QFileInfo &built : QDir(QUILLSET_TRANSLATIONS).entryInfoList({"*.qm"}))
            QVERIFY(QFile::copy(built.filePath(), folder.file("translations/" + built.fileName())));
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&folder] {
            QLocale::setDefault(QLocale::system());
            InstallTranslations(QLocale::c(), folder.path());
        });
        ScriptedDesktop desktop;
        QStringList seen;
        // Finish with a sound design (the view question answered No), then with a field size the pages refuse.
        const auto finish = [&desktop](frmMain *window, const QString &size) {
            GuestbookProject project = window->readProject();
            project.Fields = {{"Name", "Text", size, ""}};
            window->showProject(project);
            window->DoMode(Step::Generation);
            clickNamed(window, "lblNext");
            desktop.shown.removeIf(
                [](const MessagePrompt::Shown &box) { return box.icon == MessagePrompt::Icon::Information; });
        };
        QCOMPARE(runProgramUntilFirstFrame([&](QWidget *window) {
                     for (const char *name : {"lblSteps", "lblBack", "lblNext", "lblLoadExisting"})
                         seen << window->findChild<QLabel *>(name)->text();
                     QTimer::singleShot(0, window, [&, window] {
                         finish(static_cast<frmMain *>(window), "40");
                         seen << window->findChild<QLabel *>("lblStatus")->text();
                         finish(static_cast<frmMain *>(window), "<%");
                         static_cast<frmMain *>(window)->setProjectName("Renamed");
                     });
                 }),
                 0);
        QCOMPARE(seen + desktop.boxes(), expected);
        // The log keeps the run's lines in English.
        QVERIFY(logMessages(folder.file("applog.log")).contains("Status: Writing file footer [ viewguestbook.asp ]"));
    }

    // The windows carry the installed desktop entry's name and icon pictures. --help and --version
    // answer and end the program with no display at all (the window system, if reached, would
    // abort the program), Qt's own options before them too; an unknown option prints the usage
    // and ends the program with 2. The publish command is no unknown option, and speaks German here.
    void identityAndInformationOptions()
    {
        DesktopStartup::setIdentity();
        DesktopStartup::setWindowIcon();
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.quillset.Quillset"));
        for (const int side : {48, 256}) {  // the installed pictures, pixel for pixel
            const QImage installed(
                QString(QUILLSET_TEST_DATA "/../../packaging/icons/%1x%1/org.quillset.Quillset.png").arg(side));
            QCOMPARE(QApplication::windowIcon().pixmap(side).toImage(),
                     installed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        // The pictures kept as pixels are the ones the code draws.
        QImage banner(BackgroundPicture::bannerSize(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&banner);
        BackgroundPicture::paintBanner(painter, banner.width());
        painter.end();
        QCOMPARE(Pictures::keptPixels(BackgroundPicture::bannerName(), banner.size()), banner);
        for (const auto kind : {Pictures::Button::About, Pictures::Button::Help, Pictures::Button::Exit}) {
            const QImage drawn = Pictures::roundButton(kind, Pictures::kRoundButtonSize).toImage();
            QCOMPARE(Pictures::keptPixels(Pictures::roundButtonName(kind), drawn.size()), drawn);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(name);
        environment.insert("LANG", "de_DE.UTF-8");  // only the publish command speaks the user's language
        const QTemporaryDir dataHome;  // --publish chooses its data folder
        environment.insert("XDG_DATA_HOME", dataHome.path());
        const QString usage = "Usage: \\S*quillset \\[options\\]\n.*--help.*--version.*";
        const QString version = "^Quillset 1\\.2\\.6\n$";
        const QList<std::tuple<QStringList, int, QString>> runs{
            {{"--version"}, 0, version},
            {{"-v"}, 0, version},
            {{"-platform", "offscreen", "-reverse", "--version"}, 0, version},
            {{"--help"}, 0, '^' + usage + '$'},
            {{"--frobnicate"}, 2, "^Unknown option 'frobnicate'\\.\n\n" + usage + '$'},
            {{"-x", "--version"}, 2, "^Unknown option 'x'\\.\n\n" + usage + '$'},
            {{"--publish", "Nobody"}, 1, "^Es ist kein Projekt „Nobody“ gespeichert\\.\n$"},
            {{"--publish"}, 1, "^Nennen Sie das zu veröffentlichende Projekt: quillset --publish <Projekttitel>"},
        };
        for (const auto &[arguments, exitCode, printed] : runs) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QUILLSET_PROGRAM, arguments);
            QVERIFY(program.waitForFinished(30000));
            QVERIFY(program.exitStatus() == QProcess::NormalExit);
            QCOMPARE(program.exitCode(), exitCode);
            const QString output = QString::fromLocal8Bit(exitCode == 0 ? program.readAllStandardOutput()
                                                                        : program.readAllStandardError());
            const QRegularExpression expected(printed, QRegularExpression::DotMatchesEverythingOption);
            QVERIFY2(expected.match(output).hasMatch(), qPrintable(arguments.join(' ') + ": " + output));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
