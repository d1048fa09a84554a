// Centring windows: the offset, a half to the even neighbour, and a window
// larger than the screen.

#include "chrome/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

class PlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void centredOffset_data();
    void centredOffset();
    void centreFormOnScreen_data();
    void centreFormOnScreen();
};

void PlacementTest::centredOffset_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("offset");

    QTest::newRow("even difference") << 12000 << 7000 << 2500;
    QTest::newRow("half rounds down to even") << 12000 << 7755 << 2122;
    QTest::newRow("half rounds up to even") << 12000 << 7753 << 2124;
    QTest::newRow("form as large as the screen") << 9000 << 9000 << 0;
    QTest::newRow("form larger than the screen") << 9000 << 10000 << -500;
    QTest::newRow("larger, half to even") << 9000 << 10001 << -500;
    QTest::newRow("larger, other half") << 9000 << 10003 << -502;
}

void PlacementTest::centredOffset()
{
    QFETCH(int, screen);
    QFETCH(int, form);
    QFETCH(int, offset);
    QCOMPARE(CenteredOffset(screen, form), offset);
}

void PlacementTest::centreFormOnScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("main window") << QSize(517, 366);
    QTest::newRow("larger than the screen") << QSize(3000, 2000);
}

void PlacementTest::centreFormOnScreen()
{
    QFETCH(QSize, size);
    QWidget form(nullptr, Qt::FramelessWindowHint);
    form.setFixedSize(size);
    CenterForm(&form);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Symmetric around the centre, within the pixel lost to rounding.
    QVERIFY(qAbs((form.x() + form.width() / 2.0) - screen.width() / 2.0) <= 1.0);
    QVERIFY(qAbs((form.y() + form.height() / 2.0) - screen.height() / 2.0) <= 1.0);
    QCOMPARE(form.size(), size);
}

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
