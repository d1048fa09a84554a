#include "chrome/pictures.h"

#include <QResource>

#include <cstring>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap blankPixmap(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawQuill(QPainter &p, const QRectF &box, const QColor &vane, const QColor &shaft)
{
    // A feather leaning to the right: a curved vane with its shaft ending in a nib.
    const qreal w = box.width();
    const qreal h = box.height();
    const QPointF o = box.topLeft();
    QPainterPath feather;
    feather.moveTo(o + QPointF(0.15 * w, 0.92 * h));
    feather.cubicTo(o + QPointF(0.25 * w, 0.45 * h), o + QPointF(0.55 * w, 0.12 * h), o + QPointF(0.92 * w, 0.05 * h));
    feather.cubicTo(o + QPointF(0.80 * w, 0.40 * h), o + QPointF(0.55 * w, 0.70 * h), o + QPointF(0.15 * w, 0.92 * h));
    p.setPen(Qt::NoPen);
    p.setBrush(vane);
    p.drawPath(feather);
    p.setPen(QPen(shaft, qMax(1.0, w / 14)));
    p.drawLine(o + QPointF(0.08 * w, 0.98 * h), o + QPointF(0.80 * w, 0.18 * h));
}

// A filled disc with two strokes of pen across it.
QPixmap strokedDisc(int size, const QColor &disc, const QPen &pen, const QLineF (&strokes)[2])
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    p.setPen(pen);
    p.drawLine(strokes[0]);
    p.drawLine(strokes[1]);
    return pixmap;
}

}  // namespace

QPixmap Pictures::banner(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(0x1F, 0x3A, 0x6E));
    gradient.setColorAt(1, QColor(0x4A, 0x7B, 0xC4));
    p.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

QPixmap Pictures::bannerIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawQuill(p, QRectF(0, 0, size, size), Qt::white, QColor(0xF2, 0xC1, 0x4E));
    return pixmap;
}

QPixmap Pictures::addIcon(int size)
{
    const qreal half = size / 2.0;
    return strokedDisc(size, QColor(0x2E, 0x9E, 0x44), QPen(Qt::white, qMax(2, size / 6)),
                       {QLineF(half, size * 0.25, half, size * 0.75), QLineF(size * 0.25, half, size * 0.75, half)});
}

QPixmap Pictures::deleteIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC6, 0x28, 0x28), qMax(2, size / 5), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.2, size * 0.2), QPointF(size * 0.8, size * 0.8));
    p.drawLine(QPointF(size * 0.8, size * 0.2), QPointF(size * 0.2, size * 0.8));
    return pixmap;
}

QPixmap Pictures::editIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.rotate(45);
    const qreal len = size * 0.9;
    const qreal thick = size * 0.28;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xB1, 0x34));
    p.drawRect(QRectF(-len / 2 + thick * 0.6, -thick / 2, len - thick * 0.6, thick));
    p.setBrush(QColor(0x55, 0x55, 0x55));
    QPolygonF tip;
    tip << QPointF(-len / 2, 0) << QPointF(-len / 2 + thick * 0.6, -thick / 2)
        << QPointF(-len / 2 + thick * 0.6, thick / 2);
    p.drawPolygon(tip);
    return pixmap;
}

QPixmap Pictures::moveIcon(int size, bool up)
{
    const qreal half = size / 2.0, tip = up ? size * 0.2 : size * 0.8, barb = size * 0.5;
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1E, 0x5A, 0xB4), qMax(2, size / 6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(half, size * 0.2), QPointF(half, size * 0.8));
    p.drawPolyline(QPolygonF{QPointF(size * 0.22, barb), QPointF(half, tip), QPointF(size * 0.78, barb)});
    return pixmap;
}

QPixmap Pictures::closeIcon(int size)
{
    const qreal in = size * 0.32;
    const qreal out = size * 0.68;
    return strokedDisc(size, QColor(0xB0, 0x20, 0x20),
                       QPen(Qt::white, qMax(1.5, size / 8.0), Qt::SolidLine, Qt::RoundCap),
                       {QLineF(in, in, out, out), QLineF(out, in, in, out)});
}

QPixmap Pictures::programIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A page with a few written lines, a quill leaning over it.
    const QRectF page(size * 0.12, size * 0.08, size * 0.62, size * 0.84);
    p.setPen(QPen(QColor(0x1F, 0x3A, 0x6E), 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setPen(QPen(QColor(0x8A, 0x9B, 0xB8), qMax(1, size / 24)));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = page.top() + page.height() * i / 6.0;
        p.drawLine(QPointF(page.left() + size * 0.08, y), QPointF(page.right() - size * 0.1, y));
    }
    drawQuill(p, QRectF(size * 0.3, 0, size * 0.7, size * 0.85), QColor(0x4A, 0x7B, 0xC4), QColor(0x1F, 0x3A, 0x6E));
    return pixmap;
}

QPixmap Pictures::roundButton(Button kind, int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ring = kind == Button::Exit ? QColor(176, 48, 48) : QColor(44, 62, 102);
    painter.setPen(QPen(ring, 1.5));
    painter.setBrush(Qt::white);
    const QRectF circle(1, 1, size - 2, size - 2);
    painter.drawEllipse(circle);
    // The symbols are drawn as strokes: letters would load a font face for three pictures.
    const qreal unit = size / 20.0;
    if (kind == Button::Exit) {
        const qreal in = size * 0.32;
        painter.drawLine(QPointF(in, in), QPointF(size - in, size - in));
        painter.drawLine(QPointF(size - in, in), QPointF(in, size - in));
        return pixmap;
    }
    painter.setPen(QPen(ring, 2.2 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    if (kind == Button::About) {  // "i": a dot over a stem
        painter.drawLine(QPointF(10 * unit, 9 * unit), QPointF(10 * unit, 14.5 * unit));
    } else {  // "?": a hook over a dot
        QPainterPath hook;
        hook.moveTo(7 * unit, 7.5 * unit);
        hook.arcTo(QRectF(7 * unit, 4.5 * unit, 6 * unit, 6 * unit), 180, -220);
        hook.lineTo(10 * unit, 12 * unit);
        painter.drawPath(hook);
    }
    const qreal dotY = kind == Button::About ? 5.8 * unit : 15 * unit;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring);
    painter.drawEllipse(QPointF(10 * unit, dotY), 1.3 * unit, 1.3 * unit);
    return pixmap;
}

QPixmap Pictures::palette(int size)
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

void Pictures::drawOutline(QPainter &painter, const QRect &area, const QColor &outline, const QColor &fill)
{
    if (fill.isValid())
        painter.fillRect(area.adjusted(1, 1, -1, -1), fill);
    painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), outline);
    painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), outline);
    painter.fillRect(QRect(area.left(), area.top() + 1, 1, area.height() - 2), outline);
    painter.fillRect(QRect(area.right(), area.top() + 1, 1, area.height() - 2), outline);
}

QImage Pictures::keptPixels(const QString &name, QSize size, QImage::Format format)
{
    const QResource kept(QStringLiteral(":/pixels/") + name);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (!kept.isValid() || kept.compressionAlgorithm() != QResource::NoCompression || kept.size() != bytes)
        return {};
    QImage picture(size, format);
    std::memcpy(picture.bits(), kept.data(), bytes);
    return picture;
}

QString Pictures::roundButtonName(Button kind)
{
    switch (kind) {
    case Button::About: return QStringLiteral("about");
    case Button::Help: return QStringLiteral("help");
    case Button::Exit: break;
    }
    return QStringLiteral("exit");
}

QPixmap Pictures::windowRoundButton(Button kind)
{
    const QImage kept = keptPixels(roundButtonName(kind), QSize(kRoundButtonSize, kRoundButtonSize));
    return kept.isNull() ? roundButton(kind, kRoundButtonSize) : QPixmap::fromImage(kept);
}
