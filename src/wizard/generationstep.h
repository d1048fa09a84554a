#pragma once

#include "wizard/wizardstep.h"

class LabelButton;
class QLabel;

// Step 5: where the guestbook goes, a link to that folder and the run's status line.
class GenerationStep : public WizardStep
{
    Q_OBJECT

public:
    explicit GenerationStep(QWidget *window);

    // Shows the project's name and the folder its pages go to.
    void showTarget(const QString &projectName, const QString &folder);
    void setStatusVisible(bool visible);
    void setStatusText(const QString &text);

protected:
    void buildControls() override;

private:
    void setLinkLook(bool underPointer);

    QLabel *lblProjectName = nullptr;
    LabelButton *lblGBPath = nullptr;
    QLabel *lblStatus = nullptr;
};
