#include "app/publishcommand.h"

#include "generator/generationrun.h"
#include "publish/passwordstore.h"
#include "publish/publishrun.h"
#include "store/projectkeys.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"

#include <QTextStream>

namespace {

const QString kPublishOption = QStringLiteral("--publish");
const QString kPasswordOption = QStringLiteral("--password-stdin");

// A run without a status line: it only keeps the folder the pages went to.
struct QuietHost : GenerationHost {
    QString folder;
    void setStatusVisible(bool) override {}
    void setStatusText(const UserText &) override {}
    void generationFinished(const QString &pageFolder) override { folder = pageFolder; }
};

// Without a person at a window, a server not trusted before is refused; its fingerprint is printed so that
// the user can accept it once in the Publish dialog.
struct RefusingQuestions : PublishQuestions {
    FILE *errors;
    explicit RefusingQuestions(FILE *errorOutput)
        : errors(errorOutput)
    {
    }
    bool refuse(const UserText &refusal, const QString &endpoint, const QString &fingerprint)
    {
        QTextStream(errors) << refusal.arg(endpoint).arg(fingerprint).translated() << '\n';
        return false;
    }
    bool trustHostKey(const QString &endpoint, const QString &fingerprint) override
    {
        return refuse(UserText(QT_TRANSLATE_NOOP("UserText",
                                                 "The key of %1 is not trusted yet (%2). Publish once "
                                                 "from the window to accept it.")),
                      endpoint, fingerprint);
    }
    bool trustCertificate(const QString &endpoint, const QString &fingerprint) override
    {
        return refuse(UserText(QT_TRANSLATE_NOOP("UserText",
                                                 "The certificate of %1 is not trusted yet (%2). Publish "
                                                 "once from the window to accept it.")),
                      endpoint, fingerprint);
    }
};

// The section a title is saved under: as typed, or with "_" for spaces once a run has named it so.
std::optional<QString> savedSection(const QString &title)
{
    const QString pathKey = ProjectKeyName(&GuestbookProject::Project_Path);
    for (const QString &name : {title, SpacesToUnderscores(title)}) {
        if (!GetINISetting(name, pathKey, QString()).isEmpty())
            return name;
    }
    return std::nullopt;
}

// Prints the message in the user's language.
int fail(FILE *errors, const UserText &message)
{
    QTextStream(errors) << message.translated() << '\n';
    return 1;
}

QString readLine(FILE *input)
{
    QTextStream stream(input);
    return stream.readLine();
}

}  // namespace

std::optional<int> RunPublishCommand(const QStringList &arguments, FILE *input, FILE *output, FILE *errors)
{
    const qsizetype at = arguments.indexOf(kPublishOption);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= arguments.size())
        return fail(errors,
                    UserText(QT_TRANSLATE_NOOP("UserText",
                                               "Name the project to publish: quillset --publish "
                                               "<project title> [--password-stdin]")));
    const QString title = arguments.at(at + 1);
    const std::optional<QString> section = savedSection(title);
    if (!section)
        return fail(errors, UserText(QT_TRANSLATE_NOOP("UserText", "No project \"%1\" is saved.")).arg(title));
    QString projectName = *section;
    const GuestbookProject project = LoadProject(projectName);
    const PublishServer server = PublishServer::fromProject(project);
    if (const UserText missing = server.missingValue(); !missing.isNull())
        return fail(errors,
                    UserText(QT_TRANSLATE_NOOP("UserText",
                                               "The project has no server settings: publish it "
                                               "once from the window. %1"))
                        .arg(missing));

    QString password;
    if (arguments.contains(kPasswordOption)) {
        password = readLine(input);
    } else {
        const PasswordStore::Answer remembered =
            PasswordStore::read(server.user + QLatin1Char('@') + server.endpoint());
        if (remembered.password.isEmpty())
            return fail(errors,
                        UserText(QT_TRANSLATE_NOOP("UserText",
                                                   "No password is remembered for %1: give it "
                                                   "with --password-stdin."))
                            .arg(server.endpoint()));
        password = remembered.password;
    }

    QuietHost host;
    const GenerationOutcome generated = GenerateGuestbook(projectName, project, host);
    if (!generated.succeeded)
        return fail(errors, UserText(QT_TRANSLATE_NOOP("UserText", "Error: %1")).arg(generated.message()));
    RefusingQuestions questions(errors);
    const TransferOutcome sent =
        PublishSite(server, password, PublishSet::ofGuestbook(host.folder, project), TrustedServers(), questions);
    if (!sent.succeeded())
        return fail(errors, sent.message);
    QTextStream out(output);
    for (const QString &file : sent.files)
        out << UserText(QT_TRANSLATE_NOOP("UserText", "Sent %1")).arg(file).translated() << '\n';
    return 0;
}
