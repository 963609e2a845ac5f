#include "ledger/records/amountfilter.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace ledger {

void installAmountFilter(QLineEdit *edit) {
    static const QRegularExpression pattern(QStringLiteral("\\d*\\.?\\d*"));
    edit->setValidator(new QRegularExpressionValidator(pattern, edit));
}

void installSignedAmountFilter(QLineEdit *edit) {
    static const QRegularExpression pattern(QStringLiteral("-?\\d*\\.?\\d*"));
    edit->setValidator(new QRegularExpressionValidator(pattern, edit));
}

void installDigitsFilter(QLineEdit *edit) {
    static const QRegularExpression pattern(QStringLiteral("\\d*"));
    edit->setValidator(new QRegularExpressionValidator(pattern, edit));
}

} // namespace ledger
