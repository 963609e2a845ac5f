#include "skin/menus/tskinmenulayer.h"

#include "skin/data/tskindata.h"
#include "skin/menus/systemmenu.h"
#include "skin/menus/twinskinmenu.h"
#include "skin/menus/twinskinpopmenu.h"
#include "skin/window/tskinmanage.h"
#include "skin/window/twinskinform.h"
#include "skin/window/windowfacts.h"

#include <QMenu>

namespace skin {

TSkinMenuLayer::TSkinMenuLayer() = default;

TSkinMenuLayer::~TSkinMenuLayer() {
    delete systemMenu.data();
}

TSystemMenuState TSkinMenuLayer::SystemMenuState(const TWinSkinForm &form) {
    TSystemMenuState state;
    state.Maximized = form.ShowState() == TShowState::Maximized;
    state.Minimized = form.ShowState() == TShowState::Minimized;
    state.HasMinimize = FlagsHaveMinimize(form.StyleAtAttach());
    state.HasMaximize = FlagsHaveMaximize(form.StyleAtAttach());
    state.HasClose = FlagsHaveClose(form.StyleAtAttach());
    state.Sizable = form.Handle() && IsSizableWindow(form.Handle());
    state.DialogFrame = form.FrameKind() == TFrameKind::Dialog;
    return state;
}

void TSkinMenuLayer::OpenSystemMenu(TWinSkinForm &form, const QPoint &globalPos) {
    if (!form.Handle())
        return;
    delete systemMenu.data();
    auto *menu = new QMenu(form.Handle());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QImage glyphs = form.SkinData() ? form.SkinData()->SysMenuGlyphs : QImage();
    QPointer<TWinSkinForm> target(&form);
    BuildSystemMenu(*menu, SystemMenuItems(SystemMenuState(form)), glyphs,
                    [target](WindowCommand command) {
                        if (target)
                            target->Commands().Post(command);
                    });
    systemMenu = menu;
    menu->popup(globalPos);
}

QObject *TSkinMenuLayer::WrapPopupMenu(QMenu *menu, TSkinData *data) {
    if (!menu || !data)
        return nullptr;
    auto *wrapper = new TWinSkinPopMenu(menu, data, &style);
    // A menu destroyed while open leaves no wrapper behind.
    if (TSkinManage *manager = SkinManager())
        QObject::connect(menu, &QObject::destroyed, wrapper,
                         [manager, menu] { manager->ReleasePopupMenu(menu); });
    return wrapper;
}

std::unique_ptr<TFrameMenuBar> TSkinMenuLayer::CreateMenuBar(TWinSkinForm &form) {
    QMenuBar *bar = TWinSkinMenu::NativeMenuOf(form.Handle());
    if (!bar)
        return nullptr;
    return std::make_unique<TWinSkinMenu>(form, bar, form.SkinData());
}

TSkinMenuLayer &MenuLayerInstance() {
    static TSkinMenuLayer layer;
    return layer;
}

void InstallMenuLayer() {
    if (TSkinManage *manager = SkinManager())
        manager->SetMenuLayer(&MenuLayerInstance());
}

} // namespace skin
