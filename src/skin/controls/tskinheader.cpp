#include "skin/controls/tskinheader.h"

#include "skin/controls/controldraw.h"
#include "skin/draw/drawprimitives.h"

#include <QHeaderView>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

namespace skin {

namespace {

// Pixels at either side of a divider that belong to no section's hot zone.
constexpr int DividerZone = 3;

Qt::Alignment HeaderAlign(const QVariant &alignment) {
    return Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask;
}

QPixmap HeaderIcon(const QVariant &decoration, const QHeaderView *header) {
    if (decoration.canConvert<QIcon>()) {
        const QIcon icon = decoration.value<QIcon>();
        const int side = header->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, header);
        return icon.isNull() ? QPixmap() : icon.pixmap(side);
    }
    return decoration.value<QPixmap>();
}

} // namespace

TSkinHeader::TSkinHeader(QHeaderView *header) : TSkinControl(header->viewport()) {}

QHeaderView *TSkinHeader::Header() const {
    return Control() ? qobject_cast<QHeaderView *>(Control()->parentWidget()) : nullptr;
}

bool TSkinHeader::HasHeaderImage() const {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    return skin && skin->Headerbar && skin->Headerbar->HasImage();
}

TSkinControl::Message TSkinHeader::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && Header() && HasHeaderImage()) {
        PaintMessage();
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

void TSkinHeader::AfterMessage(QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        // Over a divider the hot section stays.
        if (const int section = SectionAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            section >= 0)
            SetHot(section);
        break;
    case QEvent::Leave:
        SetHot(-1);
        break;
    default:
        TSkinControl::AfterMessage(event);
        break;
    }
}

void TSkinHeader::SetHot(int section) {
    if (section == hotSection)
        return;
    hotSection = section;
    RefreshControl();
}

int TSkinHeader::SectionAt(const QPoint &pos) const {
    const QHeaderView *header = Header();
    if (!header)
        return -1;
    const bool horizontal = header->orientation() == Qt::Horizontal;
    const int along = horizontal ? pos.x() : pos.y();
    const int section = header->logicalIndexAt(along);
    if (section < 0)
        return -1;
    const int start = header->sectionViewportPosition(section);
    const int end = start + header->sectionSize(section);
    return along >= start + DividerZone && along < end - DividerZone ? section : -1;
}

void TSkinHeader::DrawControl(QPainter &dc, const QRect &rect, const ControlState &state) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    QHeaderView *header = Header();
    if (!header || !HasHeaderImage())
        return;
    const TDataSkinObject &bar = *skin->Headerbar;
    const bool horizontal = header->orientation() == Qt::Horizontal;
    const auto sectionImage = [&](QSize size, int frame) -> const QImage & {
        return cache.Get(skin, size, quint64(frame), [&](QImage &image) {
            QPainter p(&image);
            DrawPart(p, image.rect(), bar.Image, false, bar.Tile != 0, false, bar.FrameCount(),
                     frame, bar.Margins());
        });
    };
    dc.setFont(header->font());
    dc.setPen(header->palette().color(QPalette::ButtonText));
    const QAbstractItemModel *model = header->model();
    int end = 0;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int section = header->logicalIndex(visual);
        if (section < 0 || header->isSectionHidden(section))
            continue;
        const int start = header->sectionViewportPosition(section);
        const int size = header->sectionSize(section);
        const QRect r =
            horizontal ? QRect(start, 0, size, rect.height()) : QRect(0, start, rect.width(), size);
        end = std::max(end, start + size);
        if (!r.intersects(rect) || size <= 0)
            continue;
        dc.drawImage(r.topLeft(), sectionImage(r.size(), section == hotSection ? 2 : 1));
        if (!model)
            continue;
        const Qt::Orientation o = header->orientation();
        const QString text = model->headerData(section, o, Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        DrawImageText(
            header, dc, r, HeaderAlign(model->headerData(section, o, Qt::TextAlignmentRole)), text,
            HeaderIcon(model->headerData(section, o, Qt::DecorationRole), header), state.enabled);
    }
    const QRect rest = horizontal ? QRect(end, 0, rect.right() + 1 - end, rect.height())
                                  : QRect(0, end, rect.width(), rect.bottom() + 1 - end);
    if (rest.width() > 0 && rest.height() > 0)
        dc.drawImage(rest.topLeft(), sectionImage(rest.size(), 1));
}

} // namespace skin
