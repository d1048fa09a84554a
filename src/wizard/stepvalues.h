#pragma once

#include "store/guestbookproject.h"

#include <QList>
#include <QString>

class QWidget;

// How a step shows one project value.
enum class ControlKind {
    TextBox,  // a line edit's text
    ComboBox,  // an editable combo box's text
    CheckBox,  // a check box, checked for 1
    // A combo box whose entries carry the stored values; a value it does not know is
    // added as it is, so that it is kept and the generator names it.
    Choice,
    Kept,  // no control: the step keeps the value, which one of its dialogs changes
};

// One project value of a step and the control, by object name, that shows it.
struct StepValue {
    const char *control;  // null for a kept value
    ControlKind kind;
    QString GuestbookProject::*text = nullptr;  // the member, when it holds text
    int GuestbookProject::*flag = nullptr;  // the member, when it is 0 or 1

    // The member as text ("0" or "1" for a flag), and set from one.
    QString valueIn(const GuestbookProject &project) const;
    void setIn(GuestbookProject &project, const QString &value) const;
};

// What control shows as text, in the form valueIn gives, and control set from such a text.
QString ControlValue(const QWidget &control, ControlKind kind);
void SetControlValue(QWidget &control, ControlKind kind, const QString &value);

// Puts each value of project into its control under frame, and the controls' values back into project.
void FillControls(const QWidget &frame, const QList<StepValue> &values, const GuestbookProject &project);
void WriteBackControls(const QWidget &frame, const QList<StepValue> &values, GuestbookProject &project);
// Copies every value in values from one project into another.
void CopyValues(const QList<StepValue> &values, const GuestbookProject &from, GuestbookProject &to);
