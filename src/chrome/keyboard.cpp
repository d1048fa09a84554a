#include "chrome/keyboard.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace {

bool g_keyboardInUse = false;
bool g_lastInputWasKey = false;

// Any key press in the program turns the keyboard cues on, and repaints the
// focused control so that its mark shows at once. Key and mouse presses are told
// apart, so that a pop-up knows what opened it.
class KeyboardWatch : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)
            g_lastInputWasKey = type == QEvent::KeyPress;
        if (type == QEvent::KeyPress && !g_keyboardInUse) {
            g_keyboardInUse = true;
            if (QWidget *focused = QApplication::focusWidget())
                focused->update();
        }
        return false;
    }
};

// Controls of one row differ in height (a text box, its small palette button).
constexpr int kRowTolerance = 8;

int middleY(const QWidget *control, const QWidget *area)
{
    return control->mapTo(area, control->rect().center()).y();
}
}  // namespace

QList<QWidget *> tabStopsInReadingOrder(const QWidget *area)
{
    QList<QWidget *> stops;
    for (QWidget *child : area->findChildren<QWidget *>()) {
        // A combo box's list is a window of its own.
        if ((child->focusPolicy() & Qt::TabFocus) && !child->isHidden() && !child->focusProxy()
            && child->window() == area->window())
            stops.append(child);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [area](QWidget *a, QWidget *b) { return middleY(a, area) < middleY(b, area); });
    // Split into rows, then put each row in order from left to right.
    auto rowStart = stops.begin();
    while (rowStart != stops.end()) {
        const int rowTop = middleY(*rowStart, area);
        auto rowEnd =
            std::find_if(rowStart, stops.end(), [&](QWidget *c) { return middleY(c, area) - rowTop > kRowTolerance; });
        std::stable_sort(rowStart, rowEnd, [area](QWidget *a, QWidget *b) {
            return a->mapTo(area, QPoint()).x() < b->mapTo(area, QPoint()).x();
        });
        rowStart = rowEnd;
    }
    return stops;
}

bool keyboardInUse()
{
    return g_keyboardInUse;
}

bool lastInputWasKey()
{
    return g_lastInputWasKey;
}

void setKeyboardInUse(bool inUse)
{
    g_keyboardInUse = inUse;
}

void watchKeyboardUse()
{
    static KeyboardWatch *watch = nullptr;
    if (watch || !qApp)
        return;
    watch = new KeyboardWatch;
    watch->setParent(qApp);
    qApp->installEventFilter(watch);
}

void chainTabOrder(const QList<QWidget *> &controls)
{
    for (int i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}
