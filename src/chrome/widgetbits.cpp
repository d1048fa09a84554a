#include "chrome/widgetbits.h"

#include "chrome/keyboard.h"
#include "chrome/labelbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

QFont verdana(qreal points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Crisp, as the design's Windows draws Verdana, and the cheapest to draw: the face's
    // own hints rather than the hinter that works out every face's shapes anew.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *addText(QWidget *parent, const QString &text, const QRect &geometry, const char *name)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(verdana(8.25));
    label->setGeometry(geometry);
    return label;
}

QLabel *addHeading(QWidget *parent, const QString &text, const QRect &geometry)
{
    QLabel *label = addText(parent, text, geometry);
    label->setFont(verdana(8.25, true));
    return label;
}

QLabel *dialogLabel(const QString &name, const QString &text, const QRect &geometry, QWidget *parent, qreal points)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(verdana(points));
    return label;
}

QLabel *pictureLabel(const QString &name, const QPixmap &pixmap, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

QLineEdit *addTextBox(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(verdana(8.25));
    box->setGeometry(geometry);
    return box;
}

QComboBox *addCombo(QWidget *parent, const char *name, const QStringList &choices, const QString &text,
                    const QRect &geometry)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFont(verdana(8.25));
    combo->addItems(choices);
    combo->setEditText(text);
    combo->setGeometry(geometry);
    stepFromShownText(combo);
    return combo;
}

LabelButton *addPictureButton(QWidget *parent, const char *name, const QString &spokenName, const QPixmap &picture,
                              const QRect &geometry)
{
    auto *button = new LabelButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(spokenName);
    button->setPixmap(picture);
    button->setGeometry(geometry);
    return button;
}

LabelButton *addLabelButton(QWidget *parent, const char *name, const QString &caption, const QFont &font,
                            const QRect &geometry, bool lights)
{
    auto *button = new LabelButton(QLatin1String(name), caption, font, parent);
    button->setShape(QColor(160, 160, 160), Qt::white, lights ? kLightGrey : QColor());
    button->setGeometry(geometry);
    return button;
}

LabelButton *addDialogButton(QWidget *parent, const char *name, const QString &caption, const QColor &fill,
                             const QRect &geometry, const QColor &hoverFill)
{
    auto *button = new LabelButton(QLatin1String(name), caption, verdana(9), parent);
    button->setShape(Qt::black, fill, hoverFill);
    button->setGeometry(geometry);
    return button;
}
