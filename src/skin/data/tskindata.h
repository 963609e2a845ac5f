#pragma once

#include "skin/data/skinobjects.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace skin {

// The skin-data component: holds the packed skin (SkinStream, or SkinFile), reads it into a set
// of skin objects and colours, carries the switches saying what is skinned and registers with
// the skin manager (TSkinManagerHook). Created in code by a window, it is "being read" from
// construction until Loaded(): property setters then only store their value.
//
// Using the skin (window layer, control skins, painters):
//
//     const std::shared_ptr<const SkinObjects> skin = data->Objects();
//     if (!skin)
//         return;                       // no skin read: draw unskinned
//     DrawPart(p, r, skin->Left->Image, ...);
//     for (const auto &button : skin->TitleButtons) ...
//     QColor face = SkinToQColor(skin->ButtonFace);
//
// A set never changes once it is in use. A reload reads a new set and swaps it in whole; the old
// set lives on for as long as anyone still holds a copy of the pointer. So take the pointer
// (or copy it into a member) for as long as objects or images from it are in use, and never
// keep a raw pointer or reference into a set beyond that copy's life. On a reload the component
// asks the manager to refresh the windows it skins (RefreshSkinData, then the skin-changed
// action) and emits OnSkinChanged: fetch Objects() again there.
//
// A package that is refused (damaged, truncated, unknown version) or a skin file that cannot be
// read changes nothing: the set in use, SkinStream and SkinLoading() stay as they were.
class TSkinData : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(int DisableTag READ DisableTag WRITE SetDisableTag)
    Q_PROPERTY(TSkinControlTypes SkinControls READ SkinControls WRITE SetSkinControls)
    Q_PROPERTY(TSkinOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(QStringList Skin3rd READ Skin3rd WRITE SetSkin3rd)
    Q_PROPERTY(QString SkinFile READ SkinFile WRITE SetSkinFile)
    Q_PROPERTY(QString SkinStore READ SkinStore WRITE SetSkinStore)
    Q_PROPERTY(TSkinFormType SkinFormtype READ SkinFormtype WRITE SetSkinFormtype)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    Q_PROPERTY(bool MenuUpdate READ MenuUpdate WRITE SetMenuUpdate)
    Q_PROPERTY(bool MenuMerge READ MenuMerge WRITE SetMenuMerge)
    Q_PROPERTY(QByteArray SkinStream READ SkinStream WRITE SetSkinStream)

public:
    // Bit i of the set is member i.
    enum TSkinControlType {
        xcMainMenu = 1 << 0,
        xcPopupMenu = 1 << 1,
        xcMenuItem = 1 << 2,
        xcToolbar = 1 << 3,
        xcControlbar = 1 << 4,
        xcCombo = 1 << 5,
        xcCheckBox = 1 << 6,
        xcRadioButton = 1 << 7,
        xcProgress = 1 << 8,
        xcScrollbar = 1 << 9,
        xcEdit = 1 << 10,
        xcButton = 1 << 11,
        xcBitBtn = 1 << 12,
        xcSpeedButton = 1 << 13,
        xcSpin = 1 << 14,
        xcPanel = 1 << 15,
        xcGroupBox = 1 << 16,
        xcStatusBar = 1 << 17,
        xcTab = 1 << 18,
        xcTrackBar = 1 << 19,
        xcSystemMenu = 1 << 20,
        xcFastReport = 1 << 21,
    };
    Q_DECLARE_FLAGS(TSkinControlTypes, TSkinControlType)
    Q_FLAG(TSkinControlTypes)

    enum TSkinOption {
        xoMDIScrollbar = 1 << 0,
        xoMenuMerge = 1 << 1,
        xoTransparent = 1 << 2,
        xoPreview = 1 << 3,
        xoParentBackGround = 1 << 4,
        xoNoFocusRect = 1 << 5,
        xoToolbarBK = 1 << 6,
        xoToolbarButton = 1 << 7,
        xoMDIChildBorder = 1 << 8,
        xoMenuBG = 1 << 9,
        xoFormScrollbar = 1 << 10,
    };
    Q_DECLARE_FLAGS(TSkinOptions, TSkinOption)
    Q_FLAG(TSkinOptions)

    enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };
    Q_ENUM(TSkinFormType)

    // Events that answer through a reference parameter are plain callbacks.
    using TOnFormSkin = std::function<void(QObject *sender, const QString &aName, bool &DoSkin)>;
    using TOnSkinControl =
        std::function<void(QObject *sender, TSkinData *SkinData, QObject *Form, QObject *Control,
                           const QString &ControlClass, QObject *&SkinnedControl)>;

    explicit TSkinData(QObject *owner = nullptr);
    ~TSkinData() override;

    // The owner has set the properties: registers with the manager and starts skinning when
    // Active.
    void Loaded();
    bool IsReading() const { return reading; }

    // The properties, also readable and writable by name.
    bool Active() const { return active; }
    void SetActive(bool value);
    int DisableTag() const { return disableTag; }
    void SetDisableTag(int value) { disableTag = value; }
    TSkinControlTypes SkinControls() const { return skinControls; }
    void SetSkinControls(TSkinControlTypes value) { skinControls = value; }
    TSkinOptions Options() const { return options; }
    void SetOptions(TSkinOptions value) { options = value; }
    QStringList Skin3rd() const { return skin3rd; }
    void SetSkin3rd(const QStringList &value) { skin3rd = value; }
    QString SkinFile() const { return skinFile; }
    void SetSkinFile(const QString &value);
    QString SkinStore() const { return QStringLiteral("(none)"); }
    void SetSkinStore(const QString &) {}
    TSkinFormType SkinFormtype() const { return skinFormtype; }
    void SetSkinFormtype(TSkinFormType value) { skinFormtype = value; }
    QString Version() const { return QStringLiteral("4.6.02.09"); }
    void SetVersion(const QString &) {}
    bool MenuUpdate() const { return menuUpdate; }
    void SetMenuUpdate(bool value) { menuUpdate = value; }
    bool MenuMerge() const { return menuMerge; }
    void SetMenuMerge(bool value) { menuMerge = value; }

    // The packed skin. Setting a non-empty value reads it at once; when it is refused nothing
    // changes. An empty value keeps what the component held.
    QByteArray SkinStream() const { return skinStreamData; }
    void SetSkinStream(const QByteArray &packed);
    // SkinStream as bytes to keep: 32-bit signed length N, then N bytes.
    QByteArray WriteStoredSkinStream() const;
    // Reads that form; false when it is truncated (nothing changes then).
    bool ReadStoredSkinStream(const QByteArray &stored);

    // Reads SkinStream as a skin: true when it was read and is now in use; false when the
    // package was refused (nothing changed).
    bool LoadSkinFromStream();
    // After a new skin: asks the manager to refresh the windows and re-apply the skin.
    void SkinChanged();
    void FormSkinDecision(QObject *window, const QString &className, bool &DoSkin);
    void DoSkinChanged();
    void LoadCaptionIcon();

    // The skin in use; nullptr while no skin has been read.
    std::shared_ptr<const SkinObjects> Objects() const { return objects; }
    // True while no skin has been read: painters and the manager then treat the component as
    // having no skin.
    bool SkinLoading() const { return !objects; }

    // Events.
    TOnFormSkin OnFormSkin;
    TOnSkinControl OnSkinControl;

    // System-menu glyphs: a 64x16 strip of 16x16 glyphs (0 restore, 1 maximize, 2 minimize,
    // 3 close), white made transparent; empty when the program carries no glyph resource.
    QImage SysMenuGlyphs;
    // The application's small icon on the key colour; empty without an application icon.
    QImage CaptionIcon;
    // Read by the frame painting of skinned windows; switched off during a menu change.
    bool FramePainting = true;

    // Program images the skin falls back on ("TRACK", "TRACKVERT", "TORVANDMENU"): the loader
    // returns the named image or a null image. The default looks for ":/skins/<NAME>.bmp".
    using ResourceLoader = std::function<QImage(const QString &name)>;
    static ResourceLoader SetResourceLoader(ResourceLoader loader);
    static QImage LoadResourceImage(const QString &name);

signals:
    // A new skin replaced the one in use (at run time), or the manager has run an action for
    // this component (DoSkinChanged).
    void OnSkinChanged(skin::TSkinData *sender);
    void OnBeforeSkinForm(QObject *form, const QString &aName);
    void OnAfterSkinForm(QObject *form, const QString &aName);

private:
    // Reads `packed` into a new set and puts it in use; false (nothing changed) when refused.
    bool LoadSkin(const QByteArray &packed);

    bool reading = true;
    bool active = false;
    int disableTag = 99;
    TSkinControlTypes skinControls;
    TSkinOptions options;
    QStringList skin3rd;
    QString skinFile;
    TSkinFormType skinFormtype = sfMainform;
    bool menuUpdate = true;
    bool menuMerge = false;
    QByteArray skinStreamData;
    std::shared_ptr<const SkinObjects> objects;
};

} // namespace skin

Q_DECLARE_OPERATORS_FOR_FLAGS(skin::TSkinData::TSkinControlTypes)
Q_DECLARE_OPERATORS_FOR_FLAGS(skin::TSkinData::TSkinOptions)
