#include "support/skin/windowfixture.h"

#include "skin/data/tdataskinsysbutton.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"

#include <QApplication>
#include <QPainter>
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
    return AddSkinData(skin.Packed(), owner, type);
}

TSkinData *TWindowFixture::AddSkinData(const QByteArray &package, QWidget *owner,
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
    data->SetSkinStream(package);
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

QStringList SweepVariants() {
    QStringList variants = {QStringLiteral("complete")};
    for (const QByteArray &line : TTestSkin().Ini().split('\n'))
        if (line.startsWith('['))
            variants << QLatin1Char('-') + QString::fromLatin1(line.trimmed().mid(1).chopped(1));
    for (const char *key : {"Left", "Top", "Right", "Bottom", "TextBack", "menuBar"})
        variants << QStringLiteral("Personality.%1=").arg(QLatin1String(key));
    variants << QStringLiteral("Personality.LeftFrame=0")
             << QStringLiteral("Personality.TopFrame=0") << QStringLiteral("BUTTON0.frame=0")
             << QStringLiteral("empty") << QStringLiteral("refused");
    return variants;
}

QByteArray SweepPackage(const QString &variant) {
    if (variant == QLatin1String("empty"))
        return QByteArray();
    TTestSkin skin;
    if (variant == QLatin1String("refused"))
        return skin.Packed().left(200);
    if (variant.startsWith(QLatin1Char('-'))) {
        skin.RemoveSection(variant.mid(1));
    } else if (variant.contains(QLatin1Char('='))) {
        const qsizetype dot = variant.indexOf(QLatin1Char('.'));
        const qsizetype eq = variant.indexOf(QLatin1Char('='));
        skin.SetKey(variant.left(dot), variant.mid(dot + 1, eq - dot - 1), variant.mid(eq + 1));
    }
    return skin.Packed();
}

bool SweepVariantSkins(const QString &variant) {
    return variant != QLatin1String("empty") && variant != QLatin1String("refused");
}

void ExerciseWindow(QWidget *window) {
    Grab(window);
    QWindow *handle = window->windowHandle();
    for (int x = 2; handle && x < window->width(); x += 13) {
        QTest::mouseMove(handle, QPoint(x, 10));
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(x, 10));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(x, 10));
    }
    QImage printed(window->size(), QImage::Format_RGB32);
    QPainter painter(&printed);
    SendSkinMessage(window, SM_SKINPRINTFRAME, painter, SkinSignature);
    painter.end();
    window->resize(window->size() + QSize(7, 5));
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    Grab(window);
}

TWinSysButton *VisibleButton(const TWinSkinForm *form, int action) {
    for (const auto &button : form->CaptionButtons())
        if (button->Action() == action && button->Visible())
            return button.get();
    return nullptr;
}

} // namespace skin::test
