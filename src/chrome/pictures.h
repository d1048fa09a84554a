#pragma once

#include <QImage>
#include <QPixmap>

class QPainter;

// The program's pictures, drawn in code; sizes in pixels.
namespace Pictures {
QPixmap banner(QSize size);  // blue band behind a pop-up's caption
QPixmap bannerIcon(int size);  // small quill on a banner
QPixmap addIcon(int size);  // green plus
QPixmap deleteIcon(int size);  // red cross
QPixmap editIcon(int size);  // pencil
QPixmap moveIcon(int size, bool up);  // blue arrow up or down
QPixmap closeIcon(int size);  // white cross on a dark red disc
QPixmap programIcon(int size);  // the program's icon: a quill over a page
QPixmap palette(int size);  // four colour squares, on the colour buttons

// Round buttons of the main window's top-right corner.
enum class Button { About, Help, Exit };
QPixmap roundButton(Button kind, int size);
// The name of a round button's pixels as the window shows it (kRoundButtonSize), and that picture.
inline constexpr int kRoundButtonSize = 20;
QString roundButtonName(Button kind);
QPixmap windowRoundButton(Button kind);

// A picture drawn when the program was built and kept in it as its pixels (premultiplied
// ARGB, row after row, resource :/pixels/<name>), so that showing it draws nothing at
// start-up. A null image when none of that size is kept. An opaque picture may be taken
// as RGB32, the same bits, which is copied rather than blended when drawn.
QImage keptPixels(const QString &name, QSize size, QImage::Format format = QImage::Format_ARGB32_Premultiplied);

// A one-pixel outline along the area's edges over a fill of the inside (none when fill
// is invalid): the pixels of QPainter::drawRect() with a one-pixel pen, as plain fills,
// which cost a fraction of a stroked outline.
void drawOutline(QPainter &painter, const QRect &area, const QColor &outline, const QColor &fill = QColor());
}  // namespace Pictures
