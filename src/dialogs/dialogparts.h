#pragma once

#include <QColor>
#include <QList>
#include <QRect>

class HoverShape;
class QLabel;
class QPixmap;
class QWidget;

// Pieces shared by the dialogs: twips geometry, button shapes, labels and the
// set-up of the frameless pop-ups.

// A rectangle given in twips (15 to a pixel), in pixels.
QRect twipsRect(int left, int top, int width, int height);

// Light grey of the dialogs' backgrounds.
inline const QColor kDialogGrey(0xE0, 0xE0, 0xE0);

// A button shape of the dialogs: a black outline around the fill.
HoverShape *dialogShape(const QString &name, const QColor &fill, QWidget *parent);

// A named Verdana label.
QLabel *dialogLabel(const QString &name, const QString &text, const QRect &geometry, QWidget *parent,
                    qreal points = 8.25);

// A named label showing a picture scaled to its size.
QLabel *pictureLabel(const QString &name, const QPixmap &pixmap, const QRect &geometry, QWidget *parent);

// A frameless pop-up: named, captioned, its size in twips, white, deleted once closed.
void setUpPopup(QWidget *popup, const QString &name, const QString &caption, QSize twips);

// The pop-up's blue banner (Image1), its quill (Image2) and white caption (Label1).
struct PopupBanner {
    QLabel *banner;
    QLabel *icon;
    QLabel *caption;
};
PopupBanner addPopupBanner(QWidget *popup, const QRect &banner, const QRect &icon, const QString &caption,
                           const QRect &captionRect);

// One-pixel black lines named Line1, Line2, ... in the order given.
void addEdgeLines(QWidget *popup, const QList<QRect> &lines);

// True when text can go into the generated pages (no script markers, no control
// characters, nothing the page code page cannot hold) and survives the settings
// file, which is kept in the system's 8-bit encoding, unchanged.
bool storableText(const QString &text);
