#pragma once

#include <QWidget>

// The background picture over the whole window: a pale banner across the top
// with the program's mark, white below. Any mouse press on it is reported.
class BackgroundPicture : public QWidget
{
    Q_OBJECT

public:
    explicit BackgroundPicture(QWidget *parent = nullptr);

    // Puts the picture (Image1) over the whole window and the window's outline
    // (Shape1, of windowSize) over it.
    static BackgroundPicture *addTo(QWidget *window, QSize windowSize);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
