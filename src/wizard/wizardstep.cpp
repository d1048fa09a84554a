#include "wizard/wizardstep.h"

#include "chrome/colourspeech.h"
#include "chrome/labelbutton.h"
#include "chrome/placement.h"
#include "store/product.h"
#include "wizard/dialogseams.h"
#include "wizard/stepframe.h"

#include <QLineEdit>

namespace {
// Where every step's frame lies in the window, in twips.
constexpr int kStepLeftTwips = 120;
constexpr int kStepTopTwips = 1160;
constexpr int kStepWidthTwips = 7540;
constexpr int kStepHeightTwips = 3930;
}  // namespace

WizardStep::WizardStep(QWidget *window, const char *frameName, const QString &heading)
    : QObject(window)
    , m_window(window)
    , m_frame(new StepFrame(window))
    , m_heading(heading)
{
    m_frame->setObjectName(QLatin1String(frameName));
    m_frame->setGeometry(twipsToPixels(kStepLeftTwips), twipsToPixels(kStepTopTwips), twipsToPixels(kStepWidthTwips),
                         twipsToPixels(kStepHeightTwips));
    m_frame->setMouseTracking(true);
    m_frame->setAccessibleName(heading);  // a screen reader names the step as focus enters it
    m_frame->hide();
}

void WizardStep::build(const GuestbookProject &project)
{
    if (m_built)
        return;
    m_built = true;
    buildControls();
    fill(project);
}

void WizardStep::linkColourSwatch(LabelButton *swatch, QLineEdit *box, const QString &colours)
{
    const auto speak = [swatch, box, colours] {
        const QString spoken = colours + QStringLiteral(": ") + SpokenColour(box->text());
        box->setAccessibleDescription(spoken);
        swatch->setAccessibleName(spoken);
    };
    speak();
    connect(box, &QLineEdit::textChanged, this, speak);
    connect(swatch, &LabelButton::clicked, this, [this, box] {
        const auto &pick = mainWindowDialogs().pickColor;
        const int value = pick ? pick(*m_window, box->text()) : -1;
        if (value != -1)
            box->setText(ColorToHex(value).toLower());
    });
}
