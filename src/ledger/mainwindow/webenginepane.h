#pragma once

#include "ledger/core/webpane.h"

#include <QWebEngineView>

namespace ledger {

// The production browser pane (in the module kexbora-webpane). It has no context menu.
class WebEnginePane : public QWebEngineView, public WebPane {
    Q_OBJECT
public:
    explicit WebEnginePane(QWidget *parent = nullptr);
    void navigate(const QUrl &url) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void takePaletteBackground();
};

} // namespace ledger
