#pragma once

#include "skin/data/syscolours.h"
#include "skin/data/tdataskinborder.h"
#include "skin/data/tdataskinboxlabel.h"
#include "skin/data/tdataskinbutton.h"
#include "skin/data/tdataskinobject.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tdataskintitle.h"

#include <QBrush>
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace skin {

// The skin-data component: holds the packed skin (SkinStream, or SkinFile), reads it into skin
// data objects and colours, carries the switches saying what is skinned and registers with the
// skin manager (TSkinManagerHook). Created in code by a window, it is "being read" from
// construction until Loaded(): property setters then only store their value.
//
// Painters read the public skin objects and colours below, and treat a component whose
// SkinLoading() is true as having no skin. Absent elements have no object (nullptr); `Left`,
// `Right`, `Top`, `Bottom`, `Title` and `Buttons` always exist.
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

    // Streaming has finished: registers with the manager and starts skinning when Active.
    void Loaded();
    bool IsReading() const { return reading; }

    // Published properties.
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

    // The packed skin. Setting a non-empty value stores it and reads it at once; an empty value
    // keeps what the component held.
    QByteArray SkinStream() const { return skinStreamData; }
    void SetSkinStream(const QByteArray &packed);
    // The stored form of SkinStream: 32-bit signed length N, then N bytes.
    QByteArray WriteStoredSkinStream() const;
    // Reads that form; false when it is truncated (nothing changes then).
    bool ReadStoredSkinStream(const QByteArray &stored);

    // Reads SkinStream as a skin; false when the package is refused (no skin then).
    bool LoadSkinFromStream();
    // After a new skin file: asks the manager to re-apply it.
    void SkinChanged();
    void FormSkinDecision(QObject *window, const QString &className, bool &DoSkin);
    void DoSkinChanged();
    void LoadCaptionIcon();

    // True from construction and from the start of every load until a skin has been read.
    bool SkinLoading() const { return skinLoading; }

    // Events.
    TOnFormSkin OnFormSkin;
    TOnSkinControl OnSkinControl;

    // Every skin object present, in reading order (fixed objects first, then caption buttons).
    QList<const TDataSkinObject *> Objects() const;

    // Skin objects (2.103) and derived objects (2.106).
    std::unique_ptr<TDataSkinBorder> Left, Right, Top, Bottom;
    std::unique_ptr<TDataSkinTitle> Title;
    std::unique_ptr<TDataSkinButton> Buttons;
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;
    std::unique_ptr<TDataSkinObject> menuBar; // [Personality] menuBar, a vertical strip
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
    std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
    std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
    std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
    std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
    std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;
    std::unique_ptr<TDataSkinObject> Track;
    std::unique_ptr<TDataSkinObject> TRACKVERT;
    std::unique_ptr<TDataSkinObject> ComboxArrow;
    std::unique_ptr<TDataSkinObject> Toolbar;
    std::vector<std::unique_ptr<TDataSkinSysButton>> TitleButtons;

    // Colours after reading.
    SkinColor WindowText = clWindowText;
    SkinColor TitleTextActive = clCaptionText;
    SkinColor TitleTextNoActive = clInactiveCaptionText;
    SkinColor ButtonFace = clBtnFace;
    SkinColor ButtonText = clBtnText;
    SkinColor ButtonHilight = clBtnHighlight;
    SkinColor Buttonlight = clBtnHighlight;
    SkinColor ButtonShadow = clBtnShadow;
    SkinColor ButtonDkShadow = cl3DDkShadow;
    SkinColor HilightText = clHighlightText;
    SkinColor Hilight = clHighlight;
    SkinColor Menubar = clBtnFace;
    SkinColor MenuBarText = clMenuText;
    SkinColor MenuText = clMenuText;
    SkinColor Menu = clMenu;
    SkinColor TitleSampleColor = clBtnFace;
    QBrush ButtonFaceBrush;

    QString SkinName; // the INI entry's name
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
    void OnSkinChanged(skin::TSkinData *sender);
    void OnBeforeSkinForm(QObject *form, const QString &aName);
    void OnAfterSkinForm(QObject *form, const QString &aName);

private:
    friend class TSkinIniReader;
    void ClearSkinObjects();
    void SetSkinLoading(bool value) { skinLoading = value; }

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
    bool skinLoading = true;
};

} // namespace skin

Q_DECLARE_OPERATORS_FOR_FLAGS(skin::TSkinData::TSkinControlTypes)
Q_DECLARE_OPERATORS_FOR_FLAGS(skin::TSkinData::TSkinOptions)
