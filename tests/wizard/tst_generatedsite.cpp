// What the window does with the generated site: a design that cannot go into the
// pages stops Finish with a message and leaves the user on the last step, and
// "Preview" shows the pages in the browser from a temporary folder of their own.

#include "wizardtestsupport.h"

#include <QTemporaryDir>

namespace {

// Points the system's temporary folder at a folder of the test's own while it lives.
class TestTempFolder
{
public:
    TestTempFolder()
        : m_previous(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    }
    ~TestTempFolder()
    {
        if (m_previous.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_previous);
    }
    QString path() const { return m_dir.path(); }
    QStringList folders() const
    {
        return QDir(path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

}  // namespace

class GeneratedSiteTest : public QObject
{
    Q_OBJECT

private slots:
    void refusedDesignStaysOnLastStep()
    {
        const WindowFixture f;
        GuestbookProject project = f.window().readProject();
        project.BG_Color = QStringLiteral("<%=Now%>");
        f.window().showProject(project);
        f.walk("NNNNN");

        QCOMPARE(f.boxes(),
                 QStringList{"! Ok: Error: Background colour \"<%=Now%>\" cannot be used in a page: "
                             "it holds the server script marker \"<%\""});
        QCOMPARE(f.window().CurrentMode(), 5);
        QVERIFY(f.find("lblBack")->isEnabled());
        QVERIFY(!f.window().GuestbookGenerated());
        QVERIFY(!QFileInfo::exists(f.folder.file(QStringLiteral("projects/My_Guestbook"))));
    }

    // The design as the controls hold it goes into a fresh temporary folder, whose
    // sign page is opened; nothing is saved and no project folder is written.
    void previewOpensTheSignPageOfAFreshFolder()
    {
        const WindowFixture f;
        f.walk("NN");
        f.find<QComboBox>("cboFont")->setEditText(QStringLiteral("Gill Sans"));
        const QByteArray settings = readBytes(SettingsFilePath());
        TestTempFolder temp;
        f.click("lblPreview");

        QCOMPARE(f.boxes(), QStringList());
        QCOMPARE(temp.folders().size(), 1);
        const QString previewFolder = temp.path() + QDir::separator() + temp.folders().first();
        QCOMPARE(f.desktop.opened, QStringList{previewFolder + QDir::separator() + QStringLiteral("index.html")});
        QVERIFY(readBytes(f.desktop.opened.first()).contains("body   {font-family: Gill Sans; font-size: 11;"));
        QCOMPARE(readBytes(SettingsFilePath()), settings);
        QVERIFY(QDir(f.folder.file(QStringLiteral("projects")))
                    .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(f.log().last(), QStringLiteral("Preview written to ") + previewFolder);
        QCOMPARE(f.window().CurrentMode(), 3);
    }

    void refusedPreviewShowsTheReason()
    {
        const WindowFixture f;
        f.walk("N");
        f.find<QLineEdit>("txtBGColor")->setText(QStringLiteral("#fff%>"));
        TestTempFolder temp;
        f.click("lblPreview");

        QCOMPARE(f.boxes(),
                 QStringList{"! Ok: Error: Background colour \"#fff%>\" cannot be used in a page: "
                             "it holds the server script marker \"%>\""});
        QVERIFY(f.desktop.opened.isEmpty());
        QVERIFY(temp.folders().isEmpty());
    }
};

QTEST_MAIN(GeneratedSiteTest)
#include "tst_generatedsite.moc"
