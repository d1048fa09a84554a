#include "publish/transfermodule.h"

#include "store/programfolder.h"

#include <QDir>
#include <QLibrary>

namespace {

QString &testingFolder()
{
    static QString folder;
    return folder;
}

struct LoadedModule {
    const TransferFunctions *functions = nullptr;
    QString error;
};

// Beside the program (the build tree, a portable copy, Windows), then where the package puts it.
QStringList moduleFolders()
{
    const QDir programFolder(ProgramFolder::executableFolder());
    QStringList folders{programFolder.path(),
                        QDir::cleanPath(programFolder.filePath(QStringLiteral(QUILLSET_INSTALLED_MODULES)))};
    if (!testingFolder().isEmpty())
        folders.prepend(testingFolder());
    return folders;
}

LoadedModule loadModule()
{
    QString reason;
    for (const QString &folder : moduleFolders()) {
        // Never unloaded: the program may call into it until it ends.
        QLibrary library(QDir(folder).filePath(QLatin1String(TransferModule::kBaseName)));
        if (!library.load()) {
            reason = library.errorString();
            continue;
        }
        using Entry = const TransferFunctions *(*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve(QUILLSET_TRANSFER_ENTRY));
        const TransferFunctions *functions = entry ? entry() : nullptr;
        if (functions && functions->size == int(sizeof(TransferFunctions))
            && qstrcmp(functions->version, QUILLSET_VERSION) == 0)
            return {functions, {}};
        reason = QStringLiteral("%1 belongs to another version of Quillset").arg(library.fileName());
        break;
    }
    return {nullptr, QStringLiteral("Quillset could not load the part that reaches servers (%1). Install Quillset "
                                    "again, then try again.")
                         .arg(reason)};
}

}  // namespace

void TransferModule::setFolderForTesting(const QString &folder)
{
    testingFolder() = folder;
}

const TransferFunctions *TransferModule::functions(QString *error)
{
    static const LoadedModule loaded = loadModule();
    if (error)
        *error = loaded.error;
    return loaded.functions;
}

// The program's stand-ins for the module's functions: each loads the module and calls
// its function, or tells why it cannot.

TransferOutcome PublishSite(const PublishServer &server, const QString &password, const PublishSet &set,
                            const TrustedServers &trusted, PublishQuestions &questions,
                            const TransferProgress &progress)
{
    QString error;
    if (const TransferFunctions *module = TransferModule::functions(&error))
        return module->publishSite(server, password, set, trusted, questions, progress);
    return {TransferOutcome::Failed, error, {}};
}

TransferOutcome DownloadDataFiles(const PublishServer &server, const QString &password, const QStringList &dataFiles,
                                  const QString &backupFolder, const TrustedServers &trusted,
                                  PublishQuestions &questions, const TransferProgress &progress)
{
    QString error;
    if (const TransferFunctions *module = TransferModule::functions(&error))
        return module->downloadDataFiles(server, password, dataFiles, backupFolder, trusted, questions, progress);
    return {TransferOutcome::Failed, error, {}};
}

PasswordStore::Answer PasswordStore::read(const QString &account)
{
    QString error;
    if (const TransferFunctions *module = TransferModule::functions(&error))
        return module->readPassword(account);
    return {false, {}, error};
}

PasswordStore::Answer PasswordStore::write(const QString &account, const QString &password)
{
    QString error;
    if (const TransferFunctions *module = TransferModule::functions(&error))
        return module->writePassword(account, password);
    return {false, {}, error};
}

SiteReport CheckSite(const QString &siteAddress, bool keepsPendingFile, int timeoutMs)
{
    QString error;
    if (const TransferFunctions *module = TransferModule::functions(&error))
        return module->checkSite(siteAddress, keepsPendingFile, timeoutMs);
    return {false, {error}};
}
