#include "dialogs/frmmenu.h"

#include "chrome/labelbutton.h"
#include "chrome/pictures.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

namespace {

// The menu's size in twips: a row every 360 below the banner.
constexpr int kMenuWidthTwips = 2295;
constexpr int kMenuHeightTwips = 2295;

QPointer<frmMenu> &theMenu()
{
    static QPointer<frmMenu> menu;
    return menu;
}

}  // namespace

frmMenu::frmMenu(int fieldCount, std::function<void(FieldMenuCommand)> report, QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
    , m_report(std::move(report))
{
    setAccessibleRole(this, QAccessible::PopupMenu);
    setUpPopup(this, QStringLiteral("frmMenu"), tr("Menu"), QSize(kMenuWidthTwips, kMenuHeightTwips));

    // The highlight bar: a rectangle that is never clicked, so a disabled button.
    auto *bar = new LabelButton(this);
    bar->setObjectName(QStringLiteral("shHighlight"));
    bar->setShape(palette().color(QPalette::Text), palette().color(QPalette::Base));
    bar->makeShapeOnly();
    shHighlight = bar;

    addPopupBanner(this, twipsRect(0, 0, kMenuWidthTwips, 375), twipsRect(120, 60, 240, 240), tr("Menu"),
                   twipsRect(480, 60, 1575, 255));

    // A one-pixel black frame along the four edges.
    const int right = twipsToPixels(kMenuWidthTwips - 15);
    const int bottom = twipsToPixels(kMenuHeightTwips - 15);
    addEdgeLines(this,
                 {{0, 0, right + 1, 1}, {0, bottom, right + 1, 1}, {0, 0, 1, bottom + 1}, {right, 0, 1, bottom + 1}});

    struct Row {
        const char *icon;
        QPixmap pixmap;
        int iconTop;
        const char *label;
        const char *text;
        const char *tip;
        FieldMenuCommand command;
    };
    const Row rows[] = {
        {"imgAdd", Pictures::addIcon(17), 480, "lblAddField", QT_TR_NOOP("Add new Field"),
         QT_TR_NOOP("Add a new field"), FieldMenuCommand::AddField},
        {"imgDelete", Pictures::deleteIcon(17), 840, "lblDelete", QT_TR_NOOP("Delete Field"),
         QT_TR_NOOP("Delete Field"), FieldMenuCommand::DeleteField},
        {"imgEdit", Pictures::editIcon(17), 1200, "lblEdit", QT_TR_NOOP("Edit Field"),
         QT_TR_NOOP("Edit field properties"), FieldMenuCommand::EditField},
        {"imgMoveUp", Pictures::moveIcon(17, true), 1560, "lblMoveUp", QT_TR_NOOP("Move Up"),
         QT_TR_NOOP("Move the field up"), FieldMenuCommand::MoveUp},
        {"imgMoveDown", Pictures::moveIcon(17, false), 1920, "lblMoveDown", QT_TR_NOOP("Move Down"),
         QT_TR_NOOP("Move the field down"), FieldMenuCommand::MoveDown},
    };
    // Delete and Edit have nothing to act on when the list is empty as the menu opens,
    // the moves when it holds fewer than two fields.
    const auto enabledFor = [fieldCount](FieldMenuCommand command) {
        if (command == FieldMenuCommand::AddField)
            return true;
        const bool moves = command == FieldMenuCommand::MoveUp || command == FieldMenuCommand::MoveDown;
        return fieldCount >= (moves ? 2 : 1);
    };
    for (const Row &row : rows) {
        // A row's icon runs its command, as the caption does; a screen reader hears one menu item.
        LabelButton *icon =
            addPictureButton(this, row.icon, tr(row.text), row.pixmap, twipsRect(120, row.iconTop, 255, 255));
        icon->setScaledContents(true);
        icon->setToolTip(tr(row.tip));
        setAccessibleRole(icon, QAccessible::Graphic);
        auto *label = new LabelButton(QLatin1String(row.label), tr(row.text), verdana(8.25), this);
        setAccessibleRole(label, QAccessible::MenuItem);
        label->setGeometry(twipsRect(480, row.iconTop + 30, 1815, 255));
        label->setStyleSheet(QStringLiteral("QLabel { color: black; } QLabel:disabled { color: grey; }"));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // as the rows are drawn: text at the top of its row
        label->setToolTip(tr(row.tip));
        const bool enabled = enabledFor(row.command);
        icon->setEnabled(enabled);
        label->setEnabled(enabled);
        // The menu keeps the keyboard itself: its rows take no focus.
        icon->setFocusPolicy(Qt::NoFocus);
        label->setFocusPolicy(Qt::NoFocus);

        const int index = int(m_rows.size());
        m_rows.append(label);
        connect(label, &LabelButton::clicked, this, [this, command = row.command] {
            const auto report = m_report;  // the window may close the menu as it acts
            report(command);
        });
        connect(label, &LabelButton::hovered, this, [this, index] { moveHighlightTo(index); });
        // Hovering an icon leaves the bar where it is.
        connect(icon, &LabelButton::clicked, label, &LabelButton::click);
    }
    onMouseMove(this, [this] { moveHighlightTo(-1); });
    setFocusPolicy(Qt::StrongFocus);
    moveHighlightBy(1);  // the menu opens on its first row
}

void frmMenu::closeEvent(QCloseEvent *event)
{
    // Unloaded from here on: the next ShowFieldMenu builds a new menu.
    if (theMenu() == this)
        theMenu() = nullptr;
    QWidget::closeEvent(event);
}

// The bar lies behind the row's icon and caption, and the row has the focus (also
// when the menu is given it), so that a screen reader says the row; row -1 hides
// the bar and leaves the focus with the menu.
void frmMenu::moveHighlightTo(int row)
{
    m_highlighted = row;
    const int top = row < 0 ? kHiddenHighlightTop : m_rows.at(row)->y() - twipsToPixels(30);
    shHighlight->setGeometry(0, top, width(), twipsToPixels(255));
    setFocusProxy(row < 0 ? nullptr : m_rows.at(row));
    setFocus();
}

// Moves the bar to the next enabled row up (-1) or down (+1), round the ends.
void frmMenu::moveHighlightBy(int step)
{
    const int count = int(m_rows.size());
    int row = m_highlighted < 0 ? (step > 0 ? -1 : count) : m_highlighted;
    for (int tries = 0; tries < count; ++tries) {
        row = (row + step + count) % count;
        if (m_rows.at(row)->isEnabled()) {
            moveHighlightTo(row);
            return;
        }
    }
}

void frmMenu::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: moveHighlightBy(-1); break;
    case Qt::Key_Down: moveHighlightBy(1); break;
    case Qt::Key_Home:
    case Qt::Key_End:
        m_highlighted = -1;  // from outside the rows: to the first or the last enabled one
        moveHighlightBy(event->key() == Qt::Key_Home ? 1 : -1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_highlighted >= 0)
            m_rows.at(m_highlighted)->click();
        break;
    case Qt::Key_Escape: close(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void ShowFieldMenu(QWidget &owner, int fieldCount, std::optional<QPoint> at,
                   std::function<void(FieldMenuCommand)> report)
{
    QPointer<frmMenu> &menu = theMenu();
    if (!menu)
        menu = new frmMenu(fieldCount, std::move(report), &owner);
    PlacePopup(menu, at ? std::optional<QRect>(QRect(*at, QSize(0, 0))) : std::nullopt);
    menu->show();
    menu->raise();
    if (at) {
        menu->activateWindow();
        menu->setFocus();
    }
}

void CloseFieldMenu()
{
    if (frmMenu *menu = theMenu())
        menu->close();
}

frmMenu *shownFieldMenu()
{
    return theMenu();
}
