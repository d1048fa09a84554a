// The colour picker: the colour under the pointer (text, value, preview and the
// palette's name, which tells a screen reader), then picked by a release or
// cancelled by a click on the preview.

#include "wizard/wizardtestsupport.h"

#include <QAccessible>

class ColorPickerTest : public QObject
{
    Q_OBJECT

private slots:
    // Swatches of 9 x 9 pixels, 10 apart: the left column from x 11, the grid from x 31;
    // the lines between them are black, and black is picked there.
    void pointAndPick_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("colour");  // text and value (red + 256 green + 65536 blue)
        QTest::addColumn<bool>("release");  // else a click on the preview: cancelled
        addRow("left column, top-left corner: black", QPoint(11, 1), QString("#000000 0"), true);
        addRow("left column, row 7: red", QPoint(15, 65), QString("#FF0000 255"), true);
        addRow("left column, row 10: yellow", QPoint(19, 99), QString("#FFFF00 65535"), true);
        addRow("left column, bottom: magenta", QPoint(11, 111), QString("#FF00FF 16711935"), true);
        addRow("grid row 1, column 2", QPoint(41, 1), QString("#003300 13056"), true);
        addRow("grid row 5, column 7, preview clicked", QPoint(95, 45), QString("#3300CC 13369395"), false);
        addRow("grid row 8, column 14", QPoint(169, 79), QString("#FF3333 3355647"), true);
        addRow("grid bottom-right corner: white", QPoint(209, 119), QString("#FFFFFF 16777215"), true);
        addRow("top line", QPoint(15, 0), QString("#000000 0"), true);
        addRow("between column and grid", QPoint(25, 35), QString("#000000 0"), true);
        addRow("between grid columns", QPoint(40, 45), QString("#000000 0"), true);
        addRow("between grid rows", QPoint(115, 60), QString("#000000 0"), true);
        addRow("right edge", QPoint(210, 30), QString("#000000 0"), true);
    }

    void pointAndPick()
    {
        QFETCH(QPoint, pos);
        QFETCH(QString, colour);
        QFETCH(bool, release);
        QString seen;
        bool otherKeyKeptItOpen = false;
        actOnModal([&](QWidget *modal) {
            QWidget *palette = control(modal, "picColors");
            sendMouse(palette, QEvent::MouseMove, QPoint(15, 55));  // the white swatch first
            sendMouse(palette, QEvent::MouseMove, pos);
            const QImage preview = control(modal, "picPreview")->grab().toImage();
            seen = control<QLabel>(modal, "lblColor")->text() + ' ' + QString::number(frmColors::mColor) + ' '
                + QColor(preview.pixel(preview.rect().center())).name().toUpper() + ' '
                + QAccessible::queryAccessibleInterface(palette)->text(QAccessible::Name);
            QTest::keyClick(palette, Qt::Key_A);
            otherKeyKeptItOpen = modal->isVisible();
            if (release)
                sendMouse(palette, QEvent::MouseButtonRelease, pos, Qt::RightButton);
            else
                clickNamed(modal, "picPreview");
        });
        QCOMPARE(PickColor(), release ? colour.section(' ', 1, 1).toInt() : -1);
        QCOMPARE(seen, colour + ' ' + colour.section(' ', 0, 0) + " Colour palette: " + colour.section(' ', 0, 0));
        QVERIFY(otherKeyKeptItOpen);
    }
};

QTEST_MAIN(ColorPickerTest)
#include "tst_colorpicker.moc"
