// Each wizard step fills its controls from a project and writes them back; a step
// not built yet answers from the window's record. The three golden designs must
// come back unchanged whichever steps have been built.

#include "support/goldenprojects.h"
#include "wizardtestsupport.h"

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

    // What a control holds is what readProject() gives, on a built step only.
    void controlsAreTheRecord()
    {
        const WindowFixture f({}, false);
        f.window().showProject(borderedProject(QStringLiteral("/srv/")));
        f.step(3);
        QCOMPARE(f.find<QLineEdit>("txtHMColor")->text(), QStringLiteral("#00ff00"));
        QCOMPARE(f.find<QComboBox>("cboFont")->currentText(), QStringLiteral("Times New Roman"));
        f.find<QLineEdit>("txtHMColor")->setText(QStringLiteral("#123456"));
        QCOMPARE(f.window().readProject().HM_FColor, QStringLiteral("#123456"));
        QCOMPARE(f.window().readProject().TBL_Width, QStringLiteral("80%"));  // step 2, never built
        QVERIFY(!f.window().findChild<QWidget *>(QStringLiteral("lvwFields")));
    }
};

QTEST_MAIN(StepsTest)
#include "tst_steps.moc"
