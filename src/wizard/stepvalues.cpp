#include "wizard/stepvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

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
    case ControlKind::Kept: break;
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
    case ControlKind::Kept: break;
    }
}

void FillControls(const QWidget &frame, const QList<StepValue> &values, const GuestbookProject &project)
{
    for (const StepValue &value : values) {
        if (QWidget *control = controlOf(frame, value))
            SetControlValue(*control, value.kind, value.valueIn(project));
    }
}

void WriteBackControls(const QWidget &frame, const QList<StepValue> &values, GuestbookProject &project)
{
    for (const StepValue &value : values) {
        if (const QWidget *control = controlOf(frame, value))
            value.setIn(project, ControlValue(*control, value.kind));
    }
}

void CopyValues(const QList<StepValue> &values, const GuestbookProject &from, GuestbookProject &to)
{
    for (const StepValue &value : values)
        value.setIn(to, value.valueIn(from));
}
