#include "skin/window/tmdiclient.h"

#include "skin/data/tskindata.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tframemenubar.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"

#include <QChildEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace skin {

TMDIClient::TMDIClient(TWinSkinForm &owner, QMdiArea *client)
    : frame(owner), area(client), viewport(client ? client->viewport() : nullptr) {
    if (!area)
        return;
    TSkinData *data = frame.SkinData();
    if (data)
        savedMenuUpdate = data->MenuUpdate();
    if (frame.FrameSkinned() && data && !data->Options().testFlag(TSkinData::xoMDIScrollbar)) {
        savedHorizontal = area->horizontalScrollBarPolicy();
        savedVertical = area->verticalScrollBarPolicy();
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scrollBarsHidden = true;
    }
    area->installEventFilter(this);
    if (viewport)
        viewport->installEventFilter(this);
    connect(area, &QMdiArea::subWindowActivated, this, &TMDIClient::ChildChanged);
    for (QMdiSubWindow *child : area->subWindowList())
        ChildCreated(child);
    // The children's mode follows them as they are now (they may have changed while unskinned).
    ChildChanged();
}

TMDIClient::~TMDIClient() {
    if (viewport)
        viewport->removeEventFilter(this);
    if (area)
        area->removeEventFilter(this);
    if (TSkinData *data = frame.SkinData())
        data->SetMenuUpdate(savedMenuUpdate);
}

void TMDIClient::Restore() {
    if (area && std::exchange(scrollBarsHidden, false)) {
        area->setHorizontalScrollBarPolicy(savedHorizontal);
        area->setVerticalScrollBarPolicy(savedVertical);
    }
}

bool TMDIClient::eventFilter(QObject *watched, QEvent *event) {
    if (area.Is(watched)) {
        if (event->type() == QEvent::Type(SM_SKINMDI)) {
            Redraw();
            return true;
        }
        return false;
    }
    if (!viewport.Is(watched))
        return false;
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
        if (auto *child = qobject_cast<QMdiSubWindow *>(static_cast<QChildEvent *>(event)->child()))
            ChildCreated(child);
        break;
    case QEvent::ChildRemoved:
        // Settled once the child has gone (it is being destroyed or moved now).
        QMetaObject::invokeMethod(this, &TMDIClient::ChildDestroyed, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

void TMDIClient::ChildCreated(QMdiSubWindow *child) {
    if (TSkinData *data = frame.SkinData())
        data->SetMenuUpdate(false);
    connect(child, &QMdiSubWindow::windowStateChanged, this, &TMDIClient::ChildChanged,
            Qt::UniqueConnection);
    connect(child, &QWidget::windowTitleChanged, this, &TMDIClient::ChildChanged,
            Qt::UniqueConnection);
}

void TMDIClient::ChildChanged() {
    if (TSkinManage *manager = frame.Manager(); manager && area)
        manager->UpdateMDIChildMode(area);
}

void TMDIClient::ChildDestroyed() {
    if (!area || !frame.FrameSkinned())
        return;
    ChildChanged();
    if (!area->subWindowList().isEmpty())
        return;
    if (TSkinData *data = frame.SkinData())
        data->SetMenuUpdate(savedMenuUpdate);
    if (TFrameMenuBar *bar = frame.MenuBar())
        bar->Rebuild();
}

void TMDIClient::Redraw() {
    if (!area)
        return;
    area->viewport()->update();
    for (QMdiSubWindow *child : area->subWindowList())
        child->update();
}

} // namespace skin
