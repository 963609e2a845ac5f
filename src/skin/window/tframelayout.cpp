#include "skin/window/tframelayout.h"

#include "skin/data/skinobjects.h"
#include "skin/data/tdataskinborder.h"
#include "skin/data/tdataskinobject.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tdataskintitle.h"
#include "skin/draw/skindrawtext.h"
#include "skin/window/captiontext.h"
#include "skin/window/framehittest.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace skin {

namespace {

// A border thicker than this is no frame; the skin is taken at this thickness.
constexpr int MaxFrameThickness = 256;

int Thickness(int length, int frameCount) {
    return std::clamp(length / std::max(1, frameCount), 0, MaxFrameThickness);
}

// The size of one frame of a caption button: its image, or the window icon for a system-menu
// button without one; empty when it has neither.
QSize ButtonFrameSize(const TDataSkinSysButton &button, int iconSize) {
    if (button.ShowsWindowIcon() && !button.HasImage())
        return QSize(iconSize, iconSize);
    if (!button.HasImage())
        return QSize();
    const int frames = button.ShowsWindowIcon() ? 1 : std::max(1, button.FrameCount());
    return QSize(button.Image.width() / frames, button.Image.height());
}

// The title's size as SkinDrawText draws it in `font`.
QSize MeasureTitle(const QFont &font, const QString &text) {
    static QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    painter.setFont(font);
    QRect measured;
    SkinDrawText(painter, text, measured,
                 {Qt::AlignLeft, Qt::TextSingleLine, SkinTextOption::MeasureOnly});
    return measured.size();
}

} // namespace

QMargins TFrameLayout::Metrics(const SkinObjects &skin, TFrameKind kind) {
    if (kind == TFrameKind::NoCaption)
        return QMargins();
    return QMargins(Thickness(skin.Left->Image.width(), skin.Left->Frame),
                    Thickness(skin.Top->Image.height(), skin.Top->Frame),
                    Thickness(skin.Right->Image.width(), skin.Right->Frame),
                    Thickness(skin.Bottom->Image.height(), skin.Bottom->Frame));
}

QFont TFrameLayout::CaptionFont(const SkinObjects &skin) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    const int height = skin.Title && skin.Title->FontHeight > 0 ? skin.Title->FontHeight
                                                                : QFontInfo(font).pixelSize();
    font.setPixelSize(std::max(1, height));
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

TFrameLayout::TFrameLayout(const SkinObjects &skin, const TFrameInputs &in,
                           const TAskWindow &askWindow)
    : size(in.Size), metrics(Metrics(skin, in.Facts.FrameKind)),
      menuBarHeight(in.Facts.FrameKind == TFrameKind::NoCaption ? 0 : in.MenuBarHeight) {
    const int w = size.width(), t = metrics.top();
    captionArea = in.Facts.ShowState == TShowState::Minimized
                      ? QRect(0, 0, w, t)
                      : QRect(metrics.left(), 0, w - metrics.left() - metrics.right(), t);

    const auto &sysButtons = skin.TitleButtons;
    buttons.resize(sysButtons.size());
    actions.resize(sysButtons.size());
    std::vector<QSize> frames(sysButtons.size());
    for (size_t i = 0; i < sysButtons.size(); ++i) {
        const TDataSkinSysButton &data = *sysButtons[i];
        const TCaptionButtonFlags flags =
            CaptionButtonVisible(data, in.Facts, true, [&askWindow, &data]() -> qintptr {
                return askWindow ? askWindow(data.Visibility, data.Action) : 0;
            });
        buttons[i].Visible = flags.Visible;
        buttons[i].Enabled = flags.Enabled;
        actions[i] = data.Action;
        frames[i] = ButtonFrameSize(data, in.IconSize);
    }
    // The right-aligned buttons depend on the width alone; the title stops before them.
    for (size_t i = 0; i < sysButtons.size(); ++i)
        if (buttons[i].Visible && !frames[i].isEmpty() && sysButtons[i]->Align == 1) {
            buttons[i].Rect = CaptionButtonRect(*sysButtons[i], frames[i], w, 0, 0);
            rightButtonsLeft = std::max(rightButtonsLeft, buttons[i].Rect.left());
        }

    titleText = QStringLiteral("  ") + in.Title + QLatin1Char(' ');
    TCaptionTextPlace place;
    place.Area = captionArea;
    place.TextSize = MeasureTitle(in.CaptionFont, titleText);
    place.RightToLeft = in.RightToLeft;
    place.Popup = in.Popup;
    place.RightButtonsLeft = rightButtonsLeft;
    place.DialogFrame = in.Facts.FrameKind == TFrameKind::Dialog;
    textRect = CalcCaptionTextRect(*skin.Title, place);

    const int textRight = textRect.left() + textRect.width();
    TMenuStrip strip;
    strip.Top = t;
    strip.Height = menuBarHeight;
    strip.RightInset =
        metrics.right() + (skin.menuBar && skin.menuBar->HasImage() ? skin.menuBar->LeftWidth : 0);
    for (size_t i = 0; i < sysButtons.size(); ++i) {
        if (!buttons[i].Visible || frames[i].isEmpty() || sysButtons[i]->Align == 1)
            continue;
        buttons[i].Rect =
            CaptionButtonRect(*sysButtons[i], frames[i], w, textRect.left(), textRight, strip);
        if (sysButtons[i]->Visibility == MDIButtonPlacement)
            menuStripButtonsLeft =
                std::min(menuStripButtonsLeft.value_or(w), buttons[i].Rect.left());
    }
}

QRect TFrameLayout::MenuBarRect() const {
    return QRect(metrics.left(), metrics.top(), size.width() - metrics.left() - metrics.right(),
                 menuBarHeight);
}

QRect TFrameLayout::ClientRect() const {
    return QRect(QPoint(0, 0), size)
        .adjusted(metrics.left(), metrics.top() + menuBarHeight, -metrics.right(),
                  -metrics.bottom());
}

QRegion TFrameLayout::FrameRegion() const {
    return QRegion(QRect(QPoint(0, 0), size)) - QRegion(ClientRect());
}

int TFrameLayout::ButtonAt(QPoint p) const {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].Visible && actions[i] >= 0 && buttons[i].Rect.contains(p))
            return int(i);
    return -1;
}

FrameHit TFrameLayout::HitTest(QPoint p, bool sizable) const {
    return FrameHitTest(p, size, metrics, menuBarHeight, sizable);
}

} // namespace skin
