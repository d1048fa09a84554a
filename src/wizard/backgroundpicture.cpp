#include "wizard/backgroundpicture.h"

#include "chrome/pictures.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResource>

namespace {
const QColor kBannerTop(214, 226, 244);
const QColor kInk(44, 62, 102);
constexpr int kBannerHeight = 72;
constexpr int kPictureWidthTwips = 7770;  // a pixel wider than the window

// The program's name is drawn in the step heading's face.
QFont headingFont()
{
    return verdana(8.25, true);
}

// The window's thin outline, over everything; the mouse goes through it.
class WindowOutline : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        Pictures::drawOutline(painter, rect(), QColor(96, 110, 140));
    }
};
}  // namespace

BackgroundPicture::BackgroundPicture(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

// The banner from its kept pixels where they are what would be drawn here: one device
// pixel per pixel (they would be blurred on other screens) and the face the program's
// name was drawn in (this computer may give Verdana another face).
void BackgroundPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QImage banner;
    if (const QResource face(QStringLiteral(":/pixels/") + bannerFaceName());
        devicePixelRatio() == 1 && width() == bannerSize().width() && face.isValid()
        && QString::fromUtf8(face.uncompressedData()) == bannerFace())
        banner = Pictures::keptPixels(bannerName(), bannerSize(), QImage::Format_RGB32);  // white below all
    if (banner.isNull())
        paintBanner(painter, width());
    else
        painter.drawImage(0, 0, banner);
}

QString BackgroundPicture::bannerFace()
{
    return QFontInfo(headingFont()).family();
}

QSize BackgroundPicture::bannerSize()
{
    return {twipsToPixels(kPictureWidthTwips), kBannerHeight + 2};  // the rule under it included
}

void BackgroundPicture::paintBanner(QPainter &painter, int width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, width, bannerSize().height()), Qt::white);

    QLinearGradient banner(0, 0, 0, kBannerHeight);
    banner.setColorAt(0, kBannerTop);
    banner.setColorAt(1, Qt::white);
    painter.fillRect(QRect(0, 0, width, kBannerHeight), banner);

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

    // The name in the step heading's face, drawn large: a face of its own size would
    // cost the start-up as much as all the step's texts.
    const QFont heading = headingFont();
    painter.setFont(heading);
    painter.setPen(kInk);
    painter.translate(58, 32);
    const qreal scale = 20.0 / QFontInfo(heading).pixelSize();
    painter.scale(scale, scale);
    painter.drawText(QPoint(0, 0), QStringLiteral("Quillset"));
    painter.resetTransform();

    painter.setPen(QColor(200, 208, 222));
    painter.drawLine(8, kBannerHeight, width - 9, kBannerHeight);
    painter.restore();
}

void BackgroundPicture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed(event->button());
}

BackgroundPicture *BackgroundPicture::addTo(QWidget *window, QSize windowSize)
{
    // The picture is a pixel larger than the window each way (7770 x 5505 twips).
    auto *picture = new BackgroundPicture(window);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(0, 0, twipsToPixels(kPictureWidthTwips), twipsToPixels(5505));
    auto *outline = new WindowOutline(window);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setGeometry(QRect(QPoint(0, 0), windowSize));
    outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    return picture;
}
