#pragma once

#include "store/guestbookproject.h"

#include <QString>

// The web.config of a protected guestbook: IIS 7 and later serve any .txt file of a
// folder to anyone, so its request filtering hides the set's data files, which hold
// held entries and the robot guard's list, and their temporary copies.

inline const QString kRequestFilterName = QStringLiteral("web.config");

QString BuildRequestFilter();

// Whether a web.config of that text may be rewritten: one that this program wrote.
bool IsOwnRequestFilter(const QByteArray &text);
