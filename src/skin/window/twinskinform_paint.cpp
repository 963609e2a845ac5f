// Painting the skinned frame and cutting the window's outline.
#include "skin/data/tskindata.h"
#include "skin/draw/skincolor.h"
#include "skin/draw/skindrawtext.h"
#include "skin/window/captionbuttons.h"
#include "skin/window/captiontext.h"
#include "skin/window/formregion.h"
#include "skin/window/keyedframes.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/twinskinform.h"
#include "skin/window/twinsysbutton.h"
#include "skin/window/windowfacts.h"

#include <QFontDatabase>
#include <QPainter>
#include <QWidget>

namespace skin {

bool TWinSkinForm::CanPaintFrame() const {
    return Handle && (State == StateSkinned || State == StateReapplying) &&
           FrameKind != FrameNone && FrameSkinned && Skin && SkinData && SkinData->FramePainting;
}

QFont TWinSkinForm::CaptionFont() const {
    return QFontDatabase::systemFont(QFontDatabase::TitleFont);
}

QRegion TWinSkinForm::FrameRegion() const {
    if (!Handle)
        return QRegion();
    const QRect all = Handle->rect();
    return QRegion(all) -
           QRegion(all.adjusted(FrameMetrics.left(), FrameMetrics.top() + MenuBarHeight,
                                -FrameMetrics.right(), -FrameMetrics.bottom()));
}

void TWinSkinForm::PaintFrame(QPainter *painter, bool fullPaint) {
    if (!CanPaintFrame())
        return;
    if (!painter) {
        Handle->update(FrameRegion());
        return;
    }
    const int w = Handle->width(), h = Handle->height();
    const int l = FrameMetrics.left(), t = FrameMetrics.top();
    const int r = FrameMetrics.right(), b = FrameMetrics.bottom();
    painter->save();
    if (ShowState != ShowMinimized) {
        DrawBorder(*painter, TFrameImages::PartLeft, QRect(0, 0, l, h));
        DrawBorder(*painter, TFrameImages::PartRight, QRect(w - r, 0, r, h));
        DrawBorder(*painter, TFrameImages::PartBottom, QRect(l, h - b, w - l - r, b));
        PaintCaption(*painter, fullPaint);
        if (MenuBarHeight > 0)
            painter->fillRect(QRect(l, t, w - l - r, MenuBarHeight),
                              SkinToQColor(Skin->ButtonFace, Handle->palette()));
    } else {
        PaintCaption(*painter, fullPaint);
    }
    painter->restore();
}

void TWinSkinForm::DrawBorder(QPainter &painter, int part, const QRect &rect) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const TDataSkinBorder *borders[] = {Skin->Left.get(), Skin->Right.get(), Skin->Top.get(),
                                        Skin->Bottom.get()};
    const QImage image =
        frameImages.Border(*borders[part], TFrameImages::TPart(part), rect.size(), IsActive);
    if (!image.isNull())
        painter.drawImage(rect.topLeft(), image);
}

void TWinSkinForm::PaintCaption(QPainter &painter, bool fullPaint) {
    const int w = Handle->width(), t = FrameMetrics.top();
    QRect area(FrameMetrics.left(), 0, w - FrameMetrics.left() - FrameMetrics.right(), t);
    if (ShowState == ShowMinimized) {
        painter.fillRect(Handle->rect(), SkinToQColor(Skin->ButtonFace, Handle->palette()));
        area = QRect(0, 0, w, t);
    }
    DrawBorder(painter, TFrameImages::PartTop, area);
    PaintCaptionText(painter, area);
    LayoutCaptionButtons();
    if (fullPaint && !pressedObject) {
        // A full frame paint shows every button in its resting frame.
        for (const auto &button : CaptionButtons)
            button->State = TNCObject::Normal;
        HotObject = nullptr;
    }
    PaintCaptionButtons(painter);
}

void TWinSkinForm::PaintCaptionText(QPainter &painter, const QRect &area) {
    // A title is no menu caption: '&' stands for itself.
    const unsigned format = DT_SINGLELINE | DT_NOPREFIX;
    const QString text = QStringLiteral("  ") + ShownWindowTitle(Handle) + QLatin1Char(' ');
    painter.setFont(CaptionFont());
    QRect measured = area;
    SkinDrawText(painter, text, measured, format | DT_CALCRECT | DT_NOCLIP);
    TCaptionTextPlace place;
    place.Area = area;
    place.TextSize = measured.size();
    place.RightToLeft = RightToLeft;
    place.Popup = Handle->windowType() == Qt::Dialog;
    place.RightButtonsLeft = RightButtonsLeft;
    place.DialogFrame = FrameKind == FrameDialog;
    const TDataSkinTitle &title = *Skin->Title;
    QRect textRect = CalcCaptionTextRect(title, place);
    TextRect = textRect;

    const QRect plate(textRect.left(), area.top(), textRect.width(), area.height());
    const QImage back = frameImages.TextBack(title, plate.size(), IsActive);
    if (!back.isNull())
        painter.drawImage(plate.topLeft(), back);

    textRect.adjust(title.TXTBackleft, 0, -title.TXTBackRight, 0);
    if (textRect.width() <= 0)
        return;
    painter.setPen(SkinToQColor(IsActive ? Skin->TitleTextActive : Skin->TitleTextNoActive,
                                Handle->palette()));
    SkinDrawText(painter, text, textRect,
                 format | DT_END_ELLIPSIS | (RightToLeft ? unsigned(DT_RIGHT) : 0u));
}

void TWinSkinForm::LayoutCaptionButtons() {
    TCaptionFacts facts;
    facts.SystemMenu = SystemMenu;
    facts.Minimize = CaptionButtonSet & cbMinimize;
    facts.Maximize = CaptionButtonSet & cbMaximize;
    facts.Active = IsActive;
    facts.ShowState = ShowState;
    facts.FrameKind = FrameKind;
    facts.IsDialog = IsDialog;
    const int width = Handle ? Handle->width() : 0;
    int largest = 0;
    for (const auto &button : CaptionButtons) {
        const TDataSkinSysButton &data = *button->Button;
        const TCaptionButtonFlags flags =
            CaptionButtonVisible(data, facts, button->Enabled, [this, &data]() -> qintptr {
                const qintptr answer =
                    SendSkinMessage(Handle, SM_SKINBUTTONENABLED, data.Visibility, data.Action);
                // Without an answer a help button shows where the window has one.
                if (answer == 0 && data.Action == cbaHelp)
                    return StyleAtAttach.testFlag(Qt::WindowContextHelpButtonHint);
                return answer;
            });
        button->Visible = flags.Visible;
        button->Enabled = flags.Enabled;
        const QImage image = button->Image();
        if (!button->Visible || image.isNull())
            continue;
        const QSize frame(image.width() / button->FrameCount(), image.height());
        button->Rect = CaptionButtonRect(data, frame, width, TextRect.left(),
                                         TextRect.left() + TextRect.width());
        if (data.Align == 1)
            largest = std::max(largest, button->Rect.left());
    }
    RightButtonsLeft = largest;
}

void TWinSkinForm::PaintCaptionButtons(QPainter &painter) {
    for (const auto &button : CaptionButtons) {
        const QImage image = button->Image();
        if (!button->Visible || image.isNull() || button->Button->Visibility == MDIButtonPlacement)
            continue;
        if (button->ShowsWindowIcon()) {
            DrawWindowIcon(painter, button->Rect);
            continue;
        }
        const int count = button->FrameCount();
        const int frame =
            CaptionButtonFrame(button->State, button->Enabled, IsActive, count, false);
        painter.drawImage(button->Rect.topLeft(), KeyedFrame(image, count, frame, false));
    }
}

void TWinSkinForm::PaintCaptionButton(TWinSysButton *button) {
    if (CanPaintFrame() && button)
        Handle->update(button->Rect);
}

void TWinSkinForm::UpdateFormRegion() {
    if (State == StateFinished || !FrameSkinned || FrameKind == FrameNone || !Skin || !Handle)
        return;
    const QSize size = Handle->size();
    if (size.isEmpty())
        return;
    if (HasRegion && size == regionSize && IsActive == regionActive && State != StateReapplying)
        return;
    const QRegion region = BuildFormRegion(Skin, frameImages, size, FrameMetrics, IsActive);
    ++RegionBuildCount;
    regionSize = size;
    regionActive = IsActive;
    if (!HasRegion || Handle->mask() != region)
        Handle->setMask(region);
    HasRegion = true;
}

void TWinSkinForm::ClearFormRegion() {
    if (HasRegion && Handle)
        Handle->clearMask();
    HasRegion = false;
    regionSize = QSize();
}

} // namespace skin
