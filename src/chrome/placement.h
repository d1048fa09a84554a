#pragma once

class QWidget;

// Placing and moving windows that have no title bar.

// Moves the window with the mouse from a press until the button is released.
void DragForm(QWidget *form);

// Centres the window (frame included) on the primary screen.
void CenterForm(QWidget *form);

// Where a window of formSize starts on a screen of screenSize so that it is centred:
// half the difference, a half rounded to the even neighbour. Both in twips.
int CenteredOffset(int screenSize, int formSize);

// Puts the window's top-left corner at the mouse pointer, with no adjustment at the
// screen's edges (shared by the colour picker, the field menu and the project browser).
void PlaceAtCursor(QWidget *form);

// Twips, the unit of the stored window position: 15 to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// Twips in whole pixels, rounded to the nearest pixel, a half away from zero.
int twipsToPixels(double twips);
