#include "generator/pagevalues.h"
#include "store/projectkeys.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QtTest>

class TestProjectStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first save of the default project on a fresh system, key by key and in order; it loads back as it was.
    void firstSaveWritesWorkedExample()
    {
        TestProgramFolder folder;
        GuestbookProject p = GuestbookProject::startupDefaults();
        p.Project_Path = "C:\\Sites\\";
        SaveProject("My Guestbook", p);
        QCOMPARE(readBytes(SettingsFilePath()),
                 "[Projects]\r\nRecent_Projects=My_Guestbook\r\n[Settings]\r\nprjNumber=1\r\n[My Guestbook]\r\n"
                 "Project_Title=My Guestbook\r\nProject_Path=C:\\Sites\\\r\nBG_Image=None\r\nBG_Color=#ffffff\r\n"
                 "TBL_Width=45%\r\nTBL_Border=0\r\nTBL_Border_Width=0\r\nM_FColor=#000000\r\nM_FFace=Verdana\r\n"
                 "M_FSize=11\r\nH_FColor=#3333ff\r\nH_FFace=Verdana\r\nH_FSize=11\r\nHM_FColor=#ff0000\r\n"
                 "HM_FFace=Verdana\r\nHM_FSize=11\r\nFLD_Name=Name, Text, 40, \r\nFLD_E-mail=E-mail, Text, 40, \r\n"
                 "FLD_Homepage=Homepage, Text, 40, \r\nFLD_Comments=Comments, Textarea, 10, 39\r\n"
                 "FLD_Names=, Name, E-mail, Homepage, Comments\r\n");
        QCOMPARE(LoadProject("My Guestbook"), p);
    }

    // Saving "Club news" lists it once, whatever the case of its listed name, and counts it. An unreadable or 9999
    // count counts as 0 (a missing one too: see the worked example); the largest count stays.
    void listAndCount_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("count");
        const QByteArray count = "[Settings]\r\nprjNumber=";
        QTest::newRow("9999") << count + "9999\r\n" << "Club_news" << 1;
        QTest::newRow("not a number") << count + "many\r\n" << "Club_news" << 1;
        QTest::newRow("a count") << count + "4\r\n" << "Club_news" << 5;
        QTest::newRow("the largest count stays") << count + "2147483647\r\n" << "Club_news" << 2147483647;
        QTest::newRow("beyond the largest count") << count + "2147483648\r\n" << "Club_news" << 1;
        QTest::newRow("added to the list")
            << QByteArray("[Projects]\r\nRecent_Projects=My_Guestbook\r\n") << "My_Guestbook, Club_news" << 1;
        QTest::newRow("listed in a spaced list")
            << QByteArray("[Projects]\r\nRecent_Projects = My_Guestbook ,  club_news \r\n[Settings]\r\nprjNumber=2\r\n")
            << "My_Guestbook ,  club_news" << 2;
    }
    void listAndCount()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, list);
        QFETCH(int, count);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), stored);
        SaveProject("Club news", GuestbookProject::startupDefaults());
        QCOMPARE(GetINISetting("Projects", "Recent_Projects", "-"), list);
        QCOMPARE(SavedProjectCount(), count);
    }

    // Empty and missing values load as the fallbacks; stored values the program never writes itself load safely. A page
    // style the program does not know loads as it is and is refused for the pages.
    void loadFallsBackAndSkipsOddValues()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(),
                   "[Club news]\r\nProject_Title=Club news\r\nProject_Path=/srv/\r\nBG_Color=\r\n"
                   "[Odd]\r\nTBL_Border=yes\r\nFLD_Names=, Name, Short, , Blank, Name, Missing\r\n"
                   "FLD_Name=Name, Text, 40, \r\nFLD_Short=Short, Textarea\r\nFLD_Blank=, Text, 40, \r\n"
                   "[P]\r\nFLD_Names=Name\r\nFLD_Name=Name, Text, 40, \r\n"
                   "[Hand]\r\nProject_Path = /srv/ \r\nTBL_Border = 1\r\nH_FColor =  \r\nBG_Image=\"\"\r\n"
                   "Page_Style=Fancy\r\nPage_Language=\r\n"
                   "FLD_Names = , Name\r\nFLD_Name = Name, Text, 40,\r\n");
        const GuestbookProject fallbacks{"Club news", "/srv/",   "",  "#ffffff", "45%",     0,    "0",
                                         "#000000",   "Verdana", "11", "#333333", "Verdana", "11", "#ff0000",
                                         "Verdana",   "11",      0,    "0",       "0",       "",   0,
                                         "",          "",        "",   "",        "",        "",   {}};
        QCOMPARE(LoadProject("Club news"), fallbacks);
        QCOMPARE(LoadProject("Nowhere").Project_Path, GuestbookProject::defaultProjectPath());

        const GuestbookProject odd = LoadProject("Odd");
        QCOMPARE(odd.TBL_Border, 0);
        QCOMPARE(odd.Fields, QList<GuestbookField>({{"Name", "Text", "40", {}}, {"Short", "Textarea", {}, {}}}));
        QVERIFY(LoadProject("P").Fields.isEmpty());  // a field list without separator

        // Written by hand in the spaced style: values as the profile functions give them.
        GuestbookProject hand = fallbacks;
        hand.Project_Title = "Hand", hand.TBL_Border = 1, hand.Fields = {{"Name", "Text", "40", QString()}};
        hand.Page_Style = "Fancy";
        QCOMPARE(LoadProject("Hand"), hand);
        QCOMPARE(PageValuesProblem(hand, PageCodePage(kDefaultPageCodePage)).english(),
                 QStringLiteral("Page style \"Fancy\" cannot be used in a page: it is neither Classic nor Modern"));
    }

    // The page style and language are written once chosen (and then kept), never for a project that has always
    // had the defaults.
    void pageChoicesWrittenOnceChosen_data()
    {
        QTest::addColumn<QStringList>("saves");  // style and language of each save in turn
        QTest::addColumn<QByteArray>("lines");  // the section's page keys after them
        QTest::newRow("defaults") << QStringList{"Classic en", "Classic en"} << QByteArray();
        QTest::newRow("modern") << QStringList{"Modern en"} << QByteArray("Page_Style=Modern\r\n");
        QTest::newRow("German") << QStringList{"Classic de"} << QByteArray("Page_Language=de\r\n");
        QTest::newRow("both, then back") << QStringList{"Modern ja", "Classic en"}
                                         << QByteArray("Page_Style=Classic\r\nPage_Language=en\r\n");
    }
    void pageChoicesWrittenOnceChosen()
    {
        QFETCH(QStringList, saves);
        QFETCH(QByteArray, lines);
        TestProgramFolder folder;
        GuestbookProject p = GuestbookProject::startupDefaults();
        p.Project_Title = "Club";
        for (const QString &save : saves) {
            p.Page_Style = save.section(' ', 0, 0), p.Page_Language = save.section(' ', 1, 1);
            SaveProject("Club", p);
            QCOMPARE(LoadProject("Club"), p);
        }
        QByteArray stored;
        for (const QByteArray &line : readBytes(SettingsFilePath()).split('\n'))
            stored += line.startsWith("Page_") ? line + '\n' : QByteArray();
        QCOMPARE(stored, lines);
    }
    static GuestbookProject withProtection(GuestbookProject p)
    {
        p.Spam_Guard = 1, p.Max_Entry_Length = "500", p.Entries_Per_Page = "20", p.Moderate_Entries = 1;
        p.Owner_Password = "sha256:" + QString(32, 'a') + ":" + QString(64, 'b');
        return p;
    }

    // Every design the wizard can hold comes back as it was saved.
    void roundTrip_data()
    {
        QTest::addColumn<GuestbookProject>("project");
        GuestbookProject p = GuestbookProject::startupDefaults();
        p.Project_Title = "Club news", p.Project_Path = "/srv/www/", p.BG_Image = " Images/Back.GIF ";
        p.BG_Color = "#FFCC00", p.TBL_Width = "33%", p.TBL_Border = 1, p.TBL_Border_Width = "5";
        p.M_FFace = "Times New Roman", p.H_FColor = "not a colour";
        p.Fields = {{"Your Name", "Text", "30", QString()}, {"  ", "Textarea", "5", "20"}, {"name", "text", "", "40"}};
        QTest::newRow("border, odd values, spaces") << p;
        p.Project_Title = "Empty", p.BG_Image.clear(), p.Fields.clear();
        QTest::newRow("no fields") << p;
        QTest::newRow("protection on") << withProtection(p);
        p.Page_Style = "Modern", p.Page_Language = "zh";
        QTest::newRow("modern, Chinese") << p;
        p.Publish_Protocol = "ftps", p.Publish_Host = "ftp.example.org", p.Publish_Port = "2121";
        p.Publish_User = "club", p.Publish_Folder = "/htdocs/guest book", p.Site_Address = "https://example.org/gb/";
        QTest::newRow("published") << p;
    }
    void roundTrip()
    {
        QFETCH(GuestbookProject, project);
        const QString name = project.Project_Title;
        TestProgramFolder folder;
        // Saved first with protection on and an extra field, so that turning it off and dropping it are saved too.
        GuestbookProject first = withProtection(project);
        first.Fields.append({"Extra", "Text", "1", {}});
        SaveProject(name, first);
        for (int save = 0; save < 2; ++save) {
            SaveProject(name, project);
            QCOMPARE(LoadProject(name), project);
        }
        // A design that survives the store can be generated, as long as it has a field.
        const QString problem = PageValuesProblem(project, PageCodePage(kDefaultPageCodePage)).english();
        QCOMPARE(problem.isEmpty(), !project.Fields.isEmpty());
    }

    // A file that Windows wrote in windows-1252, and the same in UTF-8, loads and saves with every byte kept.
    void loadAndSaveKeepBytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray cp1252 =
            "[Projects]\r\nRecent_Projects=Caf\xE9_Club\r\n[Settings]\r\nprjNumber=1\r\n[Caf\xE9 Club]\r\n"
            "Project_Title=Caf\xE9 Club\r\nProject_Path=C:\\Caf\xE9\\\r\nBG_Image=\x81\x8D\x8F\x90\x9D.gif\r\n"
            "BG_Color=#ffffff\r\nTBL_Width=45%\r\nTBL_Border=1\r\nTBL_Border_Width=2\r\n"
            "M_FColor=#000000\r\nM_FFace=Tr\xE9"
            "buchet \x80\r\nM_FSize=11\r\nH_FColor=#3333ff\r\nH_FFace=Verdana\r\nH_FSize=11\r\nHM_FColor=#ff0000\r\n"
            "HM_FFace=Verdana\r\nHM_FSize=11\r\nFLD_Pr\xE9nom=Pr\xE9nom, Text, 40, \r\nFLD_Names=, Pr\xE9nom\r\n";
        QTest::newRow("windows-1252") << cp1252;
        QTest::newRow("UTF-8") << QByteArray(cp1252).replace("\xE9", "\xC3\xA9").replace("\x80", "\xE2\x82\xAC")
                                      .replace("\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    }
    void loadAndSaveKeepBytes()
    {
        QFETCH(QByteArray, file);
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), file);
        const QString name = QStringLiteral("Caf\u00E9 Club");
        const GuestbookProject loaded = LoadProject(name);
        QCOMPARE(loaded.M_FFace, QStringLiteral("Tr\u00E9") + QStringLiteral("buchet \u20AC"));
        QVERIFY(SaveProject(name, loaded).succeeded());
        QCOMPARE(readBytes(SettingsFilePath()), file);
    }

    // A design whose fields would not load back as they are is not saved at all; the refusal names the field. The
    // field dialog asks the same rules of a name (the row's last field).
    void unloadableFieldRefusesSave_data()
    {
        QTest::addColumn<QList<GuestbookField>>("fields");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char *name, const QList<GuestbookField> &fields, const QString &reason) {
            QTest::newRow(name) << fields << "The field \"" + fields.last().FieldName + "\" cannot be saved: " + reason;
        };
        row("line break", {{"Name", "Text", "4", ""}, {"Your\nName", "Text", "1", ""}},
            "it holds a line break, and the settings file keeps each value on one line");
        row("equals sign", {{"Fxx=y", "Text", "40", ""}}, "it holds \"=\", which ends a key in the settings file");
        row("comma", {{"Town, Zip", "Text", "4", ""}}, "it holds \",\", which separates the parts of a saved field");
        row("key apart from capitals", {{"a b", "Text", "4", ""}, {"A_B", "Text", "5", ""}},
            "the field \"a b\" is saved under the same key");
        row("kind with a space", {{"Memo", "Text area", "4", "3"}}, "it would not load back as it is");
    }
    void unloadableFieldRefusesSave()
    {
        QFETCH(QList<GuestbookField>, fields);
        QFETCH(QString, refusal);
        TestProgramFolder folder;
        GuestbookProject p = GuestbookProject::startupDefaults();
        p.Fields = fields;
        QCOMPARE(SaveProject("Club news", p).errorText.english(), refusal);
        QVERIFY(!QFile::exists(SettingsFilePath()));
        QCOMPARE(StoredFieldNameProblem(fields.last().FieldName).english().isEmpty(), !refusal.contains(": it holds"));
    }

    // The recent rows show each listed name once, with "_" as " "; there are none at first.
    void recentRows()
    {
        TestProgramFolder folder;
        QVERIFY(FillRecentProjects().isEmpty() && SavedProjectCount() == 0);
        writeBytes(SettingsFilePath(),
                   "[Projects]\r\nRecent_Projects=My_Guestbook, Club_news, my_guestbook, , Club_news\r\n");
        QStringList rows;
        for (const RecentProject &row : FillRecentProjects())
            rows << row.key + '|' + row.text;
        QCOMPARE(rows, QStringList({"My_Guestbook|My Guestbook", " Club_news|Club news"}));
    }

    // Projects differ when any one key's value or the fields differ. A location save writes the title and folder
    // under the underscored title, and a load shows the title with "_" as " ".
    void equalityAndLocation()
    {
        const GuestbookProject start = GuestbookProject::startupDefaults();
        for (const ProjectKey &row : ProjectKeys()) {
            GuestbookProject changed = start;
            row.setIn(changed, row.text ? QStringLiteral("changed") : QStringLiteral("1"));
            QVERIFY2(!(changed == start), row.key);
        }
        GuestbookProject fewer = start;
        fewer.Fields.removeLast();
        QVERIFY(!(fewer == start));
        TestProgramFolder folder;
        QVERIFY(SaveProjectLocation("Club news", "/srv/www/").succeeded());
        QCOMPARE(readBytes(SettingsFilePath()),
                 QByteArray("[Club_news]\r\nProject_Title=Club news\r\nProject_Path=/srv/www/\r\n"));
        QCOMPARE(LoadProject("Club_news").Project_Title, QStringLiteral("Club news"));
    }
};

QTEST_GUILESS_MAIN(TestProjectStore)
#include "tst_projectstore.moc"
