#include "wizard/frmmain.h"

#include "chrome/desktopactions.h"
#include "chrome/formborder.h"
#include "chrome/labelbutton.h"
#include "chrome/messageprompt.h"
#include "chrome/pictures.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/colortohex.h"
#include "generator/generationrun.h"
#include "generator/pageframe.h"
#include "store/applog.h"
#include "store/filetests.h"
#include "store/programfolder.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"
#include "wizard/backgroundpicture.h"
#include "wizard/dialogseams.h"
#include "wizard/folderbrowser.h"
#include "wizard/stepframe.h"
#include "wizard/wizardflags.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <optional>

namespace {

// Window and frame geometry, in twips.
constexpr int kFormWidthTwips = 7755;
constexpr int kFormHeightTwips = 5490;
constexpr int kPictureWidthTwips = 7770;
constexpr int kPictureHeightTwips = 5505;
constexpr int kStepLeftTwips = 120;
constexpr int kStepTopTwips = 1160;
constexpr int kStepWidthTwips = 7540;
constexpr int kStepHeightTwips = 3930;
constexpr int kFieldListWidthTwips = 7335;
constexpr int kFieldColumnTwips = 1000;        // Field Type, Rows, Cols
constexpr int kFieldNameSpareTwips = 3050;     // the list's width less this is Field Name

int pixels(int twips)
{
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

const QString kNextCaption = QStringLiteral("Next >>");
const QString kFinishCaption = QStringLiteral("Finish");
const QString kBackCaption = QStringLiteral("<< Back");
const QString kDefaultTitle = QStringLiteral("My Guestbook");

const QString kStepHeadings[] = {
    QStringLiteral("Step 1: Introduction"),
    QStringLiteral("Step 2: Title, body and tables"),
    QStringLiteral("Step 3: Fonts and links"),
    QStringLiteral("Step 4: Fields"),
    QStringLiteral("Step 5: Guestbook Generation"),
};

const QString kIntroTexts[] = {
    QStringLiteral("Welcome to Quillset!. This program was created with the intention of making things easier "
                   "for those wishing to have a guestbook for their website, but do not posess the knowledge "
                   "required to create such."),
    QStringLiteral("Quillset allows you to not only create your own guestbook, but design it aswell!, better "
                   "still, you do not need to know ANY HTML or ASP. All you need to use this program, is to know "
                   "how to use a mouse and keyboard."),
    QStringLiteral("Once you click Next, Quillset will begin the wizard that will help you design and create "
                   "your very own guestbook."),
    QStringLiteral("Click 'Next >>' to begin creating your guestbook."),
};
const QString kServerNote = QStringLiteral(
    "Note: To use guestbooks created with this program, you MUST have an ASP capable web server (e.g. Internet "
    "Information Services), and have sufficient permissions to use the FileSystemObject (provided by Microsoft "
    "Windows Script).");

const QString kNoFieldsError = QStringLiteral("Error: You must specify atleast one field");
const QString kSaveQuestion = QStringLiteral("Would you like to save your guestbook settings first?");
const QString kNoProjectsMessage = QStringLiteral("No projects to load");
const QString kNoHelpQuestion =
    QStringLiteral("Help files not present.\r\n\r\nWould you like to visit the online documentation?");
const QString kBrowsePrompt = QStringLiteral("Select a folder to save your guestbook to");
const QString kHelpFileName = QStringLiteral("help.chm");

const QColor kLightGrey(224, 224, 224);
const QColor kBackground(Qt::white);
const QColor kLinkBlue(0, 0, 255);

QFont sansSerif(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QLabel *addText(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(verdana(8.25));
    label->setGeometry(geometry);
    return label;
}

QLabel *addHeading(QWidget *parent, const QString &text, const QRect &geometry)
{
    QLabel *label = addText(parent, text, geometry);
    label->setFont(verdana(8.25, true));
    return label;
}

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit *addTextBox(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *box = named(new QLineEdit(text, parent), name);
    box->setFont(verdana(8.25));
    box->setGeometry(geometry);
    return box;
}

QComboBox *addCombo(QWidget *parent, const char *name, const QStringList &choices, const QString &text,
                    const QRect &geometry)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFont(verdana(8.25));
    combo->addItems(choices);
    combo->setEditText(text);
    combo->setGeometry(geometry);
    return combo;
}

ClickLabel *addPictureButton(QWidget *parent, const char *name, const QPixmap &picture, const QRect &geometry)
{
    auto *button = named(new ClickLabel(parent), name);
    button->setPixmap(picture);
    button->setGeometry(geometry);
    return button;
}

// A label button over its rectangle, both at the same place.
ClickLabel *addLabelButton(QWidget *parent, const char *labelName, const char *shapeName, HoverShape **shape,
                           const QString &caption, const QFont &font, const QRect &geometry)
{
    *shape = named(new HoverShape(parent), shapeName);
    (*shape)->setGeometry(geometry);
    (*shape)->setAttribute(Qt::WA_TransparentForMouseEvents);
    ClickLabel *label = makeLabelButton(QLatin1String(labelName), caption, font, parent);
    label->setGeometry(geometry);
    return label;
}

QFrame *addStepFrame(QWidget *parent, const char *name)
{
    auto *frame = named(new StepFrame(parent), name);
    frame->setGeometry(pixels(kStepLeftTwips), pixels(kStepTopTwips), pixels(kStepWidthTwips),
                       pixels(kStepHeightTwips));
    frame->setMouseTracking(true);
    return frame;
}

// A saved coordinate in twips: a number, rounded to the nearest whole number
// with a half to the even neighbour. Anything else counts as not saved.
std::optional<int> savedTwips(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (std::fabs(rounded) > double(std::numeric_limits<int>::max() / 2))
        return std::nullopt;
    return int(rounded);
}

bool onSomeScreen(const QRect &window)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->geometry().intersects(window))
            return true;
    }
    return false;
}

}  // namespace

frmMain::frmMain(QWidget *parent)
    : QWidget(parent)
{
    Form_Initialize();
    setupUi();
    Form_Load();
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------------------
// Layout

void frmMain::setupUi()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(kApplicationTitle));
    setBackground(this, Qt::white);
    setMouseTracking(true);

    Image1 = named(new BackgroundPicture(this), "Image1");
    Image1->setGeometry(0, 0, pixels(kPictureWidthTwips), pixels(kPictureHeightTwips));

    Shape1 = named(new QFrame(this), "Shape1");
    Shape1->setGeometry(0, 0, pixels(kFormWidthTwips), pixels(kFormHeightTwips));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette outline = Shape1->palette();
    outline.setColor(QPalette::WindowText, QColor(96, 110, 140));
    Shape1->setPalette(outline);

    lblSteps = named(new QLabel(kStepHeadings[0], this), "lblSteps");
    lblSteps->setTextFormat(Qt::PlainText);
    lblSteps->setFont(verdana(8.25, true));
    lblSteps->setGeometry(58, 46, 380, 18);

    imgAbout = addPictureButton(this, "imgAbout", Pictures::roundButton(Pictures::Button::About, 20), {437, 10, 20, 20});
    imgAbout->setToolTip(QStringLiteral("About"));
    imgHelp = addPictureButton(this, "imgHelp", Pictures::roundButton(Pictures::Button::Help, 20), {462, 10, 20, 20});
    imgHelp->setToolTip(QStringLiteral("Help"));
    imgExit = addPictureButton(this, "imgExit", Pictures::roundButton(Pictures::Button::Exit, 20), {487, 10, 20, 20});
    imgExit->setToolTip(QStringLiteral("Exit"));

    frMain = addStepFrame(this, "frMain");
    frStep1 = addStepFrame(this, "frStep1");
    frStep2 = addStepFrame(this, "frStep2");
    frStep3 = addStepFrame(this, "frStep3");
    frStep4 = addStepFrame(this, "frStep4");
    setupStep1();
    setupStep2();
    setupStep3();
    setupStep4();
    setupStep5();
    frStep1->hide();
    frStep2->hide();
    frStep3->hide();
    frStep4->hide();

    lblLoadExisting = addLabelButton(this, "lblLoadExisting", "shLoadExisting", &shLoadExisting,
                                     QStringLiteral("Open Existing"), verdana(9), {8, 343, 110, 20});
    lblBack = addLabelButton(this, "lblBack", "shBack", &shBack, kBackCaption, verdana(9), {322, 343, 90, 20});
    lblBack->setEnabled(false);
    lblNext = addLabelButton(this, "lblNext", "shNext", &shNext, kNextCaption, verdana(9), {421, 343, 90, 20});

    setupHoverTable();

    connect(Image1, &BackgroundPicture::pressed, this, &frmMain::Image1_MouseDown);
    connect(imgAbout, &ClickLabel::clicked, this, &frmMain::imgAbout_Click);
    connect(imgHelp, &ClickLabel::clicked, this, &frmMain::imgHelp_Click);
    connect(imgExit, &ClickLabel::clicked, this, &frmMain::imgExit_Click);
    connect(lblLoadExisting, &ClickLabel::clicked, this, &frmMain::lblLoadExisting_Click);
    connect(lblBack, &ClickLabel::clicked, this, &frmMain::lblBack_Click);
    connect(lblNext, &ClickLabel::clicked, this, &frmMain::lblNext_Click);
}

void frmMain::setupStep1()
{
    auto *column = new QVBoxLayout(frMain);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(10);
    for (int i = 0; i < 4; ++i) {
        QLabel *intro = addText(frMain, kIntroTexts[i], {});
        intro->setObjectName(QStringLiteral("lblIntro%1").arg(i));
        intro->setProperty("index", i);
        column->addWidget(intro);
    }
    QLabel *note = named(addText(frMain, kServerNote, {}), "Label20");
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(red);
    column->addSpacing(6);
    column->addWidget(note);
    column->addStretch();
}

void frmMain::setupStep2()
{
    QWidget *f = frStep1;
    addText(f, QStringLiteral("This step allows you to set the title and fonts for your guestbook."), {12, 10, 479, 16});

    addText(f, QStringLiteral("Guestbook Title:"), {12, 40, 110, 16});
    txtTitle = addTextBox(f, "txtTitle", kDefaultTitle, {125, 37, 330, 21});
    txtTitle->setReadOnly(true);
    lblTitle = addLabelButton(f, "lblTitle", "shTitle", &shTitle, QStringLiteral("..."), sansSerif(9.75),
                              {460, 37, 30, 21});
    lblTitle->setToolTip(QStringLiteral("Change project title"));

    addText(f, QStringLiteral("Save to:"), {12, 68, 110, 16});
    txtSaveTo = addTextBox(f, "txtSaveTo", QString(), {125, 65, 330, 21});
    txtSaveTo->setReadOnly(true);
    lblBrowse = addLabelButton(f, "lblBrowse", "shBrowse", &shBrowse, QStringLiteral("..."), sansSerif(9.75),
                               {460, 65, 30, 21});
    lblBrowse->setToolTip(QStringLiteral("Change project 'Save To' path"));

    addHeading(f, QStringLiteral("Main body"), {12, 104, 200, 16});
    addText(f, QStringLiteral("Background Image:"), {12, 131, 110, 16});
    txtBGImage = addTextBox(f, "txtBGImage", QStringLiteral("None"), {125, 128, 120, 21});
    addText(f, QStringLiteral("Background Color:"), {12, 159, 110, 16});
    txtBGColor = addTextBox(f, "txtBGColor", QStringLiteral("#ffffff"), {125, 156, 90, 21});
    imgBGcolor = addPictureButton(f, "imgBGcolor", Pictures::palette(16), {222, 158, 16, 16});

    QStringList widths;
    for (int percent = 10; percent <= 100; percent += 5)
        widths << QStringLiteral("%1%").arg(percent);
    addText(f, QStringLiteral("Table width:"), {275, 131, 95, 16});
    cbotblWidth = addCombo(f, "cbotblWidth", widths, QStringLiteral("45%"), {375, 127, 80, 22});
    addText(f, QStringLiteral("Table border:"), {275, 159, 95, 16});
    chkBorder = named(new QCheckBox(QStringLiteral("No"), f), "chkBorder");
    chkBorder->setFont(verdana(8.25));
    chkBorder->setCursor(Qt::PointingHandCursor);
    chkBorder->setGeometry(375, 156, 80, 21);
    addText(f, QStringLiteral("Border width:"), {275, 187, 95, 16});
    cbotblBorder = addCombo(f, "cbotblBorder",
                            {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                             QStringLiteral("5")},
                            QStringLiteral("0"), {375, 183, 80, 22});

    connect(chkBorder, &QCheckBox::stateChanged, this, &frmMain::chkBorder_Click);
    connect(lblTitle, &ClickLabel::clicked, this, &frmMain::lblTitle_Click);
    connect(lblBrowse, &ClickLabel::clicked, this, &frmMain::lblBrowse_Click);
    connect(imgBGcolor, &ClickLabel::clicked, this, [this] { pickColorInto(txtBGColor); });
}

void frmMain::setupStep3()
{
    QWidget *f = frStep2;
    addText(f, QStringLiteral("This step allows you to set the font settings that will be used for your guestbook."),
            {12, 10, 479, 30});

    QStringList sizes;
    for (int size = 9; size <= 20; ++size)
        sizes << QString::number(size);

    // One group of three rows: colour box and its button, font face, font size.
    struct Group {
        QLineEdit **colour;
        const char *colourName;
        QString initialColour;
        ClickLabel **button;
        const char *buttonName;
        QComboBox **face;
        const char *faceName;
        QComboBox **size;
        const char *sizeName;
    };
    const auto addGroup = [&](const Group &g, int left, int top) {
        addText(f, QStringLiteral("Font Color:"), {left, top + 3, 78, 16});
        *g.colour = addTextBox(f, g.colourName, g.initialColour, {left + 80, top, 80, 21});
        *g.button = addPictureButton(f, g.buttonName, Pictures::palette(16), {left + 166, top + 2, 16, 16});
        addText(f, QStringLiteral("Font Face:"), {left + 0, top + 31, 78, 16});
        *g.face = addCombo(f, g.faceName, {}, QStringLiteral("Verdana"), {left + 80, top + 27, 150, 22});
        addText(f, QStringLiteral("Font Size:"), {left + 0, top + 59, 78, 16});
        *g.size = addCombo(f, g.sizeName, sizes, QStringLiteral("11"), {left + 80, top + 55, 60, 22});
    };
    addGroup({&txtFColor, "txtFColor", QStringLiteral("#000000"), &imgFColor, "imgFColor", &cboFont, "cboFont",
              &cboPX, "cboPX"},
             12, 40);
    addHeading(f, QStringLiteral("Hyperlinks"), {12, 128, 200, 16});
    addHeading(f, QStringLiteral("Default/Mouse Out"), {12, 150, 200, 16});
    addGroup({&txtHColor, "txtHColor", QStringLiteral("#3333ff"), &imgHColor, "imgHColor", &cboHFont, "cboHFont",
              &cboHPX, "cboHPX"},
             12, 170);
    addHeading(f, QStringLiteral("Mouse Over"), {258, 150, 200, 16});
    addGroup({&txtHMColor, "txtHMColor", QStringLiteral("#ff0000"), &imgHMColor, "imgHMColor", &cboHMFont,
              "cboHMFont", &cboHMPX, "cboHMPX"},
             258, 170);

    connect(imgFColor, &ClickLabel::clicked, this, [this] { pickColorInto(txtFColor); });
    connect(imgHColor, &ClickLabel::clicked, this, [this] { pickColorInto(txtHColor); });
    connect(imgHMColor, &ClickLabel::clicked, this, [this] { pickColorInto(txtHMColor); });
}

void frmMain::setupStep4()
{
    QWidget *f = frStep3;
    addText(f, QStringLiteral("The following allows you to set the fields you would like to appear on your guestbook "
                              "(e.g. Name, E-mail etc)."),
            {12, 10, 479, 30});
    lvwFields = named(new QTreeWidget(f), "lvwFields");
    lvwFields->setGeometry(7, 44, pixels(kFieldListWidthTwips), 178);
    lvwFields->setFont(verdana(8.25));
    lvwFields->setColumnCount(4);
    lvwFields->setHeaderLabels({QStringLiteral("Field Name"), QStringLiteral("Field Type"), QStringLiteral("Rows"),
                                QStringLiteral("Cols")});
    lvwFields->setRootIsDecorated(false);
    lvwFields->setItemsExpandable(false);
    lvwFields->setUniformRowHeights(true);
    lvwFields->setAllColumnsShowFocus(true);
    lvwFields->header()->setStretchLastSection(false);
    lvwFields->viewport()->installEventFilter(this);

    lblNewField = addLabelButton(f, "lblNewField", "shNew", &shNew, QStringLiteral("Add Field"), verdana(9.75),
                                 {396, 229, 100, 22});
    connect(lblNewField, &ClickLabel::clicked, this, &frmMain::lblNewField_Click);
}

void frmMain::setupStep5()
{
    QWidget *f = frStep4;
    addText(f, QStringLiteral("Your guestbook settings will now be saved and your guestbook file's generated in the "
                              "path specified below."),
            {12, 10, 479, 30});
    lblProjectName = named(addText(f, QStringLiteral("Project Name:"), {12, 54, 479, 16}), "lblProjectName");
    addText(f, QStringLiteral("Path:"), {12, 78, 40, 16})->setObjectName(QStringLiteral("lblGBPath1"));
    lblGBPath = named(new ClickLabel(f), "lblGBPath");
    lblGBPath->setFont(verdana(8.25));
    lblGBPath->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGBPath->setWordWrap(true);
    lblGBPath->setGeometry(52, 78, 440, 32);
    addText(f, QStringLiteral("Once you click 'Finish', Quillset will begin creating the file's you will need for "
                              "your guestbook."),
            {12, 120, 479, 30});
    lblStatus = named(addText(f, QStringLiteral("Status:"), {12, 170, 479, 18}), "lblStatus");
    lblStatus->setFont(verdana(9, true));
    QPalette blue = lblStatus->palette();
    blue.setColor(QPalette::WindowText, kLinkBlue);
    lblStatus->setPalette(blue);
    lblStatus->hide();
    connect(lblGBPath, &ClickLabel::clicked, this, &frmMain::lblGBPath_Click);
}

void frmMain::setupHoverTable()
{
    m_hoverTable = {
        {lblTitle, {{shTitle}, {shBrowse}}},
        {lblBrowse, {{shBrowse}, {shTitle}}},
        {frStep1, {{}, {shTitle, shBrowse}}},
        {lblNewField, {{shNew}, {shNext, shBack}}},
        {frStep3, {{}, {shNew}}},
        {lblBack, {{shBack}, {shNext}}},
        {lblNext, {{shNext}, {shBack}}},
        {this, {{}, {shBack, shNext}}},
        {Image1, {{}, {shBack, shNext}}},
    };
    for (auto it = m_hoverTable.cbegin(); it != m_hoverTable.cend(); ++it)
        it.key()->installEventFilter(this);
    lblGBPath->installEventFilter(this);
    frStep4->installEventFilter(this);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto row = m_hoverTable.constFind(watched);
        const bool gbPath = watched == lblGBPath || watched == frStep4;
        if (row != m_hoverTable.cend()) {
            for (HoverShape *shape : row->lightGrey)
                shape->setFill(kLightGrey);
            for (HoverShape *shape : row->background)
                shape->setFill(kBackground);
        }
        if (gbPath) {
            const bool over = watched == lblGBPath;
            QFont font = lblGBPath->font();
            font.setUnderline(over);
            lblGBPath->setFont(font);
            QPalette palette = lblGBPath->palette();
            palette.setColor(QPalette::WindowText, over ? kLinkBlue : QColor(Qt::black));
            lblGBPath->setPalette(palette);
        }
        // A move belongs to the control under the mouse alone: it must not reach
        // the window behind it, which would clear the navigation buttons.
        if (row != m_hoverTable.cend() || gbPath) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched == lvwFields->viewport()) {
        lvwFields_MouseDown(static_cast<QMouseEvent *>(event)->button());
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

void frmMain::Form_Initialize()
{
    WriteLog(QStringLiteral("Initializing ") + QLatin1String(kApplicationTitle) + QLatin1Char(' ')
             + ApplicationVersion());
    RemoveStaleTemporaryFiles();
}

void frmMain::Form_Load()
{
    m_border = new CFormBorder(this);
    m_border->setClient(this);
    m_border->setShowInTaskbar(true);
    m_border->setTitlebar(false);

    setFixedSize(pixels(kFormWidthTwips), pixels(kFormHeightTwips));

    WriteLog(QStringLiteral("Loading position"));
    restorePosition();

    WriteLog(QStringLiteral("Loading default mode"));
    DoMode(1);
    WriteLog(QStringLiteral("Mode loaded, continuing main application execution"));

    txtTitle->setText(kDefaultTitle);
    m_projectName = txtTitle->text();
    txtSaveTo->setText(GuestbookProject::defaultProjectPath());

    WriteLog(QStringLiteral("Loading fonts"));
    LoadFonts();

    WriteLog(QStringLiteral("Initializing listview"));
    const int typeWidth = pixels(kFieldColumnTwips);
    lvwFields->setColumnWidth(0, pixels(kFieldListWidthTwips - kFieldNameSpareTwips));
    for (int column = 1; column <= 3; ++column)
        lvwFields->setColumnWidth(column, typeWidth);
    setFieldRows(GuestbookProject::defaultFields());

    WriteLog(QStringLiteral("Checking existance of projects folder"));
    const QString projects = ProgramFolder::path() + ProgramFolder::separator() + QStringLiteral("projects");
    if (!FolderExists(projects)) {
        WriteLog(QStringLiteral("Projects folder does not exist, ") + QLatin1String(kApplicationTitle)
                 + QStringLiteral(" will now create it"));
        QDir().mkdir(projects);
    }

    m_guestbookGenerated = false;
    WizardFlags::FieldMenuShown = false;
    WizardFlags::FieldEditMode = WizardFlags::AddField;
}

// The saved position is in twips. It counts only when both edges are numbers
// and the window would then be on a screen; otherwise the window is centred.
void frmMain::restorePosition()
{
    const QString leftText = GetINISetting(QStringLiteral("Position"), QStringLiteral("Left"), QString());
    std::optional<int> left;
    std::optional<int> top;
    if (!leftText.isEmpty()) {
        left = savedTwips(leftText);
        top = savedTwips(GetINISetting(QStringLiteral("Position"), QStringLiteral("Top"), QString()));
    }
    if (left && top) {
        const QPoint at(int(std::lround(double(*left) / kTwipsPerPixel)),
                        int(std::lround(double(*top) / kTwipsPerPixel)));
        if (onSomeScreen(QRect(at, size()))) {
            WriteLog(QStringLiteral("Left: ") + QString::number(*left));
            move(at.x(), y());
            WriteLog(QStringLiteral("Top: ") + QString::number(*top));
            move(x(), at.y());
            return;
        }
    }
    WriteLog(QStringLiteral("Position not saved, will revert to default"));
    CenterForm(this);
}

void frmMain::LoadFonts()
{
    const QStringList families = QFontDatabase::families();
    for (QComboBox *combo : {cboFont, cboHFont, cboHMFont}) {
        const QString text = combo->currentText();
        combo->addItems(families);
        combo->setEditText(text);
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A save that fails is shown once, and the window closes all the same.
    WriteResult saved = Form_QueryUnload();
    const WriteResult position = Form_Unload();
    if (saved.succeeded())
        saved = position;
    showWriteError(saved);
    event->accept();
}

void frmMain::showWriteError(const WriteResult &result)
{
    if (!result.succeeded())
        MessagePrompt::failure(this, result.errorText);
}

WriteResult frmMain::Form_QueryUnload()
{
    WriteLog(QStringLiteral("Initializing ") + QLatin1String(kApplicationTitle)
             + QStringLiteral(" shutdown procedure"));
    if (m_guestbookGenerated)
        return {};
    if (!MessagePrompt::show(this, kSaveQuestion, MessagePrompt::Icon::Question, MessagePrompt::Buttons::YesNo))
        return {};
    WriteLog(QStringLiteral("User wishes to save settings first"));
    const WriteResult saved = SaveProject(m_projectName, readProject());
    if (saved.succeeded())
        WriteLog(QStringLiteral("Settings saved"));
    return saved;
}

WriteResult frmMain::Form_Unload()
{
    WriteLog(QStringLiteral("Saving position"));
    return SaveINISettings({{QStringLiteral("Position"), QStringLiteral("Left"), QString::number(x() * kTwipsPerPixel)},
                            {QStringLiteral("Position"), QStringLiteral("Top"), QString::number(y() * kTwipsPerPixel)}});
}

// ---------------------------------------------------------------------------
// The wizard

void frmMain::DoMode(int valOpt)
{
    if (valOpt < 1 || valOpt > 5)
        return;
    if (valOpt == 5 && lvwFields->topLevelItemCount() == 0) {
        MessagePrompt::error(this, kNoFieldsError);
        DoMode(4);
        return;
    }
    m_currentMode = valOpt;
    if (valOpt == 2)
        m_guestbookGenerated = false;
    lblBack->setEnabled(valOpt != 1);
    QFrame *const frames[] = {frMain, frStep1, frStep2, frStep3, frStep4};
    for (int step = 1; step <= 5; ++step)
        frames[step - 1]->setVisible(step == valOpt);
    lblSteps->setText(kStepHeadings[valOpt - 1]);
    if (valOpt == 2)
        txtBGColor->setFocus();
    if (valOpt == 5) {
        lblGBPath->setText(txtSaveTo->text() + QString(m_projectName).replace(QLatin1Char(' '), QLatin1Char('_')));
        lblProjectName->setText(QStringLiteral("Project Name: ") + m_projectName);
        lblNext->setText(kFinishCaption);
    }
}

int frmMain::CurrentMode() const
{
    return m_currentMode;
}

bool frmMain::GuestbookGenerated() const
{
    return m_guestbookGenerated;
}

QString frmMain::ProjectName() const
{
    return m_projectName;
}

void frmMain::setProjectName(const QString &name)
{
    m_projectName = name;
}

void frmMain::lblNext_Click()
{
    if (lblNext->text() == kNextCaption) {
        DoMode(m_currentMode + 1);
        return;
    }
    lblBack->setEnabled(false);
    const GuestbookProject project = readProject();
    if (const WriteResult saved = SaveProject(m_projectName, project); !saved.succeeded()) {
        // Nothing is generated from a design that was not saved; the user can try again.
        showWriteError(saved);
        lblBack->setEnabled(true);
        return;
    }
    const GenerationOutcome outcome = GenerateGuestbook(m_projectName, project, *this);
    if (!outcome.succeeded) {
        // The run stopped before its completion: stay on the last step so the
        // user can mend the path and press Finish again.
        MessagePrompt::failure(this, outcome.errorText);
        lblBack->setEnabled(true);
        return;
    }
    lblNext->setText(kNextCaption);
}

void frmMain::lblBack_Click()
{
    if (m_currentMode == 5) {
        lblNext->setText(kNextCaption);
        DoMode(4);
    } else if (m_currentMode != 1) {
        DoMode(m_currentMode - 1);
    }
}

void frmMain::setStatusVisible(bool visible)
{
    lblStatus->setVisible(visible);
}

void frmMain::setStatusText(const QString &text)
{
    lblStatus->setText(text);
    lblStatus->repaint();
}

void frmMain::showWizardStep(int step)
{
    DoMode(step);
}

bool frmMain::askYesNo(const QString &question)
{
    return MessagePrompt::show(this, question, MessagePrompt::Icon::Information, MessagePrompt::Buttons::YesNo);
}

void frmMain::openFolder(const QString &folder)
{
    DesktopActions::open(folder);
}

void frmMain::setGuestbookGenerated(bool generated)
{
    m_guestbookGenerated = generated;
}

// ---------------------------------------------------------------------------
// The project in the controls

GuestbookProject frmMain::readProject() const
{
    GuestbookProject p;
    p.Project_Title = txtTitle->text();
    p.Project_Path = txtSaveTo->text();
    p.BG_Image = txtBGImage->text();
    p.BG_Color = txtBGColor->text();
    p.TBL_Width = cbotblWidth->currentText();
    p.TBL_Border = chkBorder->isChecked() ? 1 : 0;
    p.TBL_Border_Width = cbotblBorder->currentText();
    p.M_FColor = txtFColor->text();
    p.M_FFace = cboFont->currentText();
    p.M_FSize = cboPX->currentText();
    p.H_FColor = txtHColor->text();
    p.H_FFace = cboHFont->currentText();
    p.H_FSize = cboHPX->currentText();
    p.HM_FColor = txtHMColor->text();
    p.HM_FFace = cboHMFont->currentText();
    p.HM_FSize = cboHMPX->currentText();
    for (int row = 0; row < lvwFields->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = lvwFields->topLevelItem(row);
        p.Fields.append({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return p;
}

void frmMain::showProject(const GuestbookProject &p)
{
    txtTitle->setText(p.Project_Title);
    txtSaveTo->setText(p.Project_Path);
    txtBGImage->setText(p.BG_Image);
    txtBGColor->setText(p.BG_Color);
    cbotblWidth->setEditText(p.TBL_Width);
    chkBorder->setChecked(p.TBL_Border == 1);
    chkBorder_Click();
    cbotblBorder->setEditText(p.TBL_Border_Width);
    txtFColor->setText(p.M_FColor);
    cboFont->setEditText(p.M_FFace);
    cboPX->setEditText(p.M_FSize);
    txtHColor->setText(p.H_FColor);
    cboHFont->setEditText(p.H_FFace);
    cboHPX->setEditText(p.H_FSize);
    txtHMColor->setText(p.HM_FColor);
    cboHMFont->setEditText(p.HM_FFace);
    cboHMPX->setEditText(p.HM_FSize);
    setFieldRows(p.Fields);
}

void frmMain::LoadProject(const QString &name)
{
    showProject(::LoadProject(name));
    m_projectName = name;
}

void frmMain::setFieldRows(const QList<GuestbookField> &fields)
{
    lvwFields->clear();
    for (const GuestbookField &field : fields)
        new QTreeWidgetItem(lvwFields, {field.FieldName, field.FieldType, field.Rows, field.Cols});
}

// ---------------------------------------------------------------------------
// Design controls and window buttons

void frmMain::chkBorder_Click()
{
    if (chkBorder->checkState() == Qt::Checked) {
        chkBorder->setText(QStringLiteral("Yes"));
    } else {
        chkBorder->setText(QStringLiteral("No"));
        chkBorder->setCheckState(Qt::Unchecked);
    }
}

void frmMain::pickColorInto(QLineEdit *box)
{
    const auto &pick = mainWindowDialogs().pickColor;
    const int value = pick ? pick(*this) : -1;
    if (value == -1)
        return;
    box->setText(ColorToHex(value).toLower());
}

void frmMain::lblTitle_Click()
{
    if (mainWindowDialogs().showTitleDialog)
        mainWindowDialogs().showTitleDialog(*this);
}

void frmMain::lblBrowse_Click()
{
    const QString folder = BrowseForFolder(this, kBrowsePrompt);
    if (folder.isEmpty())
        return;
    txtSaveTo->setText(folder);
    const QString section = QString(txtTitle->text()).replace(QLatin1Char(' '), QLatin1Char('_'));
    showWriteError(SaveINISettings({{section, QStringLiteral("Project_Title"), txtTitle->text()},
                                    {section, QStringLiteral("Project_Path"), txtSaveTo->text()}}));
}

void frmMain::lblGBPath_Click()
{
    DesktopActions::open(lblGBPath->text());
}

void frmMain::lblNewField_Click()
{
    if (mainWindowDialogs().showFieldDialog)
        mainWindowDialogs().showFieldDialog(*this);
}

void frmMain::lvwFields_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        WizardFlags::FieldMenuShown = true;
        if (mainWindowDialogs().showFieldMenu)
            mainWindowDialogs().showFieldMenu(*this);
    } else if (WizardFlags::FieldMenuShown) {
        if (mainWindowDialogs().closeFieldMenu)
            mainWindowDialogs().closeFieldMenu(*this);
    }
}

void frmMain::lblLoadExisting_Click()
{
    if (SavedProjectCount() == 0) {
        MessagePrompt::inform(this, kNoProjectsMessage);
        return;
    }
    if (mainWindowDialogs().showExistingProjects)
        mainWindowDialogs().showExistingProjects(*this);
}

void frmMain::imgAbout_Click()
{
    if (mainWindowDialogs().showAbout)
        mainWindowDialogs().showAbout(*this);
}

void frmMain::imgHelp_Click()
{
    const QString helpFile = ProgramFolder::path() + ProgramFolder::separator() + kHelpFileName;
    if (FileExists(helpFile)) {
        DesktopActions::open(helpFile);
        return;
    }
    if (MessagePrompt::show(this, kNoHelpQuestion, MessagePrompt::Icon::Exclamation, MessagePrompt::Buttons::YesNo))
        DesktopActions::open(kSupportPageUrl);
}

void frmMain::imgExit_Click()
{
    close();
}

void frmMain::Image1_MouseDown()
{
    DragForm(this);
}
