// The controls of steps 2 to 4 and the window buttons: hover feedback, the
// border check box, the folder browser, colour buttons and Open Existing.

#include "wizardtestsupport.h"

#include "chrome/labelbutton.h"

class DesignControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void hoverTable_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("over");
        // lblTitle, lblBrowse, lblNewField, lblBack, lblNext: G light grey, W white, . unchanged.
        QTest::addColumn<QString>("fills");
        addRow("title button", 2, "lblTitle", "GW...");
        addRow("browse button", 2, "lblBrowse", "WG...");
        addRow("step 2 frame", 2, "frStep1", "WW...");
        addRow("add field button", 4, "lblNewField", "..GWW");
        addRow("step 4 frame", 4, "frStep3", "..W..");
        addRow("back button", 2, "lblBack", "...GW");
        addRow("next button", 2, "lblNext", "...WG");
        addRow("background picture", 2, "Image1", "...WW");
    }

    void hoverTable()
    {
        QFETCH(int, step);
        QFETCH(QString, over);
        QFETCH(QString, fills);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.DoMode(2);  // every button built
        window.DoMode(4);
        window.DoMode(step);
        const char *shapes[] = {"lblTitle", "lblBrowse", "lblNewField", "lblBack", "lblNext"};
        for (const char *shape : shapes)
            control<LabelButton>(&window, shape)->setFill(QColor(10, 20, 30));

        QWidget *target = control(&window, over);
        // A point of the target not covered by any of its controls.
        QTest::mouseMove(target,
                         over.startsWith("fr") ? QPoint(3, target->height() - 3) : QPoint(target->width() / 2, 3));

        QString seen;
        for (const char *shape : shapes) {
            const QColor fill = control<LabelButton>(&window, shape)->fill();
            seen += fill == QColor(224, 224, 224) ? 'G'
                : fill == QColor(Qt::white)       ? 'W'
                : fill == QColor(10, 20, 30)      ? '.'
                                                  : '?';
        }
        QCOMPARE(seen, fills);
    }

    void borderCheckBox()
    {
        TestProgramFolder folder;
        frmMain window;
        window.show();
        window.DoMode(2);
        auto *border = control<QCheckBox>(&window, "chkBorder");
        const auto seen = [&] { return border->text() + ' ' + QString::number(window.readProject().TBL_Border); };

        QTest::mouseClick(border, Qt::LeftButton, {}, QPoint(8, border->height() / 2));
        QCOMPARE(seen(), QStringLiteral("Yes 1"));
        QTest::mouseClick(border, Qt::LeftButton, {}, QPoint(8, border->height() / 2));
        QCOMPARE(seen(), QStringLiteral("No 0"));

        GuestbookProject loaded = window.readProject();
        loaded.TBL_Border = 1;
        window.showProject(loaded);
        QVERIFY(border->isChecked());
        QCOMPARE(seen(), QStringLiteral("Yes 1"));
    }

    void browseWritesTitleAndPath_data()
    {
        QTest::addColumn<QString>("chosen");  // relative to the program folder; "/" alone: the root
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a folder") << "web" << true;
        QTest::newRow("the root folder, already ending in the separator") << "/" << true;
        QTest::newRow("cancelled") << "" << false;
    }

    void browseWritesTitleAndPath()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, accepted);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        QString prompt;
        setFolderChooserForTesting([&](QWidget *, const QString &asked) {
            prompt = asked;
            return chosen.isEmpty() || chosen == "/" ? chosen : folder.path() + '/' + chosen;
        });
        frmMain window;
        window.show();
        window.DoMode(2);
        auto *saveTo = control<QLineEdit>(&window, "txtSaveTo");
        const QString before = saveTo->text();
        clickNamed(&window, "lblBrowse");
        QCOMPARE(prompt, QStringLiteral("Select a folder to save your guestbook to"));
        const QString expected = !accepted ? before
            : chosen == "/"                ? QDir::toNativeSeparators(QDir::rootPath())
                                           : QDir::toNativeSeparators(folder.path() + "/web/");
        QCOMPARE(saveTo->text(), expected);
        // The two keys only, in the section named with "_" for spaces.
        const QString section = QStringLiteral("My_Guestbook");
        QCOMPARE(QStringList({GetINISetting(section, "Project_Title", "-"), GetINISetting(section, "Project_Path", "-"),
                              GetINISetting(section, "BG_Color", "-")}),
                 accepted ? QStringList({"My Guestbook", expected, "-"}) : QStringList({"-", "-", "-"}));
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
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        int asked = 0;
        mainWindowDialogs().pickColor = [&](QWidget &) { return ++asked, picked; };
        frmMain window;
        window.show();
        window.DoMode(button == "imgBGcolor" ? 2 : 3);
        auto *colourBox = control<QLineEdit>(&window, box);
        const QString before = colourBox->text();
        QTest::mouseClick(control(&window, button), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(colourBox->text(), text.isEmpty() ? before : text);
    }

    void openExisting_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("opens");
        QTest::newRow("no count") << QByteArray() << false;
        QTest::newRow("count 0") << QByteArray("[Settings]\r\nprjNumber=0\r\n") << false;
        QTest::newRow("count 2") << QByteArray("[Settings]\r\nprjNumber=2\r\n") << true;
        QTest::newRow("count not a number") << QByteArray("[Settings]\r\nprjNumber=many\r\n") << false;
    }

    void openExisting()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, opens);
        TestProgramFolder folder;
        writeBytes(folder.file("Quillset.ini"), settings);
        ScriptedDesktop desktop;
        int browsers = 0;
        mainWindowDialogs().showExistingProjects = [&browsers](frmMain &) { ++browsers; };
        frmMain window;
        window.show();
        clickNamed(&window, "lblLoadExisting");
        QCOMPARE(browsers, opens ? 1 : 0);
        QCOMPARE(desktop.boxes(), opens ? QStringList() : QStringList{"i Ok: No projects to load"});
    }
};

QTEST_MAIN(DesignControlsTest)
#include "tst_designcontrols.moc"
