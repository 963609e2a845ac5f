#include "ledger/app/paths.h"
#include "ledger/app/qttranslations.h"
#include "ledger/mainwindow/artwork.h"
#include "ledger/mainwindow/lazywebpane.h"
#include "ledger/mainwindow/startup.h"
#include "ledger/mainwindow/startuptiming.h"
#include "ledger/mainwindow/webenginemodule.h"
#include "skin/controls/skinstyle.h"
#include "skin/controls/tskincontrollayer.h"
#include "skin/menus/tskinmenulayer.h"
#include "skin/window/tskinmanage.h"

#include <QApplication>
#include <QByteArray>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Chromium refuses to run as root with its sandbox on.
void allowBrowserAsRoot() {
#ifdef Q_OS_UNIX
    if (geteuid() != 0)
        return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox"))
        return;
    if (!flags.isEmpty())
        flags += ' ';
    flags += "--no-sandbox";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
#endif
}

} // namespace

int main(int argc, char *argv[]) {
    ledger::StartupTiming::mark(QStringLiteral("process-main"));
    allowBrowserAsRoot();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kexbora"));
    ledger::installQtTranslations(ledger::qtTranslationsFolder());
    // Every window shows it, the skinned caption's system-menu button included.
    QApplication::setWindowIcon(ledger::programIcon());
    // The metrics the skins are drawn to, skinned or not.
    QApplication::setStyle(new skin::SkinStyle);
    // Skinning starts before any window loads its skin; the start-up benchmark measures the
    // program without it for comparison.
    if (qEnvironmentVariableIntValue("KEXBORA_UNSKINNED") != 1) {
        skin::InstallSkinManager();
        skin::InstallControlLayer();
        skin::InstallMenuLayer();
    }

    // Local pages show without the web engine; it is loaded for the first remote page.
    ledger::Startup startup(ledger::DataPaths::forRunningProgram(),
                            ledger::LazyWebPane::factory(&ledger::WebEngineModule::create));
    if (const std::optional<int> code = startup.begin())
        return *code;
    return QApplication::exec();
}
