#pragma once

#include <QColor>
#include <QString>

// Colours as a screen reader says them: a plain name beside the colour text.

// The nearest plain name: a grey ("black", "dark grey", ..., "white") or a hue
// ("red", "orange", "yellow", "green", "cyan", "blue", "purple", "magenta", "pink"),
// "dark" when it looks dark (as "brown" for a dark orange) and "light" when pale.
QString ColourName(const QColor &colour);

// The name and the text, "dark blue, #3333ff"; a text that is no colour as it is.
QString SpokenColour(const QString &text);
