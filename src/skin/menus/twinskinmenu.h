#pragma once

#include "skin/menus/tmenubtn.h"
#include "skin/menus/tmenushortcuts.h"
#include "skin/window/liveobject.h"
#include "skin/window/skinref.h"
#include "skin/window/tframemenubar.h"

#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>
#include <vector>

class QPainter;
class QWidget;

namespace skin {

class TSkinData;
class TWinSkinForm;

// The skinned menu bar of a window that has a QMenuBar: the native bar is hidden and its
// top-level actions become buttons drawn in the frame strip between the caption and the
// client. A button opens its drop-down at its bottom-left corner (right-to-left: right-aligned
// under it); while one is open, Left and Right (and the mouse over another button) move to the
// neighbouring drop-down; Alt plus a caption's mnemonic opens that button's. The shortcuts of
// the bar's actions keep working while the native bar is hidden.
class TWinSkinMenu : public QObject, public TFrameMenuBar {
    Q_OBJECT

public:
    TWinSkinMenu(TWinSkinForm &form, QMenuBar *menuBar, TSkinData *data);
    ~TWinSkinMenu() override;

    // The window's native bar: a QMainWindow's menu widget or its layout's menu bar; nullptr.
    static QMenuBar *NativeMenuOf(const QWidget *window);

    // The strip's height: the native bar's before it was hidden.
    int Height() const override { return height; }
    void SetSkin(const SkinRef &skin) override;
    // Lays the buttons out in the strip (window coordinates).
    void Layout(const QRect &strip, std::optional<int> buttonsLeft) override;
    void Rebuild() override { RebuildMenuButtons(); }
    void Paint(QPainter &painter, bool active) const override;
    TNCObject *ObjectAt(QPoint windowPos) const override { return MenuButtonAt(windowPos); }
    std::vector<TNCObject *> Objects() const override;
    // A press on the strip: opens the button's drop-down, unless the press just closed it.
    bool Press(QPoint windowPos) override;
    // Shows the native bar again (the window is unskinned).
    void Restore() override;

    // The buttons again from the bar's actions (hides the native bar when it has any).
    void RebuildMenuButtons();
    // The height of the window's bar: its own, or a bar's with an item while it has none.
    static int BarHeight(const QMenuBar *bar);
    QRect BarRect() const { return barRect; }
    // The first button under a window point whose caption is not empty, or nullptr.
    TMenuBtn *MenuButtonAt(QPoint windowPos) const;
    // The first button whose mnemonic is `keys` (Alt plus a letter), or nullptr.
    TMenuBtn *ButtonForMnemonic(const QKeySequence &keys) const;
    // The button after (before) the tracked one, wrapping around.
    TMenuBtn *NextMenuButton(bool forward) const;
    // Opens the drop-down of a button (a button without one triggers its action); a disabled
    // button does nothing. True when a drop-down opened.
    bool TrackMenuButton(TMenuBtn *button);
    // The same once the current event is handled; the open drop-down closes first.
    void OpenMenuButtonLater(TMenuBtn *button);
    void EndMenuTracking();
    QMenu *TrackedMenu() const { return trackedMenu; }
    int TrackedIndex() const { return trackedIndex; }
    const std::vector<std::unique_ptr<TMenuBtn>> &Buttons() const { return buttons; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool FilterTracking(QObject *watched, QEvent *event);
    void DropDownClosing();
    void GrabAccelerators();
    void ReleaseAccelerators();
    void Relayout();
    // The window's bar changed: its new actions, or a new bar.
    void MenuChanged();
    // The window was given another bar: the skin takes it.
    void TakeNativeBar(QMenuBar *bar);
    int TextWidth(const QString &caption) const;

    TWinSkinForm &form;
    TLiveObject<QMenuBar> menuBar;
    QPointer<TSkinData> skinData;
    SkinRef skin;
    QFont font;
    int height = 0;
    bool nativeHidden = false;
    QRect barRect;
    std::optional<int> stripButtonsLeft; // the frame's buttons in the strip, from there on
    bool changeQueued = false;
    std::vector<std::unique_ptr<TMenuBtn>> buttons;
    std::vector<std::pair<int, int>> accelerators; // shortcut id, button index
    TLiveObject<QMenu> trackedMenu;
    int trackedIndex = -1;
    bool switching = false;
    TMenuShortcuts shortcuts;
};

} // namespace skin
