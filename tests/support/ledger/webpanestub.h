#pragma once

// A browser pane for tests of the main window: a plain widget that records the addresses it
// is sent to and the mouse and context-menu input that reaches it. No browser process starts.
//
//     QList<ledger::test::WebPaneStub *> panes;
//     ledger::TfrmMain w(ledger::test::WebPaneStub::factory(&panes));   // panes[0] is wbMain

#include "ledger/core/webpane.h"
#include "ledger/main/webpanefactory.h"

#include <QList>
#include <QUrl>
#include <QWidget>

namespace ledger::test {

class WebPaneStub : public QWidget, public WebPane {
    Q_OBJECT
public:
    explicit WebPaneStub(QWidget *parent = nullptr);

    void navigate(const QUrl &url) override;

    QList<QUrl> urls;
    int rightPresses = 0;
    int leftPresses = 0;
    int contextMenus = 0;

    // A factory for TfrmMain; every pane it makes is appended to created (when given).
    static WebPaneFactory factory(QList<WebPaneStub *> *created = nullptr);

signals:
    void navigated(const QUrl &url);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};

} // namespace ledger::test
