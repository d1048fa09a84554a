#pragma once

#include <QStringList>

#include <functional>

// The font families offered in the font lists: family names only, as a browser
// knows them. A family found in several foundries comes as "Name [foundry]"; the
// suffix is dropped and the name listed once, in the order given.
QStringList FontFamilyNames(const QStringList &families);

// What the font lists offer: the families web pages can rely on first, then the
// installed families (as FontFamilyNames gives them) that are neither among those,
// in any case, nor symbol fonts, whose letters are pictures.
QStringList OfferedFontFamilies(const QStringList &installed, const std::function<bool(const QString &)> &isSymbol);

// A symbol font of this computer: it has symbols and no Latin letters, or its name
// says it is one ("Standard Symbols PS", "D050000L", "Wingdings").
bool IsSymbolFont(const QString &family);
