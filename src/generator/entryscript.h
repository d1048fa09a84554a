#pragma once

#include "generator/pagetexts.h"
#include "store/guestbookproject.h"

#include <QString>

// The entry script, addtogb.asp: the server script that checks a post and appends
// it to the data file, and the thank-you table that echoes it (HTML-encoded).
// secret: the site's, for a project with the robot guard.
QString BuildEntryScript(const GuestbookProject &project, const QString &secret = {});

// Its pieces.
QString BuildScriptOpening();
QString BuildAssignmentsAndChecks(const QList<GuestbookField> &fields);
QString BuildStoreBlock(const QList<GuestbookField> &fields, const PageTexts &texts);
QString BuildThankYou(const GuestbookProject &project);
