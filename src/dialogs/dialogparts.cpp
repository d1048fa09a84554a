#include "dialogs/dialogparts.h"

#include "chrome/pictures.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"

#include <QLabel>

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void setUpPopup(QWidget *popup, const QString &name, const QString &caption, QSize twips)
{
    popup->setObjectName(name);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setWindowTitle(caption);
    popup->setFixedSize(twipsRect(0, 0, twips.width(), twips.height()).size());
    setBackground(popup, Qt::white);
}

PopupBanner addPopupBanner(QWidget *popup, const QRect &banner, const QRect &icon, const QString &caption,
                           const QRect &captionRect)
{
    PopupBanner parts;
    parts.banner = pictureLabel(QStringLiteral("Image1"), Pictures::banner(banner.size()), banner, popup);
    parts.icon = pictureLabel(QStringLiteral("Image2"), Pictures::bannerIcon(16), icon, popup);
    parts.caption = dialogLabel(QStringLiteral("Label1"), caption, captionRect, popup, 9.75);
    parts.caption->setStyleSheet(QStringLiteral("color: white;"));
    popup->setAccessibleName(caption);  // a screen reader names the pop-up by the title it shows
    return parts;
}

void addEdgeLines(QWidget *popup, const QList<QRect> &lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        auto *line = new QFrame(popup);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setGeometry(lines.at(i));
        setBackground(line, Qt::black);
    }
}
