#include "generator/pageframe.h"

#include <QtTest>

// The body tag's image rule; whole pages are compared in the generation run's test.
class TestPageFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bodyTag_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("expectedEnd");
        QTest::newRow("none in mixed case") << "nOnE" << QStringLiteral("bgcolor=#fff>");
        QTest::newRow("word containing none")
            << "nonesuch.gif" << QStringLiteral("bgcolor=#fff background=nonesuch.gif>");
        QTest::newRow("spaces as %20")
            << " My Garden 2.JPG" << QStringLiteral("bgcolor=#fff background=%20my%20garden%202.jpg>");
    }
    void bodyTag()
    {
        QFETCH(QString, image);
        QFETCH(QString, expectedEnd);
        GuestbookProject p;
        p.BG_Image = image;
        p.BG_Color = QStringLiteral("#FFF");
        QCOMPARE(BuildBodyTag(p),
                 QStringLiteral("<body topmargin=\"0\" bottommargin=\"0\" rightmargin=\"0\" "
                                "leftmargin=\"0\" marginheight=\"0\" marginwidth=\"0\" ")
                     + expectedEnd + QStringLiteral("\r\n\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPageFrame)
#include "tst_pageframe.moc"
