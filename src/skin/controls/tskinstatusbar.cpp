#include "skin/controls/tskinstatusbar.h"

#include "skin/controls/controldraw.h"
#include "skin/draw/drawprimitives.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSizeGrip>
#include <QStatusBar>

#include <algorithm>

namespace skin {

void DrawStatusEdge(QPainter &dc, const QRect &rect, int frame, const TDataSkinObject &edges) {
    DrawPart(dc, rect, edges.Image, false, edges.Tile != 0, false, 3, frame, edges.Margins());
}

void DrawStatusBevel(QPainter &dc, const QRect &rect, int frame, const QPalette &palette) {
    if ((frame != 1 && frame != 2) || rect.width() < 1 || rect.height() < 1)
        return;
    const QColor shadow = SkinToQColor(clBtnShadow, palette);
    const QColor light = SkinToQColor(clBtnHighlight, palette);
    const QColor topLeft = frame == 1 ? shadow : light;
    const QColor bottomRight = frame == 1 ? light : shadow;
    dc.fillRect(rect.left(), rect.top(), rect.width() - 1, 1, topLeft);
    dc.fillRect(rect.left(), rect.top(), 1, rect.height() - 1, topLeft);
    dc.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
    dc.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
}

namespace {

int PanelBevel(const QWidget *panel) {
    const auto *frame = qobject_cast<const QFrame *>(panel);
    if (!frame)
        return 1;
    if (frame->frameShape() == QFrame::NoFrame)
        return 3;
    switch (frame->frameShadow()) {
    case QFrame::Sunken:
        return 1;
    case QFrame::Raised:
        return 2;
    default:
        return 3;
    }
}

bool IsPanel(const QWidget *child) {
    return child && !child->isWindow() && !qobject_cast<const QSizeGrip *>(child);
}

} // namespace

TSkinStatusBar::TSkinStatusBar(QStatusBar *bar) : TSkinControl(bar) {
    connect(bar, &QStatusBar::messageChanged, this, &TSkinStatusBar::UpdatePanels);
}

void TSkinStatusBar::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    if (!Control())
        return;
    for (QObject *child : Control()->children())
        WatchChild(child);
    ApplyTextColour();
    UpdatePanels();
}

void TSkinStatusBar::ReapplyColor() {
    ApplyTextColour();
    TSkinControl::ReapplyColor();
}

void TSkinStatusBar::ApplyTextColour() {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (skin && skin->StatusBarEdges)
        SetPaletteColour(QPalette::WindowText, SystemColour(skin->StatusBarEdges->NormalColour2));
}

void TSkinStatusBar::WatchChild(QObject *child) {
    if (child->isWidgetType())
        child->installEventFilter(this);
}

bool TSkinStatusBar::eventFilter(QObject *watched, QEvent *event) {
    QWidget *bar = Control();
    if (!bar || watched == bar || watched->parent() != bar)
        return TSkinControl::eventFilter(watched, event);
    if (State() != SkinState::Attached)
        return false; // a detached skin's filters go with it
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        UpdatePanels();
        break;
    case QEvent::Paint:
        if (inChildPaint || !Active() || !Skin())
            break;
        if (auto *label = qobject_cast<QLabel *>(watched)) {
            PaintLabel(label, event);
            return true;
        }
        return qobject_cast<QSizeGrip *>(watched) != nullptr; // the bar draws the grip
    default:
        break;
    }
    return false;
}

TSkinControl::Message TSkinStatusBar::BeforeMessage(QEvent *event) {
    switch (event->type()) {
    case QEvent::Paint:
        if (!Skin() || !qobject_cast<QStatusBar *>(Control()))
            break;
        PaintMessage();
        return Message::Eaten;
    case QEvent::ChildPolished:
        WatchChild(static_cast<QChildEvent *>(event)->child());
        UpdatePanels();
        break;
    case QEvent::ChildRemoved:
    case QEvent::Resize:
    case QEvent::LayoutDirectionChange:
        UpdatePanels();
        break;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(event);
}

ControlState TSkinStatusBar::ReadControlState() const {
    ControlState state = TSkinControl::ReadControlState();
    if (const auto *bar = qobject_cast<const QStatusBar *>(Control()))
        state.caption = bar->currentMessage();
    return state;
}

void TSkinStatusBar::UpdatePanels() {
    const auto *bar = qobject_cast<const QStatusBar *>(Control());
    if (!bar)
        return;
    panels.clear();
    for (const QObject *child : bar->children()) {
        const auto *w = qobject_cast<const QWidget *>(child);
        if (IsPanel(w) && w->isVisibleTo(bar))
            panels.append({w, w->geometry().adjusted(0, 0, 2, 0), PanelBevel(w)});
    }
    std::stable_sort(panels.begin(), panels.end(),
                     [](const Panel &a, const Panel &b) { return a.rect.x() < b.rect.x(); });
    const QRect whole = bar->rect();
    const bool message = !bar->currentMessage().isEmpty();
    if (panels.isEmpty()) {
        messageRect = whole;
    } else if (!message) {
        panels.last().rect.setRight(whole.right());
        messageRect = QRect();
    } else if (bar->layoutDirection() == Qt::RightToLeft) {
        // The widgets that stay while a message shows sit at the bar's left.
        messageRect = whole;
        messageRect.setLeft(panels.last().rect.right() + 1);
    } else {
        messageRect = whole;
        messageRect.setRight(panels.first().rect.left() - 1);
    }
    RefreshControl();
}

void TSkinStatusBar::DrawEdge(QPainter &dc, const QRect &rect, int frame,
                              const SkinObjects &skin) const {
    const TDataSkinObject *edges = skin.StatusBarEdges.get();
    if (edges && edges->HasImage())
        DrawStatusEdge(dc, rect, frame, *edges);
    else
        DrawStatusBevel(dc, rect, frame, Control()->palette());
}

void TSkinStatusBar::PaintLabel(QLabel *label, QEvent *paint) {
    {
        const QScopedValueRollback<bool> guard(inChildPaint, true);
        QCoreApplication::sendEvent(label, paint);
    }
    const std::shared_ptr<const SkinObjects> skin = Skin();
    const auto panel = std::find_if(panels.cbegin(), panels.cend(),
                                    [label](const Panel &p) { return p.widget == label; });
    const QRegion frameBand = QRegion(label->rect()) - label->contentsRect();
    if (!skin || panel == panels.cend() || frameBand.isEmpty())
        return;
    QPainter painter(label);
    painter.setClipRegion(frameBand);
    painter.translate(-label->pos());
    DrawEdge(painter, panel->rect, panel->frame, *skin);
}

void TSkinStatusBar::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QWidget *control = Control();
    const auto *bar = qobject_cast<const QStatusBar *>(control);
    if (!skin || !bar || rect.isEmpty())
        return;
    QImage &image = WorkBitmap(rect.size());
    QPainter canvas(&image);
    canvas.translate(-rect.topLeft());
    FillSkinColor(canvas, rect, *skin);
    for (const Panel &panel : std::as_const(panels))
        DrawEdge(canvas, panel.rect, panel.frame, *skin);
    if (!messageRect.isNull()) {
        DrawEdge(canvas, messageRect, 1, *skin);
        QFont font = control->font();
        font.setBold(false);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        canvas.setFont(font);
        canvas.setPen(control->palette().color(QPalette::WindowText));
        const Qt::Alignment align =
            control->layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        DrawPanelText(control, canvas, messageRect.adjusted(2, 0, -2, 0),
                      state.caption.isEmpty() ? QStringLiteral(" ") : state.caption, true, align);
    }

    const TDataSkinObject *extra = skin->ExtraImages.get();
    if (bar->isSizeGripEnabled() && extra && extra->HasImage()) {
        const QSize grip(extra->Image.width() / extra->FrameCount(), extra->Image.height());
        const QRect gripRect(rect.right() - grip.width(), rect.bottom() - grip.height(),
                             grip.width(), grip.height());
        DrawStripToDC(canvas, gripRect, extra->FrameCount(), 5, extra->Image);
    }
    canvas.end();
    dc.drawImage(rect.topLeft(), image);
}

} // namespace skin
