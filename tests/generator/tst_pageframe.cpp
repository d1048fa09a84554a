#include "generator/pageframe.h"

#include <QtTest>

// The frame's variable parts; whole pages are compared in the generation run's test.
class TestPageFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bodyTag_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("expectedEnd");
        QTest::newRow("None") << "None"
                              << "#ffffff"
                              << "bgcolor=#ffffff>\r\n\r\n";
        QTest::newRow("none in mixed case") << "nOnE"
                                            << "#ffffff"
                                            << "bgcolor=#ffffff>\r\n\r\n";
        QTest::newRow("empty") << ""
                               << "#ffffff"
                               << "bgcolor=#ffffff>\r\n\r\n";
        QTest::newRow("path with capitals") << "Img/Back.JPG"
                                            << "#AABBCC"
                                            << "bgcolor=#aabbcc background=img/back.jpg>\r\n\r\n";
        QTest::newRow("word containing none") << "nonesuch.gif"
                                              << "#fff"
                                              << "bgcolor=#fff background=nonesuch.gif>\r\n\r\n";
    }
    void bodyTag()
    {
        QFETCH(QString, image);
        QFETCH(QString, colour);
        QFETCH(QString, expectedEnd);
        GuestbookProject p;
        p.BG_Image = image;
        p.BG_Color = colour;
        QCOMPARE(BuildBodyTag(p),
                 QStringLiteral("<body topmargin=\"0\" bottommargin=\"0\" rightmargin=\"0\" "
                                "leftmargin=\"0\" marginheight=\"0\" marginwidth=\"0\" ")
                     + expectedEnd);
    }

    void titleGoesInUnescaped()
    {
        GuestbookProject p;
        p.Project_Title = QStringLiteral("A<b>&c");
        QCOMPARE(BuildTitleLine(p, false),
                 QStringLiteral("<div align=center><font style=\"font-size: 23px;\">A<b>&c</font></div><br/><br/>"));
        QCOMPARE(
            BuildTitleLine(p, true),
            QStringLiteral("<div align=\"center\"><font style=\"font-size: 23px;\">A<b>&c</font></div><br/><br/>"));
        QVERIFY(BuildPageHead(p).contains(QStringLiteral("<title>A<b>&c</title>\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestPageFrame)
#include "tst_pageframe.moc"
