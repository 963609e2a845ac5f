#pragma once

#include "skin/window/tncobject.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <functional>

namespace skin {

// One top-level item of a skinned menu bar, drawn in the window's frame.
class TMenuBtn : public TNCObject {
public:
    using TRepaint = std::function<void(const QRect &)>;
    TMenuBtn(TNCTracker &tracker, QAction *item, int index, TRepaint repaint);

    // Repaints the button's part of the bar.
    void PaintNC() override;

    QPointer<QAction> Item;
    int Index;
    QString Caption;
    QPointer<QMenu> Submenu; // the drop-down, none for a plain command

private:
    TRepaint repaint;
};

} // namespace skin
