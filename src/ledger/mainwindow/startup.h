#pragma once

#include "ledger/app/paths.h"
#include "ledger/mainwindow/webpanefactory.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

namespace ledger {

class TfrmDM;
class TfrmLogin;
class TfrmMain;

// The program's start-up order once the application object exists: the login dialog is made
// (its skin component skins the boxes shown before it), the data module opens the database, the
// login dialog runs modally, and a successful login brings up the main window.
class Startup {
public:
    // webPanes makes the main window's browser panes.
    Startup(const DataPaths &paths, WebPaneFactory webPanes);
    ~Startup();

    // The exit code when the program ends here (1: no database, 0: login not completed), or
    // nothing when the main window is shown and the event loop is to run.
    std::optional<int> begin();

    TfrmDM *dataModule() const { return m_dm.get(); }
    TfrmMain *mainWindow() const { return m_main.get(); }

    // Runs the login dialog and returns its result (tests drive it instead of exec()).
    std::function<int(TfrmLogin &)> runLogin;

private:
    DataPaths m_paths;
    WebPaneFactory m_webPanes;
    std::unique_ptr<TfrmDM> m_dm;
    std::unique_ptr<TfrmMain> m_main;
};

} // namespace ledger
