#pragma once

#include <QDialog>

class QLineEdit;

// The project title dialog: shows the current title and takes a new one, which
// it accepts only when TitleProblem finds none, and names the problem otherwise.
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
