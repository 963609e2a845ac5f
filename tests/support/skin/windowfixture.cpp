#include "support/skin/windowfixture.h"

#include "skin/data/tdataskinsysbutton.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace skin::test {

TWindowFixture::TWindowFixture() : manager(std::make_unique<TSkinManage>()) {}

TWindowFixture::~TWindowFixture() {
    manager.reset();
    owned.clear();
}

TSkinData *TWindowFixture::AddSkinData(const TTestSkin &skin, QWidget *owner,
                                       TSkinData::TSkinFormType type) {
    auto *data = new TSkinData(owner);
    if (!owner)
        owned.emplace_back(data);
    data->SetActive(true);
    data->SetSkinFormtype(type);
    TSkinData::TSkinControlTypes controls =
        TSkinData::TSkinControlTypes::fromInt((TSkinData::xcFastReport << 1) - 1);
    controls.setFlag(TSkinData::xcMenuItem, false);
    controls.setFlag(TSkinData::xcFastReport, false);
    data->SetSkinControls(controls);
    data->SetSkinStream(skin.Packed());
    data->Loaded();
    return data;
}

TWinSkinForm *TWindowFixture::Show(QWidget *window) {
    window->show();
    QApplication::processEvents();
    QApplication::processEvents();
    return manager->FindSkinnedWindow(window);
}

QRgb PixelAt(const QImage &image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

QImage Grab(QWidget *window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TWinSysButton *VisibleButton(const TWinSkinForm *form, int action) {
    for (const auto &button : form->CaptionButtons)
        if (button->Button->Action == action && button->Visible)
            return button.get();
    return nullptr;
}

} // namespace skin::test
