#include "dialogs/frmaddfield.h"

#include "chrome/fieldediting.h"
#include "chrome/keyboard.h"
#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "generator/pagevalues.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

const char *const FieldDialogText::kDuplicateName = QT_TRANSLATE_NOOP(
    "frmAddField", "Error: Field name already present\r\n\r\nTo prevent problems, field names must be unique.");
// Two names that differ only in capitals, or in a space where the other has an
// underscore, are kept under the same settings key, so one of them would be lost when
// the project is saved.
const char *const FieldDialogText::kClashingName = QT_TRANSLATE_NOOP(
    "frmAddField",
    "Error: Field name too close to another field\r\n\r\nField names must differ in more than capital "
    "letters and in more than a space where the other has an underscore.");
const char *const FieldDialogText::kLeftOut = QT_TRANSLATE_NOOP("frmAddField", "Left out: ");
// Characters that would break the generated pages or the stored project.
const QString FieldDialogText::kFilteredCharacters = kFieldNameFilter;

namespace {

QString kCaption()
{
    return QCoreApplication::translate("frmAddField", "Add new field");
}
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

QComboBox *editableCombo(const char *name, const QStringList &items, const QString &text, const QRect &geometry,
                         QWidget *parent)
{
    QComboBox *combo = addCombo(parent, name, items, text, geometry);
    combo->setFont(parent->font());  // the dialog's own font, not the steps' Verdana
    // The kind and the sizes are stored in a comma-separated value and read back
    // without spaces: a comma or a space typed here would not survive the save.
    combo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^,\\s]*")), combo));
    return combo;
}

// The key under which a field name is stored, as the settings file compares keys.
QString storedKey(const QString &name)
{
    return SpacesToUnderscores(name).toLower();
}

bool clashesWithName(const QStringList &names, const QString &name)
{
    for (const QString &other : names) {
        if (storedKey(other) == storedKey(name))
            return true;
    }
    return false;
}

}  // namespace

frmAddField::frmAddField(const GuestbookField &field, const QStringList &namesInUse, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_field(field)
    , m_namesInUse(namesInUse)
{
    setObjectName(QStringLiteral("frmAddField"));
    setWindowTitle(kCaption());
    setModal(true);
    setBackground(this, kDialogGrey);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setFrameShadow(QFrame::Sunken);

    QLabel *Label1 = dialogLabel(QStringLiteral("Label1"), tr("Field Name:"), twipsRect(120, 240, 1095, 285), Frame1);
    txtfldName = new QLineEdit(Frame1);
    txtfldName->setObjectName(QStringLiteral("txtfldName"));
    txtfldName->setGeometry(twipsRect(1200, 240, 2655, 285));

    QLabel *Label2 = dialogLabel(QStringLiteral("Label2"), tr("Field Type:"), twipsRect(120, 600, 1095, 285), Frame1);
    Combo1 = editableCombo("Combo1", {QStringLiteral("Text"), QStringLiteral("Textarea")}, kNewField.FieldType,
                           twipsRect(1200, 600, 2655, 315), Frame1);

    Label3 = dialogLabel(QStringLiteral("Label3"), tr("Rows:"), twipsRect(120, 960, 975, 285), Frame1);
    cboRows = editableCombo("cboRows", kSizes, kNewField.Rows, twipsRect(1200, 960, 975, 315), Frame1);

    Label4 = dialogLabel(QStringLiteral("Label4"), tr("Columns:"), twipsRect(120, 1320, 975, 285), Frame1);
    cboCols = editableCombo("cboCols", kSizes, kNewField.Cols, twipsRect(1200, 1320, 975, 315), Frame1);

    // Beside the buttons, once the name filter has dropped a character: a line that
    // does not stop the typing, as a message box would.
    lblLeftOut = dialogLabel(QStringLiteral("lblLeftOut"), QString(), {}, this);
    lblLeftOut->hide();
    lblCancel = addDialogButton(this, "lblCancel", tr("Cancel"), kDialogGrey, {}, Qt::white);
    lblOK = addDialogButton(this, "lblOK", tr("OK"), kDialogGrey, {}, Qt::white);

    Label1->setBuddy(txtfldName);
    Label2->setBuddy(Combo1);
    Label3->setBuddy(cboRows);
    Label4->setBuddy(cboCols);
    chainTabOrder({txtfldName, Combo1, cboRows, cboCols, lblCancel, lblOK});
    for (QComboBox *combo : {Combo1, cboRows, cboCols})
        combo->installEventFilter(this);

    connect(txtfldName, &QLineEdit::textChanged, this, [this] { txtfldName_Change(); });
    connect(Combo1, &QComboBox::editTextChanged, this, [this] { Combo1_Change(); });
    // Picking the kind already shown changes no text, and still lays the dialog out.
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Change(); });
    connect(lblOK, &LabelButton::clicked, this, &frmAddField::lblOK_Click);
    connect(lblCancel, &LabelButton::clicked, this, &QDialog::reject);
    // OK and Cancel light one at a time; the window and the frame clear both.
    linkHoverGroup({lblOK, lblCancel});
    clearHoverOnMove(Frame1, {lblOK, lblCancel});
    clearHoverOnMove(this, {lblOK, lblCancel});

    // Form_Load: the layout follows the field's kind; a field without columns keeps
    // the usual number in case it becomes multi-line.
    txtfldName->setText(field.FieldName);
    Combo1->setEditText(field.FieldType);
    cboRows->setEditText(field.Rows);
    if (!field.Cols.isEmpty())
        cboCols->setEditText(field.Cols);
    ResizeMe(field.FieldType == kSingleLineKind ? 1 : 2);
    txtfldName->setFocus();
}

void frmAddField::ResizeMe(int valOpt)
{
    if (valOpt == 1 || valOpt == 2) {
        const Layout &layout = valOpt == 1 ? kSingleLine : kMultiLine;
        Frame1->setGeometry(twipsRect(120, 0, 3975, layout.frameHeight));
        lblCancel->setGeometry(twipsRect(2040, layout.buttonTop, 975, 255));
        lblOK->setGeometry(twipsRect(3120, layout.buttonTop, 975, 255));
        lblLeftOut->setGeometry(twipsRect(120, layout.buttonTop, 1860, 255));
        Label4->setVisible(layout.showColumns);
        cboCols->setVisible(layout.showColumns);
        Label3->setText(QString::fromLatin1(layout.rowsCaption));
        setFixedSize(twipsRect(0, 0, 4200, layout.windowHeight).width(),
                     twipsToPixels(layout.windowHeight) - kFrameAllowance);
    }
    CenterForm(this);
}

namespace {
bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

// Enter anywhere but on Cancel is OK; Escape is Cancel, as in every dialog.
void frmAddField::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event))
        lblOK_Click();
    else
        QDialog::keyPressEvent(event);
}

// The combo boxes keep Enter to themselves; here it is OK as well.
bool frmAddField::eventFilter(QObject *watched, QEvent *event)
{
    if (!isEnter(event) || !qobject_cast<QComboBox *>(watched))
        return QDialog::eventFilter(watched, event);
    lblOK_Click();
    return true;
}

void frmAddField::txtfldName_Change()
{
    if (m_filtering)
        return;
    QString name = txtfldName->text();
    for (const QChar c : FieldDialogText::kFilteredCharacters) {
        const QString shown = lblLeftOut->text();
        if (name.contains(c) && !shown.contains(c))
            lblLeftOut->setText((shown.isEmpty() ? tr(FieldDialogText::kLeftOut) : shown + QLatin1Char(' ')) + c);
        name.remove(c);
    }
    lblLeftOut->setVisible(!lblLeftOut->text().isEmpty());
    // Typing goes on in the name box: its description tells a screen reader what was left out.
    txtfldName->setAccessibleDescription(lblLeftOut->text());
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
    if (const UserText problem = FieldNameProblem(name); !problem.isNull()) {
        MessagePrompt::failure(this, problem);
        txtfldName->setFocus();
        return;
    }
    const QString kind = Combo1->currentText();
    const char *refusal = m_namesInUse.contains(name) ? FieldDialogText::kDuplicateName
        : clashesWithName(m_namesInUse, name)         ? FieldDialogText::kClashingName
                                                      : nullptr;
    if (refusal) {
        MessagePrompt::error(this, tr(refusal));
        txtfldName->setFocus();
        return;
    }
    m_field = {name, kind, cboRows->currentText(), kind == kSingleLineKind ? QString() : cboCols->currentText()};
    accept();
}
