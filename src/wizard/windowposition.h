#pragma once

#include "store/atomicfile.h"

class QWidget;

// The main window's place between runs, kept in twips in the settings file.
namespace WindowPosition {

// Puts the window where it was saved when both edges are numbers and it would then
// be on a screen; otherwise centres it. Logs what it did.
void restore(QWidget *window);
WriteResult save(const QWidget *window);

}  // namespace WindowPosition
