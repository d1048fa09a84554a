#pragma once

#include "chrome/fieldediting.h"

#include <QWidget>

#include <functional>
#include <optional>

class LabelButton;
class QLabel;

// The field list's pop-up menu: "Add new Field", "Delete Field", "Edit Field",
// "Move Up", "Move Down".
// Modeless, owned by the main window; a click on a row reports its command to the
// window, which acts on it and closes the menu.
// It opens with its first row highlighted. Keys: Up and Down move the highlight bar
// over the enabled rows, Home and End to the first and last, Enter runs the
// highlighted row, Escape closes the menu.
class frmMenu : public QWidget
{
    Q_OBJECT
public:
    // fieldCount: how many fields the list has as the menu opens.
    frmMenu(int fieldCount, std::function<void(FieldMenuCommand)> report, QWidget *owner);

    // The highlight bar's top when no row is highlighted: out of sight.
    static constexpr int kHiddenHighlightTop = -12000 / 15;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void moveHighlightTo(int row);
    void moveHighlightBy(int step);

    std::function<void(FieldMenuCommand)> m_report;
    QWidget *shHighlight;
    QList<LabelButton *> m_rows;  // the three row captions, top to bottom
    int m_highlighted = -1;
};

// Shows the menu at the mouse pointer, or below a point of the screen given when the
// keyboard opened it (the menu then takes the keyboard), wholly on the screen. While
// it is shown, a further call only moves it there (its Delete and Edit keep the state
// they had when it opened).
void ShowFieldMenu(QWidget &owner, int fieldCount, std::optional<QPoint> at,
                   std::function<void(FieldMenuCommand)> report);

// Closes the menu if it is shown; no command runs.
void CloseFieldMenu();

// The menu while it is shown, else null.
frmMenu *shownFieldMenu();
// True while the menu is shown.
inline bool FieldMenuShown()
{
    return shownFieldMenu() != nullptr;
}
