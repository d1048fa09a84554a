#include "generator/generationrun.h"

#include "generator/entryscript.h"
#include "generator/pageframe.h"
#include "generator/signpage.h"
#include "generator/viewpage.h"
#include "store/applog.h"
#include "store/filetests.h"
#include "store/programfolder.h"

#include <QFile>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace {

const QString kDefaultTitle = QStringLiteral("My Guestbook");

// Sets the status line and writes the same text to the log.
void show(GenerationHost &host, const QString &text)
{
    host.setStatusText(text);
    WriteLog(text);
}

// A page being written: the text goes to a temporary file beside the page, which
// replaces the page only when everything has been written.
class PageFile
{
public:
    explicit PageFile(const QString &path)
        : m_file(path)
    {
    }

    bool open() { return m_file.open(QIODevice::WriteOnly); }
    void print(const QString &text) { m_file.write(Printed(text).toLocal8Bit()); }
    bool commit() { return m_file.commit(); }
    QString errorText() const { return m_file.errorString(); }

private:
    QSaveFile m_file;
};

// Creates an empty file without truncating one that is there.
GenerationOutcome touchFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return GenerationOutcome::failure(file.errorString());
    return {};
}

GenerationOutcome createWhenMissing(const QString &path)
{
    if (FileExists(path))
        return {};
    WriteLog(path + QStringLiteral(" does not exist, ") + QLatin1String(kApplicationTitle)
             + QStringLiteral(" will now create a fresh copy"));
    const GenerationOutcome created = touchFile(path);
    if (created.succeeded)
        WriteLog(path + QStringLiteral(" created"));
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

GenerationOutcome failedPage(PageFile &page)
{
    return GenerationOutcome::failure(page.errorText());
}

}  // namespace

GenerationOutcome GenerateGuestbook(QString &projectName, const GuestbookProject &project, GenerationHost &host)
{
    host.setStatusVisible(true);
    show(host, QStringLiteral("Status: Checking project name"));
    if (projectName.size() < 2) {
        WriteLog(QStringLiteral("Project name too short, setting to default"));
        projectName = kDefaultTitle;
    }
    projectName.replace(QLatin1Char(' '), QLatin1Char('_'));

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

GenerationOutcome WriteSignPage(const QString &folder, const GuestbookProject &project, GenerationHost &host)
{
    const QString pageFolder = ProgramFolder::withTrailingSeparator(folder);
    show(host, QStringLiteral("Status: Checking file paths"));
    for (const char *name : {"guestbook.txt", "default.asp"}) {
        const GenerationOutcome present = createWhenMissing(pageFolder + QLatin1String(name));
        if (!present.succeeded)
            return present;
    }

    show(host, QStringLiteral("Status: Writing file header [ default.asp ]"));
    PageFile page(pageFolder + QStringLiteral("default.asp"));
    if (!page.open())
        return failedPage(page);
    page.print(BuildPageHead(project));
    WriteLog(QStringLiteral("[ default.asp ] File header created"));
    show(host, QStringLiteral("Status: Writing file body [ default.asp ]"));
    page.print(BuildBodyTag(project));
    show(host, QStringLiteral("Status: Writing page title [ default.asp ]"));
    page.print(BuildTitleLine(project, false));
    page.print(BuildErrorBanner());
    show(host, QStringLiteral("Status: Writing fields [ default.asp ]"));
    page.print(BuildSignForm(project));
    show(host, QStringLiteral("Status: Writing file footer [ default.asp ]"));
    page.print(BuildClosingLines());
    if (!page.commit())
        return failedPage(page);
    WriteLog(QStringLiteral("Main file created, will now generate addtogb.asp"));
    return WriteEntryScript(pageFolder, project, host);
}

GenerationOutcome WriteEntryScript(const QString &folder, const GuestbookProject &project, GenerationHost &host)
{
    const QString pageFolder = ProgramFolder::withTrailingSeparator(folder);
    show(host, QStringLiteral("Status: Writing script header [ addtogb.asp ]"));
    PageFile page(pageFolder + QStringLiteral("addtogb.asp"));
    if (!page.open())
        return failedPage(page);
    page.print(BuildScriptOpening());
    page.print(BuildAssignmentsAndChecks(project.Fields));
    page.print(BuildStoreBlock(project.Fields));
    show(host, QStringLiteral("Status: Writing file header [ addtogb.asp ]"));
    page.print(BuildPageHead(project));
    host.setStatusText(QStringLiteral("Status: Writing file body [ addtogb.asp ]"));
    page.print(BuildBodyTag(project));
    show(host, QStringLiteral("Status: Writing page title [ addtogb.asp ]"));
    page.print(BuildTitleLine(project, true));
    show(host, QStringLiteral("Status: Writing fields [ addtogb.asp ]"));
    page.print(BuildThankYou(project));
    show(host, QStringLiteral("Status: Writing file footer [ addtogb.asp ]"));
    page.print(BuildClosingLines());
    if (!page.commit())
        return failedPage(page);
    WriteLog(QStringLiteral("addtogb.asp file created, will now generate viewguestbook.asp"));
    return WriteViewPage(pageFolder, project, host);
}

GenerationOutcome WriteViewPage(const QString &folder, const GuestbookProject &project, GenerationHost &host)
{
    const QString pageFolder = ProgramFolder::withTrailingSeparator(folder);
    show(host, QStringLiteral("Status: Writing file header [ viewguestbook.asp ]"));
    PageFile page(pageFolder + QStringLiteral("viewguestbook.asp"));
    if (!page.open())
        return failedPage(page);
    page.print(BuildPageHead(project));
    show(host, QStringLiteral("Status: Writing file body [ viewguestbook.asp ]"));
    page.print(BuildBodyTag(project));
    show(host, QStringLiteral("Status: Writing page title [ viewguestbook.asp ]"));
    page.print(BuildTitleLine(project, true));
    show(host, QStringLiteral("Status: Writing file footer [ viewguestbook.asp ]"));
    page.print(BuildReaderBlock());
    if (!page.commit())
        return failedPage(page);

    WriteLog(QStringLiteral("Guestbook [ ") + project.Project_Title + QStringLiteral(" ] created successfully"));
    host.showWizardStep(2);
    host.setStatusVisible(false);
    if (host.askYesNo(kViewFilesQuestion))
        host.openFolder(pageFolder);
    host.setGuestbookGenerated(true);
    return {};
}
