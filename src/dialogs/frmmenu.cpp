#include "dialogs/frmmenu.h"

#include "chrome/placement.h"
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

QLabel *picture(const QString &name, const QPixmap &pixmap, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

}  // namespace

frmMenu::frmMenu(QTreeWidget *lvwFields, QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
    , m_list(lvwFields)
    , m_owner(owner)
{
    setObjectName(QStringLiteral("frmMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Menu"));
    setFixedSize(twipsRect(0, 0, 2295, 1575).size());
    setBackground(this, Qt::white);

    shHighlight = new Shape(QStringLiteral("shHighlight"), palette().color(QPalette::Base), this);
    QPalette outline = shHighlight->palette();
    outline.setColor(QPalette::WindowText, palette().color(QPalette::Text));
    shHighlight->setPalette(outline);

    const QRect bannerRect = twipsRect(0, 0, 2295, 375);
    picture(QStringLiteral("Image1"), DialogPictures::banner(bannerRect.size()), bannerRect, this);
    picture(QStringLiteral("Image2"), DialogPictures::bannerIcon(16), twipsRect(120, 60, 240, 240), this);
    auto *title = new QLabel(QStringLiteral("Menu"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(twipsRect(480, 60, 1575, 255));
    title->setFont(verdana(9.75));
    title->setStyleSheet(QStringLiteral("color: white;"));

    // A one-pixel black frame along the four edges.
    const int right = 2280 / kTwipsPerPixel;
    const int bottom = 1560 / kTwipsPerPixel;
    const QRect lines[] = {{0, 0, right + 1, 1}, {0, bottom, right + 1, 1}, {0, 0, 1, bottom + 1}, {right, 0, 1, bottom + 1}};
    for (int i = 0; i < 4; ++i) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setGeometry(lines[i]);
        setBackground(line, Qt::black);
    }

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
        {"imgAdd", DialogPictures::addIcon(17), 480, "lblAddField", "Add new Field", "Add a new field", &frmMenu::lblAddField_Click},
        {"imgDelete", DialogPictures::deleteIcon(17), 840, "lblDelete", "Delete Field", "Delete Field", &frmMenu::lblDelete_Click},
        {"imgEdit", DialogPictures::editIcon(17), 1200, "lblEdit", "Edit Field", "Edit field properties", &frmMenu::lblEdit_Click},
    };
    // Delete and Edit have nothing to act on when the list is empty as the menu opens.
    const bool listEmpty = m_list->topLevelItemCount() < 1;
    for (const Row &row : rows) {
        QLabel *icon = picture(QString::fromLatin1(row.icon), row.pixmap, twipsRect(120, row.iconTop, 255, 255), this);
        icon->setCursor(Qt::PointingHandCursor);
        icon->setToolTip(QStringLiteral("Close Menu"));
        auto *label = new QLabel(QString::fromLatin1(row.text), this);
        label->setObjectName(QString::fromLatin1(row.label));
        label->setGeometry(twipsRect(480, row.iconTop + 30, 1815, 255));
        label->setFont(verdana(8.25));
        label->setStyleSheet(QStringLiteral("QLabel { color: black; } QLabel:disabled { color: grey; }"));
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
