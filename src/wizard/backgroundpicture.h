#pragma once

#include <QWidget>

// The background picture over the whole window: a pale banner across the top
// with the program's mark, white below. Any mouse press on it is reported.
class BackgroundPicture : public QWidget
{
    Q_OBJECT

public:
    explicit BackgroundPicture(QWidget *parent = nullptr);

signals:
    void pressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
