#pragma once

#include <QWidget>

class QPainter;

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

    // The banner across the top, as it is kept in the program (drawn when the program
    // is built) under this name and size, and its drawing on a painter. The font face
    // of its name is kept beside it as text under bannerFaceName().
    static QString bannerName() { return QStringLiteral("banner"); }
    static QString bannerFaceName() { return QStringLiteral("banner-face"); }
    static QSize bannerSize();
    static QString bannerFace();
    static void paintBanner(QPainter &painter, int width);

signals:
    void pressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
