#pragma once

#include "generator/generationhost.h"
#include "store/atomicfile.h"
#include "store/guestbookproject.h"

#include <QHash>
#include <QList>
#include <QWidget>

class BackgroundPicture;
class CFormBorder;
class ClickLabel;
class HoverShape;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTreeWidget;

// The main window: a five-step wizard that holds the live project in its
// controls, saves it and has the guestbook generated.
class frmMain : public QWidget, public GenerationHost
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Shows step valOpt (1 to 5); any other number changes nothing.
    void DoMode(int valOpt);
    int CurrentMode() const;
    bool GuestbookGenerated() const;

    QString ProjectName() const;
    void setProjectName(const QString &name);

    // The live project as the controls hold it at this moment.
    GuestbookProject readProject() const;
    // Puts a whole project into the controls.
    void showProject(const GuestbookProject &p);
    // Replaces the live project with the one saved under name.
    void LoadProject(const QString &name);

    // GenerationHost: what a generation run sees of the window.
    void setStatusVisible(bool visible) override;
    void setStatusText(const QString &text) override;
    void showWizardStep(int step) override;
    bool askYesNo(const QString &question) override;
    void openFolder(const QString &folder) override;
    void setGuestbookGenerated(bool generated) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupUi();
    void setupStep1();
    void setupStep2();
    void setupStep3();
    void setupStep4();
    void setupStep5();
    void setupHoverTable();

    void Form_Initialize();
    void Form_Load();
    void restorePosition();
    void LoadFonts();
    WriteResult Form_QueryUnload();
    WriteResult Form_Unload();
    void showWriteError(const WriteResult &result);

    void lblNext_Click();
    void lblBack_Click();
    void chkBorder_Click();
    void pickColorInto(QLineEdit *box);
    void lblTitle_Click();
    void lblBrowse_Click();
    void lblGBPath_Click();
    void lblNewField_Click();
    void lvwFields_MouseDown(Qt::MouseButton button);
    void lblLoadExisting_Click();
    void imgAbout_Click();
    void imgHelp_Click();
    void imgExit_Click();
    void Image1_MouseDown();

    void setFieldRows(const QList<GuestbookField> &fields);

    int m_currentMode = 0;
    bool m_guestbookGenerated = false;
    QString m_projectName;
    CFormBorder *m_border = nullptr;

    // Hover feedback: what a mouse move over a widget lights up and clears.
    struct HoverRow {
        QList<HoverShape *> lightGrey;
        QList<HoverShape *> background;
    };
    QHash<QObject *, HoverRow> m_hoverTable;

    BackgroundPicture *Image1 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *lblSteps = nullptr;
    ClickLabel *imgAbout = nullptr;
    ClickLabel *imgHelp = nullptr;
    ClickLabel *imgExit = nullptr;
    QFrame *frMain = nullptr;
    QFrame *frStep1 = nullptr;
    QFrame *frStep2 = nullptr;
    QFrame *frStep3 = nullptr;
    QFrame *frStep4 = nullptr;
    HoverShape *shBack = nullptr;
    ClickLabel *lblBack = nullptr;
    HoverShape *shNext = nullptr;
    ClickLabel *lblNext = nullptr;
    HoverShape *shLoadExisting = nullptr;
    ClickLabel *lblLoadExisting = nullptr;

    QLineEdit *txtTitle = nullptr;
    HoverShape *shTitle = nullptr;
    ClickLabel *lblTitle = nullptr;
    QLineEdit *txtSaveTo = nullptr;
    HoverShape *shBrowse = nullptr;
    ClickLabel *lblBrowse = nullptr;
    QLineEdit *txtBGImage = nullptr;
    QLineEdit *txtBGColor = nullptr;
    ClickLabel *imgBGcolor = nullptr;
    QComboBox *cbotblWidth = nullptr;
    QCheckBox *chkBorder = nullptr;
    QComboBox *cbotblBorder = nullptr;

    QLineEdit *txtFColor = nullptr;
    ClickLabel *imgFColor = nullptr;
    QComboBox *cboFont = nullptr;
    QComboBox *cboPX = nullptr;
    QLineEdit *txtHColor = nullptr;
    ClickLabel *imgHColor = nullptr;
    QComboBox *cboHFont = nullptr;
    QComboBox *cboHPX = nullptr;
    QLineEdit *txtHMColor = nullptr;
    ClickLabel *imgHMColor = nullptr;
    QComboBox *cboHMFont = nullptr;
    QComboBox *cboHMPX = nullptr;

    QTreeWidget *lvwFields = nullptr;
    HoverShape *shNew = nullptr;
    ClickLabel *lblNewField = nullptr;

    QLabel *lblProjectName = nullptr;
    ClickLabel *lblGBPath = nullptr;
    QLabel *lblStatus = nullptr;
};
