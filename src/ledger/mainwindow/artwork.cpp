#include "ledger/mainwindow/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace ledger {

namespace {

constexpr int kIconSide = 24;

QPixmap blankPixmap(const QSize &size, qreal dpr) {
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

void drawArrow(QPainter &p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = (to - from) / QLineF(from, to).length();
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << to << to - d * 5 + n * 4 << to - d * 5 - n * 4;
    p.drawPolygon(head);
}

// A gold coin with a ledger line across it, filling `coin`.
void drawCoin(QPainter &p, const QRectF &coin) {
    const qreal d = coin.height();
    QRadialGradient gold(coin.center() - QPointF(d / 5, d / 5), d * 0.75);
    gold.setColorAt(0, QColor(255, 226, 120));
    gold.setColorAt(1, QColor(214, 152, 24));
    p.setPen(QPen(QColor(160, 105, 10), std::max(1.0, d / 20)));
    p.setBrush(gold);
    p.drawEllipse(coin);
    p.setPen(QPen(QColor(255, 250, 225), std::max(1.0, d / 16), Qt::SolidLine, Qt::RoundCap));
    const QRectF inner = coin.adjusted(d * 0.28, d * 0.26, -d * 0.28, -d * 0.26);
    p.drawLine(inner.topLeft(), QPointF(inner.center().x(), inner.center().y()));
    p.drawLine(inner.topRight(), QPointF(inner.center().x(), inner.center().y()));
    p.drawLine(QPointF(inner.left() + 2, inner.center().y()),
               QPointF(inner.right() - 2, inner.center().y()));
    p.drawLine(QPointF(inner.left() + 2, inner.center().y() + d * 0.14),
               QPointF(inner.right() - 2, inner.center().y() + d * 0.14));
    p.drawLine(QPointF(inner.center().x(), inner.center().y()),
               QPointF(inner.center().x(), inner.bottom()));
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48}) {
        QPixmap pm = blankPixmap(QSize(side, side), 1.0);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        drawCoin(p, QRectF(0.5, 0.5, side - 1.0, side - 1.0));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap paintLogo(const QSize &size, qreal dpr) {
    QPixmap pm = blankPixmap(size, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = size.height() * 0.68;
    const QRectF coin(14, (size.height() - d) / 2, d, d);
    drawCoin(p, coin);

    // The name and a line under it.
    const qreal textLeft = coin.right() + 12;
    QFont title(QStringLiteral("Noto Sans"));
    title.setPixelSize(qRound(size.height() * 0.40));
    title.setBold(true);
    p.setFont(title);
    QLinearGradient ink(0, 0, 0, size.height());
    ink.setColorAt(0, QColor(24, 96, 178));
    ink.setColorAt(1, QColor(10, 60, 120));
    p.setPen(QPen(QBrush(ink), 1));
    const QRectF titleRect(textLeft, 4, size.width() - textLeft, size.height() * 0.58);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Kexbora"));

    QFont sub = title;
    sub.setBold(false);
    sub.setPixelSize(qRound(size.height() * 0.19));
    p.setFont(sub);
    p.setPen(QColor(90, 110, 130));
    p.drawText(QRectF(textLeft + 2, titleRect.bottom() + 2, size.width() - textLeft, size.height()),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("家庭记账"));
    return pm;
}

QIcon navIcon(int index) {
    static const QColor colours[] = {
        QColor(52, 120, 200), QColor(46, 160, 67),  QColor(214, 69, 65), QColor(140, 90, 200),
        QColor(230, 140, 30), QColor(30, 150, 160), QColor(200, 60, 140)};
    const QColor c = colours[qBound(0, index, 6)];
    QPixmap pm = blankPixmap(QSize(kIconSide, kIconSide), 2.0);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 22, 22), 5, 5);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    switch (index) {
    case 0: { // house
        QPolygonF roof;
        roof << QPointF(5, 12) << QPointF(12, 5) << QPointF(19, 12);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(roof);
        p.drawRect(QRectF(8, 12, 8, 6));
        break;
    }
    case 1: // money in
        drawArrow(p, QPointF(12, 4), QPointF(12, 15));
        p.drawLine(QPointF(6, 19), QPointF(18, 19));
        break;
    case 2: // money out
        drawArrow(p, QPointF(12, 16), QPointF(12, 5));
        p.drawLine(QPointF(6, 19), QPointF(18, 19));
        break;
    case 3: // card
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(4.5, 7, 15, 10), 2, 2);
        p.drawLine(QPointF(5, 10.5), QPointF(19, 10.5));
        break;
    case 4: // transfer
        drawArrow(p, QPointF(5, 9), QPointF(18, 9));
        drawArrow(p, QPointF(19, 15), QPointF(6, 15));
        break;
    case 5: { // coin handed over
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 9), 4.5, 4.5);
        QPainterPath hand;
        hand.moveTo(4, 16);
        hand.quadTo(12, 21, 20, 16);
        p.drawPath(hand);
        break;
    }
    default: { // pie chart
        const QRectF r(4.5, 4.5, 15, 15);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(r);
        p.setBrush(Qt::white);
        p.drawPie(r, 90 * 16, -110 * 16);
        break;
    }
    }
    return QIcon(pm);
}

} // namespace ledger
