#pragma once

#include "generator/pagetexts.h"
#include "generator/sitedescription.h"

#include <QString>

// The entry script, addtogb.asp: the server script that checks a post and appends
// it to the data file, and the thank-you table that echoes it (HTML-encoded).
QString BuildEntryScript(const SiteDescription &site);

// Its pieces.
QString BuildScriptOpening();
QString BuildAssignmentsAndChecks(const QList<GuestbookField> &fields);
QString BuildStoreBlock(const QList<GuestbookField> &fields, const PageTexts &texts);
QString BuildThankYou(const SiteDescription &site);
// How a value is stored: as posted, or with a typed item separator changed.
enum class TypedSeparator { Kept, Changed };
// The line that writes a post: its items, last field first, then the date under dateWord.
QString BuildEntryLine(const QList<GuestbookField> &fields, const QString &dateWord,
                       TypedSeparator separator = TypedSeparator::Kept);
QString BuildAssignments(const QList<GuestbookField> &fields);
// Each field's shortest length; checkPrefix goes before each condition.
QString BuildRequiredChecks(const QList<GuestbookField> &fields, const QString &checkPrefix);
