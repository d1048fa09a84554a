#include "wizard/frmmain.h"

#include "chrome/desktopactions.h"
#include "chrome/formborder.h"
#include "chrome/keyboard.h"
#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "generator/generationrun.h"
#include "store/applog.h"
#include "store/filetests.h"
#include "store/product.h"
#include "store/programfolder.h"
#include "store/projectstore.h"
#include "wizard/backgroundpicture.h"
#include "wizard/dialogseams.h"
#include "wizard/fieldsstep.h"
#include "wizard/fontsstep.h"
#include "wizard/generationstep.h"
#include "wizard/introstep.h"
#include "wizard/titlebodystep.h"
#include "wizard/windowbuttons.h"
#include "wizard/windowposition.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

namespace {

// The window, in twips.
constexpr int kFormWidthTwips = 7755;
constexpr int kFormHeightTwips = 5490;

QString kNextCaption()
{
    return QCoreApplication::translate("frmMain", "Next >>");
}
QString kFinishCaption()
{
    return QCoreApplication::translate("frmMain", "Finish");
}

QString kSaveQuestion()
{
    return QCoreApplication::translate("frmMain", "Would you like to save your guestbook settings first?");
}
QString kSettingsLoaded()
{
    return QCoreApplication::translate("frmMain", "Settings loaded for: ");
}

}  // namespace

frmMain::frmMain(QWidget *parent)
    : QWidget(parent)
    , m_project(GuestbookProject::startupDefaults())
{
    WriteLog(QStringLiteral("Initializing ") + QLatin1String(kApplicationTitle) + QLatin1Char(' ')
             + ApplicationVersion());
    setupUi();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::setupUi()
{
    setAccessibleRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(kApplicationTitle));  // also drawn on the background picture
    setBackground(this, Qt::white);
    setMouseTracking(true);

    Image1 = BackgroundPicture::addTo(this, QSize(twipsToPixels(kFormWidthTwips), twipsToPixels(kFormHeightTwips)));

    lblSteps = new QLabel(tr("Step 1: Introduction"), this);
    lblSteps->setObjectName(QStringLiteral("lblSteps"));
    lblSteps->setTextFormat(Qt::PlainText);
    lblSteps->setFont(verdana(8.25, true));
    lblSteps->setGeometry(58, 46, 380, 18);
    const QList<LabelButton *> pictureButtons = WindowButtons::add(this);

    m_titleBody = new TitleBodyStep(this);
    m_fields = new FieldsStep(this);
    m_generation = new GenerationStep(this);
    auto *fonts = new FontsStep(this);
    m_steps = {new IntroStep(this), m_titleBody, fonts, m_fields, m_generation};
    connect(m_titleBody, &TitleBodyStep::backgroundColorChanged, fonts, &FontsStep::setPageBackground);
    connect(m_titleBody, &TitleBodyStep::titleChanged, this, &frmMain::setProjectName);
    setupWindowButtons(pictureButtons);
    m_fields->setNavigation({lblBack, lblNext});
    step(Step::Introduction)->build(m_project);
}

// The buttons along the bottom of the window, and their hover light.
void frmMain::setupWindowButtons(const QList<LabelButton *> &pictureButtons)
{
    LabelButton *lblLoadExisting =
        WindowButtons::addOpenExisting(this, [this](const QString &title) { openProject(title); });
    lblPreview = WindowButtons::addPreview(this, [this] { return readProject(); });
    lblBack = addLabelButton(this, "lblBack", tr("<< Back"), verdana(9), {322, 343, 90, 20});
    lblBack->setEnabled(false);
    lblNext = addLabelButton(this, "lblNext", kNextCaption(), verdana(9), {421, 343, 90, 20});

    // Back and Next light one at a time; the window and its picture clear both.
    linkHoverGroup({lblBack, lblNext});
    clearHoverOnMove(this, {lblBack, lblNext});
    clearHoverOnMove(Image1, {lblBack, lblNext});
    connect(Image1, &BackgroundPicture::pressed, this, [this](Qt::MouseButton button) { DragForm(this, button); });
    connect(lblBack, &LabelButton::clicked, this, &frmMain::lblBack_Click);
    connect(lblNext, &LabelButton::clicked, this, &frmMain::lblNext_Click);
    // Alt+N and Alt+B press Next and Back from anywhere in the window, as a click does
    // (nothing while the button is disabled); Page Down and Page Up, see keyPressEvent.
    for (const auto &[key, button] : {std::pair{Qt::Key_N, lblNext}, std::pair{Qt::Key_B, lblBack}}) {
        const QKeySequence keys(Qt::ALT | key);
        connect(new QShortcut(keys, this), &QShortcut::activated, button, &LabelButton::click);
        button->setShortcutText(keys.toString(QKeySequence::NativeText));
    }
    m_windowButtons = {lblBack, lblNext, lblLoadExisting, lblPreview};
    for (LabelButton *button : pictureButtons)
        m_windowButtons.append(button);
}

void frmMain::Form_Load()
{
    m_border = new CFormBorder(this);
    m_border->setClient(this);
    m_border->setShowInTaskbar(true);
    m_border->setTitlebar(false);

    setFixedSize(twipsToPixels(kFormWidthTwips), twipsToPixels(kFormHeightTwips));

    WriteLog(QStringLiteral("Loading position"));
    WindowPosition::restore(this);

    WriteLog(QStringLiteral("Loading default mode"));
    DoMode(Step::Introduction);
    WriteLog(QStringLiteral("Mode loaded, continuing main application execution"));
    m_projectName = m_project.Project_Title;

    // The font list and the field list are made when their steps are first shown.
    WriteLog(QStringLiteral("Loading fonts"));
    WriteLog(QStringLiteral("Initializing listview"));

    WriteLog(QStringLiteral("Checking existance of projects folder"));
    const QString projects = ProgramFolder::path() + ProgramFolder::separator() + QStringLiteral("projects");
    if (!FolderExists(projects)) {
        WriteLog(QStringLiteral("Projects folder does not exist, ") + QLatin1String(kApplicationTitle)
                 + QStringLiteral(" will now create it"));
        QDir().mkdir(projects);
    }
    markSaved(readProject());  // the design as started: closing at once asks nothing
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Cancel keeps the window open with the design as it is. A save that fails is
    // shown once, and the window closes all the same.
    std::optional<WriteResult> saved = Form_QueryUnload();
    if (!saved) {
        event->ignore();
        return;
    }
    WriteLog(QStringLiteral("Saving position"));
    const WriteResult position = WindowPosition::save(this);
    if (saved->succeeded())
        saved = position;
    showWriteError(*saved);
    event->accept();
}

// Page Down and Page Up reach the window only when the focused control leaves them
// alone (the field list and the combo boxes move through their entries with them):
// they then press Next and Back.
void frmMain::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_PageDown)
        lblNext->click();
    else if (plain && event->key() == Qt::Key_PageUp)
        lblBack->click();
    else
        QWidget::keyPressEvent(event);
}

void frmMain::showWriteError(const WriteResult &result)
{
    if (!result.succeeded())
        MessagePrompt::failure(this, result.errorText);
}

std::optional<WriteResult> frmMain::Form_QueryUnload()
{
    WriteLog(QStringLiteral("Initializing ") + QLatin1String(kApplicationTitle)
             + QStringLiteral(" shutdown procedure"));
    if (!hasUnsavedChanges())
        return WriteResult{};
    const MessagePrompt::Answer answer =
        MessagePrompt::ask(this, kSaveQuestion(), MessagePrompt::Icon::Question, MessagePrompt::Buttons::YesNoCancel);
    if (answer == MessagePrompt::Answer::Cancel)
        return std::nullopt;
    if (answer == MessagePrompt::Answer::No)
        return WriteResult{};
    WriteLog(QStringLiteral("User wishes to save settings first"));
    const WriteResult saved = saveProject();
    if (saved.succeeded())
        WriteLog(QStringLiteral("Settings saved"));
    return saved;
}

// Saves the live design under its name; once saved it is the design closing compares with.
WriteResult frmMain::saveProject()
{
    const GuestbookProject project = readProject();
    const WriteResult saved = SaveProject(m_projectName, project);
    if (saved.succeeded())
        markSaved(project);
    return saved;
}

void frmMain::markSaved(const GuestbookProject &project)
{
    m_savedProject = project;
    m_savedName = m_projectName;
}

bool frmMain::hasUnsavedChanges() const
{
    // A generation run writes the name with "_" for spaces: the same section.
    return SpacesToUnderscores(m_projectName) != SpacesToUnderscores(m_savedName) || !(readProject() == m_savedProject);
}

WizardStep *frmMain::step(Step which) const
{
    return m_steps[size_t(int(which) - int(kFirstStep))];
}

void frmMain::DoMode(Step valOpt)
{
    if (valOpt < kFirstStep || valOpt > kLastStep)
        return;
    const GuestbookProject project = readProject();
    for (Step earlier = kFirstStep; valOpt == kLastStep && earlier < kLastStep; earlier = earlier + 1) {
        const QString problem = step(earlier)->validate(project);
        if (!problem.isEmpty()) {
            MessagePrompt::error(this, problem);
            DoMode(earlier);
            return;
        }
    }
    m_currentMode = valOpt;
    lblBack->setEnabled(valOpt != kFirstStep);
    lblPreview->setVisible(valOpt != kFirstStep);
    step(valOpt)->build(m_project);
    // The focus goes to the new step before the old one hides: hiding the control that
    // has it would first hand it to Back, and a screen reader would say so. Where the new
    // step takes no focus (a mouse user), a control of the old one hands it to Next.
    step(valOpt)->frame()->show();
    lblSteps->setText(step(valOpt)->heading());  // the label tells screen readers its name changed
    focusStep(step(valOpt));
    for (WizardStep *other : m_steps) {
        QFrame *frame = other->frame();
        if (other == step(valOpt) || frame->isHidden())
            continue;
        if (frame->isAncestorOf(focusWidget()))
            lblNext->setFocus();
        frame->hide();
    }
    if (valOpt == Step::Generation) {
        m_generation->showTarget(m_projectName, project.Project_Path + SpacesToUnderscores(m_projectName));
        setNextFinishes(true);
    }
}

// Tab runs through the step's controls, then Back, Next, Open Existing, Preview and
// the picture buttons. For a keyboard user the step's first control gets the focus
// (Next when it has none); a mouse user sees no focus move. The step itself may then
// put the focus elsewhere.
void frmMain::focusStep(WizardStep *shownStep)
{
    const QList<QWidget *> controls = tabStopsInReadingOrder(shownStep->frame());
    chainTabOrder(controls + m_windowButtons);
    if (keyboardInUse() || controls.isEmpty())
        (controls.isEmpty() ? lblNext : controls.first())->setFocus();
    shownStep->shown();
}

void frmMain::setNextFinishes(bool finishes)
{
    m_nextFinishes = finishes;
    lblNext->setText(finishes ? kFinishCaption() : kNextCaption());
}

void frmMain::lblNext_Click()
{
    if (!m_nextFinishes) {
        DoMode(m_currentMode + 1);
        return;
    }
    lblBack->setEnabled(false);
    const GuestbookProject project = readProject();
    if (const WriteResult saved = saveProject(); !saved.succeeded()) {
        // Nothing is generated from a design that was not saved; the user can try again.
        showWriteError(saved);
        lblBack->setEnabled(true);
        return;
    }
    const GenerationOutcome outcome = GenerateGuestbook(m_projectName, project, *this);
    if (!outcome.succeeded) {
        // The run stopped before its completion: stay on the last step so the
        // user can mend the path and press Finish again; the status is over.
        setStatusVisible(false);
        MessagePrompt::failure(this, outcome.message());
        lblBack->setEnabled(true);
        return;
    }
    setNextFinishes(false);
}

void frmMain::lblBack_Click()
{
    if (m_currentMode == kLastStep)
        setNextFinishes(false);
    if (m_currentMode != kFirstStep)
        DoMode(m_currentMode - 1);
}

void frmMain::setStatusVisible(bool visible)
{
    m_generation->build(m_project);
    m_generation->setStatusVisible(visible);
}

void frmMain::setStatusText(const UserText &text)
{
    m_generation->build(m_project);
    m_generation->setStatusText(text);
}

void frmMain::generationFinished(const QString &folder)
{
    m_generation->showGenerated();
    DoMode(Step::TitleBody);
    setStatusVisible(false);
    if (MessagePrompt::show(this, tr(kViewFilesQuestion), MessagePrompt::Icon::Information,
                            MessagePrompt::Buttons::YesNo))
        DesktopActions::open(folder, this);
}

GuestbookProject frmMain::readProject() const
{
    GuestbookProject p = m_project;
    for (const WizardStep *each : m_steps) {
        if (each->isBuilt())
            each->writeBack(p);
    }
    return p;
}

void frmMain::showProject(const GuestbookProject &p)
{
    m_project = p;
    for (WizardStep *each : m_steps) {
        if (each->isBuilt())
            each->fill(p);
    }
}

void frmMain::LoadProject(const QString &name)
{
    showProject(::LoadProject(name));
    m_projectName = name;
    markSaved(readProject());
}

// A project chosen in the project browser: loaded, shown from step 2, and confirmed.
void frmMain::openProject(const QString &name)
{
    LoadProject(name);
    DoMode(Step::TitleBody);
    MessagePrompt::inform(this, kSettingsLoaded() + readProject().Project_Title);
}
