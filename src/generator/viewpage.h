#pragma once

#include "generator/pageframe.h"
#include "generator/pagetexts.h"
#include "generator/sitedescription.h"

#include <QString>

// The view page, viewguestbook.asp, with the entries in place: the script that
// prints the data file newest first, in pages with pages of entries (a preview puts
// previewEntries, what the script prints), then the link back to the sign page and
// the closing lines.
QString BuildViewPage(const SiteDescription &site, const QString &previewEntries = {});

QString BuildReaderScript();
QString BuildViewPageEnd(const PageLinks &links, const PageTexts &texts);
