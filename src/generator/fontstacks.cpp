#include "generator/fontstacks.h"

namespace {

struct WebFont {
    const char *family;
    const char *fallbacks;  // after the family: its stand-ins and generic family
};

const WebFont kWebFonts[] = {
    {"Verdana", "Geneva, sans-serif"},
    {"Arial", "Helvetica, sans-serif"},
    {"Tahoma", "Geneva, sans-serif"},
    {"Trebuchet MS", "Helvetica, sans-serif"},
    {"Georgia", "serif"},
    {"Times New Roman", "Times, serif"},
    {"Palatino Linotype", "Book Antiqua, Palatino, serif"},
    {"Courier New", "Courier, monospace"},
};

}  // namespace

QStringList WebSafeFamilies()
{
    QStringList families;
    for (const WebFont &font : kWebFonts)
        families << QLatin1String(font.family);
    return families;
}

QString FontStack(const QString &face)
{
    for (const WebFont &font : kWebFonts) {
        if (face.compare(QLatin1String(font.family), Qt::CaseInsensitive) == 0)
            return face + QStringLiteral(", ") + QLatin1String(font.fallbacks);
    }
    return face;
}
