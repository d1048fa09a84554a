#pragma once

#include "store/usertext.h"
#include "wizard/wizardstep.h"

class LabelButton;
class QLabel;

// Step 5: where the guestbook goes, a link to that folder and the run's status line.
class GenerationStep : public WizardStep
{
    Q_OBJECT

public:
    explicit GenerationStep(QWidget *window);

    // Shows the project's name and the folder its pages go to; Publish works once that folder holds the pages.
    void showTarget(const QString &projectName, const QString &folder);
    // After a generation run: what the web server must allow, and the owner page.
    void showGenerated();
    void setStatusVisible(bool visible);
    void setStatusText(const UserText &text);

    // The protection and publishing values: kept here from the project and changed in their dialogs.
    const QList<StepValue> &values() const override;
    void fill(const GuestbookProject &project) override;
    void writeBack(GuestbookProject &project) const override;

protected:
    void buildControls() override;

private:
    void setLinkLook(bool underPointer);
    void editProtection();
    void lblPublish_Click();
    void showSiteAddresses();

    GuestbookProject m_protection;
    QLabel *lblProtectionState = nullptr;
    QLabel *lblServerNeeds = nullptr;
    QLabel *lblSiteAddresses = nullptr;

    QLabel *lblProjectName = nullptr;
    LabelButton *lblGBPath = nullptr;
    QLabel *lblStatus = nullptr;
    LabelButton *lblPublish = nullptr;
    QString m_projectName;
};
