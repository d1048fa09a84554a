#pragma once

#include "generator/generationhost.h"
#include "store/guestbookproject.h"

#include <QString>

#include <functional>

// One generation run: checks the values against the page code page of the
// settings, checks the title, makes the project folder under the save path and
// writes the three pages (and the data file when it is missing) in that code page,
// then tells the host. projectName is rewritten in place to the folder name. The
// three pages are replaced together or not at all; the data file is never
// rewritten. A run that stops after it has begun logs why.
GenerationOutcome GenerateGuestbook(QString &projectName, const GuestbookProject &project, GenerationHost &host);

// The question a window asks when a run has finished.
inline const char *const kViewFilesQuestion = QT_TRANSLATE_NOOP(
    "frmMain", "Your guestbook has been generated successfully\r\n\r\nWould you like to view your files now?");

// Clears what writers killed in the middle of a write left behind: page sets are
// finished (in the projects folder, each project's folder and each folder on the
// list of unfinished sets), old temporary copies of the settings file and of the
// pages there go, and so do old preview folders. It may run on another thread
// beside the window's own writes: it takes the same locks as they do. When
// stopRequested answers true, it stops before the next project folder; what it
// left is cleared on a later run.
void RemoveStaleTemporaryFiles(const std::function<bool()> &stopRequested = {});
