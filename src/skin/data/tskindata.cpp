#include "skin/data/tskindata.h"

#include "skin/data/skin3rd.h"
#include "skin/data/tquickini.h"
#include "skin/data/tskininireader.h"
#include "skin/data/tskinmanagerhook.h"
#include "skin/draw/keyedblit.h"
#include "skin/package/skinreader.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QtEndian>

namespace skin {

namespace {

TSkinData::ResourceLoader &ResourceLoaderSlot() {
    static TSkinData::ResourceLoader loader;
    return loader;
}

QImage DefaultResourceImage(const QString &name) {
    QImage image(QStringLiteral(":/skins/%1.bmp").arg(name));
    if (image.isNull())
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

// The glyph strip with its mask colour (white) made transparent.
QImage MaskedGlyphs(const QImage &strip) {
    if (strip.isNull())
        return QImage();
    QImage out = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                line[x] = 0;
    }
    return out;
}

// The manager; when it has to be created here, this component registers with it first.
TSkinManagerHook *ManagerFor(TSkinData *data) {
    if (TSkinManagerHook *manager = TSkinManagerHook::Instance())
        return manager;
    TSkinManagerHook *manager = TSkinManagerHook::EnsureInstance();
    if (manager)
        manager->AddSkinData(data);
    return manager;
}

} // namespace

TSkinData::TSkinData(QObject *owner) : QObject(owner) {
    skin3rd = DefaultSkin3rd();
    ClearSkinObjects();
    skinControls = TSkinControlTypes(
        xcMainMenu | xcPopupMenu | xcToolbar | xcControlbar | xcCombo | xcCheckBox | xcRadioButton |
        xcProgress | xcScrollbar | xcEdit | xcButton | xcBitBtn | xcSpeedButton | xcSpin | xcPanel |
        xcGroupBox | xcStatusBar | xcTab | xcTrackBar | xcSystemMenu);
    options = TSkinOptions(xoPreview | xoToolbarBK);
    SysMenuGlyphs = MaskedGlyphs(LoadResourceImage(QStringLiteral("TORVANDMENU")));
}

TSkinData::~TSkinData() {
    if (TSkinManagerHook *manager = TSkinManagerHook::Instance())
        manager->RemoveSkinData(this);
}

void TSkinData::ClearSkinObjects() {
    Left = std::make_unique<TDataSkinBorder>(QStringLiteral("Left"));
    Right = std::make_unique<TDataSkinBorder>(QStringLiteral("Right"));
    Top = std::make_unique<TDataSkinBorder>(QStringLiteral("Top"));
    Bottom = std::make_unique<TDataSkinBorder>(QStringLiteral("Bottom"));
    Title = std::make_unique<TDataSkinTitle>(QStringLiteral("Title"));
    Buttons = std::make_unique<TDataSkinButton>(QStringLiteral("Buttons"));
    for (auto *object : {&ProgressChunk,
                         &menuBar,
                         &GroupBoxEdge,
                         &StatusBarEdges,
                         &TabPane,
                         &ToolBars,
                         &SunkEdge,
                         &ExtraImages,
                         &Headerbar,
                         &MenuItem,
                         &MenuBackground,
                         &Scrollbar,
                         &HorzScroll,
                         &VertScroll,
                         &HorzScrollThumb,
                         &VertScrollThumb,
                         &TrackbarThumbHorz,
                         &TrackbarThumbVert,
                         &TrackbarThumbLeft,
                         &TrackbarThumbRight,
                         &TrackbarThumbUp,
                         &TrackbarThumbDown,
                         &Track,
                         &TRACKVERT,
                         &ComboxArrow,
                         &Toolbar})
        object->reset();
    for (auto *object : {&Progress, &Tabs, &ComboButton, &UpDownHorz, &UpDownVert})
        object->reset();
    GroupBox.reset();
    TitleButtons.clear();
    WindowText = clWindowText;
    TitleTextActive = clCaptionText;
    TitleTextNoActive = clInactiveCaptionText;
    ButtonFace = clBtnFace;
    ButtonText = clBtnText;
    ButtonHilight = clBtnHighlight;
    Buttonlight = clBtnHighlight;
    ButtonShadow = clBtnShadow;
    ButtonDkShadow = cl3DDkShadow;
    HilightText = clHighlightText;
    Hilight = clHighlight;
    Menubar = clBtnFace;
    MenuBarText = clMenuText;
    MenuText = clMenuText;
    Menu = clMenu;
    TitleSampleColor = clBtnFace;
    ButtonFaceBrush = QBrush();
    SkinName.clear();
}

void TSkinData::Loaded() {
    reading = false;
    TSkinManagerHook *manager = TSkinManagerHook::EnsureInstance();
    if (manager)
        manager->AddSkinData(this);
    if (skinFormtype != sfMainform) {
        if (manager) {
            manager->SetSkinningActive(true);
            manager->SetStarted(manager->Started() + 1);
            if (active && parent() && parent()->isWidgetType())
                manager->SkinWindow(parent());
        }
        return;
    }
    if (manager)
        manager->InstallHook();
    if (active) {
        if (skinLoading)
            active = false; // no skin could be read; the setter does not run
        else if (manager)
            manager->RequestAction(1, 250);
    }
    if (skinControls.testFlag(xcMainMenu))
        skinControls.setFlag(xcMenuItem, false);
    else
        skinControls.setFlag(xcSystemMenu, false);
    LoadCaptionIcon();
}

void TSkinData::SetActive(bool value) {
    if (value == active)
        return;
    active = value;
    if (reading)
        return;
    switch (skinFormtype) {
    case sfMainform:
        if (value) {
            if (skinLoading)
                return;
            if (TSkinManagerHook *manager = ManagerFor(this)) {
                manager->SetPendingSkinData(this);
                manager->RequestAction(1, 250);
                manager->SetStarted(1);
            }
        } else if (TSkinManagerHook *manager = ManagerFor(this)) {
            manager->SetPendingSkinData(this);
            manager->RequestAction(2, 250);
        }
        break;
    case sfOnlyThisForm:
        if (TSkinManagerHook *manager = ManagerFor(this)) {
            manager->SetPendingSkinData(this);
            if (!value)
                manager->RequestAction(2, 250);
            else if (!skinLoading)
                manager->RequestAction(1, 250);
        }
        break;
    case sfDialog:
    case sfDLL:
        break;
    }
}

void TSkinData::SetSkinFile(const QString &value) {
    skinLoading = true;
    skinFile = value;
    QFile file(value);
    if (value.isEmpty() || !file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    skinStreamData = file.readAll();
    LoadSkinFromStream();
    SkinChanged();
}

void TSkinData::SetSkinStream(const QByteArray &packed) {
    if (packed.isEmpty())
        return;
    skinStreamData = packed;
    LoadSkinFromStream();
}

QByteArray TSkinData::WriteStoredSkinStream() const {
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(qint32(skinStreamData.size()), out.data());
    out += skinStreamData;
    return out;
}

bool TSkinData::ReadStoredSkinStream(const QByteArray &stored) {
    if (stored.size() < 4)
        return false;
    const qint32 n = qFromLittleEndian<qint32>(stored.constData());
    if (n < 1)
        return true;
    if (stored.size() - 4 < n)
        return false;
    SetSkinStream(stored.mid(4, n));
    return true;
}

bool TSkinData::LoadSkinFromStream() {
    skinLoading = true;
    TSkinReader reader;
    if (!reader.LoadPackage(QByteArrayView(skinStreamData))) {
        ClearSkinObjects(); // a refused package leaves no skin behind
        return false;
    }
    TQuickIni ini;
    QByteArray work;
    QString entryName;
    reader.ExtractFirstMatching(QStringLiteral(".ini"), work, entryName);
    ini.LoadFromBytes(work);
    SkinName = entryName;
    // Derived objects are rebuilt by every load; none of a previous skin may survive.
    ComboxArrow.reset();
    Toolbar.reset();
    TSkinIniReader(*this, ini, reader).ReadSkinIni();
    return true;
}

void TSkinData::SkinChanged() {
    if (reading)
        return;
    if (!TSkinManagerHook::Instance())
        Loaded();
    TSkinManagerHook *manager = TSkinManagerHook::Instance();
    if (!manager)
        return;
    manager->SetPendingSkinData(this);
    manager->RefreshSkinData();
    if (manager->Started() == 1)
        manager->RequestAction(3, 250);
}

void TSkinData::FormSkinDecision(QObject *, const QString &className, bool &DoSkin) {
    if (OnFormSkin) {
        OnFormSkin(this, className, DoSkin);
        return;
    }
    if (className == QLatin1String("SysMonthCal32"))
        DoSkin = false;
    if (skinControls.testFlag(xcFastReport) && className.startsWith(QLatin1String("Tfr")))
        DoSkin = false;
}

void TSkinData::DoSkinChanged() {
    emit OnSkinChanged(this);
}

void TSkinData::LoadCaptionIcon() {
    if (!qGuiApp)
        return;
    const QIcon icon = QGuiApplication::windowIcon();
    if (icon.isNull())
        return;
    const int size = 16;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(KeyColor);
    QPainter painter(&image);
    icon.paint(&painter, QRect(0, 0, size, size));
    painter.end();
    CaptionIcon = image;
}

QList<const TDataSkinObject *> TSkinData::Objects() const {
    QList<const TDataSkinObject *> list;
    auto add = [&list](const TDataSkinObject *object) {
        if (object)
            list.append(object);
    };
    for (const TDataSkinObject *object :
         std::initializer_list<const TDataSkinObject *>{Left.get(),
                                                        Right.get(),
                                                        Top.get(),
                                                        Bottom.get(),
                                                        Buttons.get(),
                                                        Title.get(),
                                                        Progress.get(),
                                                        ProgressChunk.get(),
                                                        menuBar.get(),
                                                        GroupBoxEdge.get(),
                                                        GroupBox.get(),
                                                        Tabs.get(),
                                                        StatusBarEdges.get(),
                                                        TabPane.get(),
                                                        ToolBars.get(),
                                                        ComboButton.get(),
                                                        SunkEdge.get(),
                                                        ExtraImages.get(),
                                                        Headerbar.get(),
                                                        MenuItem.get(),
                                                        MenuBackground.get(),
                                                        Scrollbar.get(),
                                                        HorzScroll.get(),
                                                        VertScroll.get(),
                                                        HorzScrollThumb.get(),
                                                        VertScrollThumb.get(),
                                                        TrackbarThumbHorz.get(),
                                                        TrackbarThumbVert.get(),
                                                        TrackbarThumbLeft.get(),
                                                        TrackbarThumbRight.get(),
                                                        TrackbarThumbUp.get(),
                                                        TrackbarThumbDown.get(),
                                                        UpDownHorz.get(),
                                                        UpDownVert.get(),
                                                        Track.get(),
                                                        TRACKVERT.get(),
                                                        ComboxArrow.get(),
                                                        Toolbar.get()})
        add(object);
    for (const auto &button : TitleButtons)
        add(button.get());
    return list;
}

TSkinData::ResourceLoader TSkinData::SetResourceLoader(ResourceLoader loader) {
    ResourceLoader previous = std::move(ResourceLoaderSlot());
    ResourceLoaderSlot() = std::move(loader);
    return previous;
}

QImage TSkinData::LoadResourceImage(const QString &name) {
    if (ResourceLoaderSlot())
        return ResourceLoaderSlot()(name);
    return DefaultResourceImage(name);
}

} // namespace skin
