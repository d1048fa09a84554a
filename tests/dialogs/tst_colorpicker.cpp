// The colour picker: the colour under the pointer (its text and value), picking and
// cancelling.

#include "wizard/wizardtestsupport.h"

namespace {
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
    // Swatches of 9 x 9 pixels, 10 apart: the left column from x 11, the grid from x 31.
    void swatchUnderPointer_data()
    {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QString>("colour");  // the text shown and the value (red + 256 green + 65536 blue)
        addRow("left column, top: black", QPoint(11, 1), QString("#000000 0"));
        addRow("left column, row 7: red", QPoint(11, 61), QString("#FF0000 255"));
        addRow("left column, row 10: yellow", QPoint(11, 91), QString("#FFFF00 65535"));
        addRow("left column, bottom: magenta", QPoint(11, 111), QString("#FF00FF 16711935"));
        addRow("grid row 1, column 2", QPoint(41, 1), QString("#003300 13056"));
        addRow("grid row 5, column 7", QPoint(91, 41), QString("#3300CC 13369395"));
        addRow("grid row 8, column 14", QPoint(161, 71), QString("#FF3333 3355647"));
        addRow("grid bottom right: white", QPoint(201, 111), QString("#FFFFFF 16777215"));
    }

    void swatchUnderPointer()
    {
        QFETCH(QPoint, topLeft);
        QFETCH(QString, colour);
        frmColors picker;
        picker.show();
        for (const QPoint &offset : {QPoint(0, 0), QPoint(8, 8)}) {
            frmColors::mColor = -7;
            sendMouse(palette(&picker), QEvent::MouseMove, topLeft + offset);
            QCOMPARE(shown(&picker), colour);
        }
        const QImage preview = control(&picker, "picPreview")->grab().toImage();
        QCOMPARE(QColor(preview.pixel(preview.rect().center())).name().toUpper(), colour.section(' ', 0, 0));
    }

    void pickOrCancel_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("previewed");
        QTest::addColumn<int>("result");
        const QPoint swatch(31 + 10 * 6 + 4, 1 + 10 * 4 + 4);  // grid row 5, column 7
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
            sendMouse(palette(modal), QEvent::MouseMove, QPoint(15, 55));  // the white swatch first
            sendMouse(palette(modal), QEvent::MouseMove, pos);
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
