#pragma once

#include "skin/window/framedrag.h"
#include "skin/window/frameimages.h"
#include "skin/window/skinref.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <memory>
#include <vector>

class QMouseEvent;
class QPainter;
class QWidget;

namespace skin {

class TNCObject;
class TSkinData;
class TSkinManage;
class TWinSysButton;

// The skin of one top-level window. The skin manager creates it when its rules allow and owns
// it; it is no Qt child of its window and holds the window and the skin component through
// QPointer, so either may go first.
//
// Attaching makes the window frameless (unless it has no caption) and adds the frame's
// thickness to its contents margins, so layouts keep the client inside the frame at its old
// size; the frame is painted in the window's paint event and the window's mask follows the
// transparent corners of the border images. Its event filter stands in for the window
// procedures: hit tests, caption buttons, moving and sizing, the private messages.
class TWinSkinForm : public QObject {
    Q_OBJECT

public:
    enum TState {
        StateAttached = 0,
        StateSkinned = 1,
        StateReapplying = 3,
        StateDetaching = 4,
        StateFixingSize = 5,
        StateFinished = 6,
    };
    enum TFrameKind { FrameSizable = 0, FrameFixed = 1, FrameNone = 2, FrameDialog = 3 };
    enum TShowState { ShowNormal = 0, ShowMaximized = 1, ShowMinimized = 2 };
    // CaptionButtonSet bits.
    enum TCaptionButton { cbMaximize = 1 << 0, cbMinimize = 1 << 1, cbClose = 1 << 3 };

    TWinSkinForm(QWidget *window, TSkinManage *manager);
    ~TWinSkinForm() override;

    // Attaching: an application window (`form` is the window) or a standard dialog.
    void InitSkinForm(TSkinData *data, QWidget *form);
    void InitSkinWindow(TSkinData *data);
    // Caption-strip and system-menu styles: a frameless window draws no caption of its own, so
    // there is nothing to switch.
    void SetCaptionStyle(bool) {}
    void SetSysMenuStyle(bool) {}

    void CalcFrameMetrics();
    void FreeNCObjects();
    void StoreClientRect();
    void FixWindowSize(bool useClientRect);
    void ReapplySkin();
    void UnskinWindow();
    void DetachWindow();
    // Drops everything taken from the skin component (it is going away).
    void DropSkin();

    // Skin objects of the window's controls (created by the control layer).
    void RegisterSkinControl(QObject *control);
    const QList<QPointer<QObject>> &ControlSkins() const { return controlSkins; }
    void UnregisterSkinControl(QObject *control);
    void FreeFinishedControls();
    void FreeControlSkins();

    void FireAfterSkin();
    // The contents margins follow the frame metrics again and the frame is repainted.
    void FrameChanged();
    void BuildIconImage();
    void DrawWindowIcon(QPainter &painter, const QRect &rect) const;

    // Painting (twinskinform_paint.cpp). PaintFrame without a painter repaints the frame.
    void PaintFrame(QPainter *painter, bool fullPaint = true);
    void PaintCaptionButton(TWinSysButton *button);
    void LayoutCaptionButtons();
    void UpdateFormRegion();
    void ClearFormRegion();
    // The frame's area of the window: everything outside the client.
    QRegion FrameRegion() const;

    // Window procedures (twinskinform_proc.cpp).
    int NCHitTest(QPoint windowPos) const;
    // The caption button (visible, Action 0 or more) under a window point, or none.
    TNCObject *ObjectAt(QPoint windowPos) const;
    void OpenSystemMenu(QPoint globalPos);
    void DoCaptionButtonAction(TWinSysButton *button, QPoint globalPos);
    void Maximize();
    void Minimize();
    // Carries out a window command now; PostSysCommand queues it.
    void SysCommand(int command);
    void PostSysCommand(int command);
    void HotTrackTimer();
    void UpdateWindowState();
    // The client area's size: the window less the frame applied so far.
    QSize ClientSize() const;

    TSkinManage *Manager() const { return manager; }

    // Fields (see the skinned-window description).
    QPointer<QWidget> Handle;
    QPointer<QWidget> Form; // the window for application windows, none for standard dialogs
    QPointer<TSkinData> SkinData;
    SkinRef Skin{};
    QString WindowClass;
    bool Finished = false;
    QTimer HotTimer;
    bool FrameSkinned = false;
    QSize ClientRect;
    int DoubleClickTime = 0;
    int CaptionTextWidth = 0;
    QPointer<QWidget> OwnerWindow;
    QIcon IconHandle;
    int IconSize = 16;
    QImage IconImage; // the icon on the key colour, one frame
    QString CaptionText;
    QMargins FrameMetrics;
    int MenuBarHeight = 0; // the menu bar belongs to the menu layer; none here
    int CaptionButtonCount = 0;
    bool MenuTracking = false;
    bool RightToLeft = false;
    bool Sizable = false;
    bool IsDialog = false;
    bool IsChild = false;
    bool SystemMenu = false;
    Qt::WindowFlags StyleAtAttach;
    TNCObject *HotObject = nullptr;
    bool HasRegion = false;
    std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
    bool IsActive = true;
    int WindowKind = 0; // no MDI: always a normal window
    int FrameKind = FrameFixed;
    int CaptionButtonSet = 0;
    int ShowState = ShowNormal;
    int State = StateAttached;
    QPointer<QWidget> HotControl;
    QElapsedTimer LastMenuTick;
    // The title's rectangle of the last caption paint, and the largest left edge of the
    // right-aligned caption buttons of the last layout (0 when there is none).
    QRect TextRect;
    int RightButtonsLeft = 0;
    int RegionBuildCount = 0; // how often the region was built

signals:
    // The window finished being skinned (SM_SKINACTIVE handled).
    void Skinned();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // twinskinform_proc.cpp
    bool FormWndProc(QEvent *event);
    bool FormWindowProc(QEvent *event);
    void FinishSkinning();
    void OnSize();
    void OnActivationChange();
    bool NCMouseMove(QMouseEvent *event);
    bool NCMousePress(QMouseEvent *event);
    bool NCMouseRelease(QMouseEvent *event);
    bool NCMouseDoubleClick(QMouseEvent *event);
    void UpdateCursor(int hit);
    void ApplyClientMargins();
    void ShiftUnmanagedChildren(QPoint by);
    void RestoreManualMaximize();
    // twinskinform_paint.cpp
    void PaintCaption(QPainter &painter, bool fullPaint);
    void PaintCaptionText(QPainter &painter, const QRect &area);
    void PaintCaptionButtons(QPainter &painter);
    void DrawBorder(QPainter &painter, int part, const QRect &rect);
    bool CanPaintFrame() const;
    QFont CaptionFont() const;

    TSkinManage *manager;
    QList<QPointer<QObject>> controlSkins;
    TFrameImages frameImages;
    TFrameDrag drag;
    TNCObject *pressedObject = nullptr;
    QMargins appliedFrame;
    QMargins savedMargins;
    QPalette savedPalette;
    bool savedOwnPalette = false;
    bool savedMouseTracking = false;
    QSize savedMinimumSize, savedMaximumSize;
    bool sizeFixed = false;
    int systemMenuShortcut = 0;
    QSize regionSize;
    bool regionActive = true;
    bool manualMaximize = false;
    QRect normalGeometry;
    QPointer<QObject> destroyedWatch;
};

} // namespace skin
