// The window chrome: the border controller's window flags, where windows and pop-ups
// go, font names, the opener's failure and real message boxes.

#include "wizard/wizardtestsupport.h"

#include "chrome/fontfamilies.h"
#include "chrome/formborder.h"
#include "chrome/placement.h"
#include "generator/fontstacks.h"

class ChromeTest : public QObject
{
    Q_OBJECT

private slots:
    // The title bar goes and comes back with the buttons the window had; a window
    // with a task-bar entry stays a window. Only a top-level widget is taken.
    void frameMapsToWindowFlags()
    {
        QWidget form(nullptr,
                     Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
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
        QVERIFY(form.windowFlags() == (initial | Qt::WindowCloseButtonHint) && form.isVisible());
    }

    // Where a window goes on a screen: a pop-up opened by the mouse or from the keyboard
    // (pixels), and a centred window (twips: half the difference, a half to the even
    // neighbour, a window larger than the screen past both edges alike).
    void placement_data()
    {
        QTest::addColumn<QString>("how");  // mouse, keys or centre
        QTest::addColumn<QRect>("screen");  // its free area
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("control");  // the one that opened it
        QTest::addColumn<QPoint>("place");
        const QString mouse("mouse"), keys("keys"), centre("centre");
        const QRect screen(0, 0, 1280, 1024), small(0, 0, 640, 480), panel(0, 30, 1280, 994), none;
        const QSize picker(211, 153);
        const QPoint corner(1279, 1023);
        addRow("mouse: at the pointer", mouse, screen, picker, QPoint(100, 50), none, QPoint(100, 50));
        addRow("mouse in the corner: left of and above it", mouse, screen, picker, corner, none, QPoint(1068, 870));
        addRow("mouse on a panel: below it", mouse, panel, picker, QPoint(5, 10), none, QPoint(5, 30));
        addRow("mouse, 2nd screen", mouse, QRect(1280, 0, 1920, 900), picker, QPoint(3190, 9), none, QPoint(2979, 9));
        addRow("mouse, larger than the screen", mouse, small, QSize(800, 600), QPoint(9, 9), none, QPoint());
        addRow("keys: below the control", keys, screen, picker, corner, QRect(200, 300, 16, 16), QPoint(200, 316));
        addRow("keys: no room below", keys, screen, picker, corner, QRect(200, 950, 16, 16), QPoint(200, 797));
        addRow("keys: no room right", keys, screen, picker, corner, QRect(1250, 300, 16, 16), QPoint(1055, 316));
        addRow("keys: tall control, no room", keys, small, picker, corner, QRect(10, 100, 90, 300), QPoint(10, 327));
        addRow("centre: even, larger", centre, QRect(0, 0, 12000, 9000), QSize(7000, 10001), QPoint(), none,
               QPoint(2500, -500));
        addRow("centre: halves to even", centre, QRect(0, 0, 12000, 12000), QSize(7755, 7753), QPoint(), none,
               QPoint(2122, 2124));
    }
    void placement()
    {
        QFETCH(QString, how);
        QFETCH(QRect, screen);
        QFETCH(QSize, size);
        QFETCH(QPoint, pointer);
        QFETCH(QRect, control);
        const QPoint mid(CenteredOffset(screen.width(), size.width()), CenteredOffset(screen.height(), size.height()));
        QTEST(how == "centre" ? mid : PopupPosition(screen, size, pointer, control, how == "keys"), "place");
    }

    // The font lists: the web-safe families first, then the installed ones that are neither
    // those (in any case) nor symbol fonts, a foundry suffix dropped and each family once, in
    // the order given. Symbol fonts of this computer by their names. A web-safe face goes into
    // the pages with its stand-ins, as written; any other as it is.
    void offeredFontFamilies()
    {
        const QStringList installed{"DejaVu Sans",  "verdana",    "Standard Symbols PS", "Arial [urw]", "Nimbus [urw]",
                                    "Nimbus [b&h]", "[Odd] Face", "Face [x] Bold",       "Odd Symbols", "Nimbus"};
        const auto symbols = [](const QString &family) { return family.contains("Symbols"); };
        QCOMPARE(OfferedFontFamilies(installed, symbols).join('|'),
                 "Verdana|Arial|Tahoma|Trebuchet MS|Georgia|Times New Roman|Palatino Linotype|Courier New|"
                 "DejaVu Sans|Nimbus|[Odd] Face|Face [x] Bold");
        for (const char *symbols : {"Standard Symbols PS", "D050000L", "Wingdings", "ITC Zapf Dingbats"})
            QVERIFY2(IsSymbolFont(symbols), symbols);
        QVERIFY(!IsSymbolFont("DejaVu Sans"));
        QCOMPARE(FontStack("courier new") + " | " + FontStack("Georgia") + " | " + FontStack("Arial Black"),
                 QString("courier new, Courier, monospace | Georgia, serif | Arial Black"));
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

    // Real boxes: a question whose No loses nothing takes Escape or closing as No; one whose No
    // throws work away takes them as Cancel. Its buttons answer as captioned.
    void escapeAndClosingOnRealBoxes()
    {
        QStringList seen;  // each box's answer
        const QString answerNames[] = {"yes", "no", "cancel"};
        for (const auto buttons : {MessagePrompt::Buttons::YesNo, MessagePrompt::Buttons::YesNoCancel})
            for (const QString how : {"escape", "close", "Yes", "No", "Cancel"}) {
                actOnModal([&](QWidget *modal) {
                    auto *box = qobject_cast<QMessageBox *>(modal);
                    QVERIFY(box && box->isVisible());
                    const QList<QAbstractButton *> named = box->findChildren<QAbstractButton *>();
                    auto byCaption = std::find_if(named.begin(), named.end(),
                                                  [&](QAbstractButton *b) { return b->text().remove('&') == how; });
                    how == "escape"                ? QTest::keyClick(box, Qt::Key_Escape)
                        : how == "close"           ? void(box->close())
                        : byCaption != named.end() ? (*byCaption)->click()
                                                   : void(seen << "no " + how);
                });
                seen << answerNames[int(MessagePrompt::ask(nullptr, "Save?", MessagePrompt::Icon::Question, buttons))];
            }
        QCOMPARE(seen,
                 QStringList({"no", "no", "yes", "no", "no Cancel", "no", "cancel", "cancel", "yes", "no", "cancel"}));
    }
};

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
