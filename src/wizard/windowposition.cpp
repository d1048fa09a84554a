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

bool onSomeScreen(const QRect &window)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->geometry().intersects(window))
            return true;
    }
    return false;
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
        const QPoint at(twipsToPixels(*left), twipsToPixels(*top));
        if (onSomeScreen(QRect(at, window->size()))) {
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
