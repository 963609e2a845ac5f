#include "skin/menus/twinskinpopmenu.h"

#include "skin/data/tskindata.h"
#include "skin/menus/tskinmenustyle.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/tskinmanage.h"

#include <QHash>
#include <QMenu>

namespace skin {

namespace {

QHash<const QObject *, TWinSkinPopMenu *> &Wrappers() {
    static QHash<const QObject *, TWinSkinPopMenu *> wrappers;
    return wrappers;
}

} // namespace

TWinSkinPopMenu::TWinSkinPopMenu(QMenu *menu, TSkinData *data, TSkinMenuStyle *menuStyle)
    : menu(menu), style(menuStyle), skinData(data), skin(SkinObjectsOf(data)),
      menuBG(data && data->Options().testFlag(TSkinData::xoMenuBG)) {
    if (!menu)
        return;
    hooked = true;
    Wrappers().insert(menu, this);
    menu->installEventFilter(this);
    if (menu->style() != menuStyle)
        menu->setStyle(menuStyle);
    // A menu shown before keeps its size until it is resized; a new one gets its size first.
    if (menu->testAttribute(Qt::WA_Resized))
        ComposeBackground();
}

TWinSkinPopMenu::~TWinSkinPopMenu() {
    UnhookMenuWindow();
}

TWinSkinPopMenu *TWinSkinPopMenu::Find(const QObject *menu) {
    return Wrappers().value(menu, nullptr);
}

void TWinSkinPopMenu::UnhookMenuWindow() {
    if (!hooked)
        return;
    hooked = false;
    Wrappers().removeIf([this](const auto &entry) { return entry.value() == this; });
    background = QImage();
    if (menu)
        menu->removeEventFilter(this);
}

SkinRef TWinSkinPopMenu::Skin() const {
    const TSkinManage *manager = SkinManager();
    if (!hooked || !skin || !skinData || !manager || !manager->SkinningActive())
        return nullptr;
    return skin;
}

bool TWinSkinPopMenu::HasBackground() const {
    const SkinRef objects = Skin();
    return objects && objects->MenuBackground && objects->MenuBackground->HasImage();
}

void TWinSkinPopMenu::ComposeBackground() {
    background = menu
                     ? style->Images().Image(skin, TMenuImageCache::TPart::Background, menu->size())
                     : QImage();
}

bool TWinSkinPopMenu::eventFilter(QObject *watched, QEvent *event) {
    if (!menu.Is(watched) || !menu)
        return false;
    if (event->type() == QEvent::Type(SM_SKINQUERY)) {
        static_cast<SkinMessageEvent *>(event)->result = 1;
        return true;
    }
    if (event->type() == QEvent::Resize)
        ComposeBackground();
    return false;
}

} // namespace skin
