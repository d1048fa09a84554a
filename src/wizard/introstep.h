#pragma once

#include "wizard/wizardstep.h"

// Step 1: the welcome texts and the note on the web server the pages need.
class IntroStep : public WizardStep
{
    Q_OBJECT

public:
    explicit IntroStep(QWidget *window);

protected:
    void buildControls() override;
};
