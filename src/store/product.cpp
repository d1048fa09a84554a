#include "store/product.h"

QString ApplicationVersion()
{
    return QStringLiteral(QUILLSET_VERSION);
}

QString ColorToHex(int value)
{
    // Six digits of the value, blue first as the number reads; the pairs are then
    // turned round so that red comes first.
    const QString digits = QString::number(uint(value) & 0xFFFFFFu, 16).toUpper().rightJustified(6, QLatin1Char('0'));
    return QLatin1Char('#') + digits.mid(4, 2) + digits.mid(2, 2) + digits.mid(0, 2);
}
