#pragma once

#include "generator/pageframe.h"
#include "generator/sitedescription.h"

#include <QString>

// The Modern pages: HTML5 in UTF-8, one style sheet made from the project's fonts,
// colours, background and table settings, one column on narrow screens, every
// field with its label, banners announced to screen readers, entries as articles.
// Every text a visitor reads stands outside the server script, so that the script
// itself stays ASCII. The data files are held in the file object's Unicode format;
// an 8-bit guestbook.txt of a Classic site is converted on its first write.

// The view page's articles for lines of guestbook.txt, as its script writes them.
QString ModernRenderedEntries(const QStringList &storedLines);

// A preview's pages are those a browser opens without a server: the sign page's
// script evaluated for a first visitor, the view page showing previewEntries.
QString BuildModernSignPage(const SiteDescription &site);
QString BuildModernEntryScript(const SiteDescription &site);
QString BuildModernViewPage(const SiteDescription &site, const QString &previewEntries = {});

// The pieces every Modern page is made of: the opening that makes the server read it
// as UTF-8, the head and the body up to the heading, and the closing lines.
QString BuildModernPageOpening();
QString BuildModernPageStart(const SiteDescription &site);
QString BuildModernPageClosing();

// The script functions that read and convert the data files (QsFileFormat, QsLines,
// QsMakeUnicode), each block between "<%" and "%>".
QString BuildDataFileFunctions();

// The style sheet alone, and the colour scheme it declares ("light" or "dark",
// after the background colour).
QString BuildModernStyleSheet(const PageDesign &design);
QString ModernColorScheme(const QString &backgroundColour);

// The contrast ratio of two colour texts ("#rrggbb"), 1 to 21; 0 when either is
// not such a colour.
double ContrastRatio(const QString &first, const QString &second);
inline constexpr double kLeastReadableContrast = 4.5;
