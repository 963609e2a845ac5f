// skinpack: generates the program's own skin and lists, unpacks and packs skin packages.

#include "generatecommand.h"
#include "packcommands.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

namespace {

const char kCommands[] = "Commands:\n"
                         "  generate --out FILE.skn [--dump-dir DIR] [--preview FILE.png]\n"
                         "           [--resource-dir DIR]\n"
                         "  list FILE.skn\n"
                         "  unpack FILE.skn DIR\n"
                         "  pack DIR FILE.skn\n";

} // namespace

int main(int argc, char *argv[]) {
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("skinpack"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Generates Kexbora's own skin; lists, unpacks and packs skin packages.\n") +
        QLatin1String(kCommands));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("generate, list, unpack or pack"));
    // Everything after the command belongs to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QTextStream out(stdout), err(stderr);
    if (!parser.parse(app.arguments())) {
        err << parser.errorText() << "\n\n" << parser.helpText();
        return 2;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }

    QStringList args = parser.positionalArguments();
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("generate"))
        return skinpack::runGenerate(args);
    if (command == QLatin1String("list"))
        return skinpack::runList(args);
    if (command == QLatin1String("unpack"))
        return skinpack::runUnpack(args);
    if (command == QLatin1String("pack"))
        return skinpack::runPack(args);
    err << parser.helpText();
    return 2;
}
