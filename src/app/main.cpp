#include "app/programstart.h"
#include "app/publishcommand.h"
#include "store/programfolder.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>

namespace {

// --help and --version print and end the program before anything needs a display.
// Other arguments, Qt's own such as -platform among them, are left to QApplication.
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
    parser.parse(arguments);
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
        return RunPublishCommand(core.arguments(), stdin, stdout, stderr).value_or(1);
    }

    QApplication app(argc, argv);
    return RunProgram();
}
