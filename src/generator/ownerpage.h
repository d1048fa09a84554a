#pragma once

#include "store/guestbookproject.h"

#include <QString>

// The owner page owner.asp: sign-in, the lists of entries and held entries, and the changes the owner makes to them.
// secret: as NewSiteSecret gives it.
QString BuildOwnerPage(const GuestbookProject &project, const QString &secret);
