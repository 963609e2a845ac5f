#pragma once

#include "support/ledger/accountledger.h"
#include "support/ledger/pagedriver.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QStackedWidget>

namespace ledger::test {

// Picks an entry of the combo as a user does, or types the text when it is no entry.
void pickComboText(QComboBox *combo, const QString &text);

// A record page on a temporary ledger with user "admin" logged in, today 2024-03-05, and the
// lookup lists FundsType (储蓄卡, 信用卡), CardCompany (工商银行) and StaffName (张三, 李四).
template <typename Page> struct RecordPageFixture : PageFixture<Page> {
    static inline const QDate kToday{2024, 3, 5};

    AccountLedger ledger;

    RecordPageFixture() {
        this->page.setToday([] { return kToday; });
        ledger.login(ledger.addUser("admin", "123456"));
        ledger.db().exec("insert into kx_hash(keyname, keyvalue, seqid) values "
                         "('FundsType','储蓄卡',1), ('FundsType','信用卡',2), "
                         "('CardCompany','工商银行',1), ('StaffName','张三',1), "
                         "('StaffName','李四',2)");
    }

    template <typename T> T *find(const QString &name) { return this->ui.template find<T>(name); }
    // Clicks the button; returns the messages it gave (scripted answers stay queued).
    QStringList click(const QString &button) {
        const qsizetype before = this->prompter->infos().size();
        this->ui.click(button);
        return this->prompter->infos().mid(before);
    }
    QComboBox *combo(const QString &name) { return find<QComboBox>(name); }
    QString text(const QString &label) { return find<QLabel>(label)->text(); }
    int pageIndex() { return this->page.pages()->currentIndex(); }
};

} // namespace ledger::test
