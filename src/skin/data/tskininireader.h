#pragma once

#include "skin/data/syscolours.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>

namespace skin {

class TQuickIni;
class TSkinReader;
struct SkinObjects;
class TDataSkinObject;
class TDataSkinBorder;
class TDataSkinBoxLabel;
class TDataSkinTitle;

// Reads the skin INI vocabulary into a set of skin objects and colours, fetching images from the
// unpacked package. Nothing in the INI is an error: a missing section or key
// gives the default, a missing image key gives no object, a missing image an empty one.
class TSkinIniReader {
public:
    TSkinIniReader(SkinObjects &data, const TQuickIni &ini, const TSkinReader &package);

    // The whole sequence, from the borders to the derived images.
    void ReadSkinIni();

    // Fills `bitmap` from the package entry named by the file part of `value` (after the last
    // '\' or ':'), when that ends in ".bmp" (lower case); empty in every other case.
    void LoadSkinBitmap(QImage &bitmap, const QString &value) const;

    void ReadSkinObject(std::unique_ptr<TDataSkinObject> &object, const QString &section) const;
    void ReadSkinObject2(std::unique_ptr<TDataSkinBorder> &object, const QString &section,
                         const QString &secondImageKey) const;
    void ReadBitmapObject(std::unique_ptr<TDataSkinBorder> &object, const QString &section) const;
    void ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel> &object, const QString &section) const;
    void ReadMenuBarObject(std::unique_ptr<TDataSkinObject> &object, const QString &section) const;
    void ReadTitleText(TDataSkinTitle &title, const QString &section) const;
    void ReadButtons() const;
    void ReadBorders() const;
    void ReadColours() const;
    // prefix+"R", prefix+"G", prefix+"B": the colour changes only when all three are >= 0.
    void ReadRGBKeys(const QString &section, const QString &prefix, SkinColor &colour) const;
    // A colour key: colour text, or `def` when the value is missing or empty.
    SkinColor ReadColour(const QString &section, const QString &key, SkinColor def) const;
    // NormalColour.. (-1) and NormalColour2.. (colour text, default the skin's ButtonText).
    void ReadColourKeys(const QString &section, TDataSkinObject &object) const;
    void SetFrameCounts() const;

    // Each run of decimal digits is one number; the first three are red, green, blue (mod 256),
    // missing ones are 0, further ones are ignored.
    static SkinColor ParseColourTriple(const QString &text);

    SkinObjects &Data() const { return data; }
    const TQuickIni &Ini() const { return ini; }
    const QStringList &Sections() const { return sections; }

private:
    SkinObjects &data;
    const TQuickIni &ini;
    const TSkinReader &package;
    QStringList sections;
};

} // namespace skin
