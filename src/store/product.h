#pragma once

#include <QString>

// The product's name, version and addresses, and the colour text of a colour
// value: shared by the pages, the main window and the dialogs.

// Application title and version, as the program reports them.
inline constexpr char kApplicationTitle[] = "Quillset";
QString ApplicationVersion();  // "1.2.6"

// Addresses of the product's own pages.
inline const QString kSupportPageUrl = QStringLiteral("https://quillset.example.org/support/");
inline const QString kHomePageUrl = QStringLiteral("https://quillset.example.org/");

// Colour text of a colour value (red in the low byte, then green, then blue):
// "#" and six upper-case hexadecimal digits, red first. 255 gives "#FF0000".
// Values outside 0 to 16777215 keep only their low 24 bits.
QString ColorToHex(int value);
