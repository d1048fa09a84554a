#pragma once

#include "generator/pagecodepage.h"
#include "store/guestbookproject.h"
#include "store/usertext.h"

#include <QString>

// What may go into a generated page. Every value of the design is written into the
// pages raw, so none may open or close server script ("<%", "%>"), hold a control
// character, or hold a character the page code page cannot hold; field names also
// go into the script's strings and form control names.

// Characters the field dialog takes out of a typed name.
inline const QString kFieldNameFilter = QStringLiteral("/\\&?><+-\",=");
inline constexpr int kMinFieldNameLength = 2;

// Why the project cannot be written into pages, as a sentence that names the value
// (no "Error: " in front); null when it can.
UserText PageValuesProblem(const GuestbookProject &project, const PageCodePage &codePage);

// Why the title dialog or the field dialog refuses a typed name, as the text after
// "Error: "; null when it takes it. Checked against the code page of the settings
// and against what the settings file keeps as it is (the store's own rules, in the
// encoding a save would write the file in). A title
// must also come back from the recent list as the same project: no "," (it
// separates the list), no "_" (it stands for a space there), one folder name, and
// not a saved project's title apart from capitals or spaces at its ends (the
// settings file would keep both in one section).
UserText TitleProblem(const QString &title);
UserText FieldNameProblem(const QString &name);
