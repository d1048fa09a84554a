#pragma once

#include "generator/pageframe.h"
#include "store/guestbookproject.h"

#include <QString>

// Pieces of default.asp that lie between the frame's heading and its closing lines.
QString BuildErrorBanner();
QString BuildSignForm(const GuestbookProject &project, const PageLinks &links = kServerPageLinks);
