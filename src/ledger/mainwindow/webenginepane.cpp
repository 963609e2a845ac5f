#include "ledger/mainwindow/webenginepane.h"

#include <QEvent>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace ledger {

WebEnginePane::WebEnginePane(QWidget *parent) : QWebEngineView(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    takePaletteBackground();
}

void WebEnginePane::navigate(const QUrl &url) {
    load(url);
}

void WebEnginePane::changeEvent(QEvent *event) {
    QWebEngineView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        takePaletteBackground();
}

// A page that paints no background of its own, and a pane that never loads one, show the colour
// of the panel around the pane, not a white square.
void WebEnginePane::takePaletteBackground() {
    page()->setBackgroundColor(palette().color(QPalette::Window));
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
