#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QMainWindow;

// Changes the frame of a top-level window after it has been created: title bar,
// buttons, sizing, task-bar entry, tool-window look, help button, stay-on-top.
// The frame parts map to Qt window flags; the window's system menu has no Qt
// counterpart, so its items are kept here and shown by ShowSysMenu as a popup.
// Until a client is set, setters change nothing and getters return false.
class CFormBorder : public QObject
{
    Q_OBJECT

public:
    // System-menu command identifiers; a disabled item carries its identifier
    // with bit 0x8000 cleared.
    static constexpr quint32 SC_SIZE = 0xF000;
    static constexpr quint32 SC_MOVE = 0xF010;
    static constexpr quint32 SC_MINIMIZE = 0xF020;
    static constexpr quint32 SC_MAXIMIZE = 0xF030;
    static constexpr quint32 SC_CLOSE = 0xF060;
    static constexpr quint32 SC_RESTORE = 0xF120;

    explicit CFormBorder(QObject *parent = nullptr);
    ~CFormBorder() override;

    void setAutoDrag(bool value);
    bool AutoDrag() const;
    void setAutoSysMenu(bool value);
    bool AutoSysMenu() const;

    // Accepts a top-level widget; a main window whose central widget is an MDI
    // area counts as an MDI parent. Anything else leaves the state as it was,
    // apart from the handle, which becomes 0.
    void setClient(QObject *client);
    QWidget *Client() const;

    void setControlBox(bool value);
    bool ControlBox() const;
    void setMaxButton(bool value);
    bool MaxButton() const;
    void setMinButton(bool value);
    bool MinButton() const;
    void setMoveable(bool value);
    bool Moveable() const;
    void setSizeable(bool value);
    bool Sizeable() const;
    void setShowInTaskbar(bool value);
    bool ShowInTaskbar() const;
    void setTitlebar(bool value);
    bool Titlebar() const;
    void setToolWindow(bool value);
    bool ToolWindow() const;
    void setTopMost(bool value);
    bool TopMost() const;
    void setWhatsThisButton(bool value);
    bool WhatsThisButton() const;

    // The client's native window id, or 0 when there is no client.
    quintptr hwnd() const;

    void EnableMenuItem(quint32 menuItem, bool enabled = false);
    void Redraw();
    void RemoveMenuItem(quint32 menuItem);
    void ShowSysMenu(int x, int y);

    // Position of the system-menu item with that identifier (enabled or disabled
    // form), or -1.
    int FindSysMenuPosition(quint32 menuItem) const;

    struct MenuItem {
        quint32 id;  // 0 for a separator
        int state;  // 0 enabled, 1 greyed
    };
    QList<MenuItem> systemMenu() const { return m_systemMenu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The frame as set through the members; the window's flags follow it.
    struct Frame {
        bool titlebar = true;
        bool controlBox = true;
        bool minButton = true;
        bool maxButton = true;
        bool whatsThis = false;
        bool topMost = false;
        bool showInTaskbar = true;
        bool toolWindow = false;
    };

    QWidget *clientWidget() const;
    void readFrame(const QWidget *client);
    Qt::WindowFlags frameFlags() const;
    bool frameMember(bool Frame::*member) const;
    void setFrameMember(bool Frame::*member, bool value);
    void ClientMouseDown(Qt::MouseButton button);
    void ClientMouseUp(Qt::MouseButton button);

    bool m_autoDrag = false;
    bool m_autoSysMenu = false;
    QPointer<QWidget> m_client;
    QPointer<QMainWindow> m_mdiClient;
    bool m_hasHandle = false;
    Frame m_frame;
    QList<MenuItem> m_systemMenu;
};
