#include "chrome/formborder.h"

#include "chrome/placement.h"

#include <QCursor>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>

namespace {

constexpr quint32 kDisabledBit = 0x8000;
constexpr int kGreyed = 1;

// The items of a fresh system menu, top to bottom; 0 is the separator above Close.
QList<CFormBorder::MenuItem> freshSystemMenu()
{
    return {{CFormBorder::SC_RESTORE, kGreyed}, {CFormBorder::SC_MOVE, 0},     {CFormBorder::SC_SIZE, 0},
            {CFormBorder::SC_MINIMIZE, 0},      {CFormBorder::SC_MAXIMIZE, 0}, {0, 0},
            {CFormBorder::SC_CLOSE, 0}};
}

bool isMdiParent(QObject *object)
{
    auto *window = qobject_cast<QMainWindow *>(object);
    return window && window->isWindow() && qobject_cast<QMdiArea *>(window->centralWidget());
}

}  // namespace

CFormBorder::CFormBorder(QObject *parent)
    : QObject(parent)
    , m_systemMenu(freshSystemMenu())
{
}

CFormBorder::~CFormBorder() = default;

void CFormBorder::setAutoDrag(bool value)
{
    m_autoDrag = value;
}
bool CFormBorder::AutoDrag() const
{
    return m_autoDrag;
}
void CFormBorder::setAutoSysMenu(bool value)
{
    m_autoSysMenu = value;
}
bool CFormBorder::AutoSysMenu() const
{
    return m_autoSysMenu;
}

void CFormBorder::setClient(QObject *client)
{
    m_hasHandle = false;
    QWidget *previous = clientWidget();
    if (isMdiParent(client)) {
        m_client = nullptr;
        m_mdiClient = static_cast<QMainWindow *>(client);
    } else if (auto *form = qobject_cast<QWidget *>(client); form && form->isWindow()) {
        m_mdiClient = nullptr;
        m_client = form;
    } else {
        return;
    }
    m_hasHandle = true;
    readFrame(clientWidget());
    if (previous)
        previous->removeEventFilter(this);
    clientWidget()->installEventFilter(this);
}

QWidget *CFormBorder::Client() const
{
    if (m_client)
        return m_client;
    return m_mdiClient;
}

QWidget *CFormBorder::clientWidget() const
{
    return m_hasHandle ? Client() : nullptr;
}

quintptr CFormBorder::hwnd() const
{
    QWidget *client = clientWidget();
    return client ? quintptr(client->winId()) : 0;
}

// The window's flags for the kept frame state. Qt drops a frameless window's
// button hints and adds the system menu to any button, so the state is kept
// here and the flags follow it, not the other way round.
Qt::WindowFlags CFormBorder::frameFlags() const
{
    Qt::WindowFlags flags = m_frame.toolWindow && !m_frame.showInTaskbar ? Qt::Tool : Qt::Window;
    flags.setFlag(Qt::WindowStaysOnTopHint, m_frame.topMost);
    if (!m_frame.titlebar)
        return flags | Qt::FramelessWindowHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowSystemMenuHint, m_frame.controlBox);
    flags.setFlag(Qt::WindowMinimizeButtonHint, m_frame.minButton);
    flags.setFlag(Qt::WindowMaximizeButtonHint, m_frame.maxButton);
    flags.setFlag(Qt::WindowContextHelpButtonHint, m_frame.whatsThis);
    return flags;
}

void CFormBorder::readFrame(const QWidget *client)
{
    const Qt::WindowFlags flags = client->windowFlags();
    const bool customized = flags.testFlag(Qt::CustomizeWindowHint);
    m_frame.titlebar = !flags.testFlag(Qt::FramelessWindowHint);
    m_frame.controlBox = !customized || flags.testFlag(Qt::WindowSystemMenuHint);
    m_frame.minButton = !customized || flags.testFlag(Qt::WindowMinimizeButtonHint);
    m_frame.maxButton = !customized || flags.testFlag(Qt::WindowMaximizeButtonHint);
    m_frame.whatsThis = flags.testFlag(Qt::WindowContextHelpButtonHint);
    m_frame.topMost = flags.testFlag(Qt::WindowStaysOnTopHint);
    m_frame.toolWindow = client->windowType() == Qt::Tool;
    m_frame.showInTaskbar = !m_frame.toolWindow;
}

bool CFormBorder::frameMember(bool Frame::*member) const
{
    return clientWidget() && m_frame.*member;
}

void CFormBorder::setFrameMember(bool Frame::*member, bool value)
{
    QWidget *client = clientWidget();
    if (!client)
        return;
    m_frame.*member = value;
    const Qt::WindowFlags flags = frameFlags();
    if (flags == client->windowFlags())
        return;
    // Changing the flags of a top-level window hides it; show it again as it was.
    const bool wasVisible = client->isVisible();
    client->setWindowFlags(flags);
    if (wasVisible)
        client->show();
}

void CFormBorder::setControlBox(bool value)
{
    setFrameMember(&Frame::controlBox, value);
}
bool CFormBorder::ControlBox() const
{
    return frameMember(&Frame::controlBox);
}

void CFormBorder::setMaxButton(bool value)
{
    setFrameMember(&Frame::maxButton, value);
    EnableMenuItem(SC_MAXIMIZE, value);
}
bool CFormBorder::MaxButton() const
{
    return frameMember(&Frame::maxButton);
}

void CFormBorder::setMinButton(bool value)
{
    setFrameMember(&Frame::minButton, value);
    EnableMenuItem(SC_MINIMIZE, value);
}
bool CFormBorder::MinButton() const
{
    return frameMember(&Frame::minButton);
}

void CFormBorder::setMoveable(bool value)
{
    EnableMenuItem(SC_MOVE, value);
}

bool CFormBorder::Moveable() const
{
    if (!clientWidget())
        return false;
    const int position = FindSysMenuPosition(SC_MOVE);
    return position < 0 || m_systemMenu.at(position).state == 0;
}

void CFormBorder::setSizeable(bool value)
{
    EnableMenuItem(SC_SIZE, value);
    QWidget *client = clientWidget();
    if (!client)
        return;
    if (value) {
        client->setMinimumSize(0, 0);
        client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        client->setFixedSize(client->size());
    }
}

bool CFormBorder::Sizeable() const
{
    QWidget *client = clientWidget();
    return client && client->minimumSize() != client->maximumSize();
}

void CFormBorder::setShowInTaskbar(bool value)
{
    setFrameMember(&Frame::showInTaskbar, value);
}
bool CFormBorder::ShowInTaskbar() const
{
    return frameMember(&Frame::showInTaskbar);
}

void CFormBorder::setTitlebar(bool value)
{
    setFrameMember(&Frame::titlebar, value);
}
bool CFormBorder::Titlebar() const
{
    return frameMember(&Frame::titlebar);
}

void CFormBorder::setToolWindow(bool value)
{
    setFrameMember(&Frame::toolWindow, value);
}
bool CFormBorder::ToolWindow() const
{
    return frameMember(&Frame::toolWindow);
}

void CFormBorder::setTopMost(bool value)
{
    setFrameMember(&Frame::topMost, value);
}
bool CFormBorder::TopMost() const
{
    return frameMember(&Frame::topMost);
}

void CFormBorder::setWhatsThisButton(bool value)
{
    setFrameMember(&Frame::whatsThis, value);
}
bool CFormBorder::WhatsThisButton() const
{
    return frameMember(&Frame::whatsThis);
}

int CFormBorder::FindSysMenuPosition(quint32 menuItem) const
{
    if (!clientWidget())
        return -1;
    for (int position = 0; position < m_systemMenu.size(); ++position) {
        const quint32 id = m_systemMenu.at(position).id;
        if (id != 0 && (id == menuItem || id == (menuItem & ~kDisabledBit)))
            return position;
    }
    return -1;
}

void CFormBorder::EnableMenuItem(quint32 menuItem, bool enabled)
{
    const int position = FindSysMenuPosition(menuItem);
    if (position < 0)
        return;
    MenuItem &item = m_systemMenu[position];
    item.state = enabled ? 0 : kGreyed;
    item.id = enabled ? menuItem : (menuItem & ~kDisabledBit);
}

void CFormBorder::Redraw()
{
    if (QWidget *client = clientWidget())
        client->update();
}

void CFormBorder::RemoveMenuItem(quint32 menuItem)
{
    if (!clientWidget())
        return;
    if (menuItem == SC_MINIMIZE)
        setMinButton(false);
    else if (menuItem == SC_MAXIMIZE)
        setMaxButton(false);
    else if (menuItem == SC_CLOSE) {
        const int position = FindSysMenuPosition(SC_CLOSE);
        if (position > 0)
            m_systemMenu.removeAt(position - 1);
    }
    // Removed by identifier as given: an item disabled just above keeps its
    // cleared identifier and stays, greyed.
    for (int position = 0; position < m_systemMenu.size(); ++position) {
        if (m_systemMenu.at(position).id == menuItem) {
            m_systemMenu.removeAt(position);
            break;
        }
    }
}

void CFormBorder::ShowSysMenu(int x, int y)
{
    QWidget *client = clientWidget();
    if (!client)
        return;
    // Screen coordinates travel as two 16-bit halves.
    const QPoint at{int(qint16(x)), int(qint16(y))};
    QMenu menu(client);
    for (const MenuItem &item : std::as_const(m_systemMenu)) {
        const quint32 id = item.id | kDisabledBit;
        QString text;
        switch (id) {
        case SC_RESTORE: text = tr("&Restore"); break;
        case SC_MOVE: text = tr("&Move"); break;
        case SC_SIZE: text = tr("&Size"); break;
        case SC_MINIMIZE: text = tr("Mi&nimize"); break;
        case SC_MAXIMIZE: text = tr("Ma&ximize"); break;
        case SC_CLOSE: text = tr("&Close"); break;
        default: menu.addSeparator(); continue;
        }
        QAction *action = menu.addAction(text);
        action->setEnabled(item.state == 0);
        action->setData(id);
    }
    QAction *chosen = menu.exec(at);
    if (!chosen || !clientWidget())
        return;
    switch (chosen->data().toUInt()) {
    case SC_RESTORE: client->showNormal(); break;
    case SC_MOVE: DragForm(client); break;
    case SC_MINIMIZE: client->showMinimized(); break;
    case SC_MAXIMIZE: client->showMaximized(); break;
    case SC_CLOSE: client->close(); break;
    default: break;
    }
}

bool CFormBorder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == clientWidget()) {
        if (event->type() == QEvent::MouseButtonPress)
            ClientMouseDown(static_cast<QMouseEvent *>(event)->button());
        else if (event->type() == QEvent::MouseButtonRelease)
            ClientMouseUp(static_cast<QMouseEvent *>(event)->button());
    }
    return QObject::eventFilter(watched, event);
}

void CFormBorder::ClientMouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton && m_autoDrag)
        DragForm(clientWidget());
}

void CFormBorder::ClientMouseUp(Qt::MouseButton button)
{
    const QPoint cursor = QCursor::pos();
    if (button == Qt::RightButton && m_autoSysMenu)
        ShowSysMenu(cursor.x(), cursor.y());
}
