#include "dialogs/frmabout.h"

#include "chrome/desktopactions.h"
#include "chrome/labelbutton.h"
#include "chrome/pictures.h"
#include "chrome/placement.h"
#include "chrome/widgetbits.h"
#include "dialogs/dialogparts.h"
#include "store/product.h"
#include "store/programfolder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// The company name the program records beside its version, when it records none.
const QString AboutText::kAuthor = QStringLiteral("Quillset Project");
// The name of the licence in the LICENSE file beside the source.
const QString AboutText::kLicence = QStringLiteral("MIT");
const char *const AboutText::kDisclaimer = QT_TRANSLATE_NOOP(
    "frmAbout",
    "This program is provided \"as is\", without warranty of any kind, express or implied, including but not "
    "limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. "
    "In no event shall the authors be liable for any claim, damages or other liability arising from the use "
    "of this program or of the guestbooks it generates. You are responsible for the pages you publish on "
    "your web server and for the entries your visitors leave in them.");
const QString AboutText::kCopyright = QStringLiteral("Copyright \u00A9 2026 Quillset Project");

AboutVersion aboutVersion(const QString &applicationVersion)
{
    const QStringList parts = applicationVersion.split(QLatin1Char('.'));
    const auto number = [&parts](int i) { return QString::number(parts.value(i).toInt()); };
    return {number(0) + QLatin1Char('.') + number(1), number(2)};
}

frmAbout::frmAbout(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setModal(true);
    setFixedSize(twipsRect(0, 0, 6660, 4635).size());
    setBackground(this, kDialogGrey);

    // The white band behind the title: a rectangle, not a button.
    auto *Shape1 = new LabelButton(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setShape(Qt::black, Qt::white);
    Shape1->makeShapeOnly();
    Shape1->setGeometry(twipsRect(-120, 0, 6975, 735));
    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(120, 120, 480, 480));
    Image1->setPixmap(Pictures::programIcon(32));
    auto *Label1 = new QLabel(QString::fromLatin1(kApplicationTitle), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(1080, 120, 5175, 615));
    Label1->setFont(verdana(18, true));
    Label1->setAlignment(Qt::AlignCenter);

    const AboutVersion version = aboutVersion(ApplicationVersion());
    const QString author =
        QCoreApplication::organizationName().isEmpty() ? AboutText::kAuthor : QCoreApplication::organizationName();
    struct Row {
        int top;
        const char *nameLabel;
        const char *name;
        const char *colonLabel;
        const char *valueLabel;
        QString value;
        int valueWidth;
    };
    const Row rows[] = {
        {960, "Label2", QT_TR_NOOP("Version"), "Label8", "Label13", version.version, 3135},
        {1200, "Label7", QT_TR_NOOP("Build"), "Label9", "Label14", version.build, 3135},
        {1440, "Label3", QT_TR_NOOP("Author"), "Label10", "Label15", author, 3135},
        {1680, "Label4", QT_TR_NOOP("Homepage"), "Label11", "Label16", kHomePageUrl, 3135},
        {1920, "Label5", QT_TR_NOOP("Licence"), "Label12", "Label17", AboutText::kLicence, 3255},
    };
    for (const Row &row : rows) {
        dialogLabel(QString::fromLatin1(row.nameLabel), tr(row.name), twipsRect(1560, row.top, 1200, 240), this, 9.75);
        dialogLabel(QString::fromLatin1(row.colonLabel), QStringLiteral(":"), twipsRect(2760, row.top, 240, 240), this,
                    9.75);
        dialogLabel(QString::fromLatin1(row.valueLabel), row.value, twipsRect(3000, row.top, row.valueWidth, 240), this,
                    9.75);
    }

    auto *Text1 = new QPlainTextEdit(tr(AboutText::kDisclaimer), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(960, 2400, 4935, 1455));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setAccessibleName(tr("Disclaimer"));

    auto *Label6 = new LabelButton(this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setText(AboutText::kCopyright);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label6->setContentsMargins(2, 0, 0, 0);  // room for the focus mark before the text
    Label6->setGeometry(twipsRect(120, 4320, 4455, 255));
    QFont linkFont(QStringLiteral("MS Sans Serif"));
    linkFont.setPointSizeF(8.25);
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    Label6->setFont(linkFont);
    Label6->setStyleSheet(QStringLiteral("color: blue;"));
    connect(Label6, &LabelButton::clicked, this, [this] { DesktopActions::open(kHomePageUrl, this); });

    auto *Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(5520, 4320, 1095, 255));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    CenterForm(this);
}
