#pragma once

#include "ledger/core/webpane.h"
#include "ledger/mainwindow/webpanefactory.h"

#include <QKeyEvent>
#include <QList>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

namespace ledger::test {

// A browser pane for tests: records the addresses it is sent to and the mouse presses and keys
// that reach it. No browser process starts.
class WebPaneStub : public QWidget, public WebPane {
public:
    using QWidget::QWidget;
    void navigate(const QUrl &url) override { urls.append(url); }

    QList<QUrl> urls;
    int rightPresses = 0;
    int leftPresses = 0;
    QList<int> keys; // pressed, modifier keys included

    // A factory for TfrmMain; every pane it makes is appended to created.
    static WebPaneFactory factory(QList<WebPaneStub *> *created = nullptr) {
        return [created](QWidget *parent) {
            auto *stub = new WebPaneStub(parent);
            if (created)
                created->append(stub);
            return WebPaneWidget{stub, stub};
        };
    }

protected:
    void mousePressEvent(QMouseEvent *event) override {
        if (event->button() == Qt::RightButton)
            ++rightPresses;
        else if (event->button() == Qt::LeftButton)
            ++leftPresses;
        QWidget::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent *event) override {
        keys.append(event->key());
        QWidget::keyPressEvent(event);
    }
};

} // namespace ledger::test
