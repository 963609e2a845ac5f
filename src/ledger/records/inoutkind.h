#pragma once

#include "ledger/records/recordpage.h"

#include <QStringList>

namespace ledger {

// What tells the income page from its expense twin: names, texts and the sign.
struct InOutKind {
    int myType = 1;
    QString word; // "in" / "out"
    RecordPageNames names;
    QString staffCombo, projectCombo, amountEdit, dateEdit, fundsTypeCombo, accountCombo, memo;
    QString accountMust;
    QString staffButton, projectButton, fundsTypeButton, accountButton;
    // Captions of person, item, amount, date and payment form.
    QStringList fieldLabels;
    QStringList listCaptions; // "编号" first
    QString projectList;      // lookup list of the item combo
    QString totalPrefix;
    // Messages of the six save checks, in their order.
    QStringList messages;

    static InOutKind income();
    static InOutKind expense();
};

} // namespace ledger
