#include "wizard/wizardpictures.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kBannerTop(214, 226, 244);
const QColor kInk(44, 62, 102);
}  // namespace

BackgroundPicture::BackgroundPicture(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void BackgroundPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);

    const int bannerHeight = 72;
    QLinearGradient banner(0, 0, 0, bannerHeight);
    banner.setColorAt(0, kBannerTop);
    banner.setColorAt(1, Qt::white);
    painter.fillRect(QRect(0, 0, width(), bannerHeight), banner);

    // The mark: a quill feather leaning right, its nib on a short ink line.
    QPainterPath feather;
    feather.moveTo(18, 44);
    feather.cubicTo(22, 26, 34, 12, 52, 6);
    feather.cubicTo(46, 20, 38, 34, 18, 44);
    painter.setPen(QPen(kInk, 1.2));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawPath(feather);
    painter.drawLine(QPointF(18, 44), QPointF(44, 14));
    painter.drawLine(QPointF(14, 46), QPointF(40, 46));

    QFont heading(QStringLiteral("Verdana"));
    heading.setPixelSize(20);
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(kInk);
    painter.drawText(QPoint(58, 32), QStringLiteral("Quillset"));

    painter.setPen(QColor(200, 208, 222));
    painter.drawLine(8, 72, width() - 9, 72);
}

void BackgroundPicture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed();
}

QPixmap PictureButtonImage(PictureButton kind, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ring = kind == PictureButton::Exit ? QColor(176, 48, 48) : kInk;
    painter.setPen(QPen(ring, 1.5));
    painter.setBrush(Qt::white);
    const QRectF circle(1, 1, size - 2, size - 2);
    painter.drawEllipse(circle);
    if (kind == PictureButton::Exit) {
        const qreal in = size * 0.32;
        painter.drawLine(QPointF(in, in), QPointF(size - in, size - in));
        painter.drawLine(QPointF(size - in, in), QPointF(in, size - in));
    } else {
        QFont font(QStringLiteral("Verdana"));
        font.setPixelSize(size * 2 / 3);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(circle, Qt::AlignCenter, kind == PictureButton::About ? QStringLiteral("i") : QStringLiteral("?"));
    }
    return pixmap;
}

QPixmap PalettePicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const QColor colours[] = {QColor(220, 40, 40), QColor(40, 160, 60), QColor(40, 80, 220), QColor(240, 200, 40)};
    const int half = size / 2;
    for (int i = 0; i < 4; ++i)
        painter.fillRect(QRect((i % 2) * half, (i / 2) * half, half, half), colours[i]);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(0, 0, size - 1, size - 1);
    return pixmap;
}
