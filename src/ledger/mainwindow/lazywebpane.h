#pragma once

#include "ledger/core/webpane.h"
#include "ledger/mainwindow/webpanefactory.h"

#include <QWidget>

class QStackedLayout;
class QTextBrowser;

namespace ledger {

// A browser pane that shows local pages (files, about:blank) in a light text view and makes
// its web engine pane only when it is sent to a remote address; from then on it is that pane,
// and a local page shows in the light view again.
class LazyWebPane : public QWidget, public WebPane {
public:
    // engine makes the web engine's pane, once, when a remote page is first navigated.
    LazyWebPane(WebPaneFactory engine, QWidget *parent = nullptr);

    void navigate(const QUrl &url) override;
    bool hasEngine() const { return m_engine.widget != nullptr; }

    // A pane factory for the main window whose panes make their engine pane with engine.
    static WebPaneFactory factory(WebPaneFactory engine);

private:
    static bool isLocal(const QUrl &url);

    WebPaneFactory m_makeEngine;
    WebPaneWidget m_engine;
    QStackedLayout *m_stack;
    QTextBrowser *m_light;
};

} // namespace ledger
