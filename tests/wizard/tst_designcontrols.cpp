// The controls of steps 2 and 3 and the window buttons: the border check box, the
// folder browser, colour buttons and Open Existing.

#include "wizardtestsupport.h"

class DesignControlsTest : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(DesignControlsTest)
#include "tst_designcontrols.moc"
