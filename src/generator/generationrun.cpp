#include "generator/generationrun.h"

#include "generator/entryscript.h"
#include "generator/modernpages.h"
#include "generator/ownerpage.h"
#include "generator/pagecodepage.h"
#include "generator/pageframe.h"
#include "generator/pagevalues.h"
#include "generator/protection.h"
#include "generator/requestfilter.h"
#include "generator/signpage.h"
#include "generator/viewpage.h"
#include "store/applog.h"
#include "store/atomicfile.h"
#include "store/filetests.h"
#include "store/product.h"
#include "store/programfolder.h"
#include "store/projectkeys.h"
#include "store/settingsfile.h"
#include "store/staletemporaries.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace {

const QString kDefaultTitle = QStringLiteral("My Guestbook");

// Sets the status line and writes the same text to the log, in English.
void show(GenerationHost &host, const UserText &text)
{
    host.setStatusText(text);
    WriteLog(text.english());
}

// One stage of writing a page: its status ("Status: Writing <what> [ <page> ]"),
// whether that status is also logged, and a log line once the page is in place.
enum StatusLogging { Logged, StatusOnly };
struct PageStage {
    const char *what;  // a UserText source
    StatusLogging logging = Logged;
    QString logAfter = {};
};
struct Page {
    QString name;
    QString text;
    QList<PageStage> stages;
};

// Sets each stage's status, logging those that are, and keeps the lines that wait
// until the set is in place.
void reportStages(GenerationHost &host, const Page &page, QStringList &createdLines)
{
    for (const PageStage &stage : page.stages) {
        const UserText status = UserText(QT_TRANSLATE_NOOP("UserText", "Status: Writing %1 [ %2 ]"))
                                    .arg(UserText(stage.what))
                                    .arg(page.name);
        host.setStatusText(status);
        if (stage.logging == Logged)
            WriteLog(status.english());
        if (!stage.logAfter.isEmpty())
            createdLines << stage.logAfter;
    }
}

QList<Page> serverPages(const SiteDescription &site)
{
    QList<Page> pages = {{kSignPageName,
                          site.modern ? BuildModernSignPage(site) : BuildSignPage(site),
                          {{QT_TRANSLATE_NOOP("UserText", "file header"), Logged,
                            QStringLiteral("[ ") + kSignPageName + QStringLiteral(" ] File header created")},
                           {QT_TRANSLATE_NOOP("UserText", "file body")},
                           {QT_TRANSLATE_NOOP("UserText", "page title")},
                           {QT_TRANSLATE_NOOP("UserText", "fields")},
                           {QT_TRANSLATE_NOOP("UserText", "file footer"), Logged,
                            QStringLiteral("Main file created, will now generate ") + kEntryScriptName}}},
                         {kEntryScriptName,
                          site.modern ? BuildModernEntryScript(site) : BuildEntryScript(site),
                          {{QT_TRANSLATE_NOOP("UserText", "script header")},
                           {QT_TRANSLATE_NOOP("UserText", "file header")},
                           {QT_TRANSLATE_NOOP("UserText", "file body"), StatusOnly},
                           {QT_TRANSLATE_NOOP("UserText", "page title")},
                           {QT_TRANSLATE_NOOP("UserText", "fields")},
                           {QT_TRANSLATE_NOOP("UserText", "file footer"), Logged,
                            kEntryScriptName + QStringLiteral(" file created, will now generate ") + kViewPageName}}},
                         {kViewPageName,
                          site.modern ? BuildModernViewPage(site) : BuildViewPage(site),
                          {{QT_TRANSLATE_NOOP("UserText", "file header")},
                           {QT_TRANSLATE_NOOP("UserText", "file body")},
                           {QT_TRANSLATE_NOOP("UserText", "page title")},
                           {QT_TRANSLATE_NOOP("UserText", "file footer")}}}};
    if (site.protection.ownerPage)
        pages.append({kOwnerPageName, BuildOwnerPage(site), {{QT_TRANSLATE_NOOP("UserText", "owner page")}}});
    return pages;
}

// An owner page of an earlier run goes when the password was taken away.
GenerationOutcome removeOwnerPage(const QString &pageFolder)
{
    const QString path = pageFolder + kOwnerPageName;
    if (!FileExists(path))
        return {};
    if (!QFile::remove(path))
        return GenerationOutcome::failure(
            UserText(QT_TRANSLATE_NOOP("UserText", "The owner page %1 could not be removed")).arg(path));
    WriteLog(path + QStringLiteral(" removed"));
    return {};
}

// Creates an empty file without truncating one that is there.
GenerationOutcome touchFile(const QString &path)
{
    if (const WriteResult created = AtomicFile::createEmpty(path); !created.succeeded())
        return GenerationOutcome::failure(created.errorText);
    return {};
}

void logMissing(const QString &path)
{
    WriteLog(path + QStringLiteral(" does not exist, ") + QLatin1String(kApplicationTitle)
             + QStringLiteral(" will now create a fresh copy"));
}

QString createdLine(const QString &path)
{
    return path + QStringLiteral(" created");
}

GenerationOutcome createWhenMissing(const QString &path)
{
    if (FileExists(path))
        return {};
    logMissing(path);
    const GenerationOutcome created = touchFile(path);
    if (created.succeeded)
        WriteLog(createdLine(path));
    return created;
}

GenerationOutcome createFolder(const QString &path)
{
    if (const WriteResult made = AtomicFile::createFolder(path); !made.succeeded())
        return GenerationOutcome::failure(made.errorText);
    return {};
}

// Every file that a run may write into a project folder: the only ones whose copies a
// journal there may put in place.
QStringList guestbookFileNames()
{
    return {kSignPageName, kEntryScriptName, kViewPageName,      kOwnerPageName,
            kDataFileName, kPendingFileName, kUsedFormsFileName, kRequestFilterName};
}

// The name of the folder that a run makes for a project name.
QString folderNameFor(const QString &projectName)
{
    return SpacesToUnderscores(projectName.size() < 2 ? kDefaultTitle : projectName);
}

// The folders that runs write pages into: those in the projects folder and the
// folder of each project section of the settings file (one holding Project_Path).
QStringList projectFolders()
{
    const QString projects = GuestbookProject::defaultProjectPath();
    QStringList folders;
    for (const QString &folder : QDir(projects).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        folders << projects + folder;
    // A project is saved under its title, and again under its folder name after a run.
    const QString pathKey = ProjectKeyName(&GuestbookProject::Project_Path);
    for (const IniValue &project : IniSnapshot::ofSettingsFile().valuesOf(pathKey)) {
        if (!project.value.isEmpty())
            folders << ProgramFolder::withTrailingSeparator(project.value) + folderNameFor(project.section);
    }
    folders.removeDuplicates();
    return folders;
}

// A protected set's web.config, unless the folder holds one that this program did
// not write: that one is the site owner's and stays.
QList<Page> requestFilter(const QString &pageFolder, const SiteDescription &site)
{
    if (!site.protection.isOn())
        return {};
    const QString path = pageFolder + kRequestFilterName;
    QFile existing(path);
    if (existing.exists() && !(existing.open(QIODevice::ReadOnly) && IsOwnRequestFilter(existing.readAll()))) {
        WriteLog(path + QStringLiteral(" was not written by ") + QLatin1String(kApplicationTitle)
                 + QStringLiteral(" and stays as it is: it must hide the data files from visitors"));
        return {};
    }
    return {{kRequestFilterName, BuildRequestFilter(), {{QT_TRANSLATE_NOOP("UserText", "request filter")}}}};
}

// A data file in the file object's Unicode format (UTF-16 behind FF FE), as the Modern pages keep it, goes into the
// page code page before Classic pages are written: they append 8-bit lines, which would corrupt it. A character that
// the code page cannot hold becomes its character reference, as a browser would have posted it to a Classic page.
GenerationOutcome makeEightBit(const QString &path, const PageCodePage &codePage)
{
    // Read and closed before it is written over; a file of the mark alone (no entries) becomes an empty one.
    std::optional<QByteArray> unicode;
    if (QFile file(path); file.open(QIODevice::ReadOnly) && file.peek(2) == QByteArrayLiteral("\xff\xfe"))
        unicode = file.readAll().mid(2);
    if (!unicode)
        return {};
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(unicode->constData()), unicode->size() / 2);
    if (const WriteResult written = AtomicFile::write(path, codePage.encodeWithReferences(text)); !written.succeeded())
        return GenerationOutcome::failure(written.errorText);
    WriteLog(path + QStringLiteral(" was in the Unicode format of the Modern pages and is now in ") + codePage.name());
    return {};
}

// Writes the data files when they are missing, then the pages as one set.
GenerationOutcome writePages(const QString &folder, const SiteDescription &site, GenerationHost &host)
{
    const QString pageFolder = ProgramFolder::withTrailingSeparator(folder);
    show(host, UserText(QT_TRANSLATE_NOOP("UserText", "Status: Checking file paths")));
    // The data files that the pages change; a later run never rewrites them.
    for (const QString &name : DataFileNames(site.protection)) {
        if (const GenerationOutcome created = createWhenMissing(pageFolder + name); !created.succeeded)
            return created;
        if (const GenerationOutcome converted =
                site.modern ? GenerationOutcome{} : makeEightBit(pageFolder + name, site.codePage);
            !converted.succeeded)
            return converted;
    }
    QStringList createdLines;
    if (const QString signPage = pageFolder + kSignPageName; !FileExists(signPage)) {
        logMissing(signPage);
        createdLines << createdLine(signPage);
    }
    QList<AtomicFile::Content> files;
    if (const QString picture = site.localBackgroundPicture; !picture.isEmpty()) {
        // The picture goes beside the pages, which name it by its file name. It is written
        // before the set, not in it: a set's journal is trusted only for the set's own
        // names, and a picture left over from a failed run harms nothing.
        QFile source(picture);
        if (!source.open(QIODevice::ReadOnly))
            return GenerationOutcome::failure(
                UserText(QT_TRANSLATE_NOOP("UserText",
                                           "The background picture %1 cannot be read (%2). Choose it "
                                           "again on step 2, or set it to None"))
                    .arg(QDir::toNativeSeparators(picture))
                    .arg(source.errorString()));
        if (const WriteResult copied = AtomicFile::write(pageFolder + site.design.backgroundImage, source.readAll());
            !copied.succeeded())
            return GenerationOutcome::failure(copied.errorText);
    }
    for (const Page &page : serverPages(site) + requestFilter(pageFolder, site)) {
        reportStages(host, page, createdLines);
        files.append({pageFolder + page.name, site.codePage.encode(page.text)});
    }
    if (const WriteResult written = AtomicFile::writeSet(files, guestbookFileNames()); !written.succeeded())
        return GenerationOutcome::failure(written.errorText);
    if (!site.protection.ownerPage) {
        if (const GenerationOutcome removed = removeOwnerPage(pageFolder); !removed.succeeded)
            return removed;
    }
    for (const QString &line : createdLines)
        WriteLog(line);
    WriteLog(QStringLiteral("Guestbook [ ") + site.design.title + QStringLiteral(" ] created successfully"));
    host.generationFinished(pageFolder);
    return {};
}

// A failure inside the project folder names it and says what the user can do.
GenerationOutcome inFolder(GenerationOutcome outcome, const QString &folder)
{
    if (!outcome.succeeded)
        outcome.remedy = UserText(QT_TRANSLATE_NOOP("UserText",
                                                    "The guestbook could not be written into %1. Choose "
                                                    "another folder on step 2"))
                             .arg(QDir::toNativeSeparators(folder));
    return outcome;
}

// The run after the values were found fit for the pages.
GenerationOutcome runFrom(QString &projectName, const GuestbookProject &project, const SiteDescription &site,
                          GenerationHost &host)
{
    host.setStatusVisible(true);
    show(host, UserText(QT_TRANSLATE_NOOP("UserText", "Status: Checking project name")));
    if (projectName.size() < 2)
        WriteLog(QStringLiteral("Project name too short, setting to default"));
    projectName = folderNameFor(projectName);
    // The folder must lie inside the save folder: a title such as ".." or "a/b"
    // would put the pages somewhere else.
    if (!IsPlainFolderName(projectName))
        return GenerationOutcome::failure(
            UserText(QT_TRANSLATE_NOOP("UserText", "\"%1\" cannot name the project folder")).arg(projectName));

    const QString folder = ProgramFolder::withTrailingSeparator(project.Project_Path) + projectName;
    for (bool created = false;;) {
        show(host, UserText(QT_TRANSLATE_NOOP("UserText", "Status: Checking project path")));
        if (FolderExists(folder))
            break;
        if (created)
            return inFolder(GenerationOutcome::failure(
                                UserText(QT_TRANSLATE_NOOP("UserText", "The folder %1 could not be made")).arg(folder)),
                            folder);
        show(host, UserText(QT_TRANSLATE_NOOP("UserText", "Status: Creating project directory")));
        const GenerationOutcome made = createFolder(folder);
        if (!made.succeeded)
            return inFolder(made, folder);
        created = true;
    }
    show(host, UserText(QT_TRANSLATE_NOOP("UserText", "Status: Creating project files")));
    return inFolder(writePages(folder, site, host), folder);
}

}  // namespace

GenerationOutcome GenerateGuestbook(QString &projectName, const GuestbookProject &project, GenerationHost &host)
{
    const SiteDescription site(project, SiteTarget::Server);
    const UserText refused = PageValuesProblem(project, site.codePage);
    if (!refused.isNull())
        return GenerationOutcome::failure(refused);
    const GenerationOutcome outcome = runFrom(projectName, project, site, host);
    if (!outcome.succeeded)
        WriteLog(QStringLiteral("Guestbook [ ") + project.Project_Title + QStringLiteral(" ] not created: ")
                 + outcome.errorText.english());
    return outcome;
}

void RemoveStaleTemporaryFiles(const std::function<bool()> &stopRequested)
{
    RemoveStaleSettingsCopies();
    FinishListedSets();
    RemoveStalePreviews(QDir::tempPath());
    for (const QString &folder : projectFolders()) {
        if (stopRequested && stopRequested())
            return;
        RemoveStaleCopies({folder}, guestbookFileNames());
    }
}
