#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Verdana at a size in points (fractions allowed, e.g. 8.25).
QFont verdana(qreal points, bool bold = false);

// Fills a widget's background with one colour.
void setBackground(QWidget *widget, const QColor &color);
