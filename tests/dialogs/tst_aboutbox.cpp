// The About box: version and build from the program's version, the home page link.

#include "dialogtestsupport.h"
#include "store/product.h"

#include "generator/pageframe.h"

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheProgramsVersionAndLinks()
    {
        ScriptedDesktop desktop;
        QWidget owner;
        frmAbout about(&owner);
        about.show();
        QStringList shown;
        for (const char *label : {"Label13", "Label14", "Label17"})
            shown << control<QLabel>(&about, label)->text();
        QCOMPARE(shown, (QStringList{"1.2", "6", "MIT"}));
        clickNamed(&about, "Label6");  // the copyright line opens the home page
        QCOMPARE(desktop.opened, QStringList{kHomePageUrl});
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_aboutbox.moc"
