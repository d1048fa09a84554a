// The colour picker: its palette under the pointer, picking, cancelling, and the
// colour text of a value.

#include "dialogtestsupport.h"
#include "support/testfolder.h"

#include "dialogs/colortohex.h"
#include "dialogs/frmcolors.h"
#include "dialogs/installdialogs.h"
#include "wizard/frmmain.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// The palette's layout: the left column's colours in order, and the grid's rule.
const int kLeftColumn[12] = {0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF,
                             0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};

struct Rgb {
    int red, green, blue;
};

Rgb gridSwatch(int row, int column)
{
    return {0x33 * (3 * (row / 6) + column / 6), 0x33 * (column % 6), 0x33 * (row % 6)};
}

QString hexText(Rgb c)
{
    return QString::asprintf("#%02X%02X%02X", c.red, c.green, c.blue);
}

int value(Rgb c)
{
    return c.red + 256 * c.green + 65536 * c.blue;
}

QWidget *palette(QWidget *picker)
{
    return named<QWidget>(picker, QStringLiteral("picColors"));
}

QString shownHex(QWidget *picker)
{
    return named<QLabel>(picker, QStringLiteral("lblColor"))->text();
}

}  // namespace

class ColorPickerTest : public QObject
{
    Q_OBJECT

private slots:
    void colorToHex_data();
    void colorToHex();
    void swatchUnderPointer_data();
    void swatchUnderPointer();
    void separatorsAreBlack_data();
    void separatorsAreBlack();
    void pickReturnsTheSwatch();
    void cancels_data();
    void cancels();
    void keepsTheColourBetweenOpenings();
    void opensAtThePointer();
    void mainWindowBoxes();
};

void ColorPickerTest::colorToHex_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("black") << 0 << "#000000";
    QTest::newRow("red") << 255 << "#FF0000";
    QTest::newRow("blue") << 16711680 << "#0000FF";
    QTest::newRow("336699") << 3368601 << "#996633";
    QTest::newRow("white") << 16777215 << "#FFFFFF";
    QTest::newRow("CC0033") << 13369395 << "#3300CC";
    QTest::newRow("one digit of green") << 0x000A00 << "#000A00";
}

void ColorPickerTest::colorToHex()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(ColorToHex(value), text);
}

void ColorPickerTest::swatchUnderPointer_data()
{
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<int>("colorValue");
    for (int row = 0; row < 12; ++row) {
        const int c = kLeftColumn[row];
        const Rgb rgb{c >> 16, (c >> 8) & 0xFF, c & 0xFF};
        QTest::addRow("left %d", row) << QPoint(11, 1 + 10 * row) << hexText(rgb) << value(rgb);
        for (int column = 0; column < 18; ++column) {
            const Rgb swatch = gridSwatch(row, column);
            QTest::addRow("grid %d,%d", row, column) << QPoint(31 + 10 * column, 1 + 10 * row) << hexText(swatch) << value(swatch);
        }
    }
}

void ColorPickerTest::swatchUnderPointer()
{
    QFETCH(QPoint, topLeft);
    QFETCH(QString, hex);
    QFETCH(int, colorValue);
    frmColors picker;
    picker.show();
    QWidget *preview = named<QWidget>(&picker, QStringLiteral("picPreview"));
    // The swatch's four corners and its middle: 9 x 9 pixels.
    for (const QPoint &offset : {QPoint(0, 0), QPoint(8, 0), QPoint(0, 8), QPoint(8, 8), QPoint(4, 4)}) {
        frmColors::mColor = -7;
        moveMouse(palette(&picker), topLeft + offset);
        QCOMPARE(shownHex(&picker), hex);
        QCOMPARE(frmColors::mColor, colorValue);
    }
    const QImage shown = preview->grab().toImage();
    QCOMPARE(QColor(shown.pixel(shown.rect().center())).name(QColor::HexRgb).toUpper(), hex);
}

void ColorPickerTest::separatorsAreBlack_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("top line") << QPoint(15, 0);
    QTest::newRow("left of the column") << QPoint(10, 5);
    QTest::newRow("between column and grid") << QPoint(25, 35);
    QTest::newRow("between grid columns") << QPoint(40, 45);
    QTest::newRow("between grid rows") << QPoint(115, 60);
    QTest::newRow("left margin") << QPoint(3, 100);
    QTest::newRow("bottom line") << QPoint(100, 120);
    QTest::newRow("right edge") << QPoint(210, 30);
}

void ColorPickerTest::separatorsAreBlack()
{
    QFETCH(QPoint, pos);
    frmColors picker;
    picker.show();
    moveMouse(palette(&picker), QPoint(15, 55));  // the white swatch of the left column first
    QCOMPARE(shownHex(&picker), QStringLiteral("#FFFFFF"));
    moveMouse(palette(&picker), pos);
    QCOMPARE(shownHex(&picker), QStringLiteral("#000000"));
    QCOMPARE(frmColors::mColor, 0);
    sendMouse(palette(&picker), QEvent::MouseButtonRelease, pos, Qt::LeftButton);
    QCOMPARE(frmColors::mColor, 0);
    QVERIFY(!picker.isVisible());
}

void ColorPickerTest::pickReturnsTheSwatch()
{
    // Grid row 4, column 6: red 33, green 00, blue CC.
    const QPoint swatch(31 + 10 * 6 + 4, 1 + 10 * 4 + 4);
    QString previewed;
    actOnModal([&](QWidget *modal) {
        moveMouse(palette(modal), swatch);
        previewed = shownHex(modal);
        sendMouse(palette(modal), QEvent::MouseButtonRelease, swatch, Qt::RightButton);
    });
    QCOMPARE(PickColor(), 13369395);
    QCOMPARE(previewed, QStringLiteral("#3300CC"));
}

void ColorPickerTest::cancels_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Escape") << true;
    QTest::newRow("click on the preview") << false;
}

void ColorPickerTest::cancels()
{
    QFETCH(bool, byEscape);
    bool otherKeyKeptItOpen = false;
    actOnModal([&](QWidget *modal) {
        moveMouse(palette(modal), QPoint(75, 45));
        QTest::keyClick(palette(modal), Qt::Key_A);
        otherKeyKeptItOpen = modal->isVisible();
        if (byEscape)
            QTest::keyClick(palette(modal), Qt::Key_Escape);
        else
            clickWidget(named<QWidget>(modal, QStringLiteral("picPreview")));
    });
    QCOMPARE(PickColor(), -1);
    QVERIFY(otherKeyKeptItOpen);
}

void ColorPickerTest::keepsTheColourBetweenOpenings()
{
    // Closed without a pick or a cancel, the picker gives the colour last previewed;
    // the next opening starts from it.
    actOnModal([](QWidget *modal) { moveMouse(palette(modal), QPoint(15, 65)); });  // left column: FF0000
    QCOMPARE(PickColor(), 255);
    actOnModal([](QWidget *) {});
    QCOMPARE(PickColor(), 255);
}

void ColorPickerTest::opensAtThePointer()
{
    QCursor::setPos(100, 50);
    QPoint at;
    actOnModal([&at](QWidget *modal) { at = modal->pos(); });
    PickColor();
    QCOMPARE(at * 15, QPoint(1500, 750));
}

void ColorPickerTest::mainWindowBoxes()
{
    TestProgramFolder folder;
    DesktopRecorder desktop;
    InstallDialogs();
    frmMain main;
    main.show();
    main.DoMode(2);
    auto *box = named<QLineEdit>(&main, QStringLiteral("txtBGColor"));
    box->setText(QStringLiteral("#123456"));

    actOnModal([](QWidget *modal) { QTest::keyClick(palette(modal), Qt::Key_Escape); });
    clickWidget(named<QWidget>(&main, QStringLiteral("imgBGcolor")));
    QCOMPARE(box->text(), QStringLiteral("#123456"));

    // Grid row 1, column 17: red 33 x 2, green 33 x 5, blue 33: 66FF33.
    const QPoint swatch(31 + 10 * 17 + 4, 1 + 10 * 1 + 4);
    actOnModal([&swatch](QWidget *modal) { sendMouse(palette(modal), QEvent::MouseButtonRelease, swatch, Qt::LeftButton); });
    clickWidget(named<QWidget>(&main, QStringLiteral("imgBGcolor")));
    QCOMPARE(box->text(), QStringLiteral("#66ff33"));
}

QTEST_MAIN(ColorPickerTest)
#include "tst_colorpicker.moc"
