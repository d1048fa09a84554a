#pragma once

#include "generator/generationhost.h"
#include "store/guestbookproject.h"

#include <QString>

// One generation run: checks the title, makes the project folder under the save
// path and writes default.asp, addtogb.asp and viewguestbook.asp (and guestbook.txt
// when it is missing). projectName is rewritten in place to the folder name. Each
// page is replaced whole or not at all; guestbook.txt is never rewritten.
GenerationOutcome GenerateGuestbook(QString &projectName, const GuestbookProject &project, GenerationHost &host);

// The page writers, called in a chain by the run; folder is the project folder.
GenerationOutcome WriteSignPage(const QString &folder, const GuestbookProject &project, GenerationHost &host);
GenerationOutcome WriteEntryScript(const QString &folder, const GuestbookProject &project, GenerationHost &host);
GenerationOutcome WriteViewPage(const QString &folder, const GuestbookProject &project, GenerationHost &host);

// The question that ends a successful run.
inline const QString kViewFilesQuestion = QStringLiteral(
    "Your guestbook has been generated successfully\r\n\r\nWould you like to view your files now?");
