#pragma once

#include "store/guestbookproject.h"

#include <QDialog>

class LabelButton;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

// The field dialog: adds a field to a field list, or rewrites the field at one row.
class frmAddField : public QDialog
{
    Q_OBJECT
public:
    // What the dialog does with the list it is given.
    enum FieldDialogMode { AddField = 0, EditField = 1 };

    // editRow: the row to edit, or -1 (or a row the list does not have) to add a field.
    frmAddField(const QList<GuestbookField> &fields, int editRow, QWidget *owner);

    // Lays the dialog out for a single-line field (1) or a multi-line one (2), then
    // centres it; any other value only centres it.
    void ResizeMe(int valOpt);

    FieldDialogMode FieldEditMode() const { return m_editRow >= 0 ? EditField : AddField; }
    bool isEditing() const { return FieldEditMode() == EditField; }
    // The list with the field added or rewritten, once the dialog was accepted;
    // the list as given otherwise.
    const QList<GuestbookField> &fields() const { return m_fields; }

private:
    void txtfldName_Change();
    void Combo1_Change();
    void lblOK_Click();

    QList<GuestbookField> m_fields;
    int m_editRow = -1;
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
};

// The texts of the dialog's checks, as the user sees them.
namespace FieldDialogText {
extern const QString kInvalidName;
extern const QString kDuplicateName;
extern const QString kClashingName;
extern const QString kFilteredCharacters;
}  // namespace FieldDialogText
