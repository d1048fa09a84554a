// What the window does with the generated site: a design that cannot go into the
// pages stops Finish with a message and leaves the user on the last step.

#include "wizardtestsupport.h"

class GeneratedSiteTest : public QObject
{
    Q_OBJECT

private slots:
    void refusedDesignStaysOnLastStep()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.show();
        GuestbookProject project = window.readProject();
        project.BG_Color = QStringLiteral("<%=Now%>");
        window.showProject(project);
        walk(window, "NNNNN");

        QCOMPARE(desktop.boxes(),
                 QStringList{"! Ok: Error: Background colour \"<%=Now%>\" cannot be used in a page: "
                             "it holds the server script marker \"<%\""});
        QCOMPARE(window.CurrentMode(), 5);
        QVERIFY(control(&window, "lblBack")->isEnabled());
        QVERIFY(!window.GuestbookGenerated());
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("projects/My_Guestbook"))));
    }
};

QTEST_MAIN(GeneratedSiteTest)
#include "tst_generatedsite.moc"
