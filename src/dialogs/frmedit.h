#pragma once

#include <QDialog>

class QLineEdit;

// The project title dialog: shows the current title and takes a new one, which
// it accepts only when IsAcceptableTitle says so.
class frmEdit : public QDialog
{
    Q_OBJECT
public:
    frmEdit(const QString &currentTitle, QWidget *owner);

    // The title typed, once the dialog was accepted.
    QString newTitle() const;

    static constexpr int kMaxTitleLength = 50;

private:
    void lblOK_Click();

    QLineEdit *txtOld;
    QLineEdit *txtNew;
};

// True when a project saved under title comes back from the recent list as the
// same project: at least two characters, no "," (it separates the recent list),
// no "_" (it stands for a space there), nothing the settings file cannot hold, and
// not another saved project's name apart from capitals or spaces at its ends (the
// settings file would keep both in one section).
bool IsAcceptableTitle(const QString &title);

namespace TitleDialogText {
extern const QString kInvalidTitle;
}
