#pragma once

class LabelButton;
class frmMain;

// The window's own buttons: About, Help and Exit at the top right, "Open Existing"
// and "Preview" at the bottom left, with what their clicks do.
namespace WindowButtons {
// About, Help and Exit.
void add(frmMain *window);
void addOpenExisting(frmMain *window);
// Shows the design in the browser; the window shows it on steps 2 to 5.
LabelButton *addPreview(frmMain *window);
}  // namespace WindowButtons
