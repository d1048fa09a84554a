#pragma once

#include <QStringList>

// The font families offered in the font lists: family names only, as a browser
// knows them. A family found in several foundries comes as "Name [foundry]"; the
// suffix is dropped and the name listed once, in the order given.
QStringList FontFamilyNames(const QStringList &families);
