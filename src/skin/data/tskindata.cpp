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

using Hook = TSkinManagerHook;

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
        if (SkinLoading())
            active = false; // no skin could be read; the setter does not run
        else if (manager)
            manager->RequestAction(Hook::SkinAllAction, Hook::ActionDelayMs);
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
            if (SkinLoading())
                return;
            if (TSkinManagerHook *manager = ManagerFor(this)) {
                manager->SetPendingSkinData(this);
                manager->RequestAction(Hook::SkinAllAction, Hook::ActionDelayMs);
                manager->SetStarted(1);
            }
        } else if (TSkinManagerHook *manager = ManagerFor(this)) {
            manager->SetPendingSkinData(this);
            manager->RequestAction(Hook::UnskinAllAction, Hook::ActionDelayMs);
        }
        break;
    case sfOnlyThisForm:
        if (TSkinManagerHook *manager = ManagerFor(this)) {
            manager->SetPendingSkinData(this);
            if (!value)
                manager->RequestAction(Hook::UnskinAllAction, Hook::ActionDelayMs);
            else if (!SkinLoading())
                manager->RequestAction(Hook::SkinAllAction, Hook::ActionDelayMs);
        }
        break;
    case sfDialog:
    case sfDLL:
        break;
    }
}

void TSkinData::SetSkinFile(const QString &value) {
    skinFile = value;
    QFile file(value);
    if (value.isEmpty() || !file.open(QIODevice::ReadOnly))
        return; // a missing or unreadable file keeps the skin in use
    LoadSkin(file.readAll());
}

void TSkinData::SetSkinStream(const QByteArray &packed) {
    if (!packed.isEmpty())
        LoadSkin(packed);
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
    return LoadSkin(skinStreamData);
}

bool TSkinData::LoadSkin(const QByteArray &packed) {
    TSkinReader reader;
    if (!reader.LoadPackage(QByteArrayView(packed)))
        return false;
    QByteArray work;
    QString entryName;
    reader.ExtractFirstMatching(QStringLiteral(".ini"), work, entryName);
    TQuickIni ini;
    ini.LoadFromBytes(work);
    auto fresh = std::make_shared<SkinObjects>();
    fresh->SkinName = entryName;
    TSkinIniReader(*fresh, ini, reader).ReadSkinIni();

    skinStreamData = packed;
    objects = std::move(fresh); // a previous set lives on in the hands of its holders
    if (!reading) {
        SkinChanged();
        emit OnSkinChanged(this);
    }
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
        manager->RequestAction(Hook::SkinChangedAction, Hook::ActionDelayMs);
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
