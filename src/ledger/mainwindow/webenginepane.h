#pragma once

#include "ledger/core/webpane.h"
#include "ledger/mainwindow/webpanefactory.h"

#include <QWebEngineView>

namespace ledger {

// The production browser pane. It has no context menu.
class WebEnginePane : public QWebEngineView, public WebPane {
    Q_OBJECT
public:
    explicit WebEnginePane(QWidget *parent = nullptr);
    void navigate(const QUrl &url) override;

    static WebPaneWidget create(QWidget *parent);
};

} // namespace ledger
