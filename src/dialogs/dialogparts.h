#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPixmap>
#include <QRect>

#include <functional>

class QLabel;
class QMouseEvent;
class QWidget;

// Pieces shared by the dialogs: twips geometry, rectangle shapes behind label
// buttons, mouse handlers on plain widgets and the pictures drawn in code.

// A rectangle given in twips (15 to a pixel), in pixels.
QRect twipsRect(int left, int top, int width, int height);

// Light grey of the dialogs' backgrounds.
inline const QColor kDialogGrey(0xE0, 0xE0, 0xE0);

// Verdana at a size in points (fractions as the design gives them, e.g. 8.25).
QFont verdana(qreal points, bool bold = false);

// Fills a widget's background with one colour.
void setBackground(QWidget *widget, const QColor &color);

// A rectangle shape: opaque fill and a one-pixel outline; the fill changes on hover.
class Shape : public QFrame
{
    Q_OBJECT
public:
    Shape(const QString &name, const QColor &fill, QWidget *parent);
    void setFill(const QColor &fill);
    QColor fill() const;
};

// A label with the hand pointer, used as a button.
QLabel *makeLabelButton(const QString &name, const QString &text, QWidget *parent);

// Mouse handlers attached to any widget. Each handler consumes its event, so the
// widget's parent does not see it as well. Disabled widgets do not react.
namespace MouseHandlers {
void onMove(QWidget *widget, std::function<void()> handler);
void onPress(QWidget *widget, std::function<void(QMouseEvent *)> handler);
// A press and a release of the left button inside the widget.
void onClick(QWidget *widget, std::function<void()> handler);
void onDoubleClick(QWidget *widget, std::function<void()> handler);
}  // namespace MouseHandlers

// The program's own pictures, drawn in code.
namespace DialogPictures {
QPixmap banner(QSize size);           // blue band behind a pop-up's caption
QPixmap bannerIcon(int size);         // small quill on a banner
QPixmap addIcon(int size);            // green plus
QPixmap deleteIcon(int size);         // red cross
QPixmap editIcon(int size);           // pencil
QPixmap closeIcon(int size);          // white cross on a dark red disc
QPixmap programIcon(int size);        // the program's icon: a quill over a page
}  // namespace DialogPictures
