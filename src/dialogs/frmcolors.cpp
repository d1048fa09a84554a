#include "dialogs/frmcolors.h"

#include "chrome/labelbutton.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "store/product.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kPaletteWidth = 211;
constexpr int kPaletteHeight = 121;
constexpr int kPitch = 10;
constexpr int kSwatch = 9;
constexpr int kRows = 12;
constexpr int kGridColumns = 18;
constexpr int kLeftColumnX = 11;
constexpr int kGridX = 31;

const QRgb kLeftColumn[kRows] = {0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF,
                                 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};

QRgb gridColor(int row, int column)
{
    const int red = 0x33 * (3 * (row / 6) + column / 6);
    const int green = 0x33 * (column % 6);
    const int blue = 0x33 * (row % 6);
    return qRgb(red, green, blue);
}

const char kPreviewStyle[] = "background-color: %1;";

}  // namespace

int frmColors::mColor = -1;

QImage PaletteImage()
{
    QImage image(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    for (int row = 0; row < kRows; ++row) {
        const int top = 1 + kPitch * row;
        p.fillRect(kLeftColumnX, top, kSwatch, kSwatch, QColor::fromRgb(kLeftColumn[row]));
        for (int column = 0; column < kGridColumns; ++column)
            p.fillRect(kGridX + kPitch * column, top, kSwatch, kSwatch, QColor::fromRgb(gridColor(row, column)));
    }
    return image;
}

int colorValue(QRgb rgb)
{
    return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

frmColors::frmColors(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_palette(PaletteImage())
{
    setObjectName(QStringLiteral("frmColors"));
    setWindowTitle(QStringLiteral("Colors"));
    setFixedSize(twipsRect(0, 0, 3165, 2295).size());
    setBackground(this, kDialogGrey);

    // A click on the preview cancels; it keeps the ordinary pointer.
    auto *preview = new LabelButton(this);
    preview->unsetCursor();
    connect(preview, &LabelButton::clicked, this, &frmColors::cancel);
    picPreview = preview;
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setGeometry(twipsRect(120, 90, 735, 330));
    picPreview->setStyleSheet(QString::fromLatin1(kPreviewStyle).arg(QStringLiteral("#FFFFFF")));

    lblColor = new QLabel(QStringLiteral("#FFFFFF"), this);
    lblColor->setObjectName(QStringLiteral("lblColor"));
    lblColor->setGeometry(twipsRect(1320, 150, 645, 195));
    lblColor->setFont(QFont(QStringLiteral("Verdana"), 7));

    picColors = new QLabel(this);
    picColors->setObjectName(QStringLiteral("picColors"));
    picColors->setGeometry(twipsRect(0, 480, 3165, 1815));
    picColors->setPixmap(QPixmap::fromImage(m_palette));
    picColors->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picColors->setCursor(Qt::PointingHandCursor);
    picColors->setMouseTracking(true);
    picColors->setFocusPolicy(Qt::StrongFocus);
    picColors->installEventFilter(this);
    picColors->setFocus();

    // The strip above the palette is framed on its left, top and right.
    for (const QRect &line : {QRect(0, 0, 1, 32), QRect(0, 0, 211, 1), QRect(210, 0, 1, 32)}) {
        auto *edge = new QFrame(this);
        edge->setGeometry(line);
        setBackground(edge, Qt::black);
    }
}

bool frmColors::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != picColors)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: picColors_MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint()); return true;
    case QEvent::MouseButtonRelease:
        picColors_MouseUp(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            cancel();
        return true;  // other keys do nothing
    default: return QDialog::eventFilter(watched, event);
    }
}

void frmColors::picColors_MouseMove(const QPoint &pos)
{
    if (!m_palette.rect().contains(pos))
        return;
    mColor = colorValue(m_palette.pixel(pos));
    const QString hex = ColorToHex(mColor);
    picPreview->setStyleSheet(QString::fromLatin1(kPreviewStyle).arg(hex));
    lblColor->setText(hex);
}

void frmColors::picColors_MouseUp(const QPoint &pos)
{
    // A release outside the palette (after dragging off it) picks nothing.
    mColor = m_palette.rect().contains(pos) ? colorValue(m_palette.pixel(pos)) : -1;
    accept();
}

void frmColors::cancel()
{
    mColor = -1;
    reject();
}

int PickColor()
{
    frmColors picker;
    PlaceAtCursor(&picker);
    picker.exec();
    return frmColors::mColor;
}
