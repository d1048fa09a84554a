#pragma once

#include <QWidget>

#include <functional>

class LabelButton;
class QLabel;

// What the field menu asks of the window that owns the field list.
struct FieldMenuCommands {
    std::function<int()> selectedRow;  // the list's selected row, -1 for none
    std::function<void()> addField;  // opens the field dialog to add a field
    std::function<void(int)> deleteField;  // deletes the field at a row
    std::function<void(int)> editField;  // opens the field dialog on the field at a row
};

// The field list's pop-up menu: "Add new Field", "Delete Field", "Edit Field".
// Modeless, owned by the main window; Delete and Edit act on the selected row.
class frmMenu : public QWidget
{
    Q_OBJECT
public:
    // fieldCount: how many fields the list has as the menu opens.
    frmMenu(int fieldCount, FieldMenuCommands commands, QWidget *owner);

    // The highlight bar's top when no row is hovered: out of sight.
    static constexpr int kHiddenHighlightTop = -12000 / 15;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void lblAddField_Click();
    void lblDelete_Click();
    void lblEdit_Click();
    void moveHighlightTo(const QLabel *icon);

    FieldMenuCommands m_commands;
    QWidget *shHighlight;
};

// Shows the menu with its top-left corner at the mouse pointer. While it is shown,
// a further call only moves it there (its Delete and Edit keep the state they had
// when it opened).
void ShowFieldMenu(QWidget *owner, int fieldCount, FieldMenuCommands commands);

// Closes the menu if it is shown; no command runs.
void CloseFieldMenu();

// The menu while it is shown, else null.
frmMenu *shownFieldMenu();
// True while the menu is shown.
inline bool FieldMenuShown()
{
    return shownFieldMenu() != nullptr;
}
