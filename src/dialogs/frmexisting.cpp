#include "dialogs/frmexisting.h"

#include "chrome/labelbutton.h"
#include "chrome/pictures.h"
#include "chrome/placement.h"
#include "dialogs/dialogparts.h"
#include "store/projectstore.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

namespace {

QPointer<frmExisting> &theWindow()
{
    static QPointer<frmExisting> window;
    return window;
}

}  // namespace

frmExisting::frmExisting(std::function<void(const QString &)> chosen, QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
    , m_chosen(std::move(chosen))
{
    setAccessibleRole(this, QAccessible::Dialog);
    setUpPopup(this, QStringLiteral("frmExisting"), tr("Load Existing"), QSize(2640, 2370));

    // The banner is wider than the window and cut off at its right edge.
    const PopupBanner banner = addPopupBanner(this, twipsRect(0, 0, 6960, 315), twipsRect(120, 30, 240, 240),
                                              tr("Load Project"), twipsRect(480, 30, 2055, 255));
    LabelButton *imgExit =
        addPictureButton(this, "imgExit", tr("Close"), Pictures::closeIcon(16), twipsRect(2340, 30, 240, 240));
    imgExit->setScaledContents(true);
    imgExit->setToolTip(tr("Exit"));

    lvwProjects = new QTreeWidget(this);
    lvwProjects->setObjectName(QStringLiteral("lvwProjects"));
    lvwProjects->setGeometry(twipsRect(60, 360, 2535, 1935));
    lvwProjects->setRootIsDecorated(false);
    lvwProjects->setColumnCount(1);
    lvwProjects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwProjects->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwProjects->setAccessibleName(tr("Projects"));
    setFocusPolicy(Qt::StrongFocus);

    const int right = twipsToPixels(2620);
    const int bottom = twipsToPixels(2360);
    addEdgeLines(this,
                 {{0, 0, 1, bottom + 1}, {0, 0, right + 1, 1}, {right, 0, 1, bottom + 1}, {0, bottom, right + 1, 1}});
    // A press on the window, the quill or the caption drags the window (see
    // mousePressEvent); one on the banner or the list (its frame included) does not.
    banner.banner->setAttribute(Qt::WA_NoMousePropagation);
    lvwProjects->setAttribute(Qt::WA_NoMousePropagation);
    connect(imgExit, &LabelButton::clicked, this, &QWidget::close);
    lvwProjects->viewport()->installEventFilter(this);
    lvwProjects->installEventFilter(this);

    // Form_Load: the recent list, one row per project, its name as the user knows it.
    lvwProjects->setHeaderLabels({tr("Projects")});
    lvwProjects->header()->resizeSection(0, lvwProjects->width() - twipsToPixels(100));
    for (const RecentProject &project : FillRecentProjects()) {
        auto *row = new QTreeWidgetItem(lvwProjects, {project.text});
        row->setData(0, Qt::UserRole, project.key);
    }
    lvwProjects->setCurrentItem(lvwProjects->topLevelItem(0));  // it opens on its first row
}

// The window keeps the keyboard until a key that moves in the list, so that the
// list shows no focus mark to a user of the mouse.
void frmExisting::keyPressEvent(QKeyEvent *event)
{
    const bool movesInList = QList<int>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}.contains(event->key());
    if (movesInList && !lvwProjects->hasFocus()) {  // the list passes back a key it ignores
        lvwProjects->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendEvent(lvwProjects, event);
    } else if (!lvwProjects_KeyDown(event->key())) {
        QWidget::keyPressEvent(event);
    }
}

void frmExisting::mousePressEvent(QMouseEvent *event)
{
    DragForm(this, event->button());
}

// On a row of the list: the double-click acts on the selected row (the one clicked).
bool frmExisting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == lvwProjects)
        return lvwProjects_KeyDown(static_cast<QKeyEvent *>(event)->key());
    if (event->type() != QEvent::MouseButtonDblClick || watched != lvwProjects->viewport())
        return QWidget::eventFilter(watched, event);
    // The first row is selected from the start: a double-click below the rows loads nothing.
    if (lvwProjects->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
        lvwProjects_DblClick();
    return true;
}

// Enter loads the selected row as a double-click does; Escape closes the window.
// Other keys (the arrows, Home and End among them) go on to the list.
bool frmExisting::lvwProjects_KeyDown(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: lvwProjects_DblClick(); return true;
    case Qt::Key_Escape: close(); return true;
    default: return false;
    }
}

void frmExisting::closeEvent(QCloseEvent *event)
{
    // Unloaded from here on: the next ShowExistingProjects reads the list anew.
    if (theWindow() == this)
        theWindow() = nullptr;
    QWidget::closeEvent(event);
}

void frmExisting::lvwProjects_DblClick()
{
    const QList<QTreeWidgetItem *> selected = lvwProjects->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.first()->text(0);
    const auto chosen = m_chosen;  // the window is closed before the choice is passed on
    close();
    chosen(name);
}

void ShowExistingProjects(QWidget &owner, std::function<void(const QString &)> chosen)
{
    QPointer<frmExisting> &window = theWindow();
    if (!window)
        window = new frmExisting(std::move(chosen), &owner);
    PlacePopup(window);
    window->show();
    window->raise();
    window->activateWindow();
    window->setFocus();
}

frmExisting *shownExistingProjects()
{
    return theWindow();
}
