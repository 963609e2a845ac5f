#pragma once

#include "theme.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace skinpack {

struct NamedImage {
    QString name; // file name, e.g. "buttons.bmp" (package entries are lower-case)
    QImage image;
};

// Everything the generator makes: the INI text and its images (the package entries), plus the
// images the engine takes from the program's resources.
struct SkinContent {
    QByteArray ini;
    QList<NamedImage> images;
    QList<NamedImage> resources;
};

// Draws every image and writes the INI that describes them.
SkinContent BuildSkin(const Theme &theme);

// The package: "skin.ini" followed by the images as 24-bit BMPs, version 20000, packed.
QByteArray PackSkin(const SkinContent &content);

inline constexpr char kIniName[] = "skin.ini";

} // namespace skinpack
