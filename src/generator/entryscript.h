#pragma once

#include "store/guestbookproject.h"

#include <QString>

// Pieces of addtogb.asp: the server script that checks a post and appends it to
// guestbook.txt, and the thank-you table that echoes it (HTML-encoded).
QString BuildScriptOpening();
QString BuildAssignmentsAndChecks(const QList<GuestbookField> &fields);
QString BuildStoreBlock(const QList<GuestbookField> &fields);
QString BuildThankYou(const GuestbookProject &project);
