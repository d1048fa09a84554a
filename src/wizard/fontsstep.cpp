#include "wizard/fontsstep.h"

#include "chrome/fontfamilies.h"
#include "chrome/labelbutton.h"
#include "chrome/pictures.h"
#include "chrome/widgetbits.h"
#include "generator/modernpages.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {
// What a control of a group is for, as a screen reader says it: "Link font under the pointer".
QString meaning(const char *subject, const char *where, const char *what)
{
    return QLatin1String(subject) + QLatin1Char(' ') + QLatin1String(what) + QLatin1String(where);
}
}  // namespace

FontsStep::FontsStep(QWidget *window)
    : WizardStep(window, "frStep2", tr("Step 3: Fonts and links"))
{
}

void FontsStep::buildControls()
{
    addText(frame(), tr("This step allows you to set the font settings that will be used for your guestbook."),
            {12, 10, 479, 30});
    m_main = addGroup({"txtFColor", "imgFColor", "cboFont", "cboPX", "Text", ""}, {12, 40});
    addHeading(frame(), tr("Hyperlinks"), {12, 128, 200, 16});
    addHeading(frame(), tr("Default/Mouse Out"), {12, 150, 200, 16});
    m_link = addGroup({"txtHColor", "imgHColor", "cboHFont", "cboHPX", "Link", ""}, {12, 170});
    addHeading(frame(), tr("Mouse Over"), {258, 150, 200, 16});
    m_linkHover =
        addGroup({"txtHMColor", "imgHMColor", "cboHMFont", "cboHMPX", "Link", " under the pointer"}, {258, 170});
    loadFonts();
    // A warning only: the user may want those colours all the same.
    lblContrast = addText(frame(), QString(), {258, 40, 232, 78}, "lblContrast");
    lblContrast->setWordWrap(true);
    connect(m_main.colour, &QLineEdit::textChanged, this, &FontsStep::showContrast);
    showContrast();
}

void FontsStep::setPageBackground(const QString &colour)
{
    m_background = colour;
    showContrast();
}

// Says when the text colour on the background is harder to read than the web's
// accessibility guidelines allow (4.5:1); rounded down, so 4.48 does not show as 4.5.
void FontsStep::showContrast()
{
    if (!lblContrast)
        return;
    const double ratio = ContrastRatio(m_main.colour->text(), m_background);
    const bool hard = ratio > 0 && ratio < kLeastReadableContrast;
    lblContrast->setText(hard ? tr("Hard to read: the text colour on the background colour has a contrast "
                                   "of %1:1; at least 4.5:1 is advised.")
                                    .arg(std::floor(ratio * 10) / 10, 0, 'f', 1)
                              : QString());
    lblContrast->setVisible(hard);
}

FontsStep::Group FontsStep::addGroup(const GroupNames &names, QPoint at)
{
    static const QStringList sizes = [] {
        QStringList list;
        for (int size = 9; size <= 20; ++size)
            list << QString::number(size);
        return list;
    }();
    QFrame *f = frame();
    const int left = at.x();
    const int top = at.y();
    Group g;
    g.colour = addTextBox(f, names.colour, QString(), {left + 80, top, 80, 21});
    addText(f, tr("Font Color:"), {left, top + 3, 78, 16})->setBuddy(g.colour);
    LabelButton *button = addPictureButton(f, names.button, meaning(names.subject, names.where, "colour"),
                                           Pictures::palette(16), {left + 166, top + 2, 16, 16});
    g.face = addCombo(f, names.face, {}, QString(), {left + 80, top + 27, 150, 22});
    addText(f, tr("Font Face:"), {left, top + 31, 78, 16})->setBuddy(g.face);
    g.size = addCombo(f, names.size, sizes, QString(), {left + 80, top + 55, 60, 22});
    addText(f, tr("Font Size:"), {left, top + 59, 78, 16})->setBuddy(g.size);
    // The three groups share their captions; the description tells them apart.
    g.face->setAccessibleDescription(meaning(names.subject, names.where, "font"));
    g.size->setAccessibleDescription(meaning(names.subject, names.where, "font size"));
    linkColourSwatch(button, g.colour, meaning(names.subject, names.where, "colour"));
    return g;
}

// The web-safe and installed font families go into the three face lists.
void FontsStep::loadFonts()
{
    const QStringList families = OfferedFontFamilies(QFontDatabase::families(), IsSymbolFont);
    for (QComboBox *combo : {m_main.face, m_link.face, m_linkHover.face})
        combo->addItems(families);
}

const QList<StepValue> &FontsStep::values() const
{
    using P = GuestbookProject;
    using K = ControlKind;
    static const QList<StepValue> values{
        {"txtFColor", K::TextBox, &P::M_FColor},   {"cboFont", K::ComboBox, &P::M_FFace},
        {"cboPX", K::ComboBox, &P::M_FSize},       {"txtHColor", K::TextBox, &P::H_FColor},
        {"cboHFont", K::ComboBox, &P::H_FFace},    {"cboHPX", K::ComboBox, &P::H_FSize},
        {"txtHMColor", K::TextBox, &P::HM_FColor}, {"cboHMFont", K::ComboBox, &P::HM_FFace},
        {"cboHMPX", K::ComboBox, &P::HM_FSize},
    };
    return values;
}
