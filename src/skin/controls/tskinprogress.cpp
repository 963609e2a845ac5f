#include "skin/controls/tskinprogress.h"

#include "skin/data/tdataskinborder.h"
#include "skin/draw/bitmaputils.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/keyedblit.h"

#include <QPainter>
#include <QProgressBar>

namespace skin {

namespace {

bool HasProgressImage(const std::shared_ptr<const SkinObjects> &skin) {
    return skin && skin->Progress && skin->Progress->HasImage();
}

} // namespace

int ProgressFill(int width, int minimum, int maximum, int value) {
    const qint64 range = qint64(maximum) - minimum;
    const qint64 pos = qint64(value) - minimum;
    if (range < 1 || pos < 1 || width < 1)
        return 0;
    return int((qint64(width) * std::min(pos, range) + range / 2) / range);
}

TSkinProgress::TSkinProgress(QProgressBar *bar) : TSkinControl(bar) {}

TSkinControl::Message TSkinProgress::BeforeMessage(QEvent *event) {
    if (event->type() == QEvent::Paint && HasProgressImage(Skin()) &&
        qobject_cast<QProgressBar *>(Control())) {
        PaintMessage();
        return Message::Eaten;
    }
    return TSkinControl::BeforeMessage(event);
}

void TSkinProgress::DrawBar(QImage &image, const SkinObjects &skin, int fill) const {
    const TDataSkinBorder &bar = *skin.Progress;
    const QRect r = image.rect();
    QPainter p(&image);
    FillSkinColor(p, r, skin);
    if (bar.Style != 1) {
        DrawPart(p, r, bar.Image, false, bar.Tile != 0, true, 2, 1, bar.Margins());
        if (fill > 0)
            DrawPart(p, QRect(0, 0, fill, r.height()), bar.Image, false, bar.Tile != 0, true, 2, 2,
                     bar.Margins());
        return;
    }
    const TDataSkinObject *chunk = skin.ProgressChunk.get();
    if (!chunk || !chunk->HasImage())
        return;
    DrawPart(p, r, bar.Image, false, false, true, 1, 1, bar.Margins());
    if (fill <= 0)
        return;
    const QSize chunkSize = chunk->Image.size();
    if (chunk->Tile != 1) {
        QImage stretched(fill, r.height() - 4, QImage::Format_RGB32);
        if (stretched.isNull())
            return;
        stretched.fill(KeyColor);
        QPainter sp(&stretched);
        StretchThreePart(sp, QRect(0, 0, fill, r.height()), chunk->Image, false, 1, 1,
                         chunk->Margins());
        sp.end();
        BlitKeyed(p, QRect(QPoint(2, 2), stretched.size()), stretched);
        return;
    }
    QImage tiles(fill, chunkSize.height(), QImage::Format_RGB32);
    tiles.fill(KeyColor);
    QPainter tp(&tiles);
    for (int x = 0; x < fill; x += chunkSize.width())
        tp.drawImage(x, 0, chunk->Image);
    tp.end();
    BlitKeyed(
        p, QRect(QPoint(chunk->LeftWidth + 2, (r.height() - chunkSize.height()) / 2), tiles.size()),
        tiles);
}

void TSkinProgress::DrawControl(QPainter &dc, const QRect &rect, const ControlState &) {
    const std::shared_ptr<const SkinObjects> skin = Skin();
    const auto *bar = qobject_cast<const QProgressBar *>(Control());
    if (!HasProgressImage(skin) || !bar || rect.isEmpty())
        return;
    const bool vertical = bar->orientation() == Qt::Vertical;
    // A vertical bar is drawn across its height and turned a quarter left.
    const QSize across = vertical ? rect.size().transposed() : rect.size();
    const int fill = ProgressFill(across.width(), bar->minimum(), bar->maximum(), bar->value());
    const QImage &image =
        cache.Get(skin, rect.size(), quint64(fill) << 1 | vertical, [&](QImage &out) {
            QImage work(across, QImage::Format_RGB32);
            DrawBar(work, *skin, fill);
            if (vertical)
                RotateBitmapLeft(work);
            QPainter(&out).drawImage(0, 0, work);
        });
    dc.drawImage(rect.topLeft(), image);
}

} // namespace skin
