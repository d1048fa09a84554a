// The About box: version and build from the program's version, the home page link.

#include "dialogtestsupport.h"

#include "dialogs/frmabout.h"
#include "generator/pageframe.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void versionParts_data();
    void versionParts();
    void showsTheProgramsVersion();
    void copyrightLineOpensTheHomePage();
};

void AboutBoxTest::versionParts_data()
{
    QTest::addColumn<QString>("applicationVersion");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("build");
    QTest::newRow("1.2.6") << "1.2.6" << "1.2" << "6";
    QTest::newRow("leading zeros") << "1.02.0006" << "1.2" << "6";
    QTest::newRow("two digits") << "10.0.12" << "10.0" << "12";
}

void AboutBoxTest::versionParts()
{
    QFETCH(QString, applicationVersion);
    QFETCH(QString, version);
    QFETCH(QString, build);
    const AboutVersion parts = aboutVersion(applicationVersion);
    QCOMPARE(parts.version, version);
    QCOMPARE(parts.build, build);
}

void AboutBoxTest::showsTheProgramsVersion()
{
    QWidget owner;
    frmAbout about(&owner);
    QCOMPARE(named<QLabel>(&about, QStringLiteral("Label13"))->text(), QStringLiteral("1.2"));
    QCOMPARE(named<QLabel>(&about, QStringLiteral("Label14"))->text(), QStringLiteral("6"));
    QCOMPARE(named<QLabel>(&about, QStringLiteral("Label17"))->text(), QStringLiteral("MIT"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(444, 309));
}

void AboutBoxTest::copyrightLineOpensTheHomePage()
{
    DesktopRecorder desktop;
    QWidget owner;
    frmAbout about(&owner);
    about.show();
    clickWidget(named<QLabel>(&about, QStringLiteral("Label16")));  // the address as text: nothing
    QVERIFY(desktop.opened.isEmpty());
    clickWidget(named<QLabel>(&about, QStringLiteral("Label6")));
    QCOMPARE(desktop.opened, QStringList{kHomePageUrl});
    QVERIFY(about.isVisible());
    QTest::mouseClick(named<QPushButton>(&about, QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(AboutBoxTest)
#include "tst_aboutbox.moc"
