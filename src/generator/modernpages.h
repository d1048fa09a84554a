#pragma once

#include "generator/pageframe.h"
#include "generator/pagetexts.h"
#include "store/guestbookproject.h"

#include <QString>

// The Modern pages: HTML5 in UTF-8, one style sheet made from the project's fonts,
// colours, background and table settings, one column on narrow screens, every
// field with its label, banners announced to screen readers, entries as articles.
// Every text a visitor reads stands outside the server script, so that the script
// itself stays ASCII. The data files are held in the file object's Unicode format;
// an 8-bit guestbook.txt of a Classic site is converted on its first write.

// What the Modern pages take from a generation run besides the project.
struct ModernParts {
    PageLinks links = kServerPageLinks;
    QString secret;  // the site's, for the robot guard
    // A preview: the pages as a browser opens them without a server, the script of
    // the sign page evaluated for a first visitor, the view page's entries given.
    bool preview = false;
    QString previewEntries;
};

// The view page's articles for lines of guestbook.txt, as its script writes them.
QString ModernRenderedEntries(const QStringList &storedLines);

QString BuildModernSignPage(const GuestbookProject &project, const ModernParts &parts);
QString BuildModernEntryScript(const GuestbookProject &project, const ModernParts &parts);
QString BuildModernViewPage(const GuestbookProject &project, const ModernParts &parts);

// The script functions that read and convert the data files (QsFileFormat,
// QsMakeUnicode, QsDataLines), between "<%" and "%>".
QString BuildDataFileFunctions();

// The style sheet alone, and the colour scheme it declares ("light" or "dark",
// after the background colour).
QString BuildModernStyleSheet(const GuestbookProject &project);
QString ModernColorScheme(const QString &backgroundColour);

// The contrast ratio of two colour texts ("#rrggbb"), 1 to 21; 0 when either is
// not such a colour.
double ContrastRatio(const QString &first, const QString &second);
inline constexpr double kLeastReadableContrast = 4.5;
