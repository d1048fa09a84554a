#include "wizard/stepframe.h"

#include <QPainter>

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
