#pragma once

#include "generator/pageframe.h"
#include "generator/pagetexts.h"

#include <QString>

#include "store/guestbookproject.h"

// The view page, viewguestbook.asp, with the entries in place: the script that
// prints the data file newest first (a preview puts what it prints), then the link
// back to the sign page and the closing lines.
QString BuildViewPage(const GuestbookProject &project, const PageLinks &links, const QString &entries);

QString BuildReaderScript();
QString BuildViewPageEnd(const PageLinks &links, const PageTexts &texts);
