#pragma once

#include <QString>

// Colour text of a colour value (red in the low byte, then green, then blue):
// "#" and six upper-case hexadecimal digits, red first. 255 gives "#FF0000".
// Values outside 0 to 16777215 keep only their low 24 bits.
QString ColorToHex(int value);
