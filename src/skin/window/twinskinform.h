#pragma once

#include "skin/window/dialogplacement.h"
#include "skin/window/liveobject.h"
#include "skin/window/skinref.h"
#include "skin/window/tframelayout.h"
#include "skin/window/tframemenubar.h"
#include "skin/window/tframemouse.h"
#include "skin/window/tframepainter.h"
#include "skin/window/twindowcommands.h"
#include "skin/window/windowkinds.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <optional>
#include <vector>

class QMdiArea;
class QPainter;

namespace skin {

class SkinMessageEvent;
class TSkinData;
class TMDIClient;
class TSkinManage;
class TWinSysButton;

// The skin of one top-level window. The skin manager creates it when its rules allow and owns
// it; it is no Qt child of its window and holds the window and the skin component through
// QPointer, so either may go first.
//
// Attaching makes the window frameless (unless it has no caption) and adds the frame's
// thickness to its contents margins, so layouts keep the client inside the frame at its old
// size. The frame's layout is computed whenever the size, the title, the active or show state
// or the skin change; painting (TFramePainter) and the mouse on the frame (TFrameMouse) read it,
// window commands go through TWindowCommands. The window's mask follows the transparent pixels
// of the border images.
//
// A window holding a QMdiArea is an MDI frame; a QMdiSubWindow in such an area is an MDI child,
// skinned like a window inside the area: its frame goes into its layout's margins (Qt keeps a
// frameless child's own margins at none), a maximized child shows no frame (its buttons show in
// the frame's menu bar) and a minimized one only its caption.
class TWinSkinForm : public QObject {
    Q_OBJECT

public:
    // Which caption styles the window has.
    enum class TCaptionButton { Maximize = 1 << 0, Minimize = 1 << 1, Close = 1 << 3 };
    Q_DECLARE_FLAGS(TCaptionButtons, TCaptionButton)

    TWinSkinForm(QWidget *window, TSkinManage *manager, const QString &windowClass = QString());
    ~TWinSkinForm() override;

    // Attaching: an application window (`form` is the window) or a standard dialog.
    void InitSkinForm(TSkinData *data, QWidget *form);
    void InitSkinWindow(TSkinData *data);
    // Takes the skin from the component (`data`, or the one it has): frame metrics, caption
    // buttons, caption font, layout. Without a skin everything taken from the old one goes.
    void SetSkin(TSkinData *data = nullptr);
    // The component is going: everything taken from it goes too.
    void DropSkin();
    void FixWindowSize(bool useClientRect);
    void ReapplySkin();
    void UnskinWindow();
    void DetachWindow();

    // Skin objects of the window's controls (the control layer creates them).
    void RegisterSkinControl(QObject *control);
    void UnregisterSkinControl(QObject *control);
    void FreeFinishedControls();
    const QList<QPointer<QObject>> &Controls() const { return controls; }

    // The system menu: the caption's icon button, a right click on the caption and Alt+Space
    // all open it here (through the manager's menu layer).
    void OpenSystemMenu(QPoint globalPos);
    // A caption button was clicked (released at `eventTime`); a second click on the icon
    // within the double-click time of the first closes the window.
    void DoCaptionButtonAction(const TWinSysButton &button, QPoint globalPos, quint64 eventTime);
    // A double-click on the caption: restore, or maximize a window with a maximize box.
    void CaptionDoubleClicked();
    TWindowCommands &Commands() { return commands; }
    // The strip a menu bar takes below the caption (0: none; for an MDI child the room it keeps
    // for Qt's taller caption).
    void SetMenuBarHeight(int height);
    // Makes the window the active one (an MDI child: the active child of its area).
    void Activate();

    // MDI.
    TWindowKind WindowKind() const { return windowKind; }
    // The area of an MDI frame, or nullptr.
    QMdiArea *MDIClient() const;
    // The manager switched the children's maximized mode (an MDI child's part of it).
    void MDIChildModeChanged(bool maximized);
    // An MDI frame: whether its children are maximized may have changed (the MDI buttons, the
    // caption's "Frame - [Child]").
    void MDIFrameChanged();
    // The window's MDI client follows its children: an area that comes among them makes it an
    // MDI frame (its children skinned as such), and once the area goes it is a plain window.
    void FollowMDIClient();
    // The widget moved in or out of an MDI area, or became or stopped being a window, since it
    // was skinned: its skin no longer fits it.
    bool PlaceChanged() const;
    // The size of a minimized MDI child: the style's width for minimized children, the caption's
    // height.
    QSize MinimizedSize() const;
    // The skinned menu bar in that strip (the menu layer's), or nullptr.
    TFrameMenuBar *MenuBar() const { return menuBar.get(); }
    // The hot and pressed objects of the frame (caption and menu-bar buttons).
    TNCTracker &Tracker() { return mouse.Tracker(); }
    // The hot button follows the pointer where it is now (a popup closed).
    void UpdateHotPart() { mouse.UpdateHot(); }

    // Paints the frame (the paint event and SM_SKINPRINTFRAME); RepaintFrame asks for a paint.
    void PaintFrame(QPainter &painter);
    void RepaintFrame();

    QWidget *Handle() const;
    QWidget *Form() const;
    TSkinData *SkinData() const { return skinData; }
    const SkinRef &Skin() const { return skin; }
    TSkinManage *Manager() const { return manager; }
    const QString &WindowClass() const { return windowClass; }
    TFormState State() const { return state; }
    TFrameKind FrameKind() const { return frameKind; }
    TShowState ShowState() const { return showState; }
    bool IsActive() const { return active; }
    bool RightToLeft() const { return rightToLeft; }
    // The window's flags before it was skinned (its caption styles).
    Qt::WindowFlags StyleAtAttach() const { return styleAtAttach; }
    bool IsDialog() const { return isDialog; }
    bool IsSizable() const;
    bool FrameSkinned() const { return frameSkinned; }
    const TFrameLayout &Layout() const { return layout; }
    QFont CaptionFont() const { return captionFont; }
    // The window's icon as the system-menu button shows it without one (one frame, key colour).
    const QImage &IconImage() const { return iconImage; }
    const std::vector<std::unique_ptr<TWinSysButton>> &CaptionButtons() const { return buttons; }
    // The width of the title in the caption font, as the sizing of a dialog measured it.
    int CaptionTextWidth() const { return captionTextWidth; }
    // How often the window's outline was built.
    int RegionBuildCount() const { return regionBuilds; }
    FrameHit NCHitTest(QPoint windowPos) const;
    // The caption button (visible, Action 0 or more) under a window point, or none.
    TWinSysButton *ObjectAt(QPoint windowPos) const;

signals:
    // The window finished being skinned (SM_SKINACTIVE handled).
    void Skinned();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool SkinMessage(SkinMessageEvent &message);
    bool FrameEvent(QEvent *event);
    void FinishSkinning();
    bool PlacesDialog() const;
    void WatchDialogMapping();
    void FinishDialogBeforeMapping();
    void ConfirmPlaceAfterMapping();
    void FitDialogToItsLayout(QEvent *layoutRequest);
    bool LayoutChangedSinceFit() const;
    bool NeedsFit() const;
    // FixWindowSize for a window refitted where it was (`before`): a window the skin centred
    // keeps its centre, one its caller placed its top-left corner.
    void FixWindowSize(bool useClientRect, std::optional<QRect> before);
    QRect WorkArea() const;
    void NoteMove(bool reported);
    void ReturnActivation();
    void FireAfterSkin();
    // reported: the size came from the window system.
    void OnSize(bool reported);
    void OnActivationChange();
    bool IsActiveNow() const;
    // The frame's inset around the client (none for a maximized MDI child).
    bool FrameInset() const;
    bool FrameHidden() const;
    void AttachMDI();
    // An MDI frame lets its client go: the area gets its scroll bars back, and the manager
    // forgets it as its client.
    void ReleaseMDIClient();
    // The caption's text: an MDI frame with a maximized child shows the child's title too.
    QString CaptionTitle() const;
    // The window's flags as they were before it was skinned, of the kind it is now.
    Qt::WindowFlags FlagsToRestore() const;
    void FinishMDIChild();
    void MDIChildStateChanged();
    void RestoreMDIChildFrame(QSize client);
    void ArrangeMinimizedChildrenLater();
    // Qt clears a child's mask as it sizes or shows it: an MDI child gets its outline back once
    // Qt is done, before it paints.
    void KeepOutlineLater();
    void ArrangeMinimizedChildren();
    // A command for the active child of an MDI frame (its buttons in the menu bar).
    void MDIChildCommand(WindowCommand command);
    bool OpenMDIChildSystemMenu(QPoint globalPos);
    void UpdateWindowState();
    void UpdateLayout();
    void UpdateFormRegion();
    void ClearFormRegion();
    void SetMask(const QRegion &region);
    void ApplyClientMargins();
    void ShiftUnmanagedChildren(QPoint by);
    void BuildIconImage();
    void FreeControlSkins();
    void ReleaseWindow();
    QSize ClientSize() const;
    bool CanPaintFrame() const;

    QPointer<QWidget> handle;
    QPointer<QWidget> form; // the window for application windows, none for standard dialogs
    QPointer<QWindow> mappingDialog; // a dialog's native window until it first shows after a map
    QPointer<TSkinData> skinData;
    SkinRef skin;
    TSkinManage *manager;
    QString windowClass;
    TFormState state = TFormState::Attached;
    TFrameKind frameKind = TFrameKind::Fixed;
    TShowState showState = TShowState::Normal;
    TCaptionButtons captionButtonSet;
    TWindowKind windowKind = TWindowKind::Normal;
    TLiveObject<QMdiArea> mdiClient;
    std::unique_ptr<TMDIClient> mdiClientFilter;
    QMargins childOwnFrame;      // an MDI child's frame as Qt drew it before it was skinned
    QMargins savedLayoutMargins; // its layout's margins then
    bool arrangeScheduled = false;
    bool frameSkinned = false;
    bool skinningFinished = false;
    bool active = true;
    bool isDialog = false;
    bool isChild = false;
    bool systemMenu = false;
    bool rightToLeft = false;
    int menuBarHeight = 0;
    Qt::WindowFlags styleAtAttach;

    QFont captionFont;
    QIcon icon;
    QImage iconImage;
    int iconSize = 16;
    int captionTextWidth = 0;
    TFrameLayout layout;
    TFramePainter painter;
    TWindowCommands commands;
    TFrameMouse mouse; // before the buttons: they leave its tracker when they go
    std::vector<std::unique_ptr<TWinSysButton>> buttons;
    std::unique_ptr<TFrameMenuBar> menuBar; // after the mouse: its buttons leave its tracker
    QList<QPointer<QObject>> controls;
    std::optional<quint64> lastIconClick; // event time of the last click on the icon button

    QMargins appliedFrame;
    QMargins savedMargins;
    QPalette savedPalette;
    bool savedOwnPalette = false;
    bool savedHover = false;
    bool savedTranslucent = false;
    bool translucent = false;
    QSize savedMinimumSize, savedMaximumSize;
    bool sizeFixed = false;
    bool sizingHere = false;              // the window is being sized by the skin, not by itself
    std::pair<QSize, QSize> fittedLayout; // a fitted dialog's layout: minimum size, size hint
    QSize fittedSize;                     // and the size it was given
    TDialogPlacement placement;
    bool movingForUser = false; // the mouse on the frame is moving the window
    int systemMenuShortcut = 0;
    bool hasRegion = false;
    bool outlineQueued = false;
    QRegion outline;
    QSize regionSize;
    bool regionActive = true;
    int regionBuilds = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TWinSkinForm::TCaptionButtons)

} // namespace skin
