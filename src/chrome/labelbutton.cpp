#include "chrome/labelbutton.h"

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

ClickLabel *makeLabelButton(const QString &name, const QString &caption, const QFont &font, QWidget *parent)
{
    auto *label = new ClickLabel(parent);
    label->setObjectName(name);
    label->setText(caption);
    label->setFont(font);
    return label;
}

HoverShape::HoverShape(QWidget *parent)
    : QFrame(parent)
{
}

void HoverShape::setFill(const QColor &fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void HoverShape::setOutline(const QColor &outline)
{
    m_outline = outline;
    update();
}

void HoverShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_outline);
    painter.setBrush(m_fill);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
