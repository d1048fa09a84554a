#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Changes the frame of a top-level window after it has been created: title bar
// and task-bar entry. The frame parts map to Qt window flags. Until a client is
// set, setters change nothing and getters return false.
class CFormBorder : public QObject
{
    Q_OBJECT

public:
    explicit CFormBorder(QObject *parent = nullptr);
    ~CFormBorder() override;

    // Accepts a top-level widget; anything else leaves the state as it was.
    void setClient(QObject *client);
    QWidget *Client() const;

    void setShowInTaskbar(bool value);
    bool ShowInTaskbar() const;
    void setTitlebar(bool value);
    bool Titlebar() const;

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

    void readFrame(const QWidget *client);
    Qt::WindowFlags frameFlags() const;
    bool frameMember(bool Frame::*member) const;
    void setFrameMember(bool Frame::*member, bool value);

    QPointer<QWidget> m_client;
    Frame m_frame;
};
