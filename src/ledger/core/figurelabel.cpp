#include "ledger/core/figurelabel.h"

#include "ledger/core/figureline.h"

#include <QPainter>
#include <QStyle>

namespace ledger {

FigureLabel::FigureLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

QString FigureLabel::shownText() const {
    return FigureLine(text(), fontMetrics()).fitted(textArea().width());
}

QSize FigureLabel::minimumSizeHint() const {
    QSize hint = QLabel::minimumSizeHint();
    const int shortening =
        fontMetrics().horizontalAdvance(text()) -
        fontMetrics().horizontalAdvance(FigureLine(text(), fontMetrics()).narrowest());
    hint.setWidth(hint.width() - qMax(0, shortening));
    return hint;
}

QRect FigureLabel::textArea() const {
    return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
}

void FigureLabel::paintEvent(QPaintEvent *event) {
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event); // the frame
    QPainter painter(this);
    style()->drawItemText(&painter, textArea(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shown, foregroundRole());
}

} // namespace ledger
