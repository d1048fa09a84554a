// The window chrome: the border controller's window flags, the centring offset,
// font names, the opener's failure and real message boxes.

#include "wizard/wizardtestsupport.h"

#include "chrome/fontfamilies.h"
#include "chrome/formborder.h"
#include "chrome/placement.h"

#include <QMessageBox>
#include <QPushButton>

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
        addRow("even difference", 12000, 7000, 2500);
        addRow("half rounds down to even", 12000, 7755, 2122);
        addRow("half rounds up to even", 12000, 7753, 2124);
        addRow("form larger than the screen, half to even", 9000, 10001, -500);
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
        QTest::addColumn<QString>("families");  // |-separated
        QTest::addColumn<QString>("names");
        addRow("foundry dropped, listed once, order kept", "C059 [urw]|Arial|C059 [bitstream]", "C059|Arial");
        addRow("foundry beside a plain name", "Nimbus [urw]|Nimbus", "Nimbus");
        addRow("brackets that are not a foundry suffix", "[Odd] Face|Face [x] Bold", "[Odd] Face|Face [x] Bold");
    }

    void fontFamilyNames()
    {
        QFETCH(QString, families);
        QFETCH(QString, names);
        QCOMPARE(FontFamilyNames(families.split('|')), names.split('|'));
    }

    // When the desktop cannot open a target, the user is told and the log says so.
    void openFailureIsShownAndLogged()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        DesktopActions::setOpenerForTesting([](const QString &target) { return target == "/tmp/fine"; });
        QVERIFY(DesktopActions::open(QStringLiteral("/tmp/fine")));
        QVERIFY(!DesktopActions::open(QStringLiteral("x")));  // a relative path is shown in full
        const QString error = "Error: Unable to open " + QDir::currentPath() + "/x";
        QCOMPARE(desktop.boxes(), QStringList{"! Ok: " + error});
        QVERIFY(logMessages(folder.file("applog.log")).contains(error));
    }

    // Real boxes: a question whose No loses nothing takes Escape or closing as No;
    // the one that must be answered stays open until Yes or No is clicked.
    void escapeAndClosingOnRealBoxes_data()
    {
        QTest::addColumn<bool>("mustAnswer");
        QTest::addColumn<bool>("byEscape");  // else a close request
        QTest::addColumn<bool>("clickYes");  // when it stays open
        addRow("Yes/No, Escape is No", false, true, false);
        addRow("Yes/No, closing is No", false, false, false);
        addRow("must answer, Escape, then Yes", true, true, true);
        addRow("must answer, closing, then No", true, false, false);
    }
    void escapeAndClosingOnRealBoxes()
    {
        QFETCH(bool, mustAnswer);
        QFETCH(bool, byEscape);
        QFETCH(bool, clickYes);
        bool openAfterward = false;
        actOnModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box && box->isVisible());
            byEscape ? QTest::keyClick(box, Qt::Key_Escape) : void(box->close());
            if ((openAfterward = box->isVisible()))
                box->button(clickYes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        const bool yes = MessagePrompt::show(nullptr, QStringLiteral("Save?"), MessagePrompt::Icon::Question,
                                             mustAnswer ? MessagePrompt::Buttons::YesNoMustAnswer
                                                        : MessagePrompt::Buttons::YesNo);
        QCOMPARE(openAfterward, mustAnswer);
        QCOMPARE(yes, mustAnswer && clickYes);
    }
};

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
