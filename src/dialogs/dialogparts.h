#pragma once

#include "chrome/widgetbits.h"

#include <QColor>
#include <QList>
#include <QRect>

class QLabel;
class QPixmap;
class QWidget;

// Pieces shared by the dialogs: twips geometry, button shapes, labels and the
// set-up of the frameless pop-ups.

// A rectangle given in twips (15 to a pixel), in pixels, each number rounded as
// twipsToPixels rounds it.
QRect twipsRect(int left, int top, int width, int height);

// Light grey of the dialogs' backgrounds.
inline const QColor kDialogGrey = kLightGrey;

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
