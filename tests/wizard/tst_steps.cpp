// The wizard's steps: each fills its controls from a project and writes them back
// (a step not built yet answers from the window's record); the controls of steps 2
// and 3, Open Existing and Preview.

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
        mainWindowDialogs().pickColor = [&](QWidget &, const QString &) { return ++asked, picked; };
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

    // The design as the controls hold it goes into a fresh temporary folder, whose
    // sign page is opened; nothing is saved and no project folder is written. A
    // design that cannot go into a page is refused with the reason.
    void preview_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QStringList>("boxes");
        addRow("written and opened", QString("#ffffff"), QStringList());
        addRow("refused", QString("#fff%>"),
               QStringList{"! Ok: Error: Background colour \"#fff%>\" cannot be used in a page: "
                           "it holds the server script marker \"%>\""});
    }

    void preview()
    {
        QFETCH(QString, colour);
        QFETCH(QStringList, boxes);
        const WindowFixture f;
        f.walk("N");
        f.find<QLineEdit>("txtBGColor")->setText(colour);
        f.walk("N");
        f.find<QComboBox>("cboFont")->setEditText(QStringLiteral("Gill Sans"));
        const QByteArray settings = readBytes(SettingsFilePath());
        TestTempFolder temp;
        f.click("lblPreview");

        QCOMPARE(f.boxes(), boxes);
        QCOMPARE(temp.folders().size(), boxes.isEmpty() ? 1 : 0);
        QCOMPARE(readBytes(SettingsFilePath()), settings);
        QVERIFY(QDir(f.folder.file("projects")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(f.window().CurrentMode(), 3);
        const QString previewFolder =
            boxes.isEmpty() ? temp.dir.path() + QDir::separator() + temp.folders().first() : "";
        QCOMPARE(f.desktop.opened, boxes.isEmpty() ? QStringList{previewFolder + QDir::separator() + "index.html"}
                                                   : QStringList());
        if (!boxes.isEmpty())
            return;
        QVERIFY(readBytes(f.desktop.opened.first()).contains("body   {font-family: Gill Sans; font-size: 11;"));
        QCOMPARE(f.log().last(), QStringLiteral("Preview written to ") + previewFolder);
    }
};

QTEST_MAIN(StepsTest)
#include "tst_steps.moc"
