#pragma once

class QObject;

// The program's name and version, as the per-user data folder and --version use them.
// Called first, before anything reads them.
void NameProgram();

// The program after its QApplication is made: the window icon and desktop entry, the
// data folder, the dialogs, then the main window shown and the event loop until it ends.
// windowWatcher, when given, sees the main window's events from before it is shown
// (the start-up benchmark watches for its first paint with it).
int RunProgram(QObject *windowWatcher = nullptr);
