#include "dialogs/frmaddfield.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/mousehandlers.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "generator/pagevalues.h"
#include "store/guestbookproject.h"
#include "wizard/wizardflags.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTreeWidget>

const QString FieldDialogText::kInvalidName = QStringLiteral("Error: Invalid field name");
const QString FieldDialogText::kDuplicateName =
    QStringLiteral("Error: Field name already present\r\n\r\nTo prevent problems, field names must be unique.");
// Two names that differ only in capitals, or in spaces against underscores, are kept
// under the same settings key, so one of them would be lost when the project is saved.
const QString FieldDialogText::kClashingName = QStringLiteral(
    "Error: Field name too close to another field\r\n\r\nField names must differ in more than capital letters, spaces and underscores.");
// Characters that would break the generated pages or the stored project.
const QString FieldDialogText::kFilteredCharacters = kFieldNameFilter;

namespace {

const QString kCaption = QStringLiteral("Add new field");
const QString kSingleLineKind = QStringLiteral("Text");
const QStringList kSizes = {QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
                            QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("35"), QStringLiteral("40"),
                            QStringLiteral("45"), QStringLiteral("50")};

// The tool window's small title bar and borders, added to the client area to give
// the window heights of the two layouts (2145 and 2520 twips).
constexpr int kFrameAllowance = 24;

struct Layout {
    int frameHeight;
    int buttonTop;
    int windowHeight;
    bool showColumns;
    const char *rowsCaption;
};
const Layout kSingleLine{1365, 1440, 2145, false, "Field size:"};
const Layout kMultiLine{1725, 1800, 2520, true, "Rows:"};

QComboBox *editableCombo(const QString &name, const QStringList &items, const QString &text, const QRect &geometry,
                         QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(text);
    combo->setGeometry(geometry);
    // The kind and the sizes are stored in a comma-separated value and read back
    // without spaces: a comma or a space typed here would not survive the save.
    combo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^,\\s]*")), combo));
    return combo;
}

QList<GuestbookField> fieldsOf(const QTreeWidget *list)
{
    QList<GuestbookField> fields;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        fields.append({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return fields;
}

// The key under which a field name is stored, as the settings file compares keys.
QString storedKey(const QString &name)
{
    return QString(name).replace(QLatin1Char(' '), QLatin1Char('_')).toLower();
}

bool clashesWithOtherField(const QList<GuestbookField> &fields, const QString &name, int exceptIndex)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (i + 1 != exceptIndex && storedKey(fields.at(i).FieldName) == storedKey(name))
            return true;
    }
    return false;
}

}  // namespace

frmAddField::frmAddField(QTreeWidget *lvwFields, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_list(lvwFields)
{
    setObjectName(QStringLiteral("frmAddField"));
    setWindowTitle(kCaption);
    setModal(true);
    setBackground(this, kDialogGrey);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setFrameShadow(QFrame::Sunken);

    dialogLabel(QStringLiteral("Label1"), QStringLiteral("Field Name:"), twipsRect(120, 240, 1095, 285), Frame1);
    txtfldName = new QLineEdit(Frame1);
    txtfldName->setObjectName(QStringLiteral("txtfldName"));
    txtfldName->setGeometry(twipsRect(1200, 240, 2655, 285));

    dialogLabel(QStringLiteral("Label2"), QStringLiteral("Field Type:"), twipsRect(120, 600, 1095, 285), Frame1);
    Combo1 = editableCombo(QStringLiteral("Combo1"), {QStringLiteral("Text"), QStringLiteral("Textarea")},
                           QStringLiteral("Text"), twipsRect(1200, 600, 2655, 315), Frame1);

    Label3 = dialogLabel(QStringLiteral("Label3"), QStringLiteral("Rows:"), twipsRect(120, 960, 975, 285), Frame1);
    cboRows = editableCombo(QStringLiteral("cboRows"), kSizes, QStringLiteral("10"), twipsRect(1200, 960, 975, 315), Frame1);

    Label4 = dialogLabel(QStringLiteral("Label4"), QStringLiteral("Columns:"), twipsRect(120, 1320, 975, 285), Frame1);
    cboCols = editableCombo(QStringLiteral("cboCols"), kSizes, QStringLiteral("40"), twipsRect(1200, 1320, 975, 315), Frame1);

    shCancel = dialogShape(QStringLiteral("shCancel"), kDialogGrey, this);
    shOK = dialogShape(QStringLiteral("shOK"), kDialogGrey, this);
    lblCancel = makeLabelButton(QStringLiteral("lblCancel"), QStringLiteral("Cancel"), verdana(9), this);
    lblOK = makeLabelButton(QStringLiteral("lblOK"), QStringLiteral("OK"), verdana(9), this);

    setTabOrder(txtfldName, Combo1);
    setTabOrder(Combo1, cboRows);
    setTabOrder(cboRows, cboCols);

    connect(txtfldName, &QLineEdit::textChanged, this, [this] { txtfldName_Change(); });
    connect(Combo1, &QComboBox::editTextChanged, this, [this] { Combo1_Change(); });
    MouseHandlers::onClick(lblOK, [this] { lblOK_Click(); });
    MouseHandlers::onClick(lblCancel, [this] { reject(); });
    MouseHandlers::onMove(lblOK, [this] { showHover(shOK); });
    MouseHandlers::onMove(lblCancel, [this] { showHover(shCancel); });
    MouseHandlers::onMove(Frame1, [this] { showHover(nullptr); });
    MouseHandlers::onMove(this, [this] { showHover(nullptr); });

    // Form_Load: the mode is decided once. Editing needs a selected row; without
    // one the dialog adds a field.
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (WizardFlags::FieldEditMode == WizardFlags::EditField && !selected.isEmpty())
        m_editItem = selected.first();

    if (!m_editItem) {
        ResizeMe(1);
    } else {
        txtfldName->setText(m_editItem->text(0));
        Combo1->setEditText(m_editItem->text(1));
        cboRows->setEditText(m_editItem->text(2));
        if (!m_editItem->text(3).isEmpty())
            cboCols->setEditText(m_editItem->text(3));
        ResizeMe(m_editItem->text(1) == kSingleLineKind ? 1 : 2);
    }
    txtfldName->setFocus();
}

frmAddField::~frmAddField()
{
    WizardFlags::FieldEditMode = WizardFlags::AddField;
}

void frmAddField::done(int result)
{
    // However the dialog closes, the next one opens in add mode.
    WizardFlags::FieldEditMode = WizardFlags::AddField;
    QDialog::done(result);
}

void frmAddField::ResizeMe(int valOpt)
{
    if (valOpt == 1 || valOpt == 2) {
        const Layout &layout = valOpt == 1 ? kSingleLine : kMultiLine;
        Frame1->setGeometry(twipsRect(120, 0, 3975, layout.frameHeight));
        lblCancel->setGeometry(twipsRect(2040, layout.buttonTop, 975, 255));
        lblOK->setGeometry(twipsRect(3120, layout.buttonTop, 975, 255));
        shCancel->setGeometry(lblCancel->geometry());
        shOK->setGeometry(lblOK->geometry());
        Label4->setVisible(layout.showColumns);
        cboCols->setVisible(layout.showColumns);
        Label3->setText(QString::fromLatin1(layout.rowsCaption));
        setFixedSize(twipsRect(0, 0, 4200, layout.windowHeight).width(),
                     layout.windowHeight / kTwipsPerPixel - kFrameAllowance);
    }
    CenterForm(this);
}

void frmAddField::txtfldName_Change()
{
    if (m_filtering)
        return;
    QString name = txtfldName->text();
    for (const QChar c : FieldDialogText::kFilteredCharacters)
        name.remove(c);
    m_filtering = true;
    txtfldName->setText(name);
    m_filtering = false;
    txtfldName->setCursorPosition(name.size());
}

void frmAddField::Combo1_Change()
{
    ResizeMe(Combo1->currentText().toLower() == QLatin1String("textarea") ? 2 : 1);
}

void frmAddField::lblOK_Click()
{
    const QString name = txtfldName->text();
    if (!IsPageFieldName(name) || !storableText(name)) {
        MessagePrompt::error(this, FieldDialogText::kInvalidName);
        txtfldName->setFocus();
        return;
    }
    const QString kind = Combo1->currentText();
    const int exceptIndex = m_editItem ? m_list->indexOfTopLevelItem(m_editItem) + 1 : 0;
    const QList<GuestbookField> fields = fieldsOf(m_list);
    const QString *refusal = ListItemExists(fields, name, exceptIndex)   ? &FieldDialogText::kDuplicateName
                             : clashesWithOtherField(fields, name, exceptIndex) ? &FieldDialogText::kClashingName
                                                                                : nullptr;
    if (refusal) {
        MessagePrompt::error(this, *refusal);
        txtfldName->setFocus();
        return;
    }
    QTreeWidgetItem *item = m_editItem ? m_editItem : new QTreeWidgetItem(m_list);
    item->setText(0, name);
    item->setText(1, kind);
    item->setText(2, cboRows->currentText());
    item->setText(3, kind == kSingleLineKind ? QString() : cboCols->currentText());
    accept();
}

void frmAddField::showHover(HoverShape *white)
{
    shOK->setFill(white == shOK ? Qt::white : kDialogGrey);
    shCancel->setFill(white == shCancel ? Qt::white : kDialogGrey);
}
