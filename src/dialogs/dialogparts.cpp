#include "dialogs/dialogparts.h"

#include "chrome/placement.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

QFont verdana(qreal points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

Shape::Shape(const QString &name, const QColor &fill, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFill(fill);
}

void Shape::setFill(const QColor &fill)
{
    setBackground(this, fill);
}

QColor Shape::fill() const
{
    return palette().color(QPalette::Window);
}

QLabel *makeLabelButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setFont(verdana(9));
    return label;
}

namespace {

class MouseFilter : public QObject
{
public:
    MouseFilter(QWidget *widget, QEvent::Type type, std::function<bool(QMouseEvent *)> handler)
        : QObject(widget)
        , m_type(type)
        , m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != m_type)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isEnabled())
            return false;
        return m_handler(static_cast<QMouseEvent *>(event));
    }

private:
    QEvent::Type m_type;
    std::function<bool(QMouseEvent *)> m_handler;
};

}  // namespace

void MouseHandlers::onMove(QWidget *widget, std::function<void()> handler)
{
    widget->setMouseTracking(true);
    new MouseFilter(widget, QEvent::MouseMove, [handler](QMouseEvent *) {
        handler();
        return true;
    });
}

void MouseHandlers::onPress(QWidget *widget, std::function<void(QMouseEvent *)> handler)
{
    new MouseFilter(widget, QEvent::MouseButtonPress, [handler](QMouseEvent *event) {
        handler(event);
        return true;
    });
}

void MouseHandlers::onClick(QWidget *widget, std::function<void()> handler)
{
    auto pressed = std::make_shared<bool>(false);
    new MouseFilter(widget, QEvent::MouseButtonPress, [pressed](QMouseEvent *event) {
        *pressed = event->button() == Qt::LeftButton;
        return true;
    });
    new MouseFilter(widget, QEvent::MouseButtonRelease, [widget, pressed, handler](QMouseEvent *event) {
        const bool click = *pressed && event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
        *pressed = false;
        if (click)
            handler();
        return true;
    });
}

void MouseHandlers::onDoubleClick(QWidget *widget, std::function<void()> handler)
{
    new MouseFilter(widget, QEvent::MouseButtonDblClick, [handler](QMouseEvent *) {
        handler();
        return true;
    });
}

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

}  // namespace

QPixmap DialogPictures::banner(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(0x1F, 0x3A, 0x6E));
    gradient.setColorAt(1, QColor(0x4A, 0x7B, 0xC4));
    p.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

QPixmap DialogPictures::bannerIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawQuill(p, QRectF(0, 0, size, size), Qt::white, QColor(0xF2, 0xC1, 0x4E));
    return pixmap;
}

QPixmap DialogPictures::addIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x9E, 0x44));
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    p.setPen(QPen(Qt::white, qMax(2, size / 6)));
    p.drawLine(QPointF(size / 2.0, size * 0.25), QPointF(size / 2.0, size * 0.75));
    p.drawLine(QPointF(size * 0.25, size / 2.0), QPointF(size * 0.75, size / 2.0));
    return pixmap;
}

QPixmap DialogPictures::deleteIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC6, 0x28, 0x28), qMax(2, size / 5), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.2, size * 0.2), QPointF(size * 0.8, size * 0.8));
    p.drawLine(QPointF(size * 0.8, size * 0.2), QPointF(size * 0.2, size * 0.8));
    return pixmap;
}

QPixmap DialogPictures::editIcon(int size)
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
    tip << QPointF(-len / 2, 0) << QPointF(-len / 2 + thick * 0.6, -thick / 2) << QPointF(-len / 2 + thick * 0.6, thick / 2);
    p.drawPolygon(tip);
    return pixmap;
}

QPixmap DialogPictures::closeIcon(int size)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0x20, 0x20));
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    p.setPen(QPen(Qt::white, qMax(1.5, size / 8.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.32, size * 0.32), QPointF(size * 0.68, size * 0.68));
    p.drawLine(QPointF(size * 0.68, size * 0.32), QPointF(size * 0.32, size * 0.68));
    return pixmap;
}

QPixmap DialogPictures::programIcon(int size)
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
