#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;

// The project title dialog: shows the current title and takes a new one, which
// goes into the title box and the project name and is written to the settings file.
class frmEdit : public QDialog
{
    Q_OBJECT
public:
    // txtTitle and txtSaveTo: the main window's title and save-folder boxes.
    // setProjectName: stores the name under which the project is saved.
    frmEdit(QLineEdit *txtTitle, const QLineEdit *txtSaveTo, std::function<void(const QString &)> setProjectName,
            QWidget *owner);

    static constexpr int kMaxTitleLength = 50;

private:
    void lblOK_Click();

    QLineEdit *m_title;
    const QLineEdit *m_saveTo;
    std::function<void(const QString &)> m_setProjectName;
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
