// Each wizard step fills its controls from a project and writes them back; a step
// not built yet answers from the window's record. The three golden designs must
// come back unchanged whichever steps have been built.

#include "support/goldenprojects.h"
#include "wizardtestsupport.h"

Q_DECLARE_METATYPE(GuestbookProject)

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
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        for (int step = 2; step <= builtUpTo; ++step)
            window.DoMode(step);
        QCOMPARE(window.readProject(), GuestbookProject::startupDefaults());

        window.showProject(design);
        QCOMPARE(window.readProject(), design);
        // Steps shown after the project came in are filled from the record.
        for (int step = builtUpTo; step <= 4; ++step)
            window.DoMode(step);
        QCOMPARE(window.readProject(), design);
        window.showProject(GuestbookProject::startupDefaults());
        QCOMPARE(window.readProject(), GuestbookProject::startupDefaults());
    }

    // What a control holds is what readProject() gives, on a built step only.
    void controlsAreTheRecord()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.showProject(borderedProject(QStringLiteral("/srv/")));
        window.DoMode(3);
        QCOMPARE(control<QLineEdit>(&window, "txtHMColor")->text(), QStringLiteral("#00ff00"));
        QCOMPARE(control<QComboBox>(&window, "cboFont")->currentText(), QStringLiteral("Times New Roman"));
        control<QLineEdit>(&window, "txtHMColor")->setText(QStringLiteral("#123456"));
        QCOMPARE(window.readProject().HM_FColor, QStringLiteral("#123456"));
        QCOMPARE(window.readProject().TBL_Width, QStringLiteral("80%"));  // step 2, never built
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("lvwFields")));
    }
};

QTEST_MAIN(StepsTest)
#include "tst_steps.moc"
