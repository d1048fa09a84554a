#pragma once

#include "generator/generationhost.h"
#include "store/atomicfile.h"
#include "store/guestbookproject.h"
#include "wizard/wizardstep.h"

#include <QWidget>

#include <array>
#include <optional>

class BackgroundPicture;
class CFormBorder;
class FieldsStep;
class GenerationStep;
class LabelButton;
class QLabel;
class TitleBodyStep;

// The main window: a five-step wizard that holds the live project in its
// steps, saves it and has the guestbook generated.
class frmMain : public QWidget, public GenerationHost
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Shows step valOpt; a value outside the steps changes nothing.
    void DoMode(Step valOpt);
    Step CurrentMode() const { return m_currentMode; }

    QString ProjectName() const { return m_projectName; }
    void setProjectName(const QString &name) { m_projectName = name; }

    // The live project as the steps hold it at this moment.
    GuestbookProject readProject() const;
    // Puts a whole project into the steps.
    void showProject(const GuestbookProject &p);
    // Replaces the live project with the one saved under name.
    void LoadProject(const QString &name);
    // Loads a project the user chose, shows step 2 and says so.
    void openProject(const QString &name);

    // GenerationHost: what a generation run sees of the window.
    void setStatusVisible(bool visible) override;
    void setStatusText(const UserText &text) override;
    // Shows the second step and offers to open the folder.
    void generationFinished(const QString &folder) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupUi();
    void setupWindowButtons(const QList<LabelButton *> &pictureButtons);
    void Form_Load();
    // Asks to save a changed design: nothing when the user cancels the closing.
    std::optional<WriteResult> Form_QueryUnload();
    WriteResult saveProject();
    void markSaved(const GuestbookProject &project);
    // The design or its name differ from what was last saved or loaded.
    bool hasUnsavedChanges() const;
    void showWriteError(const WriteResult &result);
    WizardStep *step(Step which) const;
    void setNextFinishes(bool finishes);
    void focusStep(WizardStep *shownStep);

    void lblNext_Click();
    void lblBack_Click();

    Step m_currentMode = Step(0);  // none until the window is loaded
    bool m_nextFinishes = false;  // Next reads "Finish" and runs the generation
    QString m_projectName;
    // The design as last saved or loaded, and its name.
    GuestbookProject m_savedProject;
    QString m_savedName;
    // The values of the steps not built yet; built steps hold their own.
    GuestbookProject m_project;
    CFormBorder *m_border = nullptr;

    BackgroundPicture *Image1 = nullptr;
    QLabel *lblSteps = nullptr;
    LabelButton *lblBack = nullptr;
    LabelButton *lblNext = nullptr;
    LabelButton *lblPreview = nullptr;
    TitleBodyStep *m_titleBody = nullptr;
    FieldsStep *m_fields = nullptr;
    GenerationStep *m_generation = nullptr;
    std::array<WizardStep *, kStepCount> m_steps{};
    // Back, Next, Open Existing, Preview, About, Help, Exit: the end of every step's Tab order.
    QList<QWidget *> m_windowButtons;
};
