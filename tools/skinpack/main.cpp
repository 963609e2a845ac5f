// skinpack: generates the program's own skin and lists, unpacks and packs skin packages.

#include "generatecommand.h"
#include "packcommands.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

const char kUsage[] = "usage:\n"
                      "  skinpack generate --out FILE.skn [--dump-dir DIR] [--preview FILE.png]\n"
                      "                    [--resource-dir DIR]\n"
                      "  skinpack list FILE.skn\n"
                      "  skinpack unpack FILE.skn DIR\n"
                      "  skinpack pack DIR FILE.skn\n";

} // namespace

int main(int argc, char *argv[]) {
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("generate"))
        return skinpack::runGenerate(args);
    if (command == QLatin1String("list"))
        return skinpack::runList(args);
    if (command == QLatin1String("unpack"))
        return skinpack::runUnpack(args);
    if (command == QLatin1String("pack"))
        return skinpack::runPack(args);
    if (command == QLatin1String("help") || command == QLatin1String("--help")) {
        QTextStream(stdout) << kUsage;
        return 0;
    }
    QTextStream(stderr) << kUsage;
    return 2;
}
