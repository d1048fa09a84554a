#include "chrome/mousehandlers.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace {

class MouseFilter : public QObject
{
public:
    MouseFilter(QWidget *widget, QEvent::Type type, std::function<bool(QMouseEvent *)> handler)
        : QObject(widget)
        , m_type(type)
        , m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != m_type)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isEnabled())
            return false;
        return m_handler(static_cast<QMouseEvent *>(event));
    }

private:
    QEvent::Type m_type;
    std::function<bool(QMouseEvent *)> m_handler;
};

}  // namespace

void MouseHandlers::onMove(QWidget *widget, std::function<void()> handler)
{
    widget->setMouseTracking(true);
    new MouseFilter(widget, QEvent::MouseMove, [handler](QMouseEvent *) {
        handler();
        return true;
    });
}

void MouseHandlers::onPress(QWidget *widget, std::function<void(QMouseEvent *)> handler)
{
    new MouseFilter(widget, QEvent::MouseButtonPress, [handler](QMouseEvent *event) {
        handler(event);
        return true;
    });
}

void MouseHandlers::onClick(QWidget *widget, std::function<void()> handler)
{
    auto pressed = std::make_shared<bool>(false);
    new MouseFilter(widget, QEvent::MouseButtonPress, [pressed](QMouseEvent *event) {
        *pressed = event->button() == Qt::LeftButton;
        return true;
    });
    new MouseFilter(widget, QEvent::MouseButtonRelease, [widget, pressed, handler](QMouseEvent *event) {
        const bool click = *pressed && event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
        *pressed = false;
        if (click)
            handler();
        return true;
    });
}

void MouseHandlers::onDoubleClick(QWidget *widget, std::function<void()> handler)
{
    new MouseFilter(widget, QEvent::MouseButtonDblClick, [handler](QMouseEvent *) {
        handler();
        return true;
    });
}
