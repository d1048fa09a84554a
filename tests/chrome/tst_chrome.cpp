// The window chrome: what the border controller does to a window's flags, the
// centring offset, font names, the opener's failure and real message boxes.

#include "chrome/desktopactions.h"
#include "chrome/fontfamilies.h"
#include "chrome/formborder.h"
#include "chrome/messageprompt.h"
#include "chrome/placement.h"

#include "support/testfolder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

class ChromeTest : public QObject
{
    Q_OBJECT

private slots:
    // The title bar goes and comes back with the buttons the window had; a window
    // with a task-bar entry stays a window. Only a top-level widget is taken.
    void frameMapsToWindowFlags()
    {
        QWidget form(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
        form.show();
        const Qt::WindowFlags initial = form.windowFlags();
        CFormBorder border;
        QWidget child(&form);
        border.setClient(&child);
        border.setTitlebar(false);
        QVERIFY(!border.Client() && !border.Titlebar() && form.windowFlags() == initial);
        border.setClient(&form);
        border.setShowInTaskbar(true);
        border.setTitlebar(false);
        QCOMPARE(form.windowFlags(), Qt::Window | Qt::FramelessWindowHint);
        QVERIFY(!border.Titlebar() && border.ShowInTaskbar());
        border.setTitlebar(true);
        QCOMPARE(form.windowFlags(), initial | Qt::WindowCloseButtonHint);
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

    void fontFamilyNames_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain names kept in order")
            << QStringList{"DejaVu Sans", "Arial"} << QStringList{"DejaVu Sans", "Arial"};
        QTest::newRow("foundry dropped, listed once")
            << QStringList{"C059 [urw]", "C059 [bitstream]", "Courier"} << QStringList{"C059", "Courier"};
        QTest::newRow("foundry beside a plain name")
            << QStringList{"Nimbus [urw]", "Nimbus", "Zed"} << QStringList{"Nimbus", "Zed"};
        QTest::newRow("brackets that are not a foundry suffix")
            << QStringList{"[Odd] Face", "Face [x] Bold"} << QStringList{"[Odd] Face", "Face [x] Bold"};
    }

    void fontFamilyNames()
    {
        QFETCH(QStringList, families);
        QFETCH(QStringList, names);
        QCOMPARE(FontFamilyNames(families), names);
    }

    // When the desktop cannot open a target, the user is told and the log says so.
    void openFailureIsShownAndLogged()
    {
        TestProgramFolder folder;
        QStringList shown;
        MessagePrompt::setHandlerForTesting([&shown](const MessagePrompt::Shown &box) {
            shown << QStringLiteral("%1 %2 %3").arg(int(box.icon)).arg(int(box.buttons)).arg(box.text);
            return true;
        });
        DesktopActions::setOpenerForTesting([](const QString &target) { return target.startsWith('/'); });
        QVERIFY(DesktopActions::open(QStringLiteral("/tmp/fine")));
        QVERIFY(!DesktopActions::open(QStringLiteral("https://example.org/x")));
        MessagePrompt::setHandlerForTesting({});
        DesktopActions::setOpenerForTesting({});
        const QString error = QStringLiteral("Error: Unable to open https://example.org/x");
        QCOMPARE(shown, QStringList{QStringLiteral("%1 %2 ").arg(int(MessagePrompt::Icon::Exclamation))
                                        .arg(int(MessagePrompt::Buttons::Ok)) + error});
        QVERIFY(logMessages(folder.file("applog.log")).contains(error));
    }

    // Real boxes, driven by keys and close requests while they wait for an answer:
    // a question whose No loses nothing takes Escape or closing as No; the other
    // stays open until Yes or No is clicked.
    void escapeAndClosingOnRealBoxes_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("byEscape");  // else a close request
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<bool>("clickYes");  // when it stays open
        const int yesNo = int(MessagePrompt::Buttons::YesNo);
        const int mustAnswer = int(MessagePrompt::Buttons::YesNoMustAnswer);
        QTest::newRow("Yes/No, Escape is No") << yesNo << true << false << false;
        QTest::newRow("Yes/No, closing is No") << yesNo << false << false << false;
        QTest::newRow("must answer, Escape, then Yes") << mustAnswer << true << true << true;
        QTest::newRow("must answer, closing, then No") << mustAnswer << false << true << false;
    }
    void escapeAndClosingOnRealBoxes()
    {
        QFETCH(int, buttons);
        QFETCH(bool, byEscape);
        QFETCH(bool, staysOpen);
        QFETCH(bool, clickYes);
        bool openAfterward = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box && box->isVisible());
            if (byEscape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
            openAfterward = box->isVisible();
            if (openAfterward)
                box->button(clickYes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        const bool yes = MessagePrompt::show(nullptr, QStringLiteral("Save?"), MessagePrompt::Icon::Question,
                                             MessagePrompt::Buttons(buttons));
        QCOMPARE(openAfterward, staysOpen);
        QCOMPARE(yes, staysOpen && clickYes);
    }
};

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
