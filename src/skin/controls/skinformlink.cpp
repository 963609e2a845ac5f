#include "skin/controls/skinformlink.h"

#include "skin/controls/tskincontrol.h"

#include <QObject>
#include <QPointer>

namespace skin {

namespace {

// Kept as a child of the window's object, so it goes with it.
class SkinControlList : public QObject {
public:
    explicit SkinControlList(QObject *form) : QObject(form) {}
    QList<QPointer<TSkinControl>> controls;
};

SkinControlList *ListOf(const QObject *form) {
    if (!form)
        return nullptr;
    for (QObject *child : form->children())
        if (auto *list = dynamic_cast<SkinControlList *>(child))
            return list;
    return nullptr;
}

} // namespace

void RegisterSkinControl(QObject *skinForm, TSkinControl *control) {
    if (!skinForm || !control)
        return;
    SkinControlList *list = ListOf(skinForm);
    if (!list)
        list = new SkinControlList(skinForm);
    list->controls.removeAll(nullptr);
    if (!list->controls.contains(control))
        list->controls.append(control);
}

void UnregisterSkinControl(QObject *skinForm, TSkinControl *control) {
    if (SkinControlList *list = ListOf(skinForm))
        list->controls.removeIf([control](const QPointer<TSkinControl> &c) {
            return c.isNull() || c.data() == control;
        });
}

QList<TSkinControl *> SkinControlsOf(const QObject *skinForm) {
    QList<TSkinControl *> out;
    if (const SkinControlList *list = ListOf(skinForm))
        for (const QPointer<TSkinControl> &c : list->controls)
            if (c)
                out.append(c.data());
    return out;
}

} // namespace skin
