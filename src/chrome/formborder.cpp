#include "chrome/formborder.h"

CFormBorder::CFormBorder(QObject *parent)
    : QObject(parent)
{
}

CFormBorder::~CFormBorder() = default;

void CFormBorder::setClient(QObject *client)
{
    auto *form = qobject_cast<QWidget *>(client);
    if (!form || !form->isWindow())
        return;
    m_client = form;
    readFrame(form);
}

QWidget *CFormBorder::Client() const
{
    return m_client;
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
    return m_client && m_frame.*member;
}

void CFormBorder::setFrameMember(bool Frame::*member, bool value)
{
    QWidget *client = m_client;
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
