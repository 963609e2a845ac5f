#pragma once

#include "skin/window/tncobject.h"

#include <QMenu>
#include <QPointer>
#include <QString>

namespace skin {

// One top-level item of a skinned menu bar, drawn in the window's frame.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm *form, QAction *item, int index);

    // Repaints the button's part of the bar.
    void PaintNC() override;

    QPointer<QAction> Item;
    int Index;
    QString Caption;
    QPointer<QMenu> Submenu; // the drop-down, none for a plain command
};

} // namespace skin
