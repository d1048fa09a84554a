#pragma once

// Wizard state shared between the main window, the field menu and the field dialog.
namespace WizardFlags {

// True while the field list's menu is open.
inline bool FieldMenuShown = false;

// How the next field dialog opens.
enum FieldDialogMode { AddField = 0, EditField = 1 };
inline int FieldEditMode = AddField;

}  // namespace WizardFlags
