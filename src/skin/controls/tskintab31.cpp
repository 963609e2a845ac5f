#include "skin/controls/tskintab31.h"

#include "skin/controls/controldraw.h"
#include "skin/controls/skinstyle.h"
#include "skin/data/skinobjects.h"
#include "skin/draw/bitmaputils.h"
#include "skin/draw/drawprimitives.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <optional>

namespace skin {

TSkinTab31::TSkinTab31(QTabBar *bar) : TSkinControl(bar) {}

QTabBar *TSkinTab31::Bar() const {
    return qobject_cast<QTabBar *>(Control());
}

void TSkinTab31::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized() || !Bar())
        return;
    TSkinControl::InitSkin(form, data, colour);
    PrepareImage();
}

void TSkinTab31::Restore() {
    KeepTabsNarrow(false);
    TSkinControl::Restore();
}

void TSkinTab31::KeepTabsNarrow(bool on) {
    QTabBar *bar = Bar();
    if (!bar)
        return;
    if (on && bar->expanding()) {
        bar->setExpanding(false);
        expandingSwitched = true;
    } else if (!on && expandingSwitched) {
        bar->setExpanding(true);
        expandingSwitched = false;
    }
}

void TSkinTab31::ReapplyColor() {
    TSkinControl::ReapplyColor();
    PrepareImage();
}

void TSkinTab31::PrepareImage() {
    tabImage = QImage();
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (skin && skin->Tabs && skin->Tabs->HasImage()) {
        tabImage = skin->Tabs->Image;
        FlipBitmap(tabImage);
    }
    KeepTabsNarrow(!tabImage.isNull());
}

int TSkinTab31::EndMargin() const {
    const QTabBar *bar = Bar();
    int start = bar->width();
    for (const QToolButton *arrow : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        if (!arrow->isHidden())
            start = std::min(start, arrow->x());
    return bar->width() - start;
}

QList<TSkinTab31::PlacedTab> TSkinTab31::Layout() const {
    QList<PlacedTab> placed;
    const QTabBar *bar = Bar();
    if (!bar)
        return placed;
    const QFontMetrics metrics = bar->fontMetrics();
    const int limit = bar->width() - EndMargin();
    std::optional<int> x;
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        if (!x) // where the bar puts its first tab, left of its edge once it has scrolled
            x = std::min(0, bar->tabRect(i).left());
        const int width = TabSetTabWidth(metrics, bar->tabText(i));
        if (*x + width > limit)
            continue;
        placed.append({i, QRect(*x, 0, width, bar->height())});
        *x += width;
    }
    return placed;
}

TSkinControl::Message TSkinTab31::BeforeMessage(QEvent *event) {
    if (!tabImage.isNull())
        switch (event->type()) {
        case QEvent::Paint:
            PaintMessage();
            return Message::Eaten;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return AimAtDrawnTab(static_cast<QMouseEvent *>(event));
        default:
            break;
        }
    return TSkinControl::BeforeMessage(event);
}

TSkinControl::Message TSkinTab31::AimAtDrawnTab(QMouseEvent *mouse) {
    QTabBar *bar = Bar();
    const QPoint at = mouse->position().toPoint();
    for (const PlacedTab &tab : Layout()) {
        if (!tab.rect.contains(at))
            continue;
        const QRect own = bar->tabRect(tab.index);
        const QPoint there(std::clamp(own.left() + at.x() - tab.rect.left(), own.left(),
                                      std::max(own.left(), own.right())),
                           std::clamp(at.y(), own.top(), std::max(own.top(), own.bottom())));
        if (there == at)
            return Message::PassOn;
        QMouseEvent aimed(mouse->type(), QPointF(there), mouse->scenePosition(),
                          mouse->globalPosition(), mouse->button(), mouse->buttons(),
                          mouse->modifiers());
        CallOldProc(&aimed);
        mouse->setAccepted(aimed.isAccepted());
        return Message::Eaten;
    }
    // A tab the bar has there but that is drawn elsewhere or left out is not hit.
    return bar->tabAt(at) < 0 ? Message::PassOn : Message::Eaten;
}

void TSkinTab31::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QTabBar *bar = Bar();
    if (!skin || !skin->Tabs || tabImage.isNull() || !bar || rect.isEmpty())
        return;
    const TDataSkinBorder &tabs = *skin->Tabs;
    QImage &image = WorkBitmap(rect.size());
    QPainter canvas(&image);
    FillSkinColor(canvas, QRect(QPoint(0, 0), rect.size()), *skin);
    canvas.setFont(bar->font());
    const int current = bar->currentIndex();
    for (const PlacedTab &tab : Layout()) {
        const int frame = tab.index == current ? 2 : 1;
        DrawPart(canvas, tab.rect, tabImage, false, tabs.Tile != 0, tabs.Trans == 1,
                 tabs.FrameCount(), frame, tabs.Margins());
        canvas.setPen(SystemColour(frame == 1 ? tabs.NormalColour2 : tabs.MouseOverColour2));
        DrawPanelText(bar, canvas, tab.rect, bar->tabText(tab.index),
                      state.enabled && bar->isTabEnabled(tab.index), Qt::AlignHCenter);
        if (frame == 2 && bar->hasFocus())
            DrawTabFocusRect(canvas, bar, tab.rect);
    }
    canvas.end();
    dc.drawImage(rect.topLeft(), image);
}

} // namespace skin
