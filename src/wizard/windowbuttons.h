#pragma once

#include "store/guestbookproject.h"

#include <QList>

#include <functional>

class LabelButton;
class QWidget;

// The window's own buttons: About, Help and Exit at the top right, "Open Existing"
// and "Preview" at the bottom left, with what their clicks do.
namespace WindowButtons {
// About, Help and Exit, in that order.
QList<LabelButton *> add(QWidget *window);
// Opens the project browser; open gets the title the user chose there.
LabelButton *addOpenExisting(QWidget *window, std::function<void(const QString &title)> open);
// Shows the design in the browser; the window shows it on steps 2 to 5.
LabelButton *addPreview(QWidget *window, std::function<GuestbookProject()> project);
}  // namespace WindowButtons
