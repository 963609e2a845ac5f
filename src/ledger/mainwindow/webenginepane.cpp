#include "ledger/mainwindow/webenginepane.h"

namespace ledger {

WebEnginePane::WebEnginePane(QWidget *parent) : QWebEngineView(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
}

void WebEnginePane::navigate(const QUrl &url) {
    load(url);
}

WebPaneWidget WebEnginePane::create(QWidget *parent) {
    auto *view = new WebEnginePane(parent);
    return {view, view};
}

} // namespace ledger
