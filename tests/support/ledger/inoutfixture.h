#pragma once

#include "ledger/records/inoutpage.h"
#include "support/ledger/recordingprompter.h"
#include "support/ledger/templedger.h"

#include <QDate>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QDateEdit;
class QStackedWidget;
namespace ledger {
class RecordList;
}

namespace ledger::test {

// An income or expense page on a temporary ledger with user "admin" logged in; today is
// 2024-03-05. Widgets are found by the names the kind gives them.
struct InOutFixture {
    static inline const QDate kToday{2024, 3, 5};

    ScopedPrompter prompter;
    TempLedger ledger;
    InOutKind kind;
    InOutPage page;
    int userId;

    explicit InOutFixture(const InOutKind &k = InOutKind::income());
    void activate(); // shows the page and makes it the active window

    // A record of this page's kind ("张三", "工资", cash) on date with amount.
    qint64 addRow(const QString &date, double amount, int myType = 1, const QString &valid = "1");
    void addCard(const QString &form, const QString &account, const QString &valid = "1");

    template <typename T> T *find(const QString &name) {
        T *widget = page.findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QComboBox *staff();
    QComboBox *project();
    QLineEdit *amount();
    QComboBox *form();
    QComboBox *account();
    QPlainTextEdit *memo();
    QDateEdit *date();
    RecordList *list();
    QString countText();
    QString sumText();
    int pageIndex(); // 0 list, 1 form
    void click(const QString &button);
    void pickForm(const QString &text); // as a user does: from the list or typed
    void fill(const QString &amountText);
};

} // namespace ledger::test
