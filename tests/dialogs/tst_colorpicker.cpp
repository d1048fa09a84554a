// The colour picker: its palette under the pointer (and the colour text of each
// swatch), picking and cancelling.

#include "dialogtestsupport.h"

namespace {
// A swatch's colour as red, green, blue: the left column's in order, the grid's by its rule.
QList<int> swatch(int row, int column)  // column -1: the left column
{
    static const int left[12] = {0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF,
                                 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
    if (column < 0)
        return {left[row] >> 16, (left[row] >> 8) & 0xFF, left[row] & 0xFF};
    return {0x33 * (3 * (row / 6) + column / 6), 0x33 * (column % 6), 0x33 * (row % 6)};
}

QWidget *palette(QWidget *picker)
{
    return control(picker, "picColors");
}

// What the picker shows and holds: lblColor's text and the value kept in mColor.
QString shown(QWidget *picker)
{
    return control<QLabel>(picker, "lblColor")->text() + ' ' + QString::number(frmColors::mColor);
}
}  // namespace

class ColorPickerTest : public QObject
{
    Q_OBJECT

private slots:
    void swatchUnderPointer_data()
    {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QList<int>>("rgb");
        for (int row = 0; row < 12; ++row) {
            for (int column = -1; column < 18; ++column) {
                const int left = column < 0 ? 11 : 31 + 10 * column;
                QTest::addRow("row %d, column %d", row, column) << QPoint(left, 1 + 10 * row) << swatch(row, column);
            }
        }
    }

    void swatchUnderPointer()
    {
        QFETCH(QPoint, topLeft);
        QFETCH(QList<int>, rgb);
        const QString hex = QString::asprintf("#%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
        const QString expected = hex + ' ' + QString::number(rgb[0] + 256 * rgb[1] + 65536 * rgb[2]);
        frmColors picker;
        picker.show();
        // The swatch's four corners and its middle: 9 x 9 pixels.
        for (const QPoint &offset : {QPoint(0, 0), QPoint(8, 0), QPoint(0, 8), QPoint(8, 8), QPoint(4, 4)}) {
            frmColors::mColor = -7;
            moveMouse(palette(&picker), topLeft + offset);
            QCOMPARE(shown(&picker), expected);
        }
        const QImage preview = control(&picker, "picPreview")->grab().toImage();
        QCOMPARE(QColor(preview.pixel(preview.rect().center())).name().toUpper(), hex);
    }

    void pickOrCancel_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("previewed");
        QTest::addColumn<int>("result");
        const QPoint swatch(31 + 10 * 6 + 4, 1 + 10 * 4 + 4);  // grid row 4, column 6
        // Escape from the palette: see the key table.
        addRow("release on a swatch", swatch, "release", "#3300CC 13369395", 13369395);
        addRow("click on the preview", swatch, "preview", "#3300CC 13369395", -1);
        // The separating lines are black, and black is picked there.
        addRow("top line", QPoint(15, 0), "release", "#000000 0", 0);
        addRow("between column and grid", QPoint(25, 35), "release", "#000000 0", 0);
        addRow("between grid columns", QPoint(40, 45), "release", "#000000 0", 0);
        addRow("between grid rows", QPoint(115, 60), "release", "#000000 0", 0);
        addRow("right edge", QPoint(210, 30), "release", "#000000 0", 0);
    }

    void pickOrCancel()
    {
        QFETCH(QPoint, pos);
        QFETCH(QString, how);
        QFETCH(QString, previewed);
        QFETCH(int, result);
        QString seen;
        bool otherKeyKeptItOpen = false;
        actOnModal([&](QWidget *modal) {
            moveMouse(palette(modal), QPoint(15, 55));  // the white swatch of the left column first
            moveMouse(palette(modal), pos);
            seen = shown(modal);
            QTest::keyClick(palette(modal), Qt::Key_A);
            otherKeyKeptItOpen = modal->isVisible();
            if (how == "release")
                sendMouse(palette(modal), QEvent::MouseButtonRelease, pos, Qt::RightButton);
            else
                clickNamed(modal, "picPreview");
        });
        QCOMPARE(PickColor(), result);
        QCOMPARE(seen, previewed);
        QVERIFY(otherKeyKeptItOpen);
    }
};

QTEST_MAIN(ColorPickerTest)
#include "tst_colorpicker.moc"
