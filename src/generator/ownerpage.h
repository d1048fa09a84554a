#pragma once

#include "generator/sitedescription.h"

#include <QString>

// The owner page's private files beside the pages, made by the generation so that a folder in which the server may
// change files but not make them still works: deleted entries, kept for 30 days, and the journal of a change.
inline const QString kDeletedFileName = QStringLiteral("deleted.txt");
inline const QString kJournalFileName = QStringLiteral("journal.txt");

// The owner password's length: at least the shortest, not counting spaces, so that it cannot be found by trying; the
// owner page refuses a longer one than the longest before it computes anything.
constexpr int kShortestOwnerPassword = 10;
constexpr int kLongestOwnerPassword = 256;

// The owner page owner.asp: sign-in, the lists of entries and held entries, and the changes the owner makes to them.
QString BuildOwnerPage(const SiteDescription &site);
