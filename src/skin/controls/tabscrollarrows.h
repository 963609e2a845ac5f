#pragma once

#include <QList>
#include <QPointer>

class QTabBar;
class QWidget;

namespace skin {

class TSkinControl;
class TSkinData;
class TWinSkinForm;

// The up-down skins on a tab bar's scroll arrows (its QToolButton children), for the skin of
// the control that holds the bar: made and attached by Attach, detached and deleted by Detach.
// An arrow that already answers as skinned keeps the skin it has.
class TTabScrollArrows {
public:
    // The control itself when it is a tab bar, a tab widget's bar, else a tab bar among its
    // direct children; null without one.
    static QTabBar *BarOf(QWidget *control);

    void Attach(QTabBar *bar, TWinSkinForm *form, TSkinData *data);
    void Detach();

private:
    QList<QPointer<TSkinControl>> skins;
};

} // namespace skin
