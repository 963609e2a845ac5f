#include "ledger/core/dbguard.h"

#include "ledger/core/prompter.h"
#include "ledger/data/db.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>

namespace ledger {

namespace {

// Runs action; a DbError is logged and handed to told.
bool guard(const char *what, const std::function<void()> &action,
           const std::function<void(const DbError &)> &told) {
    try {
        action();
        return true;
    } catch (const DbError &e) {
        qWarning("%s: %s", what, e.what());
        told(e);
        return false;
    }
}

// One box for the failures of one paint, shown after it.
void tellReplacedLater() {
    static bool pending = false;
    if (std::exchange(pending, true))
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        showInfo(ledgerReplacedText());
        pending = false;
    });
}

} // namespace

QString ledgerReplacedText() {
    return QStringLiteral("操作未完成：数据库文件已被另一个运行中的本程序替换（如数据还原），"
                          "请重新启动程序。");
}

bool guardDb(const char *what, const std::function<void()> &action, const QString &failureText) {
    return guard(what, action, [&failureText](const DbError &e) {
        if (e.code() == DbError::Code::Replaced)
            showInfo(ledgerReplacedText());
        else if (!failureText.isEmpty())
            showInfo(failureText);
    });
}

bool guardDbWhilePainting(const char *what, const std::function<void()> &action) {
    return guard(what, action, [](const DbError &e) {
        if (e.code() == DbError::Code::Replaced)
            tellReplacedLater();
    });
}

} // namespace ledger
