#include "chrome/paragraph.h"

#include "chrome/labelbutton.h"

#include <QPainter>
#include <QTextOption>

Paragraph::Paragraph(const QString &text, const QFont &font, QWidget *parent)
    : QWidget(parent)
    , m_layout(text, font)
{
    setFont(font);
    setAccessibleName(text);
    setAccessibleRole(this, QAccessible::StaticText);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
}

void Paragraph::setWidth(int width)
{
    qreal height = 0;
    const qreal leading = QFontMetricsF(font()).leading();
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height() + leading;
    }
    m_layout.endLayout();
    resize(width, qCeil(height));
}

void Paragraph::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    m_layout.draw(&painter, QPointF(0, 0));
}
