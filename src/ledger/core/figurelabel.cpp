#include "ledger/core/figurelabel.h"

#include <QPainter>
#include <QStyle>

namespace ledger {

namespace {

// The narrowest a label with a longer text becomes.
constexpr int kNarrowest = 120;

} // namespace

FigureLabel::FigureLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

QSize FigureLabel::minimumSizeHint() const {
    QSize hint = QLabel::minimumSizeHint();
    hint.setWidth(qMin(hint.width(), kNarrowest));
    return hint;
}

void FigureLabel::paintEvent(QPaintEvent *event) {
    const QRect area =
        contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event); // the frame
    QPainter painter(this);
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown, foregroundRole());
}

} // namespace ledger
