#pragma once

#include <QFontMetrics>
#include <QList>
#include <QString>
#include <utility>

namespace ledger {

// One line of text with figures in it ("总收入：1,234.50元  余额：…"), cut to a width by
// its figures: the longest are cut with "…" first, so the words between them stay.
class FigureLine {
public:
    FigureLine(const QString &text, const QFontMetrics &metrics);

    // The line at its narrowest: one digit of each figure and "…".
    QString narrowest() const { return capped(m_smallestCap); }
    // The line fitted into width pixels: the figures all cut to the widest cap that fits; where
    // even narrowest() does not fit, the line cut at its end.
    QString fitted(int width) const;

private:
    // The line with every figure wider than cap pixels cut to it with "…".
    QString capped(int cap) const;

    QString m_text;
    QFontMetrics m_metrics;
    QList<std::pair<qsizetype, qsizetype>> m_figures; // start and length
    int m_widest = 0;
    int m_smallestCap = 0;
};

} // namespace ledger
