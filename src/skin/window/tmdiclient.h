#pragma once

#include <QObject>
#include <QPointer>
#include <Qt>

class QMdiArea;
class QWidget;

namespace skin {

class TWinSkinForm;

// The MDI client of a skinned MDI frame (its QMdiArea), watched for the frame's skin:
// - without the skin's MDI scroll-bar option the area shows no scroll bars while the frame is
//   skinned;
// - a child created turns the component's menu updates off; once no child is left they are as
//   they were and the frame's menu bar is built again;
// - a child destroyed or activated (Qt restores a maximized child when the area tiles or
//   cascades its children) settles whether the children are shown maximized;
// - SM_SKINMDI repaints the area and its children.
// The frame's skin object owns it; going, it leaves the area as it found it.
class TMDIClient : public QObject {
    Q_OBJECT

public:
    TMDIClient(TWinSkinForm &frame, QMdiArea *area);
    ~TMDIClient() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ChildCreated();
    void ChildDestroyed();
    void Redraw();

    TWinSkinForm &frame;
    QPointer<QMdiArea> area;
    QPointer<QWidget> viewport;
    bool savedMenuUpdate = true;
    bool scrollBarsHidden = false;
    Qt::ScrollBarPolicy savedHorizontal = Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy savedVertical = Qt::ScrollBarAsNeeded;
};

} // namespace skin
