#include "chrome/keyboard.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <optional>

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

// The number a text begins with ("45%": 45); nothing when it begins with none.
std::optional<double> leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? std::optional<double>(match.captured(1).toDouble()) : std::nullopt;
}

// The entry step (-1 up, +1 down) moves to from the text shown; -1 when Qt decides.
int entryAfterStep(const QComboBox &combo, int step)
{
    const int shown = combo.findText(combo.currentText(), Qt::MatchFixedString);
    if (shown >= 0)
        return qBound(0, shown + step, combo.count() - 1);
    const std::optional<double> value = leadingNumber(combo.currentText());
    if (!value || combo.count() == 0)
        return -1;
    int entry = step > 0 ? 0 : combo.count() - 1;
    while (entry + step >= 0 && entry + step < combo.count()
           && (step > 0 ? leadingNumber(combo.itemText(entry)).value_or(0) <= *value
                        : leadingNumber(combo.itemText(entry)).value_or(0) >= *value))
        entry += step;
    return entry;
}

class ShownTextStepper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() != QEvent::KeyPress || (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
            || (key->modifiers() & Qt::AltModifier))
            return false;
        auto *combo = static_cast<QComboBox *>(watched);
        const int entry = entryAfterStep(*combo, key->key() == Qt::Key_Down ? 1 : -1);
        if (entry < 0)
            return false;
        combo->setCurrentIndex(entry);
        combo->setEditText(combo->itemText(entry));
        emit combo->activated(entry);
        return true;
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

void stepFromShownText(QComboBox *combo)
{
    combo->installEventFilter(new ShownTextStepper(combo));
}

void chainTabOrder(const QList<QWidget *> &controls)
{
    for (int i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}
