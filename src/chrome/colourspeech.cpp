#include "chrome/colourspeech.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace {

QString spoken(const char *name)
{
    return QCoreApplication::translate("ColourName", name);
}

// Perceived lightness (CIE L*, 0 to 100): pure blue looks dark, pure yellow bright.
double perceivedLightness(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const double y =
        0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    return y <= 216.0 / 24389.0 ? y * 24389.0 / 27.0 : 116.0 * std::cbrt(y) - 16.0;
}

QString greyName(double lightness)
{
    struct Grey {
        double below;
        const char *name;
    };
    static const Grey greys[] = {{0.12, QT_TRANSLATE_NOOP("ColourName", "black")},
                                 {0.4, QT_TRANSLATE_NOOP("ColourName", "dark grey")},
                                 {0.7, QT_TRANSLATE_NOOP("ColourName", "grey")},
                                 {0.93, QT_TRANSLATE_NOOP("ColourName", "light grey")}};
    for (const Grey &grey : greys) {
        if (lightness < grey.below)
            return spoken(grey.name);
    }
    return spoken(QT_TRANSLATE_NOOP("ColourName", "white"));
}

// The hue's English name, to compare and to look up.
const char *hueName(int hue)
{
    struct Hue {
        int below;
        const char *name;
    };
    static const Hue hues[] = {
        {15, QT_TRANSLATE_NOOP("ColourName", "red")},     {45, QT_TRANSLATE_NOOP("ColourName", "orange")},
        {70, QT_TRANSLATE_NOOP("ColourName", "yellow")},  {160, QT_TRANSLATE_NOOP("ColourName", "green")},
        {200, QT_TRANSLATE_NOOP("ColourName", "cyan")},   {260, QT_TRANSLATE_NOOP("ColourName", "blue")},
        {290, QT_TRANSLATE_NOOP("ColourName", "purple")}, {330, QT_TRANSLATE_NOOP("ColourName", "magenta")},
        {345, QT_TRANSLATE_NOOP("ColourName", "pink")}};
    for (const Hue &each : hues) {
        if (hue < each.below)
            return each.name;
    }
    return "red";
}

}  // namespace

QString ColourName(const QColor &colour)
{
    const int chroma = qMax(colour.red(), qMax(colour.green(), colour.blue()))
        - qMin(colour.red(), qMin(colour.green(), colour.blue()));
    if (chroma < 31)
        return greyName(colour.lightnessF());
    const char *hueKey = hueName(colour.hslHue());
    const QString hue = spoken(hueKey);
    if (perceivedLightness(colour) < 40) {
        return qstrcmp(hueKey, "orange") == 0 ? spoken(QT_TRANSLATE_NOOP("ColourName", "brown"))
                                              : QCoreApplication::translate("ColourName", "dark %1").arg(hue);
    }
    if (colour.lightnessF() > 0.75)
        return QCoreApplication::translate("ColourName", "light %1").arg(hue);
    return hue;
}

QString SpokenColour(const QString &text)
{
    static const QRegularExpression hexColour(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    if (!hexColour.match(text.trimmed()).hasMatch())
        return text;
    return ColourName(QColor(text.trimmed())) + QStringLiteral(", ") + text;
}
