#pragma once

#include "skin/window/liveobject.h"
#include "skin/window/skinref.h"

#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPointer>

namespace skin {

class TSkinData;
class TSkinMenuStyle;

// The skin of one open popup menu. Hooking sets the shared menu style on the menu, which then
// paints its 3-pixel border and its items from the skin; the wrapper holds what that painting
// needs: the component, its skin objects and the background composed from MenuBackground at
// the menu's size (fetched again when the menu is resized). Unhooking (also on destruction)
// leaves the style on the menu: without a wrapper it paints as the application's style does.
// The skin manager creates one per shown menu and deletes it when the menu hides or is
// destroyed.
class TWinSkinPopMenu : public QObject {
    Q_OBJECT

public:
    TWinSkinPopMenu(QMenu *menu, TSkinData *data, TSkinMenuStyle *menuStyle);
    ~TWinSkinPopMenu() override;

    // The wrapper of a menu, or nullptr.
    static TWinSkinPopMenu *Find(const QObject *menu);

    void UnhookMenuWindow();

    // The skin to paint with: nullptr while skinning is off, the component has no skin, or the
    // menu is unhooked; the menu then paints as an unwrapped one.
    SkinRef Skin() const;
    // The skin has a MenuBackground image: the border and background are the skin's.
    bool HasBackground() const;
    // MenuBackground composed at the menu's size; null without one.
    const QImage &Background() const { return background; }
    // The component wants the background under the items (xoMenuBG) instead of the Menu colour.
    bool BackgroundUnderItems() const { return menuBG; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ComposeBackground();

    TLiveObject<QMenu> menu;
    TSkinMenuStyle *style;
    QPointer<TSkinData> skinData;
    SkinRef skin;
    QImage background;
    bool menuBG = false;
    bool hooked = false;
};

} // namespace skin
