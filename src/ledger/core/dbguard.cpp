#include "ledger/core/dbguard.h"

#include "ledger/core/prompter.h"
#include "ledger/data/db.h"

namespace ledger {

bool guardDb(const char *what, const std::function<void()> &action, const QString &failureText) {
    try {
        action();
        return true;
    } catch (const DbError &e) {
        qWarning("%s: %s", what, e.what());
        if (!failureText.isEmpty())
            showInfo(failureText);
        return false;
    }
}

} // namespace ledger
