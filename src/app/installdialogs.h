#pragma once

// Puts the real dialogs into the main window's dialog seams: the title dialog, the
// field dialog and menu, the colour picker, the existing projects window and the
// About box. Called once at start-up, before the main window is shown.
void InstallDialogs();
