#include "wizard/windowposition.h"

#include "chrome/placement.h"
#include "store/applog.h"
#include "store/settingsfile.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString kSection = QStringLiteral("Position");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");

// A saved coordinate in twips: a number, rounded to the nearest whole number
// with a half to the even neighbour. Anything else counts as not saved.
std::optional<int> savedTwips(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (std::fabs(rounded) > double(std::numeric_limits<int>::max() / 2))
        return std::nullopt;
    return int(rounded);
}

// The screen that holds the largest part of the window; null when none holds any.
const QScreen *screenHoldingMost(const QRect &window)
{
    const QScreen *best = nullptr;
    qint64 bestArea = 0;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        const QRect shared = screen->geometry().intersected(window);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

// Moves the window's rectangle the least that puts it wholly within area (its
// top-left corner first, should it be larger).
QPoint keptWithin(const QRect &window, const QRect &area)
{
    const int x = qMax(area.left(), qMin(window.left(), area.right() + 1 - window.width()));
    const int y = qMax(area.top(), qMin(window.top(), area.bottom() + 1 - window.height()));
    return QPoint(x, y);
}

}  // namespace

void WindowPosition::restore(QWidget *window)
{
    const QString leftText = GetINISetting(kSection, kLeft, QString());
    std::optional<int> left;
    std::optional<int> top;
    if (!leftText.isEmpty()) {
        left = savedTwips(leftText);
        top = savedTwips(GetINISetting(kSection, kTop, QString()));
    }
    if (left && top) {
        // A window saved partly off its screen comes back wholly on the screen that
        // holds most of it, so that its buttons can be reached.
        const QRect saved(QPoint(twipsToPixels(*left), twipsToPixels(*top)), window->frameGeometry().size());
        if (const QScreen *screen = screenHoldingMost(saved)) {
            const QPoint at = keptWithin(saved, screen->availableGeometry());
            WriteLog(QStringLiteral("Left: ") + QString::number(*left));
            window->move(at.x(), window->y());
            WriteLog(QStringLiteral("Top: ") + QString::number(*top));
            window->move(window->x(), at.y());
            return;
        }
    }
    WriteLog(QStringLiteral("Position not saved, will revert to default"));
    CenterForm(window);
}

WriteResult WindowPosition::save(const QWidget *window)
{
    return SaveINISettings({{kSection, kLeft, QString::number(window->x() * kTwipsPerPixel)},
                            {kSection, kTop, QString::number(window->y() * kTwipsPerPixel)}});
}
