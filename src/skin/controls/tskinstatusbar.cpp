#include "skin/controls/tskinstatusbar.h"

#include "skin/controls/controldraw.h"
#include "skin/draw/drawprimitives.h"

#include <QLabel>
#include <QPainter>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyle>

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

unsigned PanelAlignment(const QLabel *label) {
    const Qt::Alignment a = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    if (a & Qt::AlignHCenter)
        return DT_CENTER;
    return (a & Qt::AlignRight) ? DT_RIGHT : DT_LEFT;
}

} // namespace

TSkinStatusBar::TSkinStatusBar(QStatusBar *bar) : TSkinControl(bar) {}

void TSkinStatusBar::InitSkin(TWinSkinForm *form, TSkinData *data, bool colour) {
    if (Initialized())
        return;
    TSkinControl::InitSkin(form, data, colour);
    if (Control())
        for (QObject *child : Control()->children())
            WatchChild(child);
}

void TSkinStatusBar::WatchChild(QObject *child) {
    if (qobject_cast<QLabel *>(child) || qobject_cast<QSizeGrip *>(child))
        child->installEventFilter(this);
}

bool TSkinStatusBar::eventFilter(QObject *watched, QEvent *event) {
    if (Control() && watched != Control() && watched->parent() == Control()) {
        // The bar draws its labels and grip itself.
        return event->type() == QEvent::Paint && Active() && Skin();
    }
    return TSkinControl::eventFilter(watched, event);
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
        break;
    case QEvent::LayoutRequest:
        RefreshControl();
        break;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(event);
}

QList<QWidget *> TSkinStatusBar::Panels() const {
    QWidget *control = Control();
    QList<QWidget *> panels;
    for (QObject *child : control->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && !w->isWindow() && w->isVisibleTo(control) && !qobject_cast<QSizeGrip *>(w))
            panels.append(w);
    }
    std::stable_sort(panels.begin(), panels.end(),
                     [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
    return panels;
}

void TSkinStatusBar::DrawControl(QPainter &dc, const QRect &rect, const ControlState &) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QWidget *control = Control();
    const auto *bar = qobject_cast<const QStatusBar *>(control);
    if (!skin || !bar || rect.isEmpty())
        return;
    const TDataSkinObject *edges = skin->StatusBarEdges.get();
    const bool edgeImage = edges && edges->HasImage();
    const auto drawEdge = [&](QPainter &p, const QRect &r, int frame) {
        if (edgeImage)
            DrawStatusEdge(p, r, frame, *edges);
        else
            DrawStatusBevel(p, r, frame, control->palette());
    };

    QImage &image = WorkBitmap(rect.size());
    QPainter canvas(&image);
    canvas.translate(-rect.topLeft());
    FillSkinColor(canvas, rect, *skin);
    QFont font = control->font();
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    canvas.setFont(font);
    canvas.setPen(edges ? SystemColour(edges->NormalColour2)
                        : control->palette().color(control->foregroundRole()));

    const QString message = bar->currentMessage();
    const QList<QWidget *> panels = message.isEmpty() ? Panels() : QList<QWidget *>();
    if (!panels.isEmpty()) {
        for (qsizetype i = 0; i < panels.size(); ++i) {
            const QWidget *panel = panels.at(i);
            QRect r = panel->geometry().adjusted(0, 0, 2, 0);
            if (i == panels.size() - 1)
                r.setRight(rect.right());
            drawEdge(canvas, r, PanelBevel(panel));
            if (const auto *label = qobject_cast<const QLabel *>(panel)) {
                const QString text = label->text().isEmpty() ? QStringLiteral(" ") : label->text();
                DrawPanelText(control, canvas, r.adjusted(2, 0, -2, 0), text, true,
                              PanelAlignment(label));
            }
        }
    } else {
        drawEdge(canvas, rect, 1);
        const unsigned align = control->layoutDirection() == Qt::RightToLeft ? DT_RIGHT : DT_LEFT;
        DrawPanelText(control, canvas, rect.adjusted(2, 0, -2, 0),
                      message.isEmpty() ? QStringLiteral(" ") : message, true, align);
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
