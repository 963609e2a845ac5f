#pragma once

#include "skin/controls/tskincontrol.h"

namespace skin {

// Which glyph strip a vendor check or radio control takes.
enum class ObjGlyphKind {
    Check = 1,   // nine slots: frames 1, 2, 5, 1, 2, 5, 3, 4, 5 of the check image
    Radio = 2,   // six slots: frames 1, 2, 1, 2, 3, 4 of the radio image
    CxCheck = 3, // six slots: frames 1, 2, 5, 1, 2, 5 of the check image
};

// The glyph strip of a kind cut from a check or radio image of frameCount frames (0: the
// width over 13, or over 16 for images 16 pixels high or more, at least 4). A slot taking
// frame 5 is filled only from a strip of exactly 5 frames, and a slot whose frame the image
// lacks stays empty; empty slots are the key colour. Null when the image is empty.
QImage BuildObjGlyphs(ObjGlyphKind kind, const QImage &image, int frameCount);

// A vendor check box or radio button that draws its own glyphs from an image property: the
// skin does not paint it, it hands it a glyph strip built from the skin's check or radio
// image (CustomGlyphs with UseCustomGlyphs for kinds 1 and 2, Properties.Glyph for kind 3).
// Properties the control lacks are left alone.
class TSkinObjImage : public TSkinControl {
    Q_OBJECT

public:
    // The kind follows the class name: radio buttons take the radio strip, "TCX" check boxes
    // kind 3, others kind 1.
    explicit TSkinObjImage(QWidget *control);

    ControlKind Kind() const override { return ControlKind::ObjImage; }

    void InitSkin(TWinSkinForm *skinForm, TSkinData *skinData, bool changeColor) override;
    void Restore() override;
    void ReapplyColor() override;

    ObjGlyphKind GlyphKind() const { return glyphKind; }

protected:
    bool HooksEvents() const override { return false; }

private:
    void BuildGlyphs();

    ObjGlyphKind glyphKind = ObjGlyphKind::Check;
};

} // namespace skin
