#pragma once

#include "wizard/dialogseams.h"
#include "wizard/wizardstep.h"

#include <QPersistentModelIndex>

class LabelButton;
class QKeyEvent;
class QTreeWidget;

// Step 4: the sign form's field list, its menu and the "Add Field", "Move Up" and
// "Move Down" buttons. The list's order is the order of the fields on the pages.
class FieldsStep : public WizardStep
{
    Q_OBJECT

public:
    explicit FieldsStep(QWidget *window);
    // The window's Back and Next buttons, whose light "Add Field" clears.
    void setNavigation(const QList<LabelButton *> &navigation) { m_navigation = navigation; }

    const QList<StepValue> &values() const override;
    void fill(const GuestbookProject &p) override;
    QString validate(const GuestbookProject &p) const override;

protected:
    void buildControls() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int selectedRow() const;  // -1 for none
    // Opens the field dialog: a new field (row -1) or the field at row.
    void editField(int row);
    void deleteField(int row);
    // Moves the field at row one place up (-1) or down (+1); it stays selected.
    void moveField(int row, int by);
    static int moveKey(const QKeyEvent &key);  // Alt+Up -1, Alt+Down +1, else 0
    // A command from the field menu, on the selected row.
    void runMenuCommand(FieldMenuCommand command);
    static bool opensMenu(const QKeyEvent &key);
    void hideFromReadersWhileHidden(bool hiding);
    QPoint menuPointForKeyboard() const;
    void showMenu(std::optional<QPoint> at);

    QList<LabelButton *> m_navigation;
    QTreeWidget *lvwFields = nullptr;  // the fields, top to bottom
    QPersistentModelIndex m_currentWhileHidden;
};
