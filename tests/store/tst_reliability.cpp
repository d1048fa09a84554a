// Full disks, dying writers and concurrent processes: no file is ever half written, a dead writer never blocks the
// next save, and no reader sees a missing or mixed file.

#include "generator/generationrun.h"
#include "store/atomicfile.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"
#include "support/failingdevice.h"
#include "support/quiethost.h"
#include "support/testfolder.h"

#include <QtTest>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kSaverRounds = 300, kStoppedExitCode = 3, kDay = 24 * 3600;
// A refused save names the lock file and what to do.
const QString kInUse = QStringLiteral("The settings file is in use by another program (lock file %1). Try again in a "
                                      "minute, or delete the lock file if no other Quillset is running.");
// A settings section large enough that each rewrite of the file takes a while.
const QByteArray kFiller = "[Filler]\r\n" + ("Key=" + QByteArray(60, 'v') + "\r\n").repeated(4000);

// The project that the saving child stores in round n.
GuestbookProject savedState(int round)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    p.BG_Color = QStringLiteral("#%1").arg(round, 6, 10, QLatin1Char('0'));
    p.Fields.append({QStringLiteral("Round %1").arg(round), "Text", "9", QString()});
    return p;
}

// The three pages of one generation in a project folder.
QList<AtomicFile::Content> pageSet(const QString &projectFolder, const QByteArray &generation)
{
    QList<AtomicFile::Content> pages;
    for (const char *name : {"default.asp", "addtogb.asp", "viewguestbook.asp"})
        pages.append({projectFolder + '/' + name, generation + ' ' + name});
    return pages;
}

// A count for a longer run by hand, from the environment; fallback unless set.
int countFromEnvironment(const char *name, int fallback)
{
    const int count = qEnvironmentVariableIntValue(name);
    return count > 0 ? count : fallback;
}

void setAge(const QString &path, int seconds)
{
    std::filesystem::last_write_time(std::filesystem::path(path.toStdU16String()),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::seconds(seconds));
}

QProcess *startChild(QObject *parent, const QStringList &args)
{
    auto *child = new QProcess(parent);
    child->start(QCoreApplication::applicationFilePath(), args);
    child->waitForStarted();
    return child;
}

// A stale-temporary case: what is made (a path ending in "/" is a folder), and a link made beside it (to the victim
// for a copy's name, else to its folder).
struct Stale {
    QString entry, link;
    int ageSeconds;
    bool removed;
};

}  // namespace

class TestReliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A writer killed while writing leaves a file that still reads; one killed before filling in its lock (the empty
    // lock goes once a few seconds old) or while holding it does not block the next save; a live holder makes it
    // fail.
    void killedWriter_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("killed while writing") << "--write-keys";
        QTest::newRow("killed before writing the lock") << "--hold-empty-lock";
        QTest::newRow("killed holding the lock") << "--hold-lock";
        QTest::newRow("live holder") << "--hold-lock";
    }
    void killedWriter()
    {
        QFETCH(QString, mode);
        const bool killed = QByteArray(QTest::currentDataTag()).startsWith("killed");
        TestProgramFolder folder;
        const QByteArray old = "[Position]\r\nLeft=4230\r\n" + kFiller;
        writeBytes(SettingsFilePath(), old);
        const bool writing = mode == "--write-keys";
        QProcess *child = startChild(this, {mode, folder.path(), "0", "1000000"});
        QVERIFY(child->waitForReadyRead(10000) && (writing || QFile::exists(SettingsLockPath())));
        QTest::qWait(writing ? 200 : 0);  // in the middle of a later round
        if (killed) {
            child->kill();
            QVERIFY(child->waitForFinished());
        }
        const QByteArray text = readBytes(SettingsFilePath());
        QVERIFY(text.startsWith(old) && text.endsWith("\r\n"));
        QCOMPARE(GetINISetting("Writer 0", "K0", "").isEmpty(), !writing);
        QCOMPARE(SaveINISetting("Position", "Left", "15").errorText.english(),
                 killed ? QString() : kInUse.arg(SettingsLockPath()));
        QCOMPARE(GetINISetting("Position", "Left", "-"), QString(killed ? "15" : "4230"));
        QCOMPARE(QFile::exists(SettingsLockPath()), !killed);
        child->kill();
        child->waitForFinished();
    }

    // A lock older than a minute is stale, whoever wrote it (here another computer); a younger one refuses the save.
    void oldLockIsStale()
    {
        for (const int ageSeconds : {90, 30}) {  // either side of a minute
            TestProgramFolder folder;
            writeBytes(SettingsLockPath(), "4242\nquillset\nother-pc\n");
            setAge(SettingsLockPath(), ageSeconds);
            const bool stale = ageSeconds > 60;
            const QString refusal = stale ? QString() : kInUse.arg(SettingsLockPath());
            QCOMPARE(SaveINISetting("Position", "Left", "1").errorText.english(), refusal);
            QCOMPARE(GetINISetting("Position", "Left", "-"), QString(stale ? "1" : "-"));
        }
    }

    // The start-up clean-up removes only this program's copies older than a minute and its preview folders older than
    // a day, in the program folder, the projects folder and each project folder named in the settings; it never goes
    // through a symbolic link nor removes one.
    void staleTemporariesRemoved_data()
    {
        QTest::addColumn<Stale>("stale");
        const QString copy = ".quillset-tmp.aB3xY9Qw", page = "projects/My_Guestbook/default.asp";
        const QString ini = "Quillset.ini", preview = "tmp/quillset-preview-Ab12Cd/";
        QTest::newRow("settings copy") << Stale{ini + copy, "", 120, true};
        QTest::newRow("settings copy, lock held") << Stale{ini + copy, "", 120, false};
        QTest::newRow("young settings copy") << Stale{ini + copy, "", 5, false};
        QTest::newRow("settings backup") << Stale{ini + ".backup", "", 120, false};
        QTest::newRow("name with six letters") << Stale{ini + ".aB3xY9", "", 120, false};
        QTest::newRow("page copy") << Stale{page + copy, "", 120, true};
        QTest::newRow("copy in a named project folder") << Stale{"www/Club_news/addtogb.asp" + copy, "", 120, true};
        QTest::newRow("linked project folder") << Stale{page + copy, "projects/My_Guestbook", 120, false};
        QTest::newRow("linked projects folder") << Stale{page + copy, "projects", 120, false};
        QTest::newRow("link named as a copy") << Stale{"", page + copy, 120, false};
        QTest::newRow("link higher up a project path")
            << Stale{"elsewhere/sub/Deep_news/" + page.section('/', -1) + copy, "lnk", 120, false};
        QTest::newRow("old preview") << Stale{preview, "", 2 * kDay, true};
        QTest::newRow("old preview holding a link") << Stale{preview, preview + "shared", 2 * kDay, true};
        QTest::newRow("old preview without marker") << Stale{preview, "", 2 * kDay, false};
        QTest::newRow("old preview, marker a link") << Stale{preview, preview + ".quillset-preview", 2 * kDay, false};
        QTest::newRow("old preview of another user") << Stale{preview, "", 2 * kDay, false};
        QTest::newRow("young preview") << Stale{preview, "", 3600, false};
        QTest::newRow("folder not named as a preview") << Stale{"tmp/quillset-preview-notes/", "", 2 * kDay, false};
        QTest::newRow("linked preview") << Stale{"", "tmp/quillset-preview-Xy12Zz", 2 * kDay, false};
    }
    void staleTemporariesRemoved()
    {
        QFETCH(Stale, stale);
        TestProgramFolder folder;
        qputenv("TMPDIR", QFile::encodeName(folder.file("tmp")));
        const auto restoreTemp = qScopeGuard([] { qunsetenv("TMPDIR"); });
        const bool lockHeld = QByteArray(QTest::currentDataTag()).endsWith("lock held");
        if (lockHeld)  // the log then names itself first, so its lines need no settings write
            SaveINISetting("Settings", "AppLog", folder.file("applog.log"));
        QVERIFY(SaveProjectLocation("Club news", folder.file("www")).succeeded());
        QVERIFY(SaveProjectLocation("Deep news", folder.file("lnk/sub")).succeeded());
        QVERIFY(QDir().mkpath(folder.file("elsewhere")));
        // What a link leads to is old enough to go, were the link followed.
        writeBytes(folder.file("elsewhere/victim"), "kept");
        setAge(folder.file("elsewhere/victim"), 2 * kDay);
        setAge(folder.file("elsewhere"), 2 * kDay);
        const QString path = folder.file(stale.entry), link = folder.file(stale.link);
        if (!stale.link.isEmpty()) {
            QDir().mkpath(QFileInfo(link).absolutePath());
            QVERIFY(QFile::link(folder.file(link.contains(".quillset-tmp.") ? "elsewhere/victim" : "elsewhere"), link));
        }
        if (!stale.entry.isEmpty()) {
            QVERIFY(QDir().mkpath(stale.entry.endsWith('/') ? path : QFileInfo(path).absolutePath()));
            writeBytes(path, "partial");
            const QByteArray tag = QTest::currentDataTag();
            if (stale.entry.endsWith('/') && !tag.contains("marker"))  // the mark of this program's own previews
                writeBytes(path + ".quillset-preview", "Quillset preview\r\n");
            if (tag.endsWith("another user") && QProcess::execute("chown", {"-h", "nobody", path}) != 0)
                QSKIP("Only the superuser can give a folder to another user");
            setAge(path, stale.ageSeconds);
        }
        QLockFile lock(SettingsLockPath());
        QVERIFY(!lockHeld || lock.tryLock(0));

        RemoveStaleTemporaryFiles();

        QCOMPARE(QFileInfo::exists(path), !stale.removed);
        QVERIFY(stale.link.isEmpty() || stale.removed || QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(folder.file("elsewhere/victim")), QByteArray("kept"));
        const QString line =
            stale.entry.endsWith('/') ? "Removed stale preview folder " : "Removed stale temporary file ";
        QCOMPARE(logMessages(folder.file("applog.log")).filter("Removed stale"),
                 stale.removed ? QStringList{line + QDir::toNativeSeparators(QDir::cleanPath(path))} : QStringList());
        // The first line names the log in the settings file, though copies go under the settings lock.
        QVERIFY(!stale.removed || GetINISetting("Settings", "AppLog", "-") == folder.file("applog.log"));
    }

    // A set writer killed after any step leaves one whole set after the next start or write, in the projects folder
    // or in a folder that no project names: the old set when it died before its journal was in place, the new one
    // after. Its folder is off the list of unfinished sets again.
    void killedSetWriteLeavesWholeSet_data()
    {
        QTest::addColumn<int>("stop");
        QTest::addColumn<QString>("setFolder");
        const char *steps[] = {"copy 1 staged",   "copy 2 staged",  "copy 3 staged",  "folder listed",
                               "journal written", "page 1 renamed", "page 2 renamed", "page 3 renamed",
                               "journal removed", "folder unlisted"};
        for (int stop = 1; stop <= 10; ++stop) {
            QTest::addRow("%s, next start", steps[stop - 1]) << stop << "projects/Club_news";
            QTest::addRow("%s, next write", steps[stop - 1]) << stop << "projects/Club_news";
            QTest::addRow("%s, unnamed folder, next start", steps[stop - 1]) << stop << "unnamed/Club_news";
        }
    }
    void killedSetWriteLeavesWholeSet()
    {
        QFETCH(int, stop);
        QFETCH(QString, setFolder);
        const bool nextWrite = QByteArray(QTest::currentDataTag()).endsWith("write");
        TestProgramFolder folder;
        const QString pages = folder.file(setFolder);
        QVERIFY(QDir().mkpath(pages));
        QVERIFY(AtomicFile::writeSet(pageSet(pages, "old")).succeeded());
        QProcess *writer = startChild(this, {"--stop-set-write", folder.path(), QString::number(stop), pages});
        QVERIFY(writer->waitForFinished());
        QCOMPARE(writer->exitCode(), kStoppedExitCode);
        QVERIFY(!nextWrite || AtomicFile::writeSet(pageSet(pages, "next")).succeeded());
        RemoveStaleTemporaryFiles();  // a later start never rolls the killed set over a newer one
        for (const AtomicFile::Content &page : pageSet(pages, nextWrite ? "next" : stop > 4 ? "new" : "old"))
            QCOMPARE(readBytes(page.path), page.bytes);
        QCOMPARE(QDir(folder.file(".quillset-unfinished-sets")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Generation runs killed at random moments in a folder that no project names: after the next start each time,
    // the folder holds the three pages of one run (QUILLSET_RUN_KILLS: kills, 5 unless set).
    void killedRunsLeaveNoMixedSet()
    {
        TestProgramFolder folder;
        const QString saveTo = folder.file("unnamed"), pages = saveTo + "/Club_news/";
        QVERIFY(QDir().mkpath(saveTo));
        const int kills = countFromEnvironment("QUILLSET_RUN_KILLS", 5);
        int interrupted = 0, mixed = 0;
        for (int kill = 0; kill < kills; ++kill) {
            QProcess *runs = startChild(this, {"--generate-rounds", folder.path(), saveTo});
            QVERIFY(runs->waitForReadyRead(10000));  // a first set is in place
            QThread::msleep(QRandomGenerator::global()->bounded(40));
            runs->kill();
            QVERIFY(runs->waitForFinished());
            interrupted += QFileInfo::exists(pages + ".quillset-set.journal");
            RemoveStaleTemporaryFiles();
            QSet<QString> rounds;  // the round named in each page's title
            for (const char *page : {"default.asp", "addtogb.asp", "viewguestbook.asp"})
                rounds << QRegularExpression("<title>Club news (\\d+)<").match(readBytes(pages + page)).captured(1);
            mixed += rounds.size() != 1 || rounds.contains(QString());
        }
        qInfo("%d kills of generation runs in a folder no project names: %d in the middle of a set, %d mixed sets "
              "after start-up",
              kills, interrupted, mixed);
        QCOMPARE(mixed, 0);
    }

    // Each copy reaches the disk before its rename, and its folder after it; the journal of a set is written whole
    // before the first rename. A linked settings file or page stays a link; its target gets the content via a copy
    // beside it. A failed rename of a set's second file puts the first back; a failed put-back is named. No temporary
    // file stays behind.
    void writesSyncAndKeepLinks_data()
    {
        QTest::addColumn<QString>("pointsTo");  // what the first file is a link to; empty: no link
        QTest::addColumn<QString>("calls");  // the sync and rename calls; empty: not looked at
        QTest::newRow("settings file") << QString() << "sync Quillset.ini~|rename Quillset.ini|sync folder";
        // The first set write makes the list of unfinished sets ("sync folder"); the entry precedes the journal.
        QTest::newRow("page set") << QString()
                                  << "sync a.asp~|sync b.asp~|sync folder|sync entry~|rename entry|sync list|sync "
                                     ".quillset-set.journal~|rename .quillset-set.journal|sync folder|rename a.asp|"
                                     "rename b.asp|sync folder";
        QTest::newRow("new data file") << QString() << "sync guestbook.txt|sync folder";
        QTest::newRow("new project folder") << QString() << "sync folder";
        QTest::newRow("linked settings file") << "real/Quillset.ini" << QString();
        QTest::newRow("linked page") << "real/a.asp" << QString();
        QTest::newRow("page linked to a missing file") << "real/missing.asp" << QString();
        QTest::newRow("page set, failed put-back") << QString() << QString();
        // A program folder where the list cannot be made does not stop the set.
        QTest::newRow("page set, list not writable")
            << QString()
            << "sync a.asp~|sync b.asp~|sync .quillset-set.journal~|rename .quillset-set.journal|sync "
               "folder|rename a.asp|rename b.asp|sync folder";
    }
    void writesSyncAndKeepLinks()
    {
        QFETCH(QString, pointsTo);
        QFETCH(QString, calls);
        TestProgramFolder folder;
        const QByteArray what = QTest::currentDataTag();
        const bool settings = what.contains("settings");
        const QString first = settings ? SettingsFilePath() : folder.file("a.asp");
        if (!pointsTo.isEmpty()) {
            QVERIFY(QDir().mkpath(folder.file("real")) && QFile::link(pointsTo, first));
            if (!pointsTo.contains("missing"))
                writeBytes(folder.file(pointsTo), "[Position]\r\nLeft=1\r\n");
        }
        QStringList seen;
        // A path as the calls name it: the program folder, the list of unfinished sets, a file by its name with the
        // random part of a temporary copy's name as "~" and a list entry's hash as "entry".
        const auto shortName = [&](const QString &path) {
            return path == folder.path() ? QStringLiteral("folder")
                                         : QFileInfo(path)
                                               .fileName()
                                               .replace(QRegularExpression("\\.quillset-tmp\\.\\w{8}$"), "~")
                                               .replace(QRegularExpression("^[0-9a-f]{40}"), "entry")
                                               .replace(".quillset-unfinished-sets", "list");
        };
        const AtomicFile::DiskSync real = AtomicFile::realDiskSync();
        AtomicFile::setDiskSyncForTesting({[&](int handle, const QString &file, QString *error) {
                                               return seen << "sync " + shortName(file), real.file(handle, file, error);
                                           },
                                           [&](const QString &path, QString *error) {
                                               return seen << "sync " + shortName(path), real.folder(path, error);
                                           }});
        const auto restoreSync = qScopeGuard([] { AtomicFile::setDiskSyncForTesting({}); });
        const QString list = folder.file(".quillset-unfinished-sets");
        if (what.contains("list not writable"))
            writeBytes(list, "a file where the list's folder would be");
        const bool putBackFails = what.contains("put-back");
        if (putBackFails)
            writeBytes(first, "old page");
        const FailingDevice::Installed renames([&](const QString &path) {
            const FailingDevice::Step step = !putBackFails       ? FailingDevice::None
                : path == folder.file("b.asp")                   ? FailingDevice::Commit
                : path == first && seen.contains("rename b.asp") ? FailingDevice::Write  // its put-back
                                                                 : FailingDevice::None;
            return std::make_unique<FailingDevice>(path, step, [&, path] { seen << "rename " + shortName(path); });
        });
        const WriteResult written = settings ? SaveINISetting("Position", "Left", "15")
            : what.contains("data file")     ? AtomicFile::createEmpty(folder.file("guestbook.txt"))
            : what.contains("project folder")
            ? AtomicFile::createFolder(folder.file("Club_news"))
            : AtomicFile::writeSet({{first, "new page"}, {folder.file("b.asp"), "script"}});
        QCOMPARE(written.errorText.english(),
                 putBackFails ? FailingDevice::kError + "; not put back: " + first + ": " + FailingDevice::kError
                              : QString());
        QVERIFY(!QFile::exists(folder.file("b.asp")) || !putBackFails);
        QVERIFY2(calls.isEmpty() || seen.join('|') == calls, qPrintable(seen.join('|')));
        QVERIFY(!what.contains("list not writable") || QFile::remove(list));
        QCOMPARE(QDir(folder.path()).entryList({"*.quillset-*"}, QDir::Files | QDir::Hidden), QStringList());
        if (pointsTo.isEmpty())
            return;
        const QString target = folder.file(pointsTo);
        QVERIFY(QFileInfo(first).isSymLink());
        QCOMPARE(readBytes(target), settings ? QByteArray("[Position]\r\nLeft=15\r\n") : QByteArray("new page"));
        QCOMPARE(QDir(folder.file("real")).entryList(QDir::Files | QDir::Hidden), {QFileInfo(target).fileName()});
    }

    // A journal planted in a project folder: the next start and the next run there put in place only copies of the
    // folder's own pages (for a linked page, the copy beside the file it leads to). Other lines are ignored, and the
    // journal is left in place, named in the log, and the run refuses to go on over it. A journal that is a FIFO, a
    // link to a device or larger than 64 KB is never read, and nothing waits on it.
    void plantedJournal_data()
    {
        QTest::addColumn<QByteArray>("line");  // the journal's lines, "%W" for the work folder
        QTest::addColumn<QString>("journal");  // "FIFO", a link to "/dev/zero", a file of "10 MB"; empty: a file
        QTest::addColumn<QString>("outcome");  // the own page's copy "placed", the journal "kept"
        const auto row = [](const char *tag, const QByteArray &line, const char *journal, const char *outcome) {
            QTest::newRow(tag) << line << QString(journal) << QString(outcome);
        };
        const QByteArray own = "default.asp.quillset-tmp.OwnPage1\n",
                         notes = "elsewhere/notes.txt.quillset-tmp.Victim01";
        row("own page", own, "", "placed");
        row("linked page", "../../elsewhere/real.asp.quillset-tmp.LinkPage\n", "", "placed");
        row("absolute path", "%W/" + notes, "", "kept");
        row("../", "../../" + notes, "", "kept");
        row("own page and ../", own + "../../" + notes, "", "placed, kept");
        row("another folder's page", "../Other_book/default.asp.quillset-tmp.Other001", "", "kept");
        row("folder link", "lnk/default.asp.quillset-tmp.Other001", "", "kept");
        row("copy that is a link", "addtogb.asp.quillset-tmp.LinkCopy", "", "kept");
        row("truncated line", "default.asp.quillset-tmp.Own", "", "kept");
        row("FIFO", own, "FIFO", "kept");
        row("link to /dev/zero", own, "/dev/zero", "kept");
        row("10 MB", own + QByteArray(10 << 20, '\n'), "10 MB", "kept");
    }
    void plantedJournal()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, journal);
        QFETCH(QString, outcome);
        const bool placed = outcome.contains("placed"), kept = outcome.contains("kept");
        TestProgramFolder folder;
        const QString f = folder.file("www/Club_news/"), journalPath = f + ".quillset-set.journal";
        for (const char *made : {"www/Club_news", "www/Other_book", "elsewhere"})
            QVERIFY(QDir().mkpath(folder.file(made)));
        QVERIFY(SaveProjectLocation("Club news", folder.file("www")).succeeded());
        for (const QString file :
             {"www/Club_news/default.asp=old", "www/Club_news/default.asp.quillset-tmp.OwnPage1=new",
              "elsewhere/real.asp=old", "elsewhere/real.asp.quillset-tmp.LinkPage=new", "elsewhere/notes.txt=victim",
              "elsewhere/notes.txt.quillset-tmp.Victim01=planted", "www/Other_book/default.asp=other",
              "www/Other_book/default.asp.quillset-tmp.Other001="})
            writeBytes(folder.file(file.section('=', 0, 0)), file.section('=', 1).toLatin1());
        QVERIFY(QFile::link(folder.file("www/Other_book"), f + "lnk"));
        QVERIFY(QFile::link(folder.file("elsewhere/notes.txt.quillset-tmp.Victim01"),
                            f + "addtogb.asp.quillset-tmp.LinkCopy"));
        if (QByteArray(QTest::currentDataTag()) == "linked page")
            QVERIFY(QFile::remove(f + "default.asp")
                    && QFile::link(folder.file("elsewhere/real.asp"), f + "default.asp"));
        if (journal == "FIFO" || journal == "/dev/zero")
            QVERIFY(journal == "FIFO" ? QProcess::execute("mkfifo", {journalPath}) == 0
                                      : QFile::link(journal, journalPath));
        else
            writeBytes(journalPath, line.replace("%W", QFile::encodeName(folder.path())));
        // Files outside the set replaced: the victims, and the folder's other page as a link to one.
        const auto outsideReplaced = [&] {
            return int(readBytes(folder.file("elsewhere/notes.txt")) != "victim")
                + int(readBytes(folder.file("www/Other_book/default.asp")) != "other")
                + int(QFileInfo(f + "addtogb.asp").isSymLink());
        };
        const QString keptLine = "The journal " + QDir::toNativeSeparators(journalPath)
            + " of an unfinished write was left in place: "
            + (journal.isEmpty() ? "it names files outside its set" : "it is not a regular file of at most 64 KB");

        RemoveStaleTemporaryFiles();
        QCOMPARE(readBytes(f + "default.asp"), placed ? "new" : "old");
        QCOMPARE(logMessages(folder.file("applog.log")).filter("journal"),
                 kept ? QStringList{keptLine} : QStringList());
        int replaced = outsideReplaced();
        GuestbookProject project = GuestbookProject::startupDefaults();
        project.Project_Path = folder.file("www");
        QString name = "Club news";
        QuietHost host;
        const GenerationOutcome run = GenerateGuestbook(name, project, host);
        QCOMPARE(run.errorText.english(), kept ? keptLine + ". Remove it, then try again" : QString());
        QCOMPARE(logMessages(folder.file("applog.log")).last(),
                 "Guestbook [ My Guestbook ] "
                     + (kept ? "not created: " + run.errorText.english() : "created successfully"));
        QCOMPARE(QFileInfo::exists(journalPath), kept);  // the link to /dev/zero counts as there
        replaced += outsideReplaced();
        qInfo("%d files outside the set replaced", replaced);
        QCOMPARE(replaced, 0);
    }

    // Processes saving at once lose no acknowledged save (QUILLSET_RACE_SAVES: saves each): four in one program
    // folder, or two in program folders whose settings files are links to one shared file.
    void racingWritersLoseNoSave_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("four writers, one program folder") << false;
        QTest::newRow("two writers, two folders, one linked file") << true;
    }
    void racingWritersLoseNoSave()
    {
        QFETCH(bool, linked);
        const int writerCount = linked ? 2 : 4;
        TestProgramFolder folder;
        const QString shared = folder.file("shared.ini");
        writeBytes(linked ? shared : SettingsFilePath(), kFiller);
        QVERIFY(!linked || QFile::link(shared, SettingsFilePath()));
        const int saves = countFromEnvironment("QUILLSET_RACE_SAVES", 100);
        QList<QProcess *> writers;
        for (int w = 0; w < writerCount; ++w) {
            const QString programFolder = linked ? folder.file(QString::number(w)) : folder.path();
            QVERIFY(!linked || (QDir().mkdir(programFolder) && QFile::link(shared, programFolder + "/Quillset.ini")));
            writers << startChild(this, {"--write-keys", programFolder, QString::number(w), QString::number(saves)});
        }
        int acknowledged = 0, lost = 0;
        for (QProcess *writer : writers) {
            QVERIFY(writer->waitForFinished(-1));
            const IniSnapshot settings = IniSnapshot::ofSettingsFile();
            for (const QByteArray &key : writer->readAllStandardOutput().split(' ')) {
                acknowledged += !key.isEmpty();
                lost += !key.isEmpty() && settings.value("Writer " + writer->arguments().at(2), key, "-") != key;
            }
        }
        qInfo("%d writers: %d of %d saves acknowledged, %d lost", writerCount, acknowledged, writerCount * saves, lost);
        QCOMPARE(acknowledged, writerCount * saves);
        QCOMPARE(lost, 0);
    }

    // Loads and recent lists during another process's saves are always a saved state.
    void readersNeverSeeTornFile()
    {
        TestProgramFolder folder;
        QVERIFY(SaveProject("Club news", savedState(0)).succeeded());
        QProcess *saver = startChild(this, {"--save-rounds", folder.path()});
        int loads = 0;
        QStringList wrong;
        for (; saver->state() != QProcess::NotRunning || loads == 0; ++loads) {
            const GuestbookProject loaded = LoadProject("Club news");
            const GuestbookProject saved = savedState(loaded.BG_Color.mid(1).toInt());
            const QList<RecentProject> rows = FillRecentProjects();
            if (loaded.Fields != saved.Fields || loaded.BG_Color != saved.BG_Color || rows.size() != 1
                || rows.first().text != "Club news")
                wrong << loaded.BG_Color;
            saver->waitForFinished(0);
        }
        QCOMPARE(saver->exitCode(), 0);
        qInfo("%d loads during %d saves, %lld wrong", loads, kSaverRounds, qlonglong(wrong.size()));
        QCOMPARE(wrong, QStringList());
        QCOMPARE(LoadProject("Club news").BG_Color, savedState(kSaverRounds).BG_Color);
    }
};

// The test binary doubles as the other processes of these tests.
static int runChild(const QString &mode, const QStringList &args)
{
    ProgramFolder::setPathForTesting(args.at(2));
    if (mode == "--save-rounds") {
        for (int round = 1; round <= kSaverRounds; ++round) {
            if (!SaveProject("Club news", savedState(round)).succeeded())
                return 1;
        }
    } else if (mode == "--write-keys") {  // prints the key of each save acknowledged; each key holds its own name
        for (int i = 0; i < args.at(4).toInt(); ++i) {
            const QString key = QStringLiteral("K%1").arg(i);
            if (SaveINISetting("Writer " + args.at(3), key, key).succeeded())
                QTextStream(stdout) << key << ' ' << Qt::flush;
        }
    } else if (mode == "--stop-set-write") {
        int steps = 0;
        AtomicFile::setSetStepHookForTesting([&steps, &args] {
            if (++steps == args.at(3).toInt())
                std::_Exit(kStoppedExitCode);  // as a kill: no clean-up runs
        });
        AtomicFile::writeSet(pageSet(args.at(4), "new"));
    } else if (mode == "--generate-rounds") {  // runs into args[3] until killed, printing each round once done
        GuestbookProject project = GuestbookProject::startupDefaults();
        project.Project_Path = args.at(3);
        QuietHost host;
        for (int round = 1;; ++round) {
            project.Project_Title = QStringLiteral("Club news %1").arg(round);
            QString name = QStringLiteral("Club news");
            if (!GenerateGuestbook(name, project, host).succeeded)
                return 1;
            QTextStream(stdout) << round << Qt::endl;
        }
    } else {  // holds the lock, or the empty lock of a writer that has not filled it in, until killed
        QLockFile lock(SettingsLockPath());
        QFile emptyLock(SettingsLockPath());
        if (!(mode == "--hold-lock" ? lock.tryLock(0) : emptyLock.open(QIODevice::WriteOnly | QIODevice::NewOnly)))
            return 1;
        QTextStream(stdout) << "locked" << Qt::endl;
        QThread::sleep(60);
    }
    return 0;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1).startsWith("--"))  // Qt Test's own options start with one dash
        return runChild(args.at(1), args);
    TestReliability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reliability.moc"
