// The border controller: what each member does to a window's flags and to the
// kept system menu, and that getters and setters agree.

#include "chrome/formborder.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QTest>

class FormBorderTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutClientNothingChanges();
    void clientMustBeAWindow();
    void mdiParentIsAccepted();
    void settersAndGettersAgree_data();
    void settersAndGettersAgree();
    void frameMapsToWindowFlags();
    void taskbarEntryAndToolWindow_data();
    void taskbarEntryAndToolWindow();
    void disabledMenuItemIsStillFound();
    void moveableWithoutMoveItem();
    void removingCloseTakesItsSeparator();
    void visibleWindowStaysVisible();
};

using Setter = void (CFormBorder::*)(bool);
using Getter = bool (CFormBorder::*)() const;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Getter)

void FormBorderTest::withoutClientNothingChanges()
{
    CFormBorder border;
    border.setTitlebar(true);
    border.setShowInTaskbar(true);
    border.setMaxButton(true);
    QCOMPARE(border.hwnd(), quintptr(0));
    QVERIFY(!border.Client());
    QVERIFY(!border.Titlebar());
    QVERIFY(!border.ShowInTaskbar());
    QVERIFY(!border.MaxButton());
    QVERIFY(!border.Moveable());
    QCOMPARE(border.FindSysMenuPosition(CFormBorder::SC_CLOSE), -1);
}

void FormBorderTest::clientMustBeAWindow()
{
    QWidget form;
    QWidget child(&form);
    QObject plain;
    CFormBorder border;

    border.setClient(&child);
    QCOMPARE(border.hwnd(), quintptr(0));
    border.setClient(&plain);
    QCOMPARE(border.hwnd(), quintptr(0));
    QVERIFY(!border.Client());

    border.setClient(&form);
    QCOMPARE(border.Client(), &form);
    QVERIFY(border.hwnd() != 0);
    // A refused client drops the handle but keeps the reference.
    border.setClient(&plain);
    QCOMPARE(border.hwnd(), quintptr(0));
    QCOMPARE(border.Client(), &form);
}

void FormBorderTest::mdiParentIsAccepted()
{
    QMainWindow parent;
    parent.setCentralWidget(new QMdiArea);
    CFormBorder border;
    border.setClient(&parent);
    QCOMPARE(border.Client(), &parent);
    border.setTitlebar(false);
    QVERIFY(parent.windowFlags().testFlag(Qt::FramelessWindowHint));
}

void FormBorderTest::settersAndGettersAgree_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<Getter>("get");

    QTest::newRow("AutoDrag") << &CFormBorder::setAutoDrag << &CFormBorder::AutoDrag;
    QTest::newRow("AutoSysMenu") << &CFormBorder::setAutoSysMenu << &CFormBorder::AutoSysMenu;
    QTest::newRow("ControlBox") << &CFormBorder::setControlBox << &CFormBorder::ControlBox;
    QTest::newRow("MaxButton") << &CFormBorder::setMaxButton << &CFormBorder::MaxButton;
    QTest::newRow("MinButton") << &CFormBorder::setMinButton << &CFormBorder::MinButton;
    QTest::newRow("Moveable") << &CFormBorder::setMoveable << &CFormBorder::Moveable;
    QTest::newRow("Sizeable") << &CFormBorder::setSizeable << &CFormBorder::Sizeable;
    QTest::newRow("ShowInTaskbar") << &CFormBorder::setShowInTaskbar << &CFormBorder::ShowInTaskbar;
    QTest::newRow("Titlebar") << &CFormBorder::setTitlebar << &CFormBorder::Titlebar;
    QTest::newRow("ToolWindow") << &CFormBorder::setToolWindow << &CFormBorder::ToolWindow;
    QTest::newRow("TopMost") << &CFormBorder::setTopMost << &CFormBorder::TopMost;
    QTest::newRow("WhatsThisButton") << &CFormBorder::setWhatsThisButton << &CFormBorder::WhatsThisButton;
}

void FormBorderTest::settersAndGettersAgree()
{
    QFETCH(Setter, set);
    QFETCH(Getter, get);
    QWidget form;
    CFormBorder border;
    border.setClient(&form);
    for (bool value : {true, false, true, false}) {
        (border.*set)(value);
        QCOMPARE((border.*get)(), value);
    }
}

void FormBorderTest::frameMapsToWindowFlags()
{
    QWidget form;
    form.resize(200, 100);
    CFormBorder border;
    border.setClient(&form);

    border.setWhatsThisButton(true);
    QVERIFY(form.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    border.setMinButton(false);
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    border.setTopMost(true);
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    border.setTitlebar(false);
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(border.WhatsThisButton());  // kept for when the title bar returns

    border.setTitlebar(true);
    QVERIFY(!form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    border.setSizeable(false);
    QCOMPARE(form.minimumSize(), QSize(200, 100));
    QCOMPARE(form.maximumSize(), QSize(200, 100));
}

void FormBorderTest::taskbarEntryAndToolWindow_data()
{
    QTest::addColumn<bool>("toolWindow");
    QTest::addColumn<bool>("taskbar");
    QTest::addColumn<int>("type");

    QTest::newRow("plain window") << false << true << int(Qt::Window);
    QTest::newRow("tool window") << true << false << int(Qt::Tool);
    QTest::newRow("tool window with task-bar entry") << true << true << int(Qt::Window);
}

void FormBorderTest::taskbarEntryAndToolWindow()
{
    QFETCH(bool, toolWindow);
    QFETCH(bool, taskbar);
    QFETCH(int, type);
    QWidget form;
    CFormBorder border;
    border.setClient(&form);
    border.setToolWindow(toolWindow);
    border.setShowInTaskbar(taskbar);
    QCOMPARE(int(form.windowType()), type);
}

void FormBorderTest::disabledMenuItemIsStillFound()
{
    QWidget form;
    CFormBorder border;
    border.setClient(&form);
    const int position = border.FindSysMenuPosition(CFormBorder::SC_MAXIMIZE);
    QVERIFY(position >= 0);

    border.setMaxButton(false);
    QCOMPARE(border.FindSysMenuPosition(CFormBorder::SC_MAXIMIZE), position);
    QCOMPARE(border.systemMenu().at(position).id, 0x7030u);
    QCOMPARE(border.systemMenu().at(position).state, 1);

    border.setMaxButton(true);
    QCOMPARE(border.systemMenu().at(position).id, 0xF030u);
    QCOMPARE(border.systemMenu().at(position).state, 0);
}

void FormBorderTest::moveableWithoutMoveItem()
{
    QWidget form;
    CFormBorder border;
    border.setClient(&form);
    border.setMoveable(false);
    QVERIFY(!border.Moveable());
    border.RemoveMenuItem(0x7010);  // the Move item in its disabled form
    QCOMPARE(border.FindSysMenuPosition(CFormBorder::SC_MOVE), -1);
    QVERIFY(border.Moveable());
}

void FormBorderTest::removingCloseTakesItsSeparator()
{
    QWidget form;
    CFormBorder border;
    border.setClient(&form);
    const int before = int(border.systemMenu().size());
    border.RemoveMenuItem(CFormBorder::SC_CLOSE);
    QCOMPARE(int(border.systemMenu().size()), before - 2);
    QCOMPARE(border.FindSysMenuPosition(CFormBorder::SC_CLOSE), -1);
    for (const CFormBorder::MenuItem &item : border.systemMenu())
        QVERIFY(item.id != 0);
}

void FormBorderTest::visibleWindowStaysVisible()
{
    QWidget form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    CFormBorder border;
    border.setClient(&form);
    border.setShowInTaskbar(true);
    border.setTitlebar(false);
    QVERIFY(form.isVisible());
    QVERIFY(border.ShowInTaskbar());
    QVERIFY(!border.Titlebar());
}

QTEST_MAIN(FormBorderTest)
#include "tst_formborder.moc"
