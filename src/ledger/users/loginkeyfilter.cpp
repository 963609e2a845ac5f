#include "ledger/users/loginkeyfilter.h"

namespace ledger {

LoginKeyFilter::LoginKeyFilter(QObject *parent) : QValidator(parent) {}

bool LoginKeyFilter::acceptsChar(QChar c) {
    return c.category() != QChar::Other_Control;
}

QValidator::State LoginKeyFilter::validate(QString &input, int &pos) const {
    Q_UNUSED(pos);
    for (QChar c : std::as_const(input)) {
        if (!acceptsChar(c))
            return Invalid;
    }
    return Acceptable;
}

} // namespace ledger
