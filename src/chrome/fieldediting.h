#pragma once

#include "store/guestbookproject.h"

// What the field list, its menu and the field dialog share: below both the wizard
// and the dialogs, so that neither includes the other.

// The field the field dialog starts from when a field is added.
inline const GuestbookField kNewField{QString(), QStringLiteral("Text"), QStringLiteral("10"), QStringLiteral("40")};

// What the user chose in the field menu.
enum class FieldMenuCommand { AddField, DeleteField, EditField, MoveUp, MoveDown };
