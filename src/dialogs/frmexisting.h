#pragma once

#include <QWidget>

#include <functional>

class QTreeWidget;

// The existing projects window: lists the recent projects; a double-click loads one
// into the main window. Modeless, owned by the main window, dragged by its banner.
// Keys: Up and Down move in the list, Enter loads the selected row, Escape closes.
class frmExisting : public QWidget
{
    Q_OBJECT
public:
    // loadProject: loads the project saved under the name into the main window and
    // shows its step 2. titleText: the main window's title box, as the load left it.
    frmExisting(std::function<void(const QString &)> loadProject, std::function<QString()> titleText, QWidget *owner);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void lvwProjects_DblClick();
    bool lvwProjects_KeyDown(int key);

    std::function<void(const QString &)> m_loadProject;
    std::function<QString()> m_titleText;
    QTreeWidget *lvwProjects;
};

// Shows the window with its top-left corner at the mouse pointer. While it is shown,
// a further call only moves it there; its rows stay those read when it opened.
void ShowExistingProjects(QWidget *owner, std::function<void(const QString &)> loadProject,
                          std::function<QString()> titleText);

// The window while it is shown, else null.
frmExisting *shownExistingProjects();

namespace ExistingProjectsText {
extern const QString kSettingsLoaded;
}
