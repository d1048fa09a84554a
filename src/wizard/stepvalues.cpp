#include "wizard/stepvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <iterator>

namespace {

QWidget *controlOf(const QWidget &frame, const StepValue &value)
{
    return value.control ? frame.findChild<QWidget *>(QLatin1String(value.control)) : nullptr;
}

void selectStored(QComboBox &combo, const QString &value)
{
    if (combo.findData(value) < 0)
        combo.addItem(value, value);
    combo.setCurrentIndex(combo.findData(value));
}

void fillControl(QWidget &control, const StepValue &value, const GuestbookProject &project)
{
    if (value.fields)
        SetFieldRows(static_cast<QTreeWidget &>(control), project.*value.fields);
    else
        SetControlValue(control, value.kind, value.valueIn(project));
}

void writeBackControl(const QWidget &control, const StepValue &value, GuestbookProject &project)
{
    if (value.fields)
        project.*value.fields = FieldRows(static_cast<const QTreeWidget &>(control));
    else
        value.setIn(project, ControlValue(control, value.kind));
}

}  // namespace

QString StepValue::valueIn(const GuestbookProject &project) const
{
    return text ? project.*text : QString::number(project.*flag);
}

void StepValue::setIn(GuestbookProject &project, const QString &value) const
{
    if (text)
        project.*text = value;
    else
        project.*flag = value == QLatin1String("1") ? 1 : 0;
}

QString ControlValue(const QWidget &control, ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox: return static_cast<const QLineEdit &>(control).text();
    case ControlKind::ComboBox: return static_cast<const QComboBox &>(control).currentText();
    case ControlKind::CheckBox:
        return static_cast<const QCheckBox &>(control).isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::Choice: return static_cast<const QComboBox &>(control).currentData().toString();
    case ControlKind::Kept:
    case ControlKind::FieldList: break;
    }
    return QString();
}

void SetControlValue(QWidget &control, ControlKind kind, const QString &value)
{
    switch (kind) {
    case ControlKind::TextBox: static_cast<QLineEdit &>(control).setText(value); break;
    case ControlKind::ComboBox: static_cast<QComboBox &>(control).setEditText(value); break;
    case ControlKind::CheckBox: static_cast<QCheckBox &>(control).setChecked(value == QLatin1String("1")); break;
    case ControlKind::Choice: selectStored(static_cast<QComboBox &>(control), value); break;
    case ControlKind::Kept:
    case ControlKind::FieldList: break;
    }
}

GuestbookField FieldInRow(const QTreeWidgetItem &row)
{
    GuestbookField field;
    for (int column = 0; column < int(std::size(kFieldColumns)); ++column)
        field.*kFieldColumns[column].member = row.text(column);
    return field;
}

void SetFieldRow(QTreeWidgetItem &row, const GuestbookField &field)
{
    for (int column = 0; column < int(std::size(kFieldColumns)); ++column)
        row.setText(column, field.*kFieldColumns[column].member);
}

QList<GuestbookField> FieldRows(const QTreeWidget &list)
{
    QList<GuestbookField> fields;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        fields.append(FieldInRow(*list.topLevelItem(row)));
    return fields;
}

void SetFieldRows(QTreeWidget &list, const QList<GuestbookField> &fields)
{
    list.clear();
    for (const GuestbookField &field : fields)
        SetFieldRow(*new QTreeWidgetItem(&list), field);
}

void FillControls(const QWidget &frame, const QList<StepValue> &values, const GuestbookProject &project)
{
    for (const StepValue &value : values) {
        if (QWidget *control = controlOf(frame, value))
            fillControl(*control, value, project);
    }
}

void WriteBackControls(const QWidget &frame, const QList<StepValue> &values, GuestbookProject &project)
{
    for (const StepValue &value : values) {
        if (const QWidget *control = controlOf(frame, value))
            writeBackControl(*control, value, project);
    }
}

void CopyValues(const QList<StepValue> &values, const GuestbookProject &from, GuestbookProject &to)
{
    for (const StepValue &value : values) {
        if (value.fields)
            to.*value.fields = from.*value.fields;
        else
            value.setIn(to, value.valueIn(from));
    }
}
