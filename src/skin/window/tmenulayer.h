#pragma once

#include <memory>

class QMenu;
class QObject;
class QPoint;

namespace skin {

class TFrameMenuBar;
class TSkinData;
class TWinSkinForm;

// The menu layer's part: the skinned system menu, the borders of popup menus and the menu bar.
// Registered with the manager (TSkinManage::SetMenuLayer); without one, no system menu opens and
// popup menus keep the application style.
class TMenuLayer {
public:
    virtual ~TMenuLayer();

    // Opens the window's skinned system menu at a global point (caption button, right click on
    // the caption, Alt+Space). The manager's menu kind is the system menu's meanwhile; the
    // menu's commands go to TWinSkinForm::Commands().
    virtual void OpenSystemMenu(TWinSkinForm &form, const QPoint &globalPos) = 0;
    // A popup menu about to show that passed the manager's rules: wrap it with the skin of
    // `data`. Returns the wrapper, which the manager deletes when the menu hides, or nullptr.
    virtual QObject *WrapPopupMenu(QMenu *menu, TSkinData *data) = 0;
    // The skinned menu bar of a window that has a QMenuBar (the native bar is hidden until
    // Restore), or nullptr.
    virtual std::unique_ptr<TFrameMenuBar> CreateMenuBar(TWinSkinForm &form) = 0;
};

} // namespace skin
