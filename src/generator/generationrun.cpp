#include "generator/generationrun.h"

#include "generator/entryscript.h"
#include "generator/pagecodepage.h"
#include "generator/pageframe.h"
#include "generator/pagevalues.h"
#include "generator/signpage.h"
#include "generator/viewpage.h"
#include "store/applog.h"
#include "store/atomicfile.h"
#include "store/filetests.h"
#include "store/product.h"
#include "store/programfolder.h"
#include "store/settingsfile.h"
#include "store/staletemporaries.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace {

const QString kDefaultTitle = QStringLiteral("My Guestbook");
const QString kSignPage = QStringLiteral("default.asp");
const QString kEntryScript = QStringLiteral("addtogb.asp");
const QString kViewPage = QStringLiteral("viewguestbook.asp");

// Sets the status line and writes the same text to the log.
void show(GenerationHost &host, const QString &text)
{
    host.setStatusText(text);
    WriteLog(text);
}

// One stage of writing a page: its status ("Status: Writing <what> [ <page> ]"),
// whether that status is also logged, the printed pieces, and a log line after it.
enum StatusLogging { Logged, StatusOnly };
struct PageStage {
    const char *what;
    StatusLogging logging;
    QStringList pieces;
    QString logAfter;
};

// Builds a page stage by stage, setting each stage's status and log lines, and
// adds it to the pages that the run writes as one set at its end.
void buildPage(const QString &pageFolder, const QString &pageName, GenerationHost &host, const QList<PageStage> &stages,
               PageSet &pages)
{
    QString text;
    for (const PageStage &stage : stages) {
        const QString status = QStringLiteral("Status: Writing ") + QLatin1String(stage.what) + QStringLiteral(" [ ")
            + pageName + QStringLiteral(" ]");
        host.setStatusText(status);
        if (stage.logging == Logged)
            WriteLog(status);
        for (const QString &piece : stage.pieces)
            text += Printed(piece);
        if (!stage.logAfter.isEmpty())
            pages.createdLines << stage.logAfter;
    }
    pages.files.append({pageFolder + pageName, EncodePageText(text)});
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
    std::error_code error;
    std::filesystem::create_directory(std::filesystem::path(path.toStdU16String()), error);
    if (error)
        return GenerationOutcome::failure(QString::fromLocal8Bit(error.message().c_str()));
    return {};
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
    for (const IniValue &project : IniSnapshot::ofSettingsFile().valuesOf(QStringLiteral("Project_Path"))) {
        if (!project.value.isEmpty())
            folders << ProgramFolder::withTrailingSeparator(project.value) + folderNameFor(project.section);
    }
    folders.removeDuplicates();
    return folders;
}

// The run after the values were found fit for the pages.
GenerationOutcome runFrom(QString &projectName, const GuestbookProject &project, GenerationHost &host)
{
    host.setStatusVisible(true);
    show(host, QStringLiteral("Status: Checking project name"));
    if (projectName.size() < 2)
        WriteLog(QStringLiteral("Project name too short, setting to default"));
    projectName = folderNameFor(projectName);
    // The folder must lie inside the save folder: a title such as ".." or "a/b"
    // would put the pages somewhere else.
    if (!IsPlainFolderName(projectName))
        return GenerationOutcome::failure(QStringLiteral("\"%1\" cannot name the project folder").arg(projectName));

    QString folder;
    for (bool created = false;;) {
        folder = ProgramFolder::withTrailingSeparator(project.Project_Path) + projectName;
        show(host, QStringLiteral("Status: Checking project path"));
        if (FolderExists(folder))
            break;
        if (created)
            return GenerationOutcome::failure(QStringLiteral("The folder %1 could not be made").arg(folder));
        show(host, QStringLiteral("Status: Creating project directory"));
        const GenerationOutcome made = createFolder(folder);
        if (!made.succeeded)
            return made;
        created = true;
    }
    show(host, QStringLiteral("Status: Creating project files"));
    return WriteSignPage(folder, project, host);
}

}  // namespace

GenerationOutcome GenerateGuestbook(QString &projectName, const GuestbookProject &project, GenerationHost &host)
{
    const QString refused = CheckPageValues(project);
    if (!refused.isEmpty())
        return GenerationOutcome::failure(refused);
    const GenerationOutcome outcome = runFrom(projectName, project, host);
    if (!outcome.succeeded)
        WriteLog(QStringLiteral("Guestbook [ ") + project.Project_Title + QStringLiteral(" ] not created: ")
                 + outcome.errorText);
    return outcome;
}

GenerationOutcome WriteSignPage(const QString &folder, const GuestbookProject &project, GenerationHost &host)
{
    const QString pageFolder = ProgramFolder::withTrailingSeparator(folder);
    show(host, QStringLiteral("Status: Checking file paths"));
    const GenerationOutcome dataFile = createWhenMissing(pageFolder + QStringLiteral("guestbook.txt"));
    if (!dataFile.succeeded)
        return dataFile;
    // The page itself is made with the other two, at the end of the run.
    const QString signPage = pageFolder + kSignPage;
    PageSet pages;
    if (!FileExists(signPage)) {
        logMissing(signPage);
        pages.createdLines << createdLine(signPage);
    }
    buildPage(pageFolder, kSignPage, host,
              {{"file header", Logged, {BuildPageHead(project)}, QStringLiteral("[ default.asp ] File header created")},
               {"file body", Logged, {BuildBodyTag(project)}, {}},
               {"page title", Logged, {BuildTitleLine(project, false), BuildErrorBanner()}, {}},
               {"fields", Logged, {BuildSignForm(project)}, {}},
               {"file footer",
                Logged,
                {BuildClosingLines()},
                QStringLiteral("Main file created, will now generate addtogb.asp")}},
              pages);
    return WriteEntryScript(pageFolder, project, host, pages);
}

GenerationOutcome WriteEntryScript(const QString &folder, const GuestbookProject &project, GenerationHost &host,
                                   PageSet &pages)
{
    const QString pageFolder = ProgramFolder::withTrailingSeparator(folder);
    buildPage(pageFolder, kEntryScript, host,
              {{"script header",
                Logged,
                {BuildScriptOpening(), BuildAssignmentsAndChecks(project.Fields), BuildStoreBlock(project.Fields)},
                {}},
               {"file header", Logged, {BuildPageHead(project)}, {}},
               {"file body", StatusOnly, {BuildBodyTag(project)}, {}},
               {"page title", Logged, {BuildTitleLine(project, true)}, {}},
               {"fields", Logged, {BuildThankYou(project)}, {}},
               {"file footer",
                Logged,
                {BuildClosingLines()},
                QStringLiteral("addtogb.asp file created, will now generate viewguestbook.asp")}},
              pages);
    return WriteViewPage(pageFolder, project, host, pages);
}

GenerationOutcome WriteViewPage(const QString &folder, const GuestbookProject &project, GenerationHost &host,
                                PageSet &pages)
{
    const QString pageFolder = ProgramFolder::withTrailingSeparator(folder);
    buildPage(pageFolder, kViewPage, host,
              {{"file header", Logged, {BuildPageHead(project)}, {}},
               {"file body", Logged, {BuildBodyTag(project)}, {}},
               {"page title", Logged, {BuildTitleLine(project, true)}, {}},
               {"file footer", Logged, {BuildReaderBlock()}, {}}},
              pages);
    if (const WriteResult written = AtomicFile::writeSet(pages.files); !written.succeeded())
        return GenerationOutcome::failure(written.errorText);
    for (const QString &line : pages.createdLines)
        WriteLog(line);
    WriteLog(QStringLiteral("Guestbook [ ") + project.Project_Title + QStringLiteral(" ] created successfully"));
    host.showWizardStep(2);
    host.setStatusVisible(false);
    if (host.askYesNo(kViewFilesQuestion))
        host.openFolder(pageFolder);
    host.setGuestbookGenerated(true);
    return {};
}

void RemoveStaleTemporaryFiles()
{
    RemoveStaleSettingsCopies();
    RemoveStaleCopies(projectFolders());
    RemoveStalePreviews(QDir::tempPath());
}
