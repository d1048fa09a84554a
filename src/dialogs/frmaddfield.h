#pragma once

#include <QDialog>

class ClickLabel;
class HoverShape;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;


// The field dialog: adds a field to the field list, or rewrites its selected row,
// as WizardFlags::FieldEditMode says when the dialog opens.
class frmAddField : public QDialog
{
    Q_OBJECT
public:
    // lvwFields: the field list (name, then type, rows and columns as sub-items).
    frmAddField(QTreeWidget *lvwFields, QWidget *owner);
    ~frmAddField() override;

    // Lays the dialog out for a single-line field (1) or a multi-line one (2), then
    // centres it; any other value only centres it.
    void ResizeMe(int valOpt);

    bool isEditing() const { return m_editItem != nullptr; }

    void done(int result) override;

private:
    void txtfldName_Change();
    void Combo1_Change();
    void lblOK_Click();
    void showHover(HoverShape *white);

    QTreeWidget *m_list;
    QTreeWidgetItem *m_editItem = nullptr;
    bool m_filtering = false;

    QFrame *Frame1;
    QLineEdit *txtfldName;
    QComboBox *Combo1;
    QLabel *Label3;
    QComboBox *cboRows;
    QLabel *Label4;
    QComboBox *cboCols;
    ClickLabel *lblOK;
    ClickLabel *lblCancel;
    HoverShape *shOK;
    HoverShape *shCancel;
};

// The texts of the dialog's checks, as the user sees them.
namespace FieldDialogText {
extern const QString kInvalidName;
extern const QString kDuplicateName;
extern const QString kClashingName;
extern const QString kFilteredCharacters;
}  // namespace FieldDialogText
