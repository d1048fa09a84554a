#include "wizard/fieldsstep.h"

#include "chrome/labelbutton.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "wizard/dialogseams.h"

#include <QFrame>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

const QString kNoFieldsError = QStringLiteral("Error: You must specify atleast one field");

// The list's width and its columns, in twips.
constexpr int kFieldListWidthTwips = 7335;
constexpr int kFieldColumnTwips = 1000;  // Field Type, Rows, Cols
constexpr int kFieldNameSpareTwips = 3050;  // the list's width less this is Field Name

}  // namespace

FieldsStep::FieldsStep(QWidget *window)
    : WizardStep(window, "frStep3", QStringLiteral("Step 4: Fields"))
{
}

void FieldsStep::buildControls()
{
    QFrame *f = frame();
    addText(f,
            QStringLiteral("The following allows you to set the fields you would like to appear on your guestbook "
                           "(e.g. Name, E-mail etc)."),
            {12, 10, 479, 30});
    lvwFields = new QTreeWidget(f);
    lvwFields->setObjectName(QStringLiteral("lvwFields"));
    lvwFields->setGeometry(7, 44, twipsToPixels(kFieldListWidthTwips), 178);
    lvwFields->setFont(verdana(8.25));
    lvwFields->setColumnCount(4);
    lvwFields->setHeaderLabels(
        {QStringLiteral("Field Name"), QStringLiteral("Field Type"), QStringLiteral("Rows"), QStringLiteral("Cols")});
    lvwFields->setRootIsDecorated(false);
    lvwFields->setItemsExpandable(false);
    lvwFields->setUniformRowHeights(true);
    lvwFields->setAllColumnsShowFocus(true);
    lvwFields->header()->setStretchLastSection(false);
    lvwFields->setColumnWidth(0, twipsToPixels(kFieldListWidthTwips - kFieldNameSpareTwips));
    for (int column = 1; column <= 3; ++column)
        lvwFields->setColumnWidth(column, twipsToPixels(kFieldColumnTwips));
    lvwFields->viewport()->installEventFilter(this);

    LabelButton *lblNewField =
        addLabelButton(f, "lblNewField", QStringLiteral("Add Field"), verdana(9.75), {396, 229, 100, 22});
    // Lighting "Add Field" clears Back and Next; the frame clears "Add Field".
    for (LabelButton *button : m_navigation)
        connect(lblNewField, &LabelButton::hovered, button, &LabelButton::clearHover);
    clearHoverOnMove(f, {lblNewField});
    connect(lblNewField, &LabelButton::clicked, this, [this] { editField(-1); });
}

// A right press on the list opens its menu at the pointer; any other press closes it.
bool FieldsStep::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == lvwFields->viewport()) {
        const MainWindowDialogs &dialogs = mainWindowDialogs();
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            if (dialogs.showFieldMenu)
                dialogs.showFieldMenu(*this);
        } else if (dialogs.closeFieldMenu) {
            dialogs.closeFieldMenu();
        }
    }
    return WizardStep::eventFilter(watched, event);
}

void FieldsStep::fill(const GuestbookProject &p)
{
    setRows(p.Fields);
}

void FieldsStep::writeBack(GuestbookProject &p) const
{
    p.Fields = fields();
}

QString FieldsStep::validate(const GuestbookProject &p) const
{
    return p.Fields.isEmpty() ? kNoFieldsError : QString();
}

QList<GuestbookField> FieldsStep::fields() const
{
    QList<GuestbookField> rows;
    for (int row = 0; row < lvwFields->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = lvwFields->topLevelItem(row);
        rows.append({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return rows;
}

int FieldsStep::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = lvwFields->selectedItems();
    return selected.isEmpty() ? -1 : lvwFields->indexOfTopLevelItem(selected.first());
}

void FieldsStep::editField(int row)
{
    const auto &edit = mainWindowDialogs().editFields;
    const std::optional<QList<GuestbookField>> edited = edit ? edit(*window(), fields(), row) : std::nullopt;
    if (!edited || edited->size() != lvwFields->topLevelItemCount() + (row < 0 ? 1 : 0))
        return;
    // Only the one row changes, so the list keeps its selection and scroll position.
    QTreeWidgetItem *item = row < 0 ? new QTreeWidgetItem(lvwFields) : lvwFields->topLevelItem(row);
    const GuestbookField &field = row < 0 ? edited->last() : edited->at(row);
    const QStringList texts = {field.FieldName, field.FieldType, field.Rows, field.Cols};
    for (int column = 0; column < texts.size(); ++column)
        item->setText(column, texts.at(column));
}

void FieldsStep::deleteField(int row)
{
    delete lvwFields->takeTopLevelItem(row);
}

void FieldsStep::setRows(const QList<GuestbookField> &fields)
{
    lvwFields->clear();
    for (const GuestbookField &field : fields)
        new QTreeWidgetItem(lvwFields, {field.FieldName, field.FieldType, field.Rows, field.Cols});
}
