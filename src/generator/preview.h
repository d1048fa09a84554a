#pragma once

#include "generator/generationhost.h"
#include "generator/pageframe.h"
#include "store/guestbookproject.h"

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>

// A preview of the guestbook that a browser opens without a web server, built by
// the same page builders as the real pages; only their server script is evaluated
// as the server would for a first visitor, or dropped:
// - index.html: the sign page with the error banner's block giving nothing (no
//   error to report) and the form and its link going to view.html;
// - view.html: the view page showing two sample entries, newest first, as its
//   script prints them.

// The two sample entries as the entry script stores them in guestbook.txt, oldest
// first: every field holds "Sample entry"; the last multi-line field (or the last
// field) holds a line break in the older entry and markup in the newer one.
// dateWord: the date item's name in the page language.
QStringList SampleEntryLines(const QList<GuestbookField> &fields, const QDateTime &newest,
                             const QString &dateWord = QStringLiteral("Date"));

// What the view page's script writes for the lines of guestbook.txt.
QString RenderedEntries(const QStringList &storedLines);

struct PreviewPages {
    QString signPage;
    QString viewPage;
};
PreviewPages BuildPreviewPages(const SiteDescription &site, const QDateTime &newestEntry);

// Where a written preview lies; empty on failure.
struct PreviewFolder {
    GenerationOutcome outcome;
    QString folder;
    QString signPage;  // the file to open
};

// Checks the project as a run does, then writes the preview pages in the page code
// page into a fresh folder under parent and logs "Preview written to <folder>".
// Nothing else is written; a failed preview leaves no folder behind.
PreviewFolder WritePreview(const GuestbookProject &project, const QString &parent = QDir::tempPath(),
                           const QDateTime &newestEntry = QDateTime::currentDateTime());
