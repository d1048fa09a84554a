#include "wizard/fieldsstep.h"

#include "chrome/labelbutton.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

QString kNoFieldsError()
{
    return QCoreApplication::translate("FieldsStep", "Error: You must specify atleast one field");
}

// The list's width and its columns, in twips.
constexpr int kFieldListWidthTwips = 7335;
constexpr int kFieldColumnTwips = 1000;  // Field Type, Rows, Cols
constexpr int kFieldNameSpareTwips = 3050;  // the list's width less this is Field Name

}  // namespace

FieldsStep::FieldsStep(QWidget *window)
    : WizardStep(window, "frStep3", tr("Step 4: Fields"))
{
}

void FieldsStep::buildControls()
{
    QFrame *f = frame();
    addText(f,
            tr("The following allows you to set the fields you would like to appear on your guestbook "
               "(e.g. Name, E-mail etc)."),
            {12, 10, 479, 30});
    lvwFields = new QTreeWidget(f);
    lvwFields->setObjectName(QStringLiteral("lvwFields"));
    lvwFields->setGeometry(7, 44, twipsToPixels(kFieldListWidthTwips), 178);
    lvwFields->setFont(verdana(8.25));
    QStringList headings;
    for (const FieldColumn &column : kFieldColumns)
        headings << tr(column.heading);
    lvwFields->setHeaderLabels(headings);
    lvwFields->setRootIsDecorated(false);
    lvwFields->setItemsExpandable(false);
    lvwFields->setUniformRowHeights(true);
    lvwFields->setAllColumnsShowFocus(true);
    lvwFields->header()->setStretchLastSection(false);
    lvwFields->setColumnWidth(0, twipsToPixels(kFieldListWidthTwips - kFieldNameSpareTwips));
    for (int column = 1; column < lvwFields->columnCount(); ++column)
        lvwFields->setColumnWidth(column, twipsToPixels(kFieldColumnTwips));
    lvwFields->viewport()->installEventFilter(this);
    lvwFields->installEventFilter(this);
    lvwFields->setAccessibleName(tr("Fields"));

    LabelButton *lblMoveUp =
        addLabelButton(f, "lblMoveUp", tr("Move Up"), verdana(9.75), {184, 229, 100, 22});
    LabelButton *lblMoveDown =
        addLabelButton(f, "lblMoveDown", tr("Move Down"), verdana(9.75), {290, 229, 100, 22});
    LabelButton *lblNewField =
        addLabelButton(f, "lblNewField", tr("Add Field"), verdana(9.75), {396, 229, 100, 22});
    // Lighting a button of the step clears the others and Back and Next; the frame clears the step's.
    const QList<LabelButton *> buttons{lblMoveUp, lblMoveDown, lblNewField};
    linkHoverGroup(buttons);
    for (LabelButton *step : buttons)
        for (LabelButton *button : m_navigation)
            connect(step, &LabelButton::hovered, button, &LabelButton::clearHover);
    clearHoverOnMove(f, buttons);
    connect(lblNewField, &LabelButton::clicked, this, [this] { editField(-1); });
    connect(lblMoveUp, &LabelButton::clicked, this, [this] { moveField(selectedRow(), -1); });
    connect(lblMoveDown, &LabelButton::clicked, this, [this] { moveField(selectedRow(), 1); });
}

// A right press on the list opens its menu at the pointer; any other press closes it.
// The Menu key or Shift+F10 selects the focused row and opens the menu below it, or
// at the list's top-left corner when the list has no row.
bool FieldsStep::eventFilter(QObject *watched, QEvent *event)
{
    const MainWindowDialogs &dialogs = mainWindowDialogs();
    if (event->type() == QEvent::MouseButtonPress && watched == lvwFields->viewport()) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            showMenu(std::nullopt);
        } else if (dialogs.closeFieldMenu) {
            dialogs.closeFieldMenu();
        }
    } else if (event->type() == QEvent::KeyPress && watched == lvwFields
               && opensMenu(*static_cast<QKeyEvent *>(event))) {
        // The menu acts on the selected row: from the keyboard, the focused one (the
        // first, as the list's focus mark shows it, when no row has been current yet).
        if (QTreeWidgetItem *focused = lvwFields->currentItem() ? lvwFields->currentItem() : lvwFields->topLevelItem(0))
            lvwFields->setCurrentItem(focused);
        showMenu(menuPointForKeyboard());
        return true;
    } else if (event->type() == QEvent::KeyPress && watched == lvwFields
               && moveKey(*static_cast<QKeyEvent *>(event)) != 0) {
        moveField(lvwFields->currentIndex().row(), moveKey(*static_cast<QKeyEvent *>(event)));
        return true;
    } else if (watched == lvwFields && (event->type() == QEvent::Hide || event->type() == QEvent::Show)) {
        hideFromReadersWhileHidden(event->type() == QEvent::Hide);
    }
    return WizardStep::eventFilter(watched, event);
}

// Screen readers take the list's current row for the focus, and its cells for shown
// whatever the list: a hidden list has no current row and its rows are hidden too;
// shown again it gets them back. A list that has no current row yet is left so, so
// that the focus still makes its first row current.
void FieldsStep::hideFromReadersWhileHidden(bool hiding)
{
    QItemSelectionModel *rows = lvwFields->selectionModel();
    if (hiding)
        m_currentWhileHidden = rows->currentIndex();
    if (m_currentWhileHidden.isValid() && hiding)
        rows->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    for (int row = 0; row < lvwFields->topLevelItemCount(); ++row)
        lvwFields->topLevelItem(row)->setHidden(hiding);
    if (m_currentWhileHidden.isValid() && !hiding)
        rows->setCurrentIndex(m_currentWhileHidden, QItemSelectionModel::NoUpdate);
}

bool FieldsStep::opensMenu(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

int FieldsStep::moveKey(const QKeyEvent &key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier)
        return 0;
    return key.key() == Qt::Key_Up ? -1 : key.key() == Qt::Key_Down ? 1 : 0;
}

QPoint FieldsStep::menuPointForKeyboard() const
{
    const int row = selectedRow();
    if (row < 0)
        return lvwFields->mapToGlobal(QPoint(0, 0));
    const QRect rowRect = lvwFields->visualItemRect(lvwFields->topLevelItem(row));
    return lvwFields->viewport()->mapToGlobal(rowRect.bottomLeft());
}

const QList<StepValue> &FieldsStep::values() const
{
    static const QList<StepValue> values{
        {"lvwFields", ControlKind::FieldList, nullptr, nullptr, &GuestbookProject::Fields}};
    return values;
}

void FieldsStep::fill(const GuestbookProject &p)
{
    WizardStep::fill(p);
    if (!lvwFields->isVisible())
        hideFromReadersWhileHidden(true);
}

QString FieldsStep::validate(const GuestbookProject &p) const
{
    return p.Fields.isEmpty() ? kNoFieldsError() : QString();
}

int FieldsStep::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = lvwFields->selectedItems();
    return selected.isEmpty() ? -1 : lvwFields->indexOfTopLevelItem(selected.first());
}

void FieldsStep::showMenu(std::optional<QPoint> at)
{
    if (const auto &show = mainWindowDialogs().showFieldMenu)
        show(*frame()->window(), lvwFields->topLevelItemCount(), at,
             [this](FieldMenuCommand command) { runMenuCommand(command); });
}

// Delete and Edit need a selected row, else the menu stays open. The menu closes
// before the field dialog opens, and after a delete.
void FieldsStep::runMenuCommand(FieldMenuCommand command)
{
    const auto &closeMenu = mainWindowDialogs().closeFieldMenu;
    const int row = selectedRow();
    if (command != FieldMenuCommand::AddField && row < 0)
        return;
    if (command == FieldMenuCommand::DeleteField)
        deleteField(row);
    if (command == FieldMenuCommand::MoveUp || command == FieldMenuCommand::MoveDown)
        moveField(row, command == FieldMenuCommand::MoveUp ? -1 : 1);
    if (closeMenu)
        closeMenu();
    if (command == FieldMenuCommand::AddField || command == FieldMenuCommand::EditField)
        editField(command == FieldMenuCommand::AddField ? -1 : row);
}

void FieldsStep::editField(int row)
{
    QStringList namesInUse;
    const QList<GuestbookField> fields = FieldRows(*lvwFields);
    for (int other = 0; other < fields.size(); ++other) {
        if (other != row)
            namesInUse.append(fields.at(other).FieldName);
    }
    const auto &edit = mainWindowDialogs().editField;
    const std::optional<GuestbookField> edited =
        edit ? edit(*window(), row < 0 ? kNewField : fields.at(row), namesInUse) : std::nullopt;
    if (!edited)
        return;
    // Only the one row changes, so the list keeps its selection and scroll position.
    SetFieldRow(row < 0 ? *new QTreeWidgetItem(lvwFields) : *lvwFields->topLevelItem(row), *edited);
}

void FieldsStep::deleteField(int row)
{
    delete lvwFields->takeTopLevelItem(row);
}

void FieldsStep::moveField(int row, int by)
{
    const int to = row + by;
    if (row < 0 || to < 0 || to >= lvwFields->topLevelItemCount())
        return;
    QTreeWidgetItem *item = lvwFields->takeTopLevelItem(row);
    lvwFields->insertTopLevelItem(to, item);
    lvwFields->setCurrentItem(item);
}
