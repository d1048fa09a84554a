#pragma once

#include <QString>
#include <QStringList>

// The font families a web page can rely on: found on nearly every visitor's computer,
// each with the families that stand in for it elsewhere and its generic family.

// The families, in the order the font lists offer them.
QStringList WebSafeFamilies();

// What a page's style sheet names for a face: the face's stack when it is one of the
// web-safe families ("Verdana, Geneva, sans-serif"), matched without regard to case;
// any other face as it is.
QString FontStack(const QString &face);
