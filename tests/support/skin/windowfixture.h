#pragma once

#include "skin/data/tskindata.h"
#include "skin/window/tskinmanage.h"
#include "support/skin/testskin.h"

#include <QImage>
#include <memory>

class QWidget;

namespace skin {
class TWinSkinForm;
class TWinSysButton;
} // namespace skin

namespace skin::test {

// A skin manager for one test, with components loaded from a TTestSkin as the program's
// windows load theirs (sfMainform, Active, every control kind but menu items).
class TWindowFixture {
public:
    TWindowFixture();
    ~TWindowFixture();

    // A loaded component owned by `owner` (or by the fixture when none).
    TSkinData *AddSkinData(const TTestSkin &skin, QWidget *owner = nullptr,
                           TSkinData::TSkinFormType type = TSkinData::sfMainform);
    TSkinData *AddSkinData(const QByteArray &package, QWidget *owner = nullptr,
                           TSkinData::TSkinFormType type = TSkinData::sfMainform);
    // Shows the window and lets the manager finish skinning it; its skin object, or nullptr
    // when the window was left unskinned.
    TWinSkinForm *Show(QWidget *window);
    TSkinManage &Manager() { return *manager; }

private:
    std::unique_ptr<TSkinManage> manager;
    std::vector<std::unique_ptr<TSkinData>> owned;
};

// Opaque colour of a pixel (alpha ignored).
QRgb PixelAt(const QImage &image, int x, int y);
// The window as it paints itself (frame included).
QImage Grab(QWidget *window);
// Skins for crash sweeps: the complete test skin ("complete"), without each section in turn
// ("-Section"), with one key changed ("Section.Key=value": images left out, frame counts 0), an
// empty package ("empty") and a refused one ("refused"); the last two give no skin.
QStringList SweepVariants();
QByteArray SweepPackage(const QString &variant);
bool SweepVariantSkins(const QString &variant);
// What a user does to a window: paint it, hover and click across its caption, print its frame,
// size it, switch windows away from it.
void ExerciseWindow(QWidget *window);

// The visible caption button of the form with that Action, or nullptr.
TWinSysButton *VisibleButton(const TWinSkinForm *form, int action);

} // namespace skin::test
