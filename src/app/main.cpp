#include "app/programstart.h"
#include "app/publishcommand.h"
#include "store/programfolder.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The options QApplication takes itself (X11's among them), with a value or without.
const char kQtOptionsWithValue[] = "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
                                   "qwindowtitle session display geometry title name style stylesheet visual ncols "
                                   "cmap fn font bg background fg foreground btn button im inputstyle";
const char kQtOptionsAlone[] = "reverse widgetcount nograb dograb sync testability";

void addQtOptions(QCommandLineParser &parser)
{
    for (const bool takesValue : {true, false}) {
        const QString names = QLatin1String(takesValue ? kQtOptionsWithValue : kQtOptionsAlone);
        for (const QString &name : names.split(QLatin1Char(' '))) {
            QCommandLineOption option(name, QString(), takesValue ? QStringLiteral("value") : QString());
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
}

// --help and --version print and end the program before anything needs a display;
// an option the program does not know prints the usage and ends it with 2. Qt's own
// options, such as -platform, are left to QApplication.
void answerInformationOptions(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // Qt's way: "-reverse" is one option, not -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Designs a guestbook for a web site and writes its classic ASP pages."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Answered by RunPublishCommand, which reads the title that follows --publish.
    parser.addOption({QStringLiteral("publish"),
                      QStringLiteral("Generates the saved project whose title follows and sends it to its web "
                                     "server: --publish <project title> [--password-stdin].")});
    parser.addOption(
        {QStringLiteral("password-stdin"), QStringLiteral("With --publish: reads the server password from the input.")});
    addQtOptions(parser);
    if (!parser.parse(arguments)) {
        const QCoreApplication core(argc, argv);  // the usage names the program
        fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        std::exit(2);
    }
    if (!parser.isSet(help) && !parser.isSet(version) && !parser.isSet(QStringLiteral("help-all")))
        return;
    QCoreApplication core(argc, argv);
    parser.process(core);  // prints the answer and ends the program
}

}  // namespace

int main(int argc, char *argv[])
{
    NameProgram();
    answerInformationOptions(argc, argv);
    // --publish runs without a display, so before QApplication.
    if (std::any_of(argv + 1, argv + argc, [](const char *argument) { return qstrcmp(argument, "--publish") == 0; })) {
        QCoreApplication core(argc, argv);
        ProgramFolder::chooseAtStartUp();
        InstallTranslations(QLocale(), TranslationsFolder());
        return RunPublishCommand(core.arguments(), stdin, stdout, stderr).value_or(1);
    }

    QApplication app(argc, argv);
    return RunProgram();
}
