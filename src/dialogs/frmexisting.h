#pragma once

#include <QWidget>

#include <functional>

class QTreeWidget;

// The existing projects window: lists the recent projects; a double-click closes it
// and passes the chosen title on. Modeless, owned by the main window, dragged by its banner.
// It opens on its first row. Keys: Up, Down, Home and End move in the list, Enter
// chooses the selected row, Escape closes.
class frmExisting : public QWidget
{
    Q_OBJECT
public:
    // chosen: gets the title of the project chosen, after the window has closed.
    frmExisting(std::function<void(const QString &)> chosen, QWidget *owner);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void lvwProjects_DblClick();
    bool lvwProjects_KeyDown(int key);

    std::function<void(const QString &)> m_chosen;
    QTreeWidget *lvwProjects;
};

// Shows the window at the mouse pointer, or below the control that opened it from the
// keyboard, wholly on the screen. While it is shown, a further call only moves it
// there; its rows stay those read when it opened.
void ShowExistingProjects(QWidget &owner, std::function<void(const QString &)> chosen);

// The window while it is shown, else null.
frmExisting *shownExistingProjects();

