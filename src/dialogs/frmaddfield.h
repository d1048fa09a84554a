#pragma once

#include "store/guestbookproject.h"

#include <QDialog>

class LabelButton;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

// The field dialog: edits a field, a new one or one of the list, whose name must differ
// from the names in use.
class frmAddField : public QDialog
{
    Q_OBJECT
public:
    // namesInUse: the names of the list's other fields.
    frmAddField(const GuestbookField &field, const QStringList &namesInUse, QWidget *owner);

    // Lays the dialog out for a single-line field (1) or a multi-line one (2), then
    // centres it; any other value only centres it.
    void ResizeMe(int valOpt);

    // The field as edited, once the dialog was accepted; the field as given otherwise.
    const GuestbookField &field() const { return m_field; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtfldName_Change();
    void Combo1_Change();
    void lblOK_Click();

    GuestbookField m_field;
    QStringList m_namesInUse;
    bool m_filtering = false;

    QFrame *Frame1;
    QLineEdit *txtfldName;
    QComboBox *Combo1;
    QLabel *Label3;
    QComboBox *cboRows;
    QLabel *Label4;
    QComboBox *cboCols;
    LabelButton *lblOK;
    LabelButton *lblCancel;
    QLabel *lblLeftOut;
};

// The texts of the dialog's checks, as the user sees them.
namespace FieldDialogText {
// Source texts of translations.
extern const char *const kDuplicateName;
extern const char *const kClashingName;
extern const QString kFilteredCharacters;
// In front of the characters the name filter has dropped.
extern const char *const kLeftOut;
}  // namespace FieldDialogText
