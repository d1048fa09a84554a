#pragma once

#include <functional>

class QMouseEvent;
class QWidget;

// Mouse handlers attached to any widget. Each handler consumes its event, so the
// widget's parent does not see it as well. Disabled widgets do not react.
namespace MouseHandlers {
void onMove(QWidget *widget, std::function<void()> handler);
void onPress(QWidget *widget, std::function<void(QMouseEvent *)> handler);
// A press and a release of the left button inside the widget.
void onClick(QWidget *widget, std::function<void()> handler);
void onDoubleClick(QWidget *widget, std::function<void()> handler);
}  // namespace MouseHandlers
