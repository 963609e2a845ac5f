#include "skin/controls/tskintab.h"

#include "skin/controls/controldraw.h"
#include "skin/draw/bitmaputils.h"
#include "skin/draw/drawprimitives.h"
#include "skin/window/skinmessageevent.h"
#include "skin/window/windowfacts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace skin {

namespace {

// Pane margins of a Style 0 skin, whose pane is the Tabs border image.
const QMargins BorderPaneMargins(4, 5, 4, 4);

TSkinTab::TabPosition PositionOfShape(QTabBar::Shape shape) {
    switch (shape) {
    case QTabBar::RoundedSouth:
    case QTabBar::TriangularSouth:
        return TSkinTab::TabPosition::Bottom;
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest:
        return TSkinTab::TabPosition::Left;
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast:
        return TSkinTab::TabPosition::Right;
    default:
        return TSkinTab::TabPosition::Top;
    }
}

// Exclusive right and bottom edges, as the strip formulas are written.
int Right(const QRect &r) {
    return r.x() + r.width();
}
int Bottom(const QRect &r) {
    return r.y() + r.height();
}
QRect FromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

TSkinTab::TSkinTab(QWidget *tabs) : TSkinControl(tabs) {}

QTabWidget *TSkinTab::Widget() const {
    return qobject_cast<QTabWidget *>(Control());
}

QTabBar *TSkinTab::Bar() const {
    return TTabScrollArrows::BarOf(Control());
}

TSkinTab::TabPosition TSkinTab::Position() const {
    if (QTabWidget *widget = Widget())
        switch (widget->tabPosition()) {
        case QTabWidget::South:
            return TabPosition::Bottom;
        case QTabWidget::West:
            return TabPosition::Left;
        case QTabWidget::East:
            return TabPosition::Right;
        default:
            return TabPosition::Top;
        }
    const QTabBar *bar = Bar();
    return bar ? PositionOfShape(bar->shape()) : TabPosition::Top;
}

bool TSkinTab::Closable() const {
    return closable && Position() == TabPosition::Top;
}

void TSkinTab::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized() || !Control())
        return;
    TSkinControl::InitSkin(form, data, colour);
    closable = TagOf(Control()) == CloseTabTag && Widget();
    if (QTabBar *bar = Bar(); bar && bar != Control()) {
        bar->installEventFilter(this);
        bar->update();
    }
    PrepareImages();
    arrows.Attach(Bar(), SkinForm(), SkinData());
}

void TSkinTab::Restore() {
    if (QTabBar *bar = Bar(); bar && bar != Control()) {
        bar->removeEventFilter(this);
        bar->update();
    }
    arrows.Detach();
    TSkinControl::Restore();
}

void TSkinTab::ReapplyColor() {
    PrepareImages();
    TSkinControl::ReapplyColor();
    if (QTabBar *bar = Bar())
        bar->update();
}

void TSkinTab::PrepareImages() {
    tabImage = QImage();
    paneImage = QImage();
    paneBitmap = QImage();
    const std::shared_ptr<const SkinObjects> skin = Skin();
    preparedFor = skin;
    preparedPosition = Position();
    if (!skin || !skin->Tabs)
        return;
    const TDataSkinBorder &tabs = *skin->Tabs;
    if (tabs.HasImage())
        tabImage = tabs.Image.convertToFormat(QImage::Format_RGB32);
    if (tabs.Style == 0 && !tabs.Image2.isNull())
        paneImage = tabs.Image2.convertToFormat(QImage::Format_RGB32);
    else if (tabs.Style == 1 && skin->TabPane && skin->TabPane->HasImage())
        paneImage = skin->TabPane->Image.convertToFormat(QImage::Format_RGB32);
    switch (preparedPosition) {
    case TabPosition::Bottom:
        FlipBitmap(tabImage);
        FlipBitmap(paneImage);
        break;
    case TabPosition::Left:
        RotateBitmapLeft(paneImage);
        break;
    case TabPosition::Right:
        RotateBitmapRight(paneImage);
        break;
    case TabPosition::Top:
        break;
    }
}

bool TSkinTab::BarShown() const {
    const QTabBar *bar = Bar();
    return bar && (bar == Control() || bar->isVisibleTo(Control()));
}

bool TSkinTab::BarPaintEaten() const {
    return Active() && HasTabFace();
}

bool TSkinTab::eventFilter(QObject *watched, QEvent *event) {
    QTabBar *bar = Bar();
    if (!bar || watched != bar || bar == Control())
        return TSkinControl::eventFilter(watched, event);
    if (State() != SkinState::Attached)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        // The widget draws the strip under the bar.
        return BarPaintEaten();
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!Active() || mouse->button() != Qt::LeftButton)
            return false;
        const int hit = CloseHit(mouse->position().toPoint());
        if (hit < 0)
            return false;
        CloseTab(hit);
        return true;
    }
    default:
        return false;
    }
}

TSkinControl::Message TSkinTab::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint) {
        const std::shared_ptr<const SkinObjects> skin = Skin();
        if (skin && (preparedFor.lock() != skin || preparedPosition != Position()))
            PrepareImages();
        // Without a pane image the widget paints its own, and the strip is drawn over it.
        if (PaintsWhole()) {
            PaintMessage();
            return Message::Eaten;
        }
    }
    return TSkinControl::BeforeMessage(event);
}

QRect TSkinTab::PaneRect(const QRect &rect) const {
    const QTabWidget *widget = Widget();
    const auto *stack =
        widget ? widget->findChild<QStackedWidget *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
    if (!stack) { // a tab bar alone is all strip: its pane is a line on the far side
        switch (Position()) {
        case TabPosition::Bottom:
            return FromEdges(rect.left(), rect.top(), Right(rect), rect.top());
        case TabPosition::Left:
            return FromEdges(Right(rect), rect.top(), Right(rect), Bottom(rect));
        case TabPosition::Right:
            return FromEdges(rect.left(), rect.top(), rect.left(), Bottom(rect));
        case TabPosition::Top:
            break;
        }
        return FromEdges(rect.left(), Bottom(rect), Right(rect), Bottom(rect));
    }
    // The pages sit 4 pixels inside the pane.
    QRect d = stack->geometry().adjusted(-4, -4, 4, 4);
    switch (Position()) {
    case TabPosition::Top:
        d.setTop(d.top() + 1);
        break;
    case TabPosition::Bottom:
        d.setBottom(d.bottom() - 1);
        break;
    case TabPosition::Left:
        d.setLeft(d.left() + 1);
        break;
    case TabPosition::Right:
        d.setRight(d.right() - 1);
        break;
    }
    return d;
}

QRect TSkinTab::StripRect(const QRect &r, const QRect &d) const {
    switch (Position()) {
    case TabPosition::Bottom:
        return FromEdges(r.left(), Bottom(d), Right(r), Bottom(r));
    case TabPosition::Left:
        return FromEdges(r.left(), r.top(), d.left(), Bottom(r));
    case TabPosition::Right:
        return FromEdges(Right(d), r.top(), Right(r), Bottom(r));
    case TabPosition::Top:
        break;
    }
    return FromEdges(r.left(), r.top(), Right(r), d.top());
}

QRect TSkinTab::TabInStrip(int index, const QRect &r, const QRect &d, const QSize &strip) const {
    const QTabBar *bar = Bar();
    QRect t = bar->tabRect(index);
    if (bar != Control())
        t.translate(bar->pos());
    switch (Position()) {
    case TabPosition::Bottom:
        return t.translated(0, -(Bottom(d) + 1));
    case TabPosition::Left:
        return FromEdges(strip.width() - Bottom(t), t.left(), strip.width() - t.top(), Right(t));
    case TabPosition::Right:
        return FromEdges(t.top() - 1, Right(r) - Right(t), Bottom(t) - 1, Right(r) - t.left());
    case TabPosition::Top:
        break;
    }
    return t.translated(0, 1);
}

QRect TSkinTab::CloseRect(int index) const {
    const QTabBar *bar = Bar();
    if (!Closable() || !bar || index < 0 || index >= bar->count() || !BarShown())
        return {};
    // At the top the strip and the widget share their coordinates.
    const QRect r = Control()->rect();
    const QRect t = TabInStrip(index, r, PaneRect(r), r.size());
    const int x0 = Right(t) - 8, y0 = t.top() + 2;
    return FromEdges(x0, y0, Right(t) - 2, t.top() + 8);
}

int TSkinTab::CloseHit(const QPoint &barPos) const {
    const QTabBar *bar = Bar();
    if (!Closable() || !bar)
        return -1;
    // The tabs as they stand now, not as last painted: an earlier close may have moved them.
    const QPoint at = bar->mapTo(Control(), barPos);
    for (int i = 0; i < bar->count(); ++i)
        if (CloseRect(i).contains(at))
            return i;
    return -1;
}

void TSkinTab::CloseTab(int index) {
    QTabWidget *widget = Widget();
    if (!widget)
        return;
    const qintptr answer = SendSkinMessage(Control()->window(), SM_SKINTABCLOSE,
                                           reinterpret_cast<qintptr>(widget), index);
    if (answer != 0 || !Control())
        return;
    // The page may refuse as well, as it would refuse to close.
    QWidget *page = widget->widget(index);
    if (page) {
        QCloseEvent close;
        QCoreApplication::sendEvent(page, &close);
        if (!close.isAccepted())
            return;
    }
    // The page goes after the click has been handled to its end.
    widget->removeTab(index);
    if (page)
        page->deleteLater();
}

void TSkinTab::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    if (!skin || !skin->Tabs || !Bar() || rect.isEmpty())
        return;
    const QRect pane = PaneRect(rect);
    const bool strip = HasTabFace() && BarShown();
    if (strip)
        DrawStrip(dc, rect, pane, *skin, state.enabled);
    if (ShowsPane())
        DrawPane(dc, pane, *skin);
    if (strip)
        DrawFocusCue(dc); // over the pane's edge, as the style's cue lies over its frame
}

void TSkinTab::DrawFocusCue(QPainter &dc) const {
    const QTabBar *bar = Bar();
    const int current = bar->currentIndex();
    if (!bar->hasFocus() || current < 0)
        return;
    DrawTabFocusRect(dc, bar,
                     bar->tabRect(current).translated(bar->mapTo(Control(), QPoint(0, 0))));
}

bool TSkinTab::ShowsPane() const {
    return !paneImage.isNull();
}

QColor TSkinTab::StripFill(const SkinObjects &) const {
    return Qt::transparent; // the parent shows around the tabs
}

bool TSkinTab::HasTabFace() const {
    return !tabImage.isNull();
}

bool TSkinTab::PaintsWhole() const {
    return ShowsPane() || (!Widget() && HasTabFace());
}

void TSkinTab::DrawTab(QPainter &canvas, const QRect &t, int state, const SkinObjects &skin) {
    const TDataSkinBorder &tabs = *skin.Tabs;
    DrawPart(canvas, t, tabImage, false, tabs.Tile != 0, tabs.Trans == 1, tabs.FrameCount(), state,
             tabs.Margins());
    if (Closable()) {
        canvas.setPen(Qt::black);
        const int x0 = Right(t) - 8, y0 = t.top() + 2;
        DrawPolyline(canvas,
                     {QPoint(x0, y0), QPoint(Right(t) - 2, y0), QPoint(Right(t) - 2, y0 + 6),
                      QPoint(x0, t.top() + 8), QPoint(x0, y0), QPoint(x0 + 6, y0 + 6)});
        DrawPolyline(canvas, {QPoint(Right(t) - 2, y0), QPoint(x0, t.top() + 8)});
    }
    canvas.setPen(SystemColour(state == 1 ? tabs.NormalColour2 : tabs.MouseOverColour2));
}

void TSkinTab::DrawStrip(QPainter &dc, const QRect &rect, const QRect &pane,
                         const SkinObjects &skin, bool enabled) {
    const QRect s = StripRect(rect, pane);
    if (s.width() < 1 || s.height() < 1)
        return;
    const TabPosition position = Position();
    const bool turned = position == TabPosition::Left || position == TabPosition::Right;
    const QSize size = turned ? s.size().transposed() : s.size();
    if (stripImage.size() != size)
        stripImage = QImage(size, QImage::Format_ARGB32_Premultiplied);
    stripImage.fill(StripFill(skin));
    const QTabBar *bar = Bar();
    QPainter canvas(&stripImage);
    canvas.setFont(bar->font());
    const int current = bar->currentIndex();
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        const QRect t = TabInStrip(i, rect, pane, size);
        const int state = i == current ? 2 : 1;
        DrawTab(canvas, t, state, skin);
        const QIcon icon = bar->tabIcon(i);
        DrawImageText(bar, canvas, t, Qt::AlignHCenter, bar->tabText(i),
                      icon.isNull() ? QPixmap() : icon.pixmap(bar->iconSize()),
                      enabled && bar->isTabEnabled(i));
    }
    canvas.end();
    if (position == TabPosition::Left)
        RotateBitmapLeft(stripImage);
    else if (position == TabPosition::Right)
        RotateBitmapRight(stripImage);
    dc.drawImage(s.topLeft(), stripImage);
    // The scroll arrows keep a plain face under them.
    const QPoint barOrigin = bar->mapTo(Control(), QPoint(0, 0));
    for (const QObject *child : bar->children())
        if (const auto *button = qobject_cast<const QWidget *>(child);
            button && button->isVisible())
            dc.fillRect(button->geometry().translated(barOrigin), FaceColour(skin));
}

void TSkinTab::DrawPane(QPainter &dc, const QRect &pane, const SkinObjects &skin) {
    if (pane.width() < 1 || pane.height() < 1)
        return;
    if (paneBitmap.size() != pane.size()) {
        const TDataSkinBorder &tabs = *skin.Tabs;
        const QMargins margins =
            tabs.Style != 0 && skin.TabPane ? skin.TabPane->Margins() : BorderPaneMargins;
        const bool tile = tabs.Style != 0 && skin.TabPane && skin.TabPane->Tile != 0;
        paneBitmap = BuildPartBitmap(QRect(QPoint(0, 0), pane.size()), paneImage, margins, false,
                                     tile, 1, 1);
    }
    dc.drawImage(pane.topLeft(), paneBitmap);
}

} // namespace skin
