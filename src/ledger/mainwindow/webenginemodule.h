#pragma once

#include "ledger/mainwindow/webpanefactory.h"

namespace ledger {

// The browser panes of the main window come from the web engine, which lives in a module
// beside the program ("kexbora-webpane"): the program starts without it and loads it the first
// time it needs a pane, or earlier through preload() while the login window waits for the
// user.
class WebEngineModule {
public:
    // Loads the module and starts the web engine, once; false (logged) when it cannot.
    static bool preload();
    // A browser pane under parent; an empty pane that navigates nowhere when the web engine
    // cannot be loaded.
    static WebPaneWidget create(QWidget *parent);
    // Makes Qt's global OpenGL context, which the web engine's contexts share, unless it
    // exists; it is freed after the web engine has shut down.
    static void ensureShareContext();
};

} // namespace ledger
