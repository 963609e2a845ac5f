#pragma once

#include "ledger/records/recordpage.h"

#include <QStringList>

namespace ledger {

// What tells the income page from its expense twin: names, texts and the sign.
struct InOutKind {
    int myType = 1;
    QString word; // "in" / "out"
    RecordPageNames names;
    // Component names of the maintenance page.
    QString staffCombo, projectCombo, amountEdit, dateEdit, fundsTypeCombo, accountCombo, memo;
    QString accountMust;
    QString staffButton, projectButton, fundsTypeButton, accountButton;
    // Captions of the fields.
    QString staffLabel, projectLabel, amountLabel, dateLabel, fundsTypeLabel;
    QStringList listCaptions; // "编号" first
    QString projectList;      // lookup list of the item combo
    QString totalPrefix;
    // Messages of the save checks.
    QString staffMessage, projectMessage, amountMessage, zeroMessage, fundsTypeMessage;

    static InOutKind income();
    static InOutKind expense();
};

} // namespace ledger
