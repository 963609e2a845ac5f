#include "ledger/core/figureline.h"

#include <QRegularExpression>

namespace ledger {

FigureLine::FigureLine(const QString &text, const QFontMetrics &metrics)
    : m_text(text), m_metrics(metrics),
      m_smallestCap(metrics.horizontalAdvance(QStringLiteral("0…"))) {
    static const QRegularExpression figure(QStringLiteral("\\d[\\d,.]*"));
    for (auto it = figure.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        m_figures.append({match.capturedStart(), match.capturedLength()});
        m_widest = qMax(m_widest, metrics.horizontalAdvance(match.captured()));
    }
}

QString FigureLine::fitted(int width) const {
    const auto fits = [&](const QString &line) {
        return m_metrics.horizontalAdvance(line) <= width;
    };
    if (fits(m_text))
        return m_text;
    if (!fits(narrowest()))
        return m_metrics.elidedText(m_text, Qt::ElideRight, width);
    int fitting = m_smallestCap;
    int tooWide = m_widest;
    while (tooWide - fitting > 1) {
        const int cap = fitting + (tooWide - fitting) / 2;
        (fits(capped(cap)) ? fitting : tooWide) = cap;
    }
    return capped(fitting);
}

QString FigureLine::capped(int cap) const {
    QString line;
    qsizetype from = 0;
    for (const auto &[start, length] : m_figures) {
        line += QStringView(m_text).mid(from, start - from);
        line += m_metrics.elidedText(m_text.mid(start, length), Qt::ElideRight, cap);
        from = start + length;
    }
    line += QStringView(m_text).mid(from);
    return line;
}

} // namespace ledger
