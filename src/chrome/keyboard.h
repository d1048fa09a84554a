#pragma once

#include <QList>

class QComboBox;
class QWidget;

// Keyboard order of a window's controls.

// The controls inside area that take the focus by Tab, in reading order: rows from
// top to bottom (controls whose middles lie within a few pixels share a row), each
// row from left to right.
QList<QWidget *> tabStopsInReadingOrder(const QWidget *area);

// Tab goes from each control to the next one in the list.
void chainTabOrder(const QList<QWidget *> &controls);

// Up and Down in the editable combo box step from the text shown: to the entry above
// or below it in the list or, for a number that is not in the (ascending) list, to
// the nearest entry that way. Other text not in the list steps as Qt does.
void stepFromShownText(QComboBox *combo);

// Keyboard cues: whether the user has pressed a key in the program. Until then the
// program shows no focus mark and moves the focus nowhere a mouse user would see it.
bool keyboardInUse();
void setKeyboardInUse(bool inUse);
// Whether the program's last input was a key press rather than a mouse press.
bool lastInputWasKey();
// Starts watching the program's key presses (once; later calls do nothing).
void watchKeyboardUse();
