#include "dialogs/frmcolors.h"

#include "chrome/colourspeech.h"
#include "chrome/labelbutton.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "store/product.h"

#include <QHash>
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

// The swatch columns as the keyboard cursor walks them: the left column, then the grid.
constexpr int kCursorColumns = 1 + kGridColumns;

QPoint swatchTopLeft(QPoint swatch)
{
    const int x = swatch.x() == 0 ? kLeftColumnX : kGridX + kPitch * (swatch.x() - 1);
    return {x, 1 + kPitch * swatch.y()};
}

// The nearest palette colour: each component to the nearest multiple of 33 hex.
int nearestPaletteColor(int color)
{
    int nearest = 0;
    for (int shift : {0, 8, 16})
        nearest |= (((color >> shift) & 0xFF) + 0x19) / 0x33 * 0x33 << shift;
    return nearest;
}

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

frmColors::frmColors(QWidget *parent, int current)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_palette(PaletteImage())
{
    setObjectName(QStringLiteral("frmColors"));
    setWindowTitle(tr("Colors"));
    setFixedSize(twipsRect(0, 0, 3165, 2295).size());
    setBackground(this, kDialogGrey);

    // A click on the preview cancels; it keeps the ordinary pointer. To a screen
    // reader it is a picture: Escape cancels from the keyboard.
    auto *preview = new LabelButton(this);
    preview->unsetCursor();
    preview->setFocusPolicy(Qt::NoFocus);
    setAccessibleRole(preview, QAccessible::Graphic);
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
    picColors->setAccessibleName(tr("Colour palette"));
    picPreview->setAccessibleName(tr("Colour preview"));
    if (current >= 0)
        showKeyboardCursor(swatchOf(nearestPaletteColor(current)));

    // The strip above the palette is framed on its left, top and right.
    addEdgeLines(this, {QRect(0, 0, 1, 32), QRect(0, 0, 211, 1), QRect(210, 0, 1, 32)});
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
    case QEvent::KeyPress: picColors_KeyPress(static_cast<QKeyEvent *>(event)->key()); return true;
    default: return QDialog::eventFilter(watched, event);
    }
}

void frmColors::picColors_MouseMove(const QPoint &pos)
{
    if (!m_palette.rect().contains(pos))
        return;
    preview(colorValue(m_palette.pixel(pos)));
}

void frmColors::preview(int color)
{
    mColor = color;
    const QString hex = ColorToHex(mColor);
    picPreview->setStyleSheet(QString::fromLatin1(kPreviewStyle).arg(hex));
    lblColor->setText(hex);
    // A screen reader hears the palette's new name: the colour under the pointer or the cursor.
    picColors->setAccessibleName(tr("Colour palette: ") + SpokenColour(hex));
}

// Escape cancels; arrows move the keyboard cursor; Enter picks the swatch under it.
// Other keys do nothing.
void frmColors::picColors_KeyPress(int key)
{
    switch (key) {
    case Qt::Key_Escape: cancel(); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: moveKeyboardCursor(key); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_cursor.x() >= 0)
            picColors_MouseUp(swatchTopLeft(m_cursor));
        break;
    default: break;
    }
}

// The first key puts the cursor on the top-left swatch; later ones move it (Home
// and End to the ends of its row), stopping at the palette's edges.
void frmColors::moveKeyboardCursor(int key)
{
    if (m_cursor.x() < 0) {
        showKeyboardCursor({0, 0});
        return;
    }
    const QHash<int, QPoint> moves = {{Qt::Key_Left, {-1, 0}},
                                      {Qt::Key_Right, {1, 0}},
                                      {Qt::Key_Up, {0, -1}},
                                      {Qt::Key_Down, {0, 1}},
                                      {Qt::Key_Home, {-kCursorColumns, 0}},
                                      {Qt::Key_End, {kCursorColumns, 0}}};
    const QPoint to = m_cursor + moves.value(key);
    showKeyboardCursor({qBound(0, to.x(), kCursorColumns - 1), qBound(0, to.y(), kRows - 1)});
}

// The swatch (column, row) that shows the colour; the left column first.
QPoint frmColors::swatchOf(int color) const
{
    for (int column = 0; column < kCursorColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            if (colorValue(m_palette.pixel(swatchTopLeft({column, row}))) == color)
                return {column, row};
        }
    }
    return {0, 0};
}

// The cursor is a white square around the swatch, whose colour is previewed.
void frmColors::showKeyboardCursor(QPoint swatchAt)
{
    m_cursor = swatchAt;
    const QPoint swatch = swatchTopLeft(m_cursor);
    QImage marked = m_palette;
    QPainter painter(&marked);
    painter.setPen(Qt::white);
    painter.drawRect(swatch.x() - 1, swatch.y() - 1, kSwatch + 1, kSwatch + 1);
    painter.end();
    picColors->setPixmap(QPixmap::fromImage(marked));
    preview(colorValue(m_palette.pixel(swatch)));
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

int PickColor(QWidget *owner, const QString &current)
{
    const QColor shown(current);
    frmColors picker(owner, shown.isValid() ? colorValue(shown.rgb()) : -1);
    PlacePopup(&picker);
    picker.exec();
    return frmColors::mColor;
}
