#include "skin/controls/tskinobjimage.h"

#include "skin/controls/propbyname.h"
#include "skin/data/skinobjects.h"
#include "skin/draw/skincolor.h"

#include <QPainter>

#include <algorithm>
#include <span>

namespace skin {

namespace {

constexpr int CheckSlots[] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
constexpr int RadioSlots[] = {1, 2, 1, 2, 3, 4};
constexpr int CxCheckSlots[] = {1, 2, 5, 1, 2, 5};

std::span<const int> SlotsOf(ObjGlyphKind kind) {
    switch (kind) {
    case ObjGlyphKind::Radio:
        return RadioSlots;
    case ObjGlyphKind::CxCheck:
        return CxCheckSlots;
    case ObjGlyphKind::Check:
        break;
    }
    return CheckSlots;
}

ObjGlyphKind KindOfClass(const QWidget *control) {
    const QString name = QString::fromLatin1(control->metaObject()->className()).toUpper();
    if (name.contains(QLatin1String("RADIO")))
        return ObjGlyphKind::Radio;
    if (name.contains(QLatin1String("TCX")))
        return ObjGlyphKind::CxCheck;
    return ObjGlyphKind::Check;
}

} // namespace

QImage BuildObjGlyphs(ObjGlyphKind kind, const QImage &image, int frameCount) {
    if (image.isNull() || image.width() < 1)
        return {};
    int count = frameCount;
    if (count <= 0)
        count = std::max(image.width() / (image.height() < 16 ? 13 : 16), 4);
    const int f = image.width() / count, h = image.height();
    if (f < 1)
        return {};
    const std::span<const int> frames = SlotsOf(kind);
    QImage strip(int(frames.size()) * f, h, QImage::Format_RGB32);
    strip.fill(KeyColor);
    QPainter p(&strip);
    for (size_t slot = 0; slot < frames.size(); ++slot) {
        const int frame = frames[slot];
        if ((frame == 5 && count != 5) || frame > count)
            continue;
        p.drawImage(QPoint(int(slot) * f, 0), image, QRect((frame - 1) * f, 0, f, h));
    }
    return strip;
}

TSkinObjImage::TSkinObjImage(QWidget *control) : TSkinControl(control) {
    if (control)
        glyphKind = KindOfClass(control);
}

void TSkinObjImage::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    BuildGlyphs();
}

void TSkinObjImage::ReapplyColor() {
    TSkinControl::ReapplyColor();
    BuildGlyphs();
}

void TSkinObjImage::BuildGlyphs() {
    QWidget *control = Control();
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (!skin || !control)
        return;
    const TDataSkinButton &buttons = *skin->Buttons;
    const bool radio = glyphKind == ObjGlyphKind::Radio;
    const QImage strip =
        BuildObjGlyphs(glyphKind, radio ? buttons.RadioImage : buttons.CheckImage,
                       radio ? buttons.RadioButtonFrame : buttons.CheckButtonFrame);
    if (strip.isNull())
        return;
    if (glyphKind == ObjGlyphKind::CxCheck) {
        // Drawn as it stands: the glyph keeps its key-coloured pixels opaque.
        SetImagePropByName(GetObjectPropByName(control, QStringLiteral("Properties")),
                           QStringLiteral("Glyph"), strip);
        return;
    }
    SetImagePropByName(control, QStringLiteral("CustomGlyphs"), strip);
    SetPropByName(control, QStringLiteral("transparentcolor"), QString::number(0xFF00FF));
    // Off and on again, so the control reloads its glyphs.
    SetPropByName(control, QStringLiteral("UseCustomGlyphs"), QStringLiteral("false"));
    SetPropByName(control, QStringLiteral("UseCustomGlyphs"), QStringLiteral("true"));
}

void TSkinObjImage::Restore() {
    TSkinControl::Restore();
    QWidget *control = Control();
    if (!control)
        return;
    if (glyphKind == ObjGlyphKind::CxCheck)
        SetImagePropByName(GetObjectPropByName(control, QStringLiteral("Properties")),
                           QStringLiteral("Glyph"), QImage());
    else
        SetPropByName(control, QStringLiteral("UseCustomGlyphs"), QStringLiteral("false"));
}

} // namespace skin
