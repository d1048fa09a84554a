#pragma once

#include "generator/generationhost.h"
#include "store/atomicfile.h"
#include "store/guestbookproject.h"

#include <QString>
#include <QStringList>

// One generation run: checks the title, makes the project folder under the save
// path and writes default.asp, addtogb.asp and viewguestbook.asp (and guestbook.txt
// when it is missing). projectName is rewritten in place to the folder name. The
// three pages are replaced together or not at all; guestbook.txt is never rewritten.
// A run that stops after it has begun logs why.
GenerationOutcome GenerateGuestbook(QString &projectName, const GuestbookProject &project, GenerationHost &host);

// The page writers, called in a chain by the run; folder is the project folder.
// Each adds its page to the set, which the last one writes. The log lines that say
// a page was created wait in the set until it is in place.
struct PageSet {
    QList<AtomicFile::Content> files;
    QStringList createdLines;
};
GenerationOutcome WriteSignPage(const QString &folder, const GuestbookProject &project, GenerationHost &host);
GenerationOutcome WriteEntryScript(const QString &folder, const GuestbookProject &project, GenerationHost &host,
                                   PageSet &pages);
GenerationOutcome WriteViewPage(const QString &folder, const GuestbookProject &project, GenerationHost &host,
                                PageSet &pages);

// The question that ends a successful run.
inline const QString kViewFilesQuestion =
    QStringLiteral("Your guestbook has been generated successfully\r\n\r\nWould you like to view your files now?");

// Clears what writers killed in the middle of a write left behind: page sets are
// finished, old temporary copies of the settings file and of the pages (in the
// projects folder and each project's folder) go, and so do old preview folders.
void RemoveStaleTemporaryFiles();
