#pragma once

#include "wizard/wizardstep.h"

class LabelButton;
class QCheckBox;
class QComboBox;

// Step 2: the project's title and save folder, the page background and the form table.
class TitleBodyStep : public WizardStep
{
    Q_OBJECT

public:
    explicit TitleBodyStep(QWidget *window);

    const QList<StepValue> &values() const override;
    void fill(const GuestbookProject &p) override;
    void shown() override;

signals:
    // The user gave the project a new title.
    void titleChanged(const QString &title);
    // The page background colour as its box holds it.
    void backgroundColorChanged(const QString &colour);

protected:
    void buildControls() override;

private:
    void buildTitleRows();
    void buildBodyRows();
    void buildPageRows();
    void chkBorder_Click();
    void lblTitle_Click();
    void lblBrowse_Click();
    void saveLocation();

    QLineEdit *txtTitle = nullptr;
    LabelButton *lblTitle = nullptr;
    QLineEdit *txtSaveTo = nullptr;
    LabelButton *lblBrowse = nullptr;
    QLineEdit *txtBGImage = nullptr;
    QLineEdit *txtBGColor = nullptr;
    QComboBox *cbotblWidth = nullptr;
    QCheckBox *chkBorder = nullptr;
    QComboBox *cbotblBorder = nullptr;
    QComboBox *cboPageStyle = nullptr;
    QComboBox *cboPageLanguage = nullptr;
};
