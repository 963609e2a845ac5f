#include "ledger/mainwindow/webenginepane.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace ledger {

WebEnginePane::WebEnginePane(QWidget *parent) : QWebEngineView(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
}

void WebEnginePane::navigate(const QUrl &url) {
    // A page that paints no background of its own (a blank one included) shows the colour of
    // the panel around the pane, not a white square.
    page()->setBackgroundColor(palette().color(QPalette::Window));
    load(url);
}

} // namespace ledger

// The module's entry points, looked up by name by WebEngineModule.

// A new browser pane under parent, as a widget and as the pane interface.
extern "C" Q_DECL_EXPORT void kexboraCreateWebPane(QWidget *parent, QWidget **widget,
                                                   ledger::WebPane **pane) {
    auto *view = new ledger::WebEnginePane(parent);
    *widget = view;
    *pane = view;
}

// Starts the web engine (its profile, and with it the browser's own start-up), so that the
// first pane opens quickly.
extern "C" Q_DECL_EXPORT void kexboraStartWebEngine() {
    QWebEngineProfile::defaultProfile();
}
