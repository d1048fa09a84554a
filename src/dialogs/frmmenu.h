#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;
class HoverShape;

// The field list's pop-up menu: "Add new Field", "Delete Field", "Edit Field".
// Modeless, owned by the main window; the commands act on the list's selected row.
class frmMenu : public QWidget
{
    Q_OBJECT
public:
    frmMenu(QTreeWidget *lvwFields, QWidget *owner);
    ~frmMenu() override;

    // The highlight bar's top when no row is hovered: out of sight.
    static constexpr int kHiddenHighlightTop = -12000 / 15;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void lblAddField_Click();
    void lblDelete_Click();
    void lblEdit_Click();
    void openFieldDialog(int mode);
    void moveHighlightTo(const QLabel *icon);

    QTreeWidget *m_list;
    QWidget *m_owner;
    HoverShape *shHighlight;
};

// Shows the menu with its top-left corner at the mouse pointer. While it is shown,
// a further call only moves it there (its Delete and Edit keep the state they had
// when it opened).
void ShowFieldMenu(QWidget *owner, QTreeWidget *lvwFields);

// Closes the menu if it is shown; no command runs.
void CloseFieldMenu();

// The menu while it is shown, else null.
frmMenu *shownFieldMenu();
