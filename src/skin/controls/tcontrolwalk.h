#pragma once

#include "skin/controls/controlskinfactory.h"
#include "skin/data/tskindata.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace skin {

class TSkinControl;
class TWinSkinForm;

// The control walk of a skinned window: gives each control of the window the skin object its
// kind asks for, attached and listed with the window's object. The walk goes over the widget
// tree parents first and does not look inside composite widgets (the line edit of a combo or
// spin box is no control of its own). It keeps watching the containers it walked, so that
// controls added later (a page built when first shown) are skinned too.
//
// One walk per window object, kept as its child: Of() makes it on first use.
class TControlWalk : public QObject {
    Q_OBJECT

public:
    static TControlWalk *Of(TWinSkinForm *skinForm, TSkinData *skinData);

    // Replaces CreateControlSkin as the maker of the skin objects.
    void SetFactory(ControlSkinFactory make) { factory = std::move(make); }

    // An application window: each control decided by the component's OnSkinControl, its
    // Skin3rd table, then by its widget class, each kind gated by SkinControls.
    void SkinFormControls(QWidget *form);
    // A standard dialog: each control decided by its widget class alone.
    void SkinNativeChildren(QWidget *window);

    void SkinVclControl(QWidget *control);
    void SkinNativeWindow(QWidget *control);
    // SkinVclControl for each direct child.
    void SkinChildControls(QWidget *container);
    // The Skin3rd rule of a class name: false when the class is not listed; otherwise true,
    // whether or not its kind attached anything.
    bool FindSkin3rdKind(const QString &className, QWidget *control);
    bool IsControlSkinned(QWidget *control) const;
    // Radio and check groups hand the disable tag to their buttons.
    void PropagateGroupTag(QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TControlWalk(TWinSkinForm *skinForm, TSkinData *skinData);
    void Walk(QWidget *root);
    void Visit(QWidget *control);
    // The tests by widget class and by vendor class name (VendorClassName).
    void ClassTests(QWidget *control, const QString &vendorClass);
    bool Gate(TSkinData::TSkinControlType type) const;
    TSkinControl *Attach(ControlKind kind, QWidget *control, bool changeColor = false);
    void SkinEditIfBordered(QWidget *control);
    void ReadSkin3rd();

    ControlSkinFactory factory;
    TWinSkinForm *skinForm;
    QPointer<TSkinData> data;
    QHash<QString, QString> skin3rdKinds; // lower-cased class name -> kind
    bool native = false;                  // the window is walked as a standard dialog
};

// True for a widget with scroll bars of its own (a scroll area other than a header).
bool HasOwnScrollbars(const QWidget *control);

} // namespace skin
