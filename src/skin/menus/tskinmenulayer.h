#pragma once

#include "skin/menus/tmenubarkeys.h"
#include "skin/menus/tmenuclickthrough.h"
#include "skin/menus/tskinmenustyle.h"
#include "skin/window/tmenulayer.h"

#include <QMenu>
#include <QPointer>

namespace skin {

struct TSystemMenuState;

// The menus' part in skinning: wraps the popup menus the manager lets through with the shared
// menu style, opens the skinned system menu of a window, hands on presses that close a menu
// over a skinned frame and takes the keys into the menu bars.
class TSkinMenuLayer : public TMenuLayer {
public:
    TSkinMenuLayer();
    ~TSkinMenuLayer() override;

    void OpenSystemMenu(TWinSkinForm &form, const QPoint &globalPos) override;
    QObject *WrapPopupMenu(QMenu *menu, TSkinData *data) override;
    std::unique_ptr<TFrameMenuBar> CreateMenuBar(TWinSkinForm &form) override;

    TMenuClickThrough &ClickThrough() { return clickThrough; }
    // The system menu open now (rebuilt at each opening), or nullptr.
    QMenu *SystemMenuPopup() const { return systemMenu; }
    // The state the window's system menu shows.
    static TSystemMenuState SystemMenuState(const TWinSkinForm &form);

private:
    TSkinMenuStyle style;
    TMenuClickThrough clickThrough;
    TMenuBarKeys barKeys;
    QPointer<QMenu> systemMenu;
};

// Registers the menu layer with the skin manager (when there is one).
void InstallMenuLayer();
// The registered menu layer.
TSkinMenuLayer &MenuLayerInstance();

} // namespace skin
