#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// The palette image: 211 x 121 pixels, black wherever no swatch lies. A column of
// twelve greys and primaries on the left, then the 216 colours whose components are
// each 00, 33, 66, 99, CC or FF in a grid of 18 columns by 12 rows. Swatches are
// 9 x 9 pixels on a 10-pixel pitch.
QImage PaletteImage();

// A colour value (red in the low byte) as the palette holds it.
int colorValue(QRgb rgb);

// The palette pop-up: moving over the palette previews, releasing a button picks,
// Escape or a click on the preview cancels. From the keyboard, the arrow keys, Home
// and End move a cursor over the swatches (the preview follows) and Enter picks the
// swatch under it. Given a current colour, the cursor starts on it (or on the
// nearest palette colour); else the first key puts it on the top-left swatch.
class frmColors : public QDialog
{
    Q_OBJECT
public:
    explicit frmColors(QWidget *parent = nullptr, int current = -1);

    // The colour last previewed or picked, -1 after a cancel. Kept from one opening
    // of the picker to the next.
    static int mColor;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void picColors_MouseMove(const QPoint &pos);
    void picColors_MouseUp(const QPoint &pos);
    void picColors_KeyPress(int key);
    void moveKeyboardCursor(int key);
    QPoint swatchOf(int color) const;
    void showKeyboardCursor(QPoint swatchAt);
    void preview(int color);
    void cancel();

    QImage m_palette;
    QPoint m_cursor{-1, -1};  // the keyboard cursor's swatch (column, row); none until an arrow key
    QLabel *picPreview;
    QLabel *lblColor;
    QLabel *picColors;
};

// Opens the picker over owner (at the pointer, or beside the control that opened it
// from the keyboard), its cursor on the current colour (a colour text or name; none
// when it is not one), and waits for it to close. Returns the picked colour value,
// or -1 when the user cancelled.
int PickColor(QWidget *owner = nullptr, const QString &current = QString());
