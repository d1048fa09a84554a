#include "dialogs/frmmenu.h"

#include "chrome/placement.h"
#include "chrome/labelbutton.h"
#include "chrome/mousehandlers.h"
#include "chrome/pictures.h"
#include "dialogs/dialogparts.h"
#include "dialogs/frmaddfield.h"
#include "wizard/wizardflags.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QTreeWidget>

namespace {

QPointer<frmMenu> &theMenu()
{
    static QPointer<frmMenu> menu;
    return menu;
}

}  // namespace

frmMenu::frmMenu(QTreeWidget *lvwFields, QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
    , m_list(lvwFields)
    , m_owner(owner)
{
    setUpPopup(this, QStringLiteral("frmMenu"), QStringLiteral("Menu"), QSize(2295, 1575));

    shHighlight = dialogShape(QStringLiteral("shHighlight"), palette().color(QPalette::Base), this);
    shHighlight->setOutline(palette().color(QPalette::Text));

    addPopupBanner(this, twipsRect(0, 0, 2295, 375), twipsRect(120, 60, 240, 240), QStringLiteral("Menu"),
                   twipsRect(480, 60, 1575, 255));

    // A one-pixel black frame along the four edges.
    const int right = 2280 / kTwipsPerPixel;
    const int bottom = 1560 / kTwipsPerPixel;
    addEdgeLines(this, {{0, 0, right + 1, 1}, {0, bottom, right + 1, 1}, {0, 0, 1, bottom + 1}, {right, 0, 1, bottom + 1}});

    struct Row {
        const char *icon;
        QPixmap pixmap;
        int iconTop;
        const char *label;
        const char *text;
        const char *tip;
        void (frmMenu::*command)();
    };
    const Row rows[] = {
        {"imgAdd", Pictures::addIcon(17), 480, "lblAddField", "Add new Field", "Add a new field", &frmMenu::lblAddField_Click},
        {"imgDelete", Pictures::deleteIcon(17), 840, "lblDelete", "Delete Field", "Delete Field", &frmMenu::lblDelete_Click},
        {"imgEdit", Pictures::editIcon(17), 1200, "lblEdit", "Edit Field", "Edit field properties", &frmMenu::lblEdit_Click},
    };
    // Delete and Edit have nothing to act on when the list is empty as the menu opens.
    const bool listEmpty = m_list->topLevelItemCount() < 1;
    for (const Row &row : rows) {
        QLabel *icon = pictureLabel(QString::fromLatin1(row.icon), row.pixmap, twipsRect(120, row.iconTop, 255, 255), this);
        icon->setCursor(Qt::PointingHandCursor);
        icon->setToolTip(QStringLiteral("Close Menu"));
        QLabel *label = dialogLabel(QString::fromLatin1(row.label), QString::fromLatin1(row.text),
                                    twipsRect(480, row.iconTop + 30, 1815, 255), this);
        label->setStyleSheet(QStringLiteral("QLabel { color: black; } QLabel:disabled { color: grey; }"));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // as the rows are drawn: text at the top of its row
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(QString::fromLatin1(row.tip));
        const bool enabled = row.command == &frmMenu::lblAddField_Click || !listEmpty;
        icon->setEnabled(enabled);
        label->setEnabled(enabled);

        const auto command = row.command;
        MouseHandlers::onClick(label, [this, command] { (this->*command)(); });
        MouseHandlers::onMove(label, [this, icon] { moveHighlightTo(icon); });
        // An icon closes the menu, as its tooltip says; hovering it leaves the bar where it is.
        MouseHandlers::onClick(icon, [this] { close(); });
        MouseHandlers::onMove(icon, [] {});
    }
    MouseHandlers::onMove(this, [this] { moveHighlightTo(nullptr); });
    moveHighlightTo(nullptr);
}

frmMenu::~frmMenu()
{
    // A menu closed earlier may be deleted while its successor is shown.
    if (!theMenu() || theMenu() == this)
        WizardFlags::FieldMenuShown = false;
}

void frmMenu::closeEvent(QCloseEvent *event)
{
    // Unloaded from here on: the next ShowFieldMenu builds a new menu.
    if (theMenu() == this)
        theMenu() = nullptr;
    WizardFlags::FieldMenuShown = false;
    QWidget::closeEvent(event);
}

void frmMenu::moveHighlightTo(const QLabel *icon)
{
    const int top = icon ? icon->y() : kHiddenHighlightTop;
    shHighlight->setGeometry(0, top, width(), 255 / kTwipsPerPixel);
}

void frmMenu::lblAddField_Click()
{
    openFieldDialog(WizardFlags::AddField);
}

void frmMenu::lblEdit_Click()
{
    if (m_list->selectedItems().isEmpty())
        return;
    openFieldDialog(WizardFlags::EditField);
}

void frmMenu::lblDelete_Click()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    close();
}

void frmMenu::openFieldDialog(int mode)
{
    QTreeWidget *list = m_list;
    QWidget *owner = m_owner;
    close();
    WizardFlags::FieldEditMode = mode;
    frmAddField dialog(list, owner);
    dialog.exec();
}

void ShowFieldMenu(QWidget *owner, QTreeWidget *lvwFields)
{
    WizardFlags::FieldMenuShown = true;
    QPointer<frmMenu> &menu = theMenu();
    if (!menu)
        menu = new frmMenu(lvwFields, owner);
    PlaceAtCursor(menu);
    menu->show();
    menu->raise();
}

void CloseFieldMenu()
{
    if (frmMenu *menu = theMenu())
        menu->close();
    WizardFlags::FieldMenuShown = false;
}

frmMenu *shownFieldMenu()
{
    return theMenu();
}
