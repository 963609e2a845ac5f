#pragma once

#include "skin/window/liveobject.h"

#include <QObject>
#include <Qt>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace skin {

class TWinSkinForm;

// The MDI client of a skinned MDI frame (its QMdiArea), watched for the frame's skin:
// - without the skin's MDI scroll-bar option the area shows no scroll bars while the frame is
//   skinned;
// - a child created turns the component's menu updates off; once no child is left they are as
//   they were and the frame's menu bar is built again;
// - a child destroyed, activated, maximized, restored or renamed (Qt restores a maximized child
//   when the area tiles or cascades its children) settles whether the children are shown
//   maximized and the frame's caption and menu bar again; so does the client's arrival;
// - SM_SKINMDI repaints the area and its children.
// The frame's skin object owns it. Going, it gives the component's menu updates back; Restore
// also gives the area back its scroll bars (the frame is unskinned or the area no longer its
// client).
class TMDIClient : public QObject {
    Q_OBJECT

public:
    TMDIClient(TWinSkinForm &frame, QMdiArea *area);
    ~TMDIClient() override;

    void Restore();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ChildCreated(QMdiSubWindow *child);
    void ChildDestroyed();
    void ChildChanged();
    void Redraw();

    TWinSkinForm &frame;
    TLiveObject<QMdiArea> area;
    TLiveObject<QWidget> viewport;
    bool savedMenuUpdate = true;
    bool scrollBarsHidden = false;
    Qt::ScrollBarPolicy savedHorizontal = Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy savedVertical = Qt::ScrollBarAsNeeded;
};

} // namespace skin
