#pragma once

#include "store/guestbookproject.h"

#include <QList>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;
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
    FieldList,  // a list whose rows are the fields, a column for each member in kFieldColumns
};

// The field list's columns, left to right: the member each shows and its heading (a FieldsStep text).
struct FieldColumn {
    QString GuestbookField::*member;
    const char *heading;
};
inline constexpr FieldColumn kFieldColumns[] = {
    {&GuestbookField::FieldName, QT_TRANSLATE_NOOP("FieldsStep", "Field Name")},
    {&GuestbookField::FieldType, QT_TRANSLATE_NOOP("FieldsStep", "Field Type")},
    {&GuestbookField::Rows, QT_TRANSLATE_NOOP("FieldsStep", "Rows")},
    {&GuestbookField::Cols, QT_TRANSLATE_NOOP("FieldsStep", "Cols")},
};

// One project value of a step and the control, by object name, that shows it.
struct StepValue {
    const char *control;  // null for a kept value
    ControlKind kind;
    QString GuestbookProject::*text = nullptr;  // the member, when it holds text
    int GuestbookProject::*flag = nullptr;  // the member, when it is 0 or 1
    QList<GuestbookField> GuestbookProject::*fields = nullptr;  // the member of a field list

    // The member as text ("0" or "1" for a flag), and set from one.
    QString valueIn(const GuestbookProject &project) const;
    void setIn(GuestbookProject &project, const QString &value) const;
};

// What control shows as text, in the form valueIn gives, and control set from such a text.
QString ControlValue(const QWidget &control, ControlKind kind);
void SetControlValue(QWidget &control, ControlKind kind, const QString &value);

// A row of the field list as a field, and set from one; the list's rows as fields, and set from them.
GuestbookField FieldInRow(const QTreeWidgetItem &row);
void SetFieldRow(QTreeWidgetItem &row, const GuestbookField &field);
QList<GuestbookField> FieldRows(const QTreeWidget &list);
void SetFieldRows(QTreeWidget &list, const QList<GuestbookField> &fields);

// Puts each value of project into its control under frame, and the controls' values back into project.
void FillControls(const QWidget &frame, const QList<StepValue> &values, const GuestbookProject &project);
void WriteBackControls(const QWidget &frame, const QList<StepValue> &values, GuestbookProject &project);
// Copies every value in values from one project into another.
void CopyValues(const QList<StepValue> &values, const GuestbookProject &from, GuestbookProject &to);
