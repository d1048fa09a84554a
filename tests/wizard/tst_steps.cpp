// The wizard's steps: each fills its controls from a project and writes them back
// (a step not built yet answers from the window's record); the controls of steps 2
// and 3 and the window buttons; a design that cannot go into the pages, and Preview.

#include "support/goldenprojects.h"
#include "wizardtestsupport.h"

namespace {
// Points the system's temporary folder at a folder of the test's own while it lives.
struct TestTempFolder {
    TestTempFolder() : previous(qgetenv("TMPDIR")) { qputenv("TMPDIR", QFile::encodeName(dir.path())); }
    ~TestTempFolder() { previous.isEmpty() ? void(qunsetenv("TMPDIR")) : void(qputenv("TMPDIR", previous)); }
    QStringList folders() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    QTemporaryDir dir;
    QByteArray previous;
};
}  // namespace

class StepsTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<GuestbookProject>("design");
        QTest::addColumn<int>("builtUpTo");  // steps 1 to this one have been shown
        const QString path = QStringLiteral("/srv/books/");
        const QList<QPair<const char *, GuestbookProject>> designs = {
            {"default", defaultProject(path)}, {"bordered", borderedProject(path)}, {"mixed", mixedProject(path)}};
        for (const auto &design : designs) {
            for (int step = 1; step <= 5; ++step)
                QTest::addRow("%s, built to step %d", design.first, step) << design.second << step;
        }
    }

    void roundTrip()
    {
        QFETCH(GuestbookProject, design);
        QFETCH(int, builtUpTo);
        const WindowFixture f({}, false);
        for (int step = 2; step <= builtUpTo; ++step)
            f.step(step);
        QCOMPARE(f.window().readProject(), GuestbookProject::startupDefaults());
        f.window().showProject(design);
        QCOMPARE(f.window().readProject(), design);
        // Steps shown after the project came in are filled from the record.
        for (int step = builtUpTo; step <= 4; ++step)
            f.step(step);
        QCOMPARE(f.window().readProject(), design);
        f.window().showProject(GuestbookProject::startupDefaults());
        QCOMPARE(f.window().readProject(), GuestbookProject::startupDefaults());
    }

    void borderCheckBox()
    {
        const WindowFixture f;
        f.step(2);
        auto *border = f.find<QCheckBox>("chkBorder");
        const auto seen = [&] { return border->text() + ' ' + QString::number(f.window().readProject().TBL_Border); };
        QTest::mouseClick(border, Qt::LeftButton, {}, QPoint(8, border->height() / 2));
        QCOMPARE(seen(), QStringLiteral("Yes 1"));
        QTest::mouseClick(border, Qt::LeftButton, {}, QPoint(8, border->height() / 2));
        QCOMPARE(seen(), QStringLiteral("No 0"));
        GuestbookProject loaded = f.window().readProject();
        loaded.TBL_Border = 1;
        f.window().showProject(loaded);
        QCOMPARE(seen(), QStringLiteral("Yes 1"));
    }

    void browseWritesTitleAndPath_data()
    {
        QTest::addColumn<QString>("chosen");  // relative to the program folder; "/" alone: the root
        addRow("a folder", QString("web"));
        addRow("the root folder, already ending in the separator", QString("/"));
        addRow("cancelled", QString());
    }

    void browseWritesTitleAndPath()
    {
        QFETCH(QString, chosen);
        const WindowFixture f;
        QString prompt;
        setFolderChooserForTesting([&](QWidget *, const QString &asked) {
            prompt = asked;
            return chosen.isEmpty() || chosen == "/" ? chosen : f.folder.path() + '/' + chosen;
        });
        f.step(2);
        const QString before = f.find<QLineEdit>("txtSaveTo")->text();
        f.click("lblBrowse");
        QCOMPARE(prompt, QStringLiteral("Select a folder to save your guestbook to"));
        const QString expected = chosen.isEmpty() ? before
            : chosen == "/"                       ? QDir::toNativeSeparators(QDir::rootPath())
                                                  : QDir::toNativeSeparators(f.folder.path() + "/web/");
        QCOMPARE(f.find<QLineEdit>("txtSaveTo")->text(), expected);
        // The two keys only, in the section named with "_" for spaces.
        const QStringList stored = {f.key("My_Guestbook", "Project_Title"), f.key("My_Guestbook", "Project_Path"),
                                    f.key("My_Guestbook", "BG_Color")};
        QCOMPARE(stored, chosen.isEmpty() ? QStringList({"-", "-", "-"}) : QStringList({"My Guestbook", expected, "-"}));
    }

    void colourButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("text");  // empty: unchanged
        addRow("background", "imgBGcolor", "txtBGColor", 0x00CCFF, "#ffcc00");
        addRow("links under the mouse", "imgHMColor", "txtHMColor", 0x0A0B0C, "#0c0b0a");
        addRow("cancelled", "imgFColor", "txtFColor", -1, "");
    }

    void colourButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(int, picked);
        QFETCH(QString, text);
        const WindowFixture f;
        int asked = 0;
        mainWindowDialogs().pickColor = [&](QWidget &) { return ++asked, picked; };
        f.step(button == "imgBGcolor" ? 2 : 3);
        const QString before = f.find<QLineEdit>(box)->text();
        QTest::mouseClick(f.find(button), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(f.find<QLineEdit>(box)->text(), text.isEmpty() ? before : text);
    }

    void openExisting_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("opens");
        addRow("no count", QByteArray("[Settings]\r\n"), false);
        addRow("count 0", QByteArray("[Settings]\r\nprjNumber=0\r\n"), false);
        addRow("count 2", QByteArray("[Settings]\r\nprjNumber=2\r\n"), true);
        addRow("count not a number", QByteArray("[Settings]\r\nprjNumber=many\r\n"), false);
    }

    void openExisting()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, opens);
        const WindowFixture f(settings);
        int browsers = 0;
        mainWindowDialogs().showExistingProjects = [&browsers](QWidget &, auto) { ++browsers; };
        f.click("lblLoadExisting");
        QCOMPARE(browsers, opens ? 1 : 0);
        QCOMPARE(f.boxes(), opens ? QStringList() : QStringList{"i Ok: No projects to load"});
    }

    void refusedDesignStaysOnLastStep()
    {
        const WindowFixture f;
        GuestbookProject project = f.window().readProject();
        project.BG_Color = QStringLiteral("<%=Now%>");
        f.window().showProject(project);
        f.walk("NNNNN");

        QCOMPARE(f.boxes(),
                 QStringList{"! Ok: Error: Background colour \"<%=Now%>\" cannot be used in a page: "
                             "it holds the server script marker \"<%\""});
        QCOMPARE(f.window().CurrentMode(), 5);
        QVERIFY(f.find("lblBack")->isEnabled());
        QVERIFY(!f.window().GuestbookGenerated());
        QVERIFY(!QFileInfo::exists(f.folder.file(QStringLiteral("projects/My_Guestbook"))));
    }

    // The design as the controls hold it goes into a fresh temporary folder, whose
    // sign page is opened; nothing is saved and no project folder is written.
    void previewOpensTheSignPageOfAFreshFolder()
    {
        const WindowFixture f;
        f.walk("NN");
        f.find<QComboBox>("cboFont")->setEditText(QStringLiteral("Gill Sans"));
        const QByteArray settings = readBytes(SettingsFilePath());
        TestTempFolder temp;
        f.click("lblPreview");

        QCOMPARE(f.boxes(), QStringList());
        QCOMPARE(temp.folders().size(), 1);
        const QString previewFolder = temp.dir.path() + QDir::separator() + temp.folders().first();
        QCOMPARE(f.desktop.opened, QStringList{previewFolder + QDir::separator() + QStringLiteral("index.html")});
        QVERIFY(readBytes(f.desktop.opened.first()).contains("body   {font-family: Gill Sans; font-size: 11;"));
        QCOMPARE(readBytes(SettingsFilePath()), settings);
        QVERIFY(QDir(f.folder.file(QStringLiteral("projects")))
                    .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(f.log().last(), QStringLiteral("Preview written to ") + previewFolder);
        QCOMPARE(f.window().CurrentMode(), 3);
    }

    void refusedPreviewShowsTheReason()
    {
        const WindowFixture f;
        f.walk("N");
        f.find<QLineEdit>("txtBGColor")->setText(QStringLiteral("#fff%>"));
        TestTempFolder temp;
        f.click("lblPreview");

        QCOMPARE(f.boxes(),
                 QStringList{"! Ok: Error: Background colour \"#fff%>\" cannot be used in a page: "
                             "it holds the server script marker \"%>\""});
        QVERIFY(f.desktop.opened.isEmpty());
        QVERIFY(temp.folders().isEmpty());
    }
};

QTEST_MAIN(StepsTest)
#include "tst_steps.moc"
