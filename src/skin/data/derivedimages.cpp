#include "skin/data/derivedimages.h"

#include "skin/data/skinmetrics.h"
#include "skin/data/skinobjects.h"
#include "skin/data/tdataskinborder.h"
#include "skin/data/tskindata.h"
#include "skin/draw/bitmaputils.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/gradient.h"
#include "skin/draw/keyedblit.h"

#include <QPainter>

namespace skin {

namespace {
constexpr int kComboWidth = 50;
constexpr int kComboHeight = 21;
} // namespace

TDerivedImages::TDerivedImages(SkinObjects &data) : data(data) {}

void TDerivedImages::LoadResourceSkinObject(std::unique_ptr<TDataSkinObject> &object,
                                            const QString &name) const {
    object.reset();
    auto o = std::make_unique<TDataSkinObject>(name);
    o->Image = TSkinData::LoadResourceImage(name);
    o->LeftWidth = o->TopHeight = o->RightWidth = o->BottomHeight = 3;
    o->Tile = 0;
    o->Frame = 1;
    object = std::move(o);
}

void TDerivedImages::ComposeComboButton() const {
    if (!data.SunkEdge || !data.ComboButton)
        return;
    TDataSkinObject &sunk = *data.SunkEdge;
    TDataSkinBorder &button = *data.ComboButton;
    const int a = kArrowSize + 2;
    const int frames = sunk.FrameCount();
    QImage strip(kComboWidth * frames, kComboHeight, QImage::Format_RGB32);
    strip.fill(KeyColor);
    QImage work(kComboWidth, kComboHeight, QImage::Format_RGB32);
    const QRect buttonRect(kComboWidth - a, 0, a, kComboHeight);
    for (int i = 1; i <= frames; ++i) {
        work.fill(KeyColor);
        {
            QPainter p(&work);
            DrawPart(p, QRect(0, 0, kComboWidth, kComboHeight), sunk.Image, false, false,
                     sunk.Trans != 0, frames, i, sunk.Margins());
            DrawPart(p, buttonRect, button.Image, false, false, true, button.Frame, i,
                     button.Margins());
            if (data.ExtraImages)
                DrawFrameCentered(p, buttonRect, data.ExtraImages->Image, true,
                                  data.ExtraImages->Frame, i);
            p.fillRect(QRect(QPoint(2, 2), QPoint(kComboWidth - 2 - a, kComboHeight - 4)),
                       QColor::fromRgb(KeyColor));
        }
        QPainter sp(&strip);
        sp.drawImage(QPoint((i - 1) * kComboWidth, 0), work);
    }
    button.Style = 2;
    button.LeftWidth = 2;
    button.TopHeight = sunk.TopHeight;
    button.RightWidth = a + 2;
    button.BottomHeight = sunk.BottomHeight;
    button.Image = strip;
    QImage mirrored = strip;
    MirrorBitmap(mirrored);
    sunk.Image = mirrored;
    sunk.LeftWidth = a + 2;
    sunk.RightWidth = 2;
}

void TDerivedImages::BuildComboArrow() const {
    if (!data.ComboxArrow)
        data.ComboxArrow = std::make_unique<TDataSkinObject>(QStringLiteral("ComboxArrow"));
    TDataSkinObject &arrow = *data.ComboxArrow;
    if (data.SunkEdge) {
        if (!data.ComboButton || data.ComboButton->Style != 2)
            return;
        const int frames = data.SunkEdge->FrameCount();
        const QImage &source = data.ComboButton->Image;
        const int w = source.width() / frames;
        arrow.Frame = frames;
        if (w < kArrowSize + 2) { // too narrow to hold an arrow cell
            arrow.Image = QImage();
            return;
        }
        QImage image(kArrowSize * frames, kArrowSize, QImage::Format_RGB32);
        image.fill(KeyColor);
        QPainter p(&image);
        for (int i = 1; i <= frames; ++i)
            p.drawImage(QPoint(kArrowSize * (i - 1), 0), source,
                        QRect(i * w - (kArrowSize + 2), 2, kArrowSize, kArrowSize));
        p.end();
        arrow.Image = image;
    } else if (data.ComboButton) {
        QImage image = data.ComboButton->Image.convertToFormat(QImage::Format_RGB32);
        if (!image.isNull())
            ReplaceKeyColor(image, ColorToRGB(data.ButtonFace));
        arrow.Image = image;
        arrow.Frame = data.ComboButton->Frame;
    }
}

void TDerivedImages::BuildToolbarGradient() const {
    const SkinColor sample = CalcTitleSampleColor();
    SkinColor end = BlendColor(0x808080, sample, 150);
    const SkinColor start = BlendColor(data.ButtonFace, clWhite, 150);
    const int t = ColorSaturation(ColorToRGB(sample));
    if (t > 110)
        end = BlendColor(sample, clWhite, (225 - t) * 25 / 140 + 50);
    QImage image(10, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        GradientFillRect(p, QRect(0, 0, 10, 40), start, true, end);
    }
    if (!data.Toolbar)
        data.Toolbar = std::make_unique<TDataSkinObject>(QStringLiteral("Toolbar"));
    data.Toolbar->Image = image;
    data.Toolbar->Frame = 1;
}

SkinColor TDerivedImages::CalcTitleSampleColor() const {
    const TDataSkinObject &top = *data.Top;
    if (!top.HasImage())
        return data.ButtonFace;
    const int x = top.Image.width() / 3;
    const int y = (top.Image.height() / top.FrameCount()) / 3;
    return QRgbToSkinColor(top.Image.pixel(x, y));
}

} // namespace skin
