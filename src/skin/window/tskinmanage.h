#pragma once

#include "skin/data/tskinmanagerhook.h"
#include "skin/window/liveobject.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

class QMdiArea;
class QMenu;
class QWidget;

namespace skin {

class TControlLayer;
class TMenuLayer;
class TSkinData;
class TWinSkinForm;

// The skin manager: knows every skin component, every skinned window and every wrapped popup
// menu. As an application event filter it sees each top-level window shown or activated and
// skins it when its rules allow (SkinWindow); work that must not run inside a component's
// property setters is queued as an action and run by a timer.
//
// Seams: the control layer registers a TControlLayer (called where a window's controls are
// walked, unskinned and re-coloured), the menu layer a TMenuLayer (system menu, popup menus).
class TSkinManage : public QObject, public TSkinManagerHook {
    Q_OBJECT

public:
    // Waiting for the first window, running, or shutting down (nothing is purged then).
    enum class TPhase { Waiting, Running, ShuttingDown };
    // What the next popup menu to show is: a plain popup menu, a menu-bar drop-down or a
    // system menu (its opener sets it; it falls back to a popup menu when that menu closes).
    enum class TMenuKind { Popup, MenuBar, SystemMenu };

    explicit TSkinManage(QObject *parent = nullptr);
    ~TSkinManage() override;

    // The component registration point.
    void AddSkinData(TSkinData *data) override;
    void RemoveSkinData(TSkinData *data) override;
    void InstallHook() override;
    void SetPendingSkinData(TSkinData *data) override;
    void RequestAction(TSkinAction action, int delayMs) override;
    int Started() const override { return phase == TPhase::Running ? 1 : 0; }
    void SetStarted(int value) override;
    void SetSkinningActive(bool active) override { skinningActive = active; }
    void SkinWindow(QObject *form) override;
    void RefreshSkinData() override;

    // Skins the window when the rules allow; true when a skin object was made for it.
    bool SkinWindow(QWidget *window);
    TWinSkinForm *FindSkinnedWindow(const QWidget *window) const;
    // The main window: the first application window skinned that still shows, or nullptr.
    TWinSkinForm *MainWindow() const;
    qsizetype WindowCount() const { return qsizetype(windows.size()); }
    // The component whose skin the window gets: its own sfOnlyThisForm component, else the last
    // sfDialog one for dialogs, else the last sfMainform one, else the first registered.
    TSkinData *FindSkinDataFor(const QWidget *window) const;
    bool CanSkinWindow(const QWidget *window, const QString &className) const;
    // Frees the entries of windows that are gone.
    void PurgeWindows();
    // Purges soon (a window was destroyed).
    void SchedulePurge();

    bool SkinningActive() const { return skinningActive; }
    TPhase Phase() const { return phase; }
    bool ActionPending() const { return actionTimer.isActive(); }
    TSkinData *MainSkinData() const;
    bool HasSkinData(const TSkinData *data) const;

    // MDI: the area of the skinned MDI frame (the last one skinned) and that frame.
    void SetMDIClient(QMdiArea *area, QWidget *frameForm);
    // The area is no longer a skinned frame's client: nothing is shown maximized in it.
    void MDIClientGone(const QMdiArea *area);
    QMdiArea *MDIClientWindow() const;
    QWidget *MDIFrameForm() const;
    // Whether the MDI children are shown maximized: a maximized child shows no frame of its own
    // and its buttons are drawn in the frame's menu bar; the other children lose their outlines
    // meanwhile and get them back (and their frames) when the mode ends. Unless the component
    // keeps the children's own frames (xoMDIChildBorder). The frames' MDI buttons follow through
    // UpdateMDIChildMode.
    void SetMDIChildMode(bool maximized);
    bool MDIMaximizedMode() const { return mdiMaximizedMode; }
    // Once the current event is handled: the mode follows the area's active child, and the MDI
    // frames lay out their menu bars again.
    void UpdateMDIChildMode(QMdiArea *area);

    // The window's widget moved in or out of an MDI area, or became or stopped being a window:
    // its skin goes now, and it is skinned again as what it is now once the move is settled.
    void ReskinMoved(TWinSkinForm *form);

    // Popup menus: wrapped through the menu layer when their kind is enabled.
    void SetMenuKind(TMenuKind kind) { menuKind = kind; }
    TMenuKind MenuKind() const { return menuKind; }
    void SkinPopupMenu(QMenu *menu);
    void ReleasePopupMenu(QMenu *menu);
    bool IsMenuWrapped(const QMenu *menu) const;

    void SetControlLayer(TControlLayer *layer) { controlLayer = layer; }
    TControlLayer *ControlLayer() const { return controlLayer; }
    // Registering the menu layer also watches the menus that exist already.
    void SetMenuLayer(TMenuLayer *layer);
    TMenuLayer *MenuLayer() const { return menuLayer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ActionTimer();
    // Every skinned window's hot button follows the pointer (a popup menu closed).
    void UpdateHotParts();
    void SkinFormIfVisible(QWidget *window);
    void UnskinEntry(TWinSkinForm *form);
    // A widget was added to or removed from the window: its MDI client may have come or gone
    // (checked once the current event is handled).
    void FollowMDIClientLater(QWidget *window, bool added);
    void FollowMDIClients();
    // Windows that lost their component take the one the rules give now, or are unskinned.
    void RebindOrphanedWindows();
    void AdoptLoadedSkinData();
    // Wraps the menu each time it is about to show (once per menu).
    void WatchMenu(QMenu *menu);
    // Menus polished before the hook or the menu layer was in place.
    void WatchExistingMenus();

    struct PopupEntry {
        TLiveObject<QMenu> menu;
        std::unique_ptr<QObject> wrapper;
    };
    QTimer actionTimer;
    std::vector<std::unique_ptr<TWinSkinForm>> windows; // in the order of skinning
    QList<QPointer<TSkinData>> skinDatas;
    std::vector<PopupEntry> popupMenus;
    bool skinningActive = false;
    bool skinAllRunning = false;
    TMenuKind menuKind = TMenuKind::Popup;
    TSkinAction pendingAction = SkinAllAction;
    QPointer<TSkinData> pendingSkinData;
    QPointer<TSkinData> mainSkinData;
    TPhase phase = TPhase::Waiting;
    bool purgeScheduled = false;
    TControlLayer *controlLayer = nullptr;
    TMenuLayer *menuLayer = nullptr;
    bool mdiMaximizedMode = false;
    QPointer<QMdiArea> mdiClientWindow;
    QPointer<QWidget> mdiFrameForm;
    QPointer<QMdiArea> mdiModePending;
    bool mdiModeScheduled = false;
    QList<QPointer<QWidget>> clientChecks; // windows whose MDI client may have changed
};

// The one manager, or nullptr.
TSkinManage *SkinManager();

// Program start-up, before any window's TSkinData loads: creates the manager (a component
// loaded earlier registers now) and reports unknown skin package versions in a message box.
// The manager ends first thing as the application ends, whatever windows are alive then.
void InstallSkinManager();

} // namespace skin
