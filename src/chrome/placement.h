#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include <optional>

class QWidget;

// Placing and moving windows that have no title bar.

// Moves the window with the mouse from a press until that button is released. The
// window manager moves it for the left button; other buttons move it by hand.
void DragForm(QWidget *form, Qt::MouseButton button = Qt::LeftButton);

// Centres the window (frame included) on the primary screen; a window with an owner
// is centred on the screen that holds its owner and kept wholly on it. A window
// manager gives the window its frame only once it is shown: the window is centred
// again each time its frame's size changes (never when the user merely moves it).
void CenterForm(QWidget *form);

// Where a window of formSize starts on a screen of screenSize so that it is centred:
// half the difference, a half rounded to the even neighbour. Both in twips.
int CenteredOffset(int screenSize, int formSize);

// Where a pop-up of size opens on screen (the free area of the screen that holds the
// main window), all in screen pixels. Opened by the mouse, its top-left corner is at
// the pointer; opened from the keyboard, it lies just below the control that opened
// it, their left edges lined up. Where that runs past the screen it goes to the other
// side (left of the pointer or lined up with the control's right edge; above the
// pointer or the control), and where neither fits it is moved the least that puts it
// wholly on the screen; one larger than the screen shows its top-left part.
QPoint PopupPosition(const QRect &screen, const QSize &size, const QPoint &pointer, const QRect &control,
                     bool byKeyboard);

// Places a pop-up (the colour picker, the field menu, the project browser) by that
// rule on the screen that holds its owner. It counts as opened from the keyboard when
// the program's last input was a key press, from the owner window's focused control;
// a control given (in screen pixels) opened it from the keyboard.
void PlacePopup(QWidget *popup, std::optional<QRect> control = std::nullopt);

// A modal window (dialog or message box) that is minimised comes back at once: the
// window manager would hide the main window with it, and the main window cannot be
// used while the modal one is away. Installed once for the whole program.
void KeepModalWindowsUnminimised();

// Twips, the unit of the stored window position: 15 to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// Twips in whole pixels, rounded to the nearest pixel, a half away from zero.
int twipsToPixels(double twips);
