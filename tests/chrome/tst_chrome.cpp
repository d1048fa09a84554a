// The window chrome: what the border controller does to a window's flags, and the
// centring offset.

#include "chrome/formborder.h"
#include "chrome/placement.h"

#include <QTest>

class ChromeTest : public QObject
{
    Q_OBJECT

private slots:
    void frameMapsToWindowFlags()
    {
        QWidget form;
        form.resize(200, 100);
        form.show();
        CFormBorder border;
        border.setClient(&form);
        const auto flags = [&form] {
            QString set;
            for (Qt::WindowType flag :
                 {Qt::FramelessWindowHint, Qt::WindowContextHelpButtonHint, Qt::WindowMinimizeButtonHint,
                  Qt::WindowMaximizeButtonHint, Qt::WindowStaysOnTopHint})
                set += form.windowFlags().testFlag(flag) ? '1' : '0';
            return set;
        };
        border.setWhatsThisButton(true);
        border.setMinButton(false);
        border.setTopMost(true);
        QCOMPARE(flags(), QStringLiteral("01011"));  // frameless, help, min, max, on top
        border.setTitlebar(false);
        QCOMPARE(flags().left(1), QStringLiteral("1"));
        border.setTitlebar(true);  // the buttons come back as they were set
        QCOMPARE(flags(), QStringLiteral("01011"));
        QVERIFY(form.isVisible());
    }

    void centredOffset_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("offset");
        QTest::newRow("even difference") << 12000 << 7000 << 2500;
        QTest::newRow("half rounds down to even") << 12000 << 7755 << 2122;
        QTest::newRow("half rounds up to even") << 12000 << 7753 << 2124;
        QTest::newRow("form larger than the screen") << 9000 << 10000 << -500;
        QTest::newRow("larger, half to even") << 9000 << 10001 << -500;
    }

    void centredOffset()
    {
        QFETCH(int, screen);
        QFETCH(int, form);
        QFETCH(int, offset);
        QCOMPARE(CenteredOffset(screen, form), offset);
    }
};

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
