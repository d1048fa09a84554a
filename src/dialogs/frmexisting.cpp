#include "dialogs/frmexisting.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/pictures.h"
#include "chrome/placement.h"
#include "dialogs/dialogparts.h"
#include "store/projectstore.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

const QString ExistingProjectsText::kSettingsLoaded = QStringLiteral("Settings loaded for: ");

namespace {

QPointer<frmExisting> &theWindow()
{
    static QPointer<frmExisting> window;
    return window;
}

}  // namespace

frmExisting::frmExisting(std::function<void(const QString &)> loadProject, std::function<QString()> titleText,
                         QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
    , m_loadProject(std::move(loadProject))
    , m_titleText(std::move(titleText))
{
    setUpPopup(this, QStringLiteral("frmExisting"), QStringLiteral("Load Existing"), QSize(2640, 2370));

    // The banner is wider than the window and cut off at its right edge.
    const PopupBanner banner = addPopupBanner(this, twipsRect(0, 0, 6960, 315), twipsRect(120, 30, 240, 240),
                                              QStringLiteral("Load Project"), twipsRect(480, 30, 2055, 255));
    LabelButton *imgExit = addPictureButton(this, "imgExit", Pictures::closeIcon(16), twipsRect(2340, 30, 240, 240));
    imgExit->setScaledContents(true);
    imgExit->setToolTip(QStringLiteral("Exit"));

    lvwProjects = new QTreeWidget(this);
    lvwProjects->setObjectName(QStringLiteral("lvwProjects"));
    lvwProjects->setGeometry(twipsRect(60, 360, 2535, 1935));
    lvwProjects->setRootIsDecorated(false);
    lvwProjects->setColumnCount(1);
    lvwProjects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwProjects->setSelectionMode(QAbstractItemView::SingleSelection);

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

    // Form_Load: the recent list, one row per project, its name as the user knows it.
    lvwProjects->setHeaderLabels({QStringLiteral("Projects")});
    lvwProjects->header()->resizeSection(0, lvwProjects->width() - twipsToPixels(100));
    for (const RecentProject &project : FillRecentProjects()) {
        auto *row = new QTreeWidgetItem(lvwProjects, {project.text});
        row->setData(0, Qt::UserRole, project.key);
    }
}

void frmExisting::mousePressEvent(QMouseEvent *)
{
    DragForm(this);
}

// Anywhere in the list: the double-click acts on the selected row.
bool frmExisting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonDblClick || watched != lvwProjects->viewport())
        return QWidget::eventFilter(watched, event);
    lvwProjects_DblClick();
    return true;
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
    const auto titleText = m_titleText;
    QWidget *owner = parentWidget();
    m_loadProject(name);
    close();
    MessagePrompt::inform(owner, ExistingProjectsText::kSettingsLoaded + titleText());
}

void ShowExistingProjects(QWidget *owner, std::function<void(const QString &)> loadProject,
                          std::function<QString()> titleText)
{
    QPointer<frmExisting> &window = theWindow();
    if (!window)
        window = new frmExisting(std::move(loadProject), std::move(titleText), owner);
    PlaceAtCursor(window);
    window->show();
    window->raise();
}

frmExisting *shownExistingProjects()
{
    return theWindow();
}
