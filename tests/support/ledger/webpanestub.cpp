#include "support/ledger/webpanestub.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace ledger::test {

WebPaneStub::WebPaneStub(QWidget *parent) : QWidget(parent) {}

void WebPaneStub::navigate(const QUrl &url) {
    urls.append(url);
    emit navigated(url);
}

void WebPaneStub::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton)
        ++rightPresses;
    else if (event->button() == Qt::LeftButton)
        ++leftPresses;
    QWidget::mousePressEvent(event);
}

void WebPaneStub::contextMenuEvent(QContextMenuEvent *event) {
    ++contextMenus;
    event->accept();
}

WebPaneFactory WebPaneStub::factory(QList<WebPaneStub *> *created) {
    return [created](QWidget *parent) {
        auto *stub = new WebPaneStub(parent);
        if (created)
            created->append(stub);
        return WebPaneWidget{stub, stub};
    };
}

} // namespace ledger::test
