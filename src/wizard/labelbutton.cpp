#include "wizard/labelbutton.h"

#include <QMouseEvent>
#include <QPainter>

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

HoverShape::HoverShape(QWidget *parent)
    : QFrame(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void HoverShape::setFill(const QColor &fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void HoverShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(m_fill);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

StepFrame::StepFrame(QWidget *parent)
    : QFrame(parent)
{
}

void StepFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(200, 208, 222));
    painter.setBrush(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
