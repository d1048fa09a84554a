#include "wizard/stepframe.h"

#include "chrome/pictures.h"

#include <QPainter>

StepFrame::StepFrame(QWidget *parent)
    : QFrame(parent)
{
}

void StepFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Pictures::drawOutline(painter, rect(), QColor(200, 208, 222), Qt::white);
}
