#include "wizard/titlebodystep.h"

#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/pictures.h"
#include "chrome/widgetbits.h"
#include "store/pagechoices.h"
#include "store/projectstore.h"
#include "wizard/dialogseams.h"
#include "wizard/folderbrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

QString kBrowsePrompt()
{
    return QCoreApplication::translate("TitleBodyStep", "Select a folder to save your guestbook to");
}
QString modernStyleCaption()
{
    return QCoreApplication::translate("TitleBodyStep", "Modern, fits phones and screen readers");
}

QFont sansSerif(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// A choice list whose entries carry the stored values.
QComboBox *addChoices(QWidget *parent, const char *name, const QString &caption,
                      const QList<QPair<QString, QString>> &choices, int top)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setFont(verdana(8.25));
    for (const auto &[shown, stored] : choices)
        combo->addItem(shown, stored);
    combo->setGeometry(155, top, 335, 22);
    addText(parent, caption, {12, top + 3, 140, 16})->setBuddy(combo);
    return combo;
}

}  // namespace

TitleBodyStep::TitleBodyStep(QWidget *window)
    : WizardStep(window, "frStep1", tr("Step 2: Title, body and tables"))
{
}

void TitleBodyStep::buildControls()
{
    addText(frame(), tr("This step allows you to set the title and fonts for your guestbook."), {12, 10, 479, 16});
    buildTitleRows();
    buildBodyRows();
    buildPageRows();
}

void TitleBodyStep::buildTitleRows()
{
    QFrame *f = frame();
    QLabel *caption = addText(f, tr("Guestbook Title:"), {12, 40, 110, 16});
    txtTitle = addTextBox(f, "txtTitle", QString(), {125, 37, 330, 21});
    caption->setBuddy(txtTitle);
    txtTitle->setReadOnly(true);
    lblTitle = addLabelButton(f, "lblTitle", QStringLiteral("..."), sansSerif(9.75), {460, 37, 30, 21});
    lblTitle->setToolTip(tr("Change project title"));
    lblTitle->setAccessibleName(lblTitle->toolTip());

    caption = addText(f, tr("Save to:"), {12, 68, 110, 16});
    txtSaveTo = addTextBox(f, "txtSaveTo", QString(), {125, 65, 330, 21});
    caption->setBuddy(txtSaveTo);
    txtSaveTo->setReadOnly(true);
    lblBrowse = addLabelButton(f, "lblBrowse", QStringLiteral("..."), sansSerif(9.75), {460, 65, 30, 21});
    lblBrowse->setToolTip(tr("Change project 'Save To' path"));
    lblBrowse->setAccessibleName(lblBrowse->toolTip());

    // The two "..." buttons light one at a time; the frame around them clears both.
    linkHoverGroup({lblTitle, lblBrowse});
    clearHoverOnMove(f, {lblTitle, lblBrowse});
    connect(lblTitle, &LabelButton::clicked, this, &TitleBodyStep::lblTitle_Click);
    connect(lblBrowse, &LabelButton::clicked, this, &TitleBodyStep::lblBrowse_Click);
}

void TitleBodyStep::buildBodyRows()
{
    QFrame *f = frame();
    addHeading(f, tr("Main body"), {12, 104, 200, 16});
    txtBGImage = addTextBox(f, "txtBGImage", QString(), {125, 128, 120, 21});
    addText(f, tr("Background Image:"), {12, 131, 110, 16})->setBuddy(txtBGImage);
    txtBGColor = addTextBox(f, "txtBGColor", QString(), {125, 156, 90, 21});
    addText(f, tr("Background Color:"), {12, 159, 110, 16})->setBuddy(txtBGColor);
    LabelButton *imgBGcolor =
        addPictureButton(f, "imgBGcolor", tr("Background colour"), Pictures::palette(16), {222, 158, 16, 16});

    QStringList widths;
    for (int percent = 10; percent <= 100; percent += 5)
        widths << QStringLiteral("%1%").arg(percent);
    cbotblWidth = addCombo(f, "cbotblWidth", widths, QString(), {375, 127, 80, 22});
    addText(f, tr("Table width:"), {275, 131, 95, 16})->setBuddy(cbotblWidth);
    chkBorder = new QCheckBox(tr("No"), f);
    addText(f, tr("Table border:"), {275, 159, 95, 16})->setBuddy(chkBorder);
    chkBorder->setObjectName(QStringLiteral("chkBorder"));
    chkBorder->setAccessibleName(tr("Table border"));  // its caption is only No or Yes
    chkBorder->setFont(verdana(8.25));
    chkBorder->setCursor(Qt::PointingHandCursor);
    chkBorder->setGeometry(375, 156, 80, 21);
    cbotblBorder = addCombo(f, "cbotblBorder", {"1", "2", "3", "4", "5"}, QString(), {375, 183, 80, 22});
    addText(f, tr("Border width:"), {275, 187, 95, 16})->setBuddy(cbotblBorder);

    connect(chkBorder, &QCheckBox::stateChanged, this, &TitleBodyStep::chkBorder_Click);
    linkColourSwatch(imgBGcolor, txtBGColor, tr("Background colour"));
    connect(txtBGColor, &QLineEdit::textChanged, this, &TitleBodyStep::backgroundColorChanged);
}

void TitleBodyStep::buildPageRows()
{
    cboPageStyle = addChoices(frame(), "cboPageStyle", tr("Page st&yle:"),
                              {{tr("Classic"), kClassicPageStyle}, {modernStyleCaption(), kModernPageStyle}}, 211);
    QList<QPair<QString, QString>> languages;
    for (const PageLanguage &language : PageLanguages()) {
        const bool sameName = language.ownName == language.englishName;
        languages.append({sameName ? language.englishName
                                   : language.englishName + QStringLiteral(" (") + language.ownName + QLatin1Char(')'),
                          language.code});
    }
    cboPageLanguage = addChoices(frame(), "cboPageLanguage", tr("&Language of the pages:"), languages, 237);
}

const QList<StepValue> &TitleBodyStep::values() const
{
    using P = GuestbookProject;
    using K = ControlKind;
    static const QList<StepValue> values{
        {"txtTitle", K::TextBox, &P::Project_Title},
        {"txtSaveTo", K::TextBox, &P::Project_Path},
        {"txtBGImage", K::TextBox, &P::BG_Image},
        {"txtBGColor", K::TextBox, &P::BG_Color},
        {"cbotblWidth", K::ComboBox, &P::TBL_Width},
        {"chkBorder", K::CheckBox, nullptr, &P::TBL_Border},
        {"cbotblBorder", K::ComboBox, &P::TBL_Border_Width},
        {"cboPageStyle", K::Choice, &P::Page_Style},
        {"cboPageLanguage", K::Choice, &P::Page_Language},
    };
    return values;
}

void TitleBodyStep::fill(const GuestbookProject &p)
{
    WizardStep::fill(p);
    chkBorder_Click();
}

void TitleBodyStep::shown()
{
    txtBGColor->setFocus();
}

void TitleBodyStep::chkBorder_Click()
{
    if (chkBorder->checkState() == Qt::Checked) {
        chkBorder->setText(tr("Yes"));
    } else {
        chkBorder->setText(tr("No"));
        chkBorder->setCheckState(Qt::Unchecked);
    }
}

void TitleBodyStep::lblTitle_Click()
{
    const auto &ask = mainWindowDialogs().askTitle;
    const std::optional<QString> title = ask ? ask(*window(), txtTitle->text()) : std::nullopt;
    if (!title)
        return;
    txtTitle->setText(*title);
    emit titleChanged(*title);
    saveLocation();
}

void TitleBodyStep::lblBrowse_Click()
{
    const QString folder = BrowseForFolder(window(), kBrowsePrompt(), txtSaveTo->text());
    if (folder.isEmpty())
        return;
    txtSaveTo->setText(folder);
    saveLocation();
}

// The title and the folder are kept together in the project's section. The step
// keeps what the user chose even when it cannot be stored; the user is told.
void TitleBodyStep::saveLocation()
{
    const WriteResult saved = SaveProjectLocation(txtTitle->text(), txtSaveTo->text());
    if (!saved.succeeded())
        MessagePrompt::failure(window(), saved.errorText);
}
