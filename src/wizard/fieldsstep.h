#pragma once

#include "wizard/wizardstep.h"

class LabelButton;
class QTreeWidget;

// Step 4: the sign form's field list, its menu and the "Add Field" button.
class FieldsStep : public WizardStep
{
    Q_OBJECT

public:
    explicit FieldsStep(QWidget *window);
    // The window's Back and Next buttons, whose light "Add Field" clears.
    void setNavigation(const QList<LabelButton *> &navigation) { m_navigation = navigation; }

    void fill(const GuestbookProject &p) override;
    void writeBack(GuestbookProject &p) const override;
    QString validate(const GuestbookProject &p) const override;

    // What the field menu acts on: the rows and the selected one (-1 for none).
    QList<GuestbookField> fields() const;
    int selectedRow() const;
    // Opens the field dialog: a new field (row -1) or the field at row.
    void editField(int row);
    void deleteField(int row);

protected:
    void buildControls() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setRows(const QList<GuestbookField> &fields);

    QList<LabelButton *> m_navigation;
    QTreeWidget *lvwFields = nullptr;
};
