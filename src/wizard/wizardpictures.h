#pragma once

#include <QPixmap>
#include <QWidget>

// The main window's pictures, drawn in code.

// The background picture over the whole window: a pale banner across the top
// with the program's mark, white below. Any mouse press on it is reported.
class BackgroundPicture : public QWidget
{
    Q_OBJECT

public:
    explicit BackgroundPicture(QWidget *parent = nullptr);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

// Round picture buttons of the top-right corner, size x size pixels.
enum class PictureButton { About, Help, Exit };
QPixmap PictureButtonImage(PictureButton kind, int size);

// The small palette picture of the colour buttons.
QPixmap PalettePicture(int size);
