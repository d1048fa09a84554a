#include "generator/pagevalues.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QtTest>

Q_DECLARE_METATYPE(GuestbookProject)

namespace {

QString value(const QString &section, const QString &key)
{
    return GetINISetting(section, key, QStringLiteral("<missing>"));
}

GuestbookProject borderedProject()
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    p.Project_Title = QStringLiteral("Club news");
    p.Project_Path = QStringLiteral("/srv/www/");
    p.BG_Image = QStringLiteral(" Images/Back.GIF ");
    p.BG_Color = QStringLiteral("#FFCC00");
    p.TBL_Width = QStringLiteral("33%");
    p.TBL_Border = 1;
    p.TBL_Border_Width = QStringLiteral("5");
    p.M_FFace = QStringLiteral("Times New Roman");
    p.H_FColor = QStringLiteral("not a colour");
    p.Fields = {{QStringLiteral("Your Name"), QStringLiteral("Text"), QStringLiteral("30"), QString()},
                {QStringLiteral("  "), QStringLiteral("Textarea"), QStringLiteral("5"), QStringLiteral("20")},
                {QStringLiteral("name"), QStringLiteral("text"), QString(), QStringLiteral("40")}};
    return p;
}

}  // namespace

class TestProjectStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first save of the default project on a fresh system, key by key and in order.
    void firstSaveWritesWorkedExample()
    {
        TestProgramFolder folder;
        GuestbookProject p = GuestbookProject::startupDefaults();
        p.Project_Path = QStringLiteral("C:\\Sites\\");
        SaveProject(QStringLiteral("My Guestbook"), p);
        const QByteArray expected =
            "[Projects]\r\nRecent_Projects=My_Guestbook\r\n"
            "[Settings]\r\nprjNumber=1\r\n"
            "[My Guestbook]\r\n"
            "Project_Title=My Guestbook\r\nProject_Path=C:\\Sites\\\r\nBG_Image=None\r\nBG_Color=#ffffff\r\n"
            "TBL_Width=45%\r\nTBL_Border=0\r\nTBL_Border_Width=0\r\n"
            "M_FColor=#000000\r\nM_FFace=Verdana\r\nM_FSize=11\r\n"
            "H_FColor=#3333ff\r\nH_FFace=Verdana\r\nH_FSize=11\r\n"
            "HM_FColor=#ff0000\r\nHM_FFace=Verdana\r\nHM_FSize=11\r\n"
            "FLD_Name=Name, Text, 40, \r\n"
            "FLD_E-mail=E-mail, Text, 40, \r\n"
            "FLD_Homepage=Homepage, Text, 40, \r\n"
            "FLD_Comments=Comments, Textarea, 10, 39\r\n"
            "FLD_Names=, Name, E-mail, Homepage, Comments\r\n";
        QCOMPARE(readBytes(SettingsFilePath()), expected);
    }

    void savingAgainOverwritesButDoesNotRelist()
    {
        TestProgramFolder folder;
        GuestbookProject p = GuestbookProject::startupDefaults();
        SaveProject(QStringLiteral("My Guestbook"), p);
        SaveProject(QStringLiteral("Club news"), p);
        p.BG_Color = QStringLiteral("#000000");
        p.Fields.removeAt(1);
        SaveProject(QStringLiteral("my guestbook"), p);
        QCOMPARE(value(QStringLiteral("Projects"), QStringLiteral("Recent_Projects")),
                 QStringLiteral("My_Guestbook, Club_news"));
        QCOMPARE(value(QStringLiteral("Settings"), QStringLiteral("prjNumber")), QStringLiteral("2"));
        QCOMPARE(value(QStringLiteral("My Guestbook"), QStringLiteral("BG_Color")), QStringLiteral("#000000"));
        QCOMPARE(value(QStringLiteral("My Guestbook"), QStringLiteral("FLD_Names")),
                 QStringLiteral(", Name, Homepage, Comments"));
        QCOMPARE(LoadProject(QStringLiteral("My Guestbook")).Fields.size(), 3);
    }

    void projectCountFallsBackToZero_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray() << "1";
        QTest::newRow("9999") << QByteArray("[Settings]\r\nprjNumber=9999\r\n") << "1";
        QTest::newRow("not a number") << QByteArray("[Settings]\r\nprjNumber=many\r\n") << "1";
        QTest::newRow("a count") << QByteArray("[Settings]\r\nprjNumber=4\r\n") << "5";
        QTest::newRow("the largest count stays")
            << QByteArray("[Settings]\r\nprjNumber=2147483647\r\n") << "2147483647";
        QTest::newRow("beyond the largest count") << QByteArray("[Settings]\r\nprjNumber=2147483648\r\n") << "1";
    }
    void projectCountFallsBackToZero()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), stored);
        SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
        QCOMPARE(value(QStringLiteral("Settings"), QStringLiteral("prjNumber")), expected);
    }

    void loadUsesFallbacks()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), "[Club news]\r\nProject_Title=Club news\r\nProject_Path=/srv/\r\n");
        const GuestbookProject p = LoadProject(QStringLiteral("Club news"));
        QCOMPARE(p.Project_Title, QStringLiteral("Club news"));
        QCOMPARE(p.Project_Path, QStringLiteral("/srv/"));
        QCOMPARE(p.BG_Image, QString());
        QCOMPARE(p.BG_Color, QStringLiteral("#ffffff"));
        QCOMPARE(p.TBL_Width, QStringLiteral("45%"));
        QCOMPARE(p.TBL_Border, 0);
        QCOMPARE(p.TBL_Border_Width, QStringLiteral("0"));
        QCOMPARE(QStringList({p.M_FColor, p.M_FFace, p.M_FSize}), QStringList({"#000000", "Verdana", "11"}));
        QCOMPARE(QStringList({p.H_FColor, p.H_FFace, p.H_FSize}), QStringList({"#333333", "Verdana", "11"}));
        QCOMPARE(QStringList({p.HM_FColor, p.HM_FFace, p.HM_FSize}), QStringList({"#ff0000", "Verdana", "11"}));
        QVERIFY(p.Fields.isEmpty());
        QCOMPARE(LoadProject(QStringLiteral("Nowhere")).Project_Path, GuestbookProject::defaultProjectPath());
    }

    // A new project and a load of empty values differ in the link colour and the
    // background image only.
    void startValuesAndLoadFallbacks()
    {
        const GuestbookProject start = GuestbookProject::startupDefaults();
        GuestbookProject fallbacks = GuestbookProject::loadFallbacks();
        QCOMPARE(start.H_FColor + '|' + start.BG_Image, QStringLiteral("#3333ff|None"));
        QCOMPARE(fallbacks.H_FColor + '|' + fallbacks.BG_Image, QStringLiteral("#333333|"));
        fallbacks.H_FColor = start.H_FColor;
        fallbacks.BG_Image = start.BG_Image;
        QCOMPARE(fallbacks, start);
    }

    // Stored values the program never writes itself.
    void oddStoredValuesLoadSafely()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(),
                   "[Odd]\r\nTBL_Border=yes\r\n"
                   "FLD_Names=, Name, Short, , Blank, Name, Missing\r\n"
                   "FLD_Name=Name, Text, 40, \r\n"
                   "FLD_Short=Short, Textarea\r\n"
                   "FLD_Blank=, Text, 40, \r\n");
        const GuestbookProject p = LoadProject(QStringLiteral("Odd"));
        QCOMPARE(p.TBL_Border, 0);
        const QList<GuestbookField> expected = {
            {QStringLiteral("Name"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
            {QStringLiteral("Short"), QStringLiteral("Textarea"), QString(), QString()}};
        QCOMPARE(p.Fields, expected);
    }

    void fieldNamesWithoutSeparatorLoadNothing()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), "[P]\r\nFLD_Names=Name\r\nFLD_Name=Name, Text, 40, \r\n");
        QVERIFY(LoadProject(QStringLiteral("P")).Fields.isEmpty());
    }

    // Every design the wizard can hold comes back as it was saved.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<GuestbookProject>("project");
        GuestbookProject defaults = GuestbookProject::startupDefaults();
        defaults.Project_Title = QStringLiteral("My Guestbook");
        QTest::newRow("start-up project") << "My Guestbook" << defaults;
        GuestbookProject bordered = borderedProject();
        QTest::newRow("border, odd values, spaces") << "Club news" << bordered;
        GuestbookProject empty = GuestbookProject::startupDefaults();
        empty.Project_Title = QStringLiteral("Empty");
        empty.Fields.clear();
        empty.BG_Image.clear();
        QTest::newRow("no fields") << "Empty" << empty;
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(GuestbookProject, project);
        TestProgramFolder folder;
        SaveProject(name, project);
        QCOMPARE(LoadProject(name), project);
        SaveProject(name, project);
        QCOMPARE(LoadProject(name), project);
        // A design that survives the store can be generated, as long as it has a field.
        const QString problem = PageValuesProblem(project, PageCodePage(kDefaultPageCodePage));
        QCOMPARE(problem.isEmpty(), !project.Fields.isEmpty());
    }

    void recentRows()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(),
                   "[Projects]\r\nRecent_Projects=My_Guestbook, Club_news, my_guestbook, , Club_news\r\n");
        const QList<RecentProject> rows = FillRecentProjects();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).key, QStringLiteral("My_Guestbook"));
        QCOMPARE(rows.at(0).text, QStringLiteral("My Guestbook"));
        QCOMPARE(rows.at(1).key, QStringLiteral(" Club_news"));
        QCOMPARE(rows.at(1).text, QStringLiteral("Club news"));
    }

    void noRecentRowsOnFreshSystem()
    {
        TestProgramFolder folder;
        QVERIFY(FillRecentProjects().isEmpty());
        QCOMPARE(SavedProjectCount(), 0);
    }

    void listItemExists_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("exceptIndex");
        QTest::addColumn<bool>("expected");
        QTest::newRow("other case") << "name" << 0 << false;
        QTest::newRow("exact") << "Name" << 0 << true;
        QTest::newRow("the excepted row") << "Name" << 1 << false;
        QTest::newRow("another row excepted") << "Name" << 2 << true;
        QTest::newRow("with a space") << "Name " << 0 << false;
    }
    void listItemExists()
    {
        QFETCH(QString, text);
        QFETCH(int, exceptIndex);
        QFETCH(bool, expected);
        const QList<GuestbookField> rows = {{QStringLiteral("Name"), {}, {}, {}},
                                            {QStringLiteral("E-mail"), {}, {}, {}}};
        QCOMPARE(ListItemExists(rows, text, exceptIndex), expected);
        QVERIFY(!ListItemExists({}, text, 0));
    }
};

QTEST_GUILESS_MAIN(TestProjectStore)
#include "tst_projectstore.moc"
