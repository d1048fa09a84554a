#pragma once

#include "wizard/wizardstep.h"

class QComboBox;
class QLabel;

// Step 3: colour, face and size of the main text, of links and of a link under the pointer.
class FontsStep : public WizardStep
{
    Q_OBJECT

public:
    explicit FontsStep(QWidget *window);

    const QList<StepValue> &values() const override;
    // The page's background colour as step 2 holds it, against which the text's colour is read.
    void setPageBackground(const QString &colour);

protected:
    void buildControls() override;

private:
    // One group of three rows: colour box and its button, font face, font size.
    struct Group {
        QLineEdit *colour = nullptr;
        QComboBox *face = nullptr;
        QComboBox *size = nullptr;
    };
    // The controls' object names, and what the group is for, as screen readers say it:
    // "<subject> colour<where>", "<subject> font<where>", "<subject> font size<where>".
    struct GroupNames {
        const char *colour;
        const char *button;
        const char *face;
        const char *size;
        const char *subject;
        const char *where;
    };
    Group addGroup(const GroupNames &names, QPoint at);
    void loadFonts();
    void showContrast();

    Group m_main;  // txtFColor, cboFont, cboPX
    Group m_link;  // txtHColor, cboHFont, cboHPX
    Group m_linkHover;  // txtHMColor, cboHMFont, cboHMPX
    QLabel *lblContrast = nullptr;
    QString m_background;
};
