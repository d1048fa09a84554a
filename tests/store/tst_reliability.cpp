// What must hold when disks fill, writers die and other processes write at the
// same time: no file is ever half written, a dead writer never blocks the next
// save, and a reader never sees a missing or mixed file.

#include "generator/generationrun.h"
#include "store/atomicfile.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"
#include "support/failingdevice.h"
#include "support/testfolder.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

namespace {

constexpr int kSaverRounds = 300;

// The project that the saving child stores in round n.
GuestbookProject savedState(int round)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    p.BG_Color = QStringLiteral("#%1").arg(round, 6, 10, QLatin1Char('0'));
    p.Fields.append({QStringLiteral("Round %1").arg(round), "Text", "9", QString()});
    return p;
}

QProcess *startChild(QObject *parent, const QStringList &args)
{
    auto *child = new QProcess(parent);
    child->start(QCoreApplication::applicationFilePath(), args);
    child->waitForStarted();
    return child;
}

}  // namespace

class TestReliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A write that fails at any step leaves the old file byte for byte, leaves no
    // temporary copy and hands back the error text.
    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<int>("step");
        for (int step = FailingDevice::Write; step <= FailingDevice::Commit; ++step)
            QTest::newRow(FailingDevice::stepName(step)) << step;
    }
    void failedWriteKeepsOldFile()
    {
        QFETCH(int, step);
        TestProgramFolder folder;
        const QByteArray old = "[Settings]\r\nprjNumber=1\r\n" + QByteArray(20000, 'x') + "\r\n";
        writeBytes(SettingsFilePath(), old);
        const FailingDevice::Installed failing(SettingsFilePath(), FailingDevice::Step(step));
        const WriteResult saved = SaveProject("Club news", GuestbookProject::startupDefaults());
        QCOMPARE(saved.errorText, FailingDevice::kError);
        QCOMPARE(readBytes(SettingsFilePath()), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Quillset.ini"});
    }

    // When the second file of a set cannot be renamed into place, the first is put
    // back; when that fails too, the error says which file was not put back.
    void failedPutBackIsReported()
    {
        TestProgramFolder folder;
        const QString first = folder.file("first.asp");
        const QString second = folder.file("second.asp");
        writeBytes(first, "old first");
        int firstDevices = 0;
        AtomicFile::setDeviceFactoryForTesting([&](const QString &path) -> std::unique_ptr<StagingDevice> {
            if (path == second)
                return std::make_unique<FailingDevice>(path, FailingDevice::Commit);
            if (path == first && ++firstDevices == 2)  // the put-back
                return std::make_unique<FailingDevice>(path, FailingDevice::Write);
            return AtomicFile::realDevice(path);
        });
        const WriteResult written = AtomicFile::writeSet({{first, "new first"}, {second, "new second"}});
        AtomicFile::setDeviceFactoryForTesting({});
        QCOMPARE(written.errorText, FailingDevice::kError + "; not put back: " + first + ": " + FailingDevice::kError);
        QVERIFY(!QFile::exists(second));
    }

    // A writer killed after creating the lock but before writing its process id
    // into it (its empty lock goes once it is a few seconds old), or killed while
    // holding the lock, does not block the next save; a live holder makes the save
    // wait and then fail, and nothing is written.
    void lockHolder_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("killed");
        QTest::newRow("killed before writing the lock") << "--hold-empty-lock" << true;
        QTest::newRow("killed holding the lock") << "--hold-lock" << true;
        QTest::newRow("live holder") << "--hold-lock" << false;
    }
    void lockHolder()
    {
        QFETCH(QString, mode);
        QFETCH(bool, killed);
        TestProgramFolder folder;
        QProcess *child = startChild(this, {mode, folder.path()});
        QVERIFY(child->waitForReadyRead(10000));
        QVERIFY(QFile::exists(SettingsLockPath()));
        if (killed) {
            child->kill();
            QVERIFY(child->waitForFinished());
        }
        const WriteResult saved = SaveINISetting("Position", "Left", "15");
        QCOMPARE(saved.errorText,
                 killed ? QString() : QStringLiteral("The settings file is in use by another program"));
        QCOMPARE(GetINISetting("Position", "Left", "-"), QString(killed ? "15" : "-"));
        QCOMPARE(QFile::exists(SettingsLockPath()), !killed);
        child->kill();
        child->waitForFinished();
    }

    // Temporary copies older than a minute go at start-up with a log line; young
    // ones, other names, and copies of a settings file whose lock is held stay.
    void staleTemporaryFilesRemoved_data()
    {
        QTest::addColumn<bool>("lockHeld");
        QTest::newRow("lock free") << false;
        QTest::newRow("lock held") << true;
    }
    void staleTemporaryFilesRemoved()
    {
        QFETCH(bool, lockHeld);
        TestProgramFolder folder;
        const QString pages = folder.file("projects/My_Guestbook/");
        QDir().mkpath(pages);
        const QStringList settingsCopy = {folder.file("Quillset.ini.aB3xY9")};
        const QStringList pageCopies = {pages + "default.asp.Qw12Er", pages + "viewguestbook.asp.zzzzzz"};
        const QStringList kept = {folder.file("Quillset.ini.fresh1"), pages + "default.asp.x",
                                  pages + "notes.txt.ABCDEF"};
        const QStringList all = pageCopies + kept + settingsCopy;
        for (const QString &path : all) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("partial") > 0 && file.flush());
            const QDateTime age = QDateTime::currentDateTime().addSecs(path.endsWith("fresh1") ? 0 : -120);
            QVERIFY(file.setFileTime(age, QFileDevice::FileModificationTime));
        }
        QLockFile lock(SettingsLockPath());
        if (lockHeld) {
            // The log names itself first, so its lines need no settings write.
            SaveINISetting("Settings", "AppLog", folder.file("applog.log"));
            QVERIFY(lock.tryLock(0));
        }

        RemoveStaleTemporaryFiles();

        const QStringList removed = lockHeld ? pageCopies : pageCopies + settingsCopy;
        QStringList removedLines;
        for (const QString &path : all) {
            QCOMPARE(QFile::exists(path), !removed.contains(path));
            if (removed.contains(path))
                removedLines << "Removed stale temporary file " + QDir::toNativeSeparators(path);
        }
        // The log's first line names the log in the settings file, though the
        // settings copies were removed under the settings lock.
        QCOMPARE(GetINISetting("Settings", "AppLog", "-"), folder.file("applog.log"));
        QStringList logged = logMessages(folder.file("applog.log"));
        logged.sort();
        removedLines.sort();
        QCOMPARE(logged, removedLines);
    }

    // A writer killed in the middle of its work leaves a file that still reads.
    void killedWriterLeavesReadableFile()
    {
        TestProgramFolder folder;
        const QByteArray old = "[Position]\r\nLeft=4230\r\n";
        writeBytes(SettingsFilePath(), old);
        QProcess *writer = startChild(this, {"--write-forever", folder.path()});
        QTRY_VERIFY_WITH_TIMEOUT(readBytes(SettingsFilePath()).contains("Round="), 10000);
        QTest::qWait(200);
        writer->kill();
        writer->waitForFinished();
        const QByteArray text = readBytes(SettingsFilePath());
        QVERIFY(text.startsWith(old));
        QVERIFY(text.endsWith("\r\n"));
        QVERIFY(!GetINISetting("Stress", "Round", QString()).isEmpty());
        QCOMPARE(GetINISetting("Position", "Left", QString()), QStringLiteral("4230"));
    }

    // Four processes saving at once into a large file lose no acknowledged save:
    // the lock admits one writer, always. QUILLSET_RACE_SAVES sets the saves of
    // each writer for a long run.
    void racingWritersLoseNoSave()
    {
        TestProgramFolder folder;
        writeBytes(SettingsFilePath(), "[Filler]\r\n" + QByteArray("Key=" + QByteArray(60, 'v') + "\r\n").repeated(4000));
        const int saves = qEnvironmentVariableIsSet("QUILLSET_RACE_SAVES")
            ? qEnvironmentVariableIntValue("QUILLSET_RACE_SAVES") : 100;
        QList<QProcess *> writers;
        for (int w = 0; w < 4; ++w)
            writers << startChild(this, {"--write-keys", folder.path(), QString::number(w), QString::number(saves)});
        int acknowledged = 0;
        int lost = 0;
        for (QProcess *writer : writers) {
            QVERIFY(writer->waitForFinished(-1));
            const QList<QByteArray> saved = writer->readAllStandardOutput().split(' ');
            const IniSnapshot settings = IniSnapshot::ofSettingsFile();
            for (const QByteArray &key : saved) {
                if (key.isEmpty())
                    continue;
                ++acknowledged;
                lost += settings.value("Writer " + writer->arguments().at(2), key, "-") != key;
            }
        }
        qInfo("4 writers: %d of %d saves acknowledged, %d lost", acknowledged, 4 * saves, lost);
        QCOMPARE(acknowledged, 4 * saves);
        QCOMPARE(lost, 0);
    }

    // One process saves in a loop while this one loads: every load and every
    // recent list is one of the states that were saved, never the defaults.
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
static int runChild(const QStringList &args)
{
    ProgramFolder::setPathForTesting(args.at(2));
    if (args.at(1) == QLatin1String("--save-rounds")) {
        for (int round = 1; round <= kSaverRounds; ++round) {
            if (!SaveProject("Club news", savedState(round)).succeeded())
                return 1;
        }
        return 0;
    }
    if (args.at(1) == QLatin1String("--write-keys")) {
        // Prints the key of each save acknowledged; each key holds its own name.
        for (int i = 0; i < args.at(4).toInt(); ++i) {
            const QString key = QStringLiteral("K%1").arg(i);
            if (SaveINISetting("Writer " + args.at(3), key, key).succeeded())
                QTextStream(stdout) << key << ' ' << Qt::flush;
        }
        return 0;
    }
    if (args.at(1) == QLatin1String("--write-forever")) {
        const QString big(20000, QLatin1Char('x'));
        for (int round = 0;; ++round) {
            SaveINISetting("Stress", "Round", QString::number(round));
            SaveINISetting("Stress", QStringLiteral("Big%1").arg(round % 50), big);
        }
    }
    QLockFile lock(SettingsLockPath());
    QFile emptyLock(SettingsLockPath());
    const bool held = args.at(1) == QLatin1String("--hold-lock")
        ? lock.tryLock(0)
        : emptyLock.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    if (!held)
        return 1;
    QTextStream(stdout) << "locked" << Qt::endl;
    QThread::sleep(60);  // killed by the test long before
    return 0;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList childModes = {"--save-rounds", "--write-keys", "--write-forever", "--hold-lock",
                                    "--hold-empty-lock"};
    if (args.size() > 2 && childModes.contains(args.at(1)))
        return runChild(args);
    TestReliability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reliability.moc"
