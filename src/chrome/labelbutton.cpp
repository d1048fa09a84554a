#include "chrome/labelbutton.h"

#include <QMouseEvent>
#include <QPainter>

LabelButton::LabelButton(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

LabelButton::LabelButton(const QString &name, const QString &caption, const QFont &font, QWidget *parent)
    : LabelButton(parent)
{
    setObjectName(name);
    setText(caption);
    setFont(font);
}

void LabelButton::setShape(const QColor &outline, const QColor &fill, const QColor &hoverFill)
{
    m_outline = outline;
    m_restingFill = fill;
    m_hoverFill = hoverFill;
    setFill(fill);
}

void LabelButton::setFill(const QColor &fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void LabelButton::clearHover()
{
    setFill(m_restingFill);
}

void LabelButton::lightUp()
{
    if (m_hoverFill.isValid())
        setFill(m_hoverFill);
    emit hovered();
}

// A disabled button gets no moves: they go on to the widget under it.
void LabelButton::mouseMoveEvent(QMouseEvent *event)
{
    lightUp();
    event->accept();
}

void LabelButton::paintEvent(QPaintEvent *event)
{
    if (m_outline.isValid()) {
        QPainter painter(this);
        painter.setPen(m_outline);
        painter.setBrush(m_fill);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QLabel::paintEvent(event);
}

void LabelButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

namespace {

class MoveWatcher : public QObject
{
public:
    MoveWatcher(QWidget *area, std::function<void()> react)
        : QObject(area)
        , m_react(std::move(react))
    {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseMove || !static_cast<QWidget *>(watched)->isEnabled())
            return false;
        m_react();
        event->accept();
        return true;
    }

private:
    std::function<void()> m_react;
};

}  // namespace

void onMouseMove(QWidget *area, std::function<void()> react)
{
    new MoveWatcher(area, std::move(react));
}

void clearHoverOnMove(QWidget *area, const QList<LabelButton *> &buttons)
{
    onMouseMove(area, [buttons] {
        for (LabelButton *button : buttons)
            button->clearHover();
    });
}

void linkHoverGroup(const QList<LabelButton *> &group)
{
    for (LabelButton *button : group) {
        for (LabelButton *other : group) {
            if (other != button)
                QObject::connect(button, &LabelButton::hovered, other, &LabelButton::clearHover);
        }
    }
}
