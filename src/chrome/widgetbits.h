#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

class LabelButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QWidget;

// The widget factories shared by the main window and the dialogs. Every control
// gets its name (objectName) here, as the tests and the window code find it.

// Verdana at a size in points (fractions allowed, e.g. 8.25).
QFont verdana(qreal points, bool bold = false);

// Fills a widget's background with one colour.
void setBackground(QWidget *widget, const QColor &color);

// Light grey of the window's hover light and of the dialogs' backgrounds.
inline const QColor kLightGrey(0xE0, 0xE0, 0xE0);

// A wrapping text, top-left aligned, Verdana 8.25 (the window's texts).
QLabel *addText(QWidget *parent, const QString &text, const QRect &geometry, const char *name = nullptr);
// The same in bold.
QLabel *addHeading(QWidget *parent, const QString &text, const QRect &geometry);
// A one-line label in Verdana (the dialogs' texts).
QLabel *dialogLabel(const QString &name, const QString &text, const QRect &geometry, QWidget *parent,
                    qreal points = 8.25);
// A label showing a picture scaled to its size.
QLabel *pictureLabel(const QString &name, const QPixmap &pixmap, const QRect &geometry, QWidget *parent);

QLineEdit *addTextBox(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
// An editable combo box that adds nothing to its list as the user types.
QComboBox *addCombo(QWidget *parent, const char *name, const QStringList &choices, const QString &text,
                    const QRect &geometry);

// A picture that acts as a button.
LabelButton *addPictureButton(QWidget *parent, const char *name, const QPixmap &picture, const QRect &geometry);
// A label button of the main window: grey outline, white, light grey under the
// mouse when lights is true.
LabelButton *addLabelButton(QWidget *parent, const char *name, const QString &caption, const QFont &font,
                            const QRect &geometry, bool lights = true);
// A label button of the dialogs: black outline on the fill; white under the mouse
// when hoverFill is given.
LabelButton *addDialogButton(QWidget *parent, const char *name, const QString &caption, const QColor &fill,
                             const QRect &geometry, const QColor &hoverFill = QColor());
