#include "ledger/core/dbguard.h"

#include "ledger/core/prompter.h"
#include "ledger/data/db.h"

namespace ledger {

QString ledgerReplacedText() {
    return QStringLiteral("操作未完成：数据库文件已被另一个运行中的本程序替换（如数据还原），"
                          "请重新启动程序。");
}

bool guardDb(const char *what, const std::function<void()> &action, const QString &failureText) {
    try {
        action();
        return true;
    } catch (const DbError &e) {
        qWarning("%s: %s", what, e.what());
        if (failureText.isEmpty())
            return false;
        showInfo(e.code() == DbError::Code::Replaced ? ledgerReplacedText() : failureText);
        return false;
    }
}

} // namespace ledger
