#include "chrome/colourspeech.h"

#include <QRegularExpression>

#include <cmath>

namespace {

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
    static const Grey greys[] = {{0.12, "black"}, {0.4, "dark grey"}, {0.7, "grey"}, {0.93, "light grey"}};
    for (const Grey &grey : greys) {
        if (lightness < grey.below)
            return QLatin1String(grey.name);
    }
    return QStringLiteral("white");
}

QString hueName(int hue)
{
    struct Hue {
        int below;
        const char *name;
    };
    static const Hue hues[] = {{15, "red"},   {45, "orange"},  {70, "yellow"},   {160, "green"}, {200, "cyan"},
                               {260, "blue"}, {290, "purple"}, {330, "magenta"}, {345, "pink"}};
    for (const Hue &each : hues) {
        if (hue < each.below)
            return QLatin1String(each.name);
    }
    return QStringLiteral("red");
}

}  // namespace

QString ColourName(const QColor &colour)
{
    const int chroma = qMax(colour.red(), qMax(colour.green(), colour.blue()))
        - qMin(colour.red(), qMin(colour.green(), colour.blue()));
    if (chroma < 31)
        return greyName(colour.lightnessF());
    const QString hue = hueName(colour.hslHue());
    if (perceivedLightness(colour) < 40)
        return hue == QLatin1String("orange") ? QStringLiteral("brown") : QStringLiteral("dark ") + hue;
    if (colour.lightnessF() > 0.75)
        return QStringLiteral("light ") + hue;
    return hue;
}

QString SpokenColour(const QString &text)
{
    static const QRegularExpression hexColour(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    if (!hexColour.match(text.trimmed()).hasMatch())
        return text;
    return ColourName(QColor(text.trimmed())) + QStringLiteral(", ") + text;
}
