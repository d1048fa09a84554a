#pragma once

class frmMain;

// The window's own buttons: About, Help and Exit at the top right and "Open
// Existing" at the bottom left, with what their clicks do.
namespace WindowButtons {
// About, Help and Exit.
void add(frmMain *window);
void addOpenExisting(frmMain *window);
}  // namespace WindowButtons
