#pragma once

#include "ledger/records/recordpage.h"

#include <QStringList>

namespace ledger {

// What tells the income page from its expense twin: names, texts and the sign.
struct InOutKind {
    int myType = 1;
    QString word; // "in" / "out"
    RecordPageNames names;
    QString staffCombo; // cbb_In_staffname: the one name off the page word's pattern
    // Captions of the fields.
    QString staffLabel, projectLabel, amountLabel, dateLabel, fundsTypeLabel;
    QStringList listCaptions; // "编号" first
    QString projectList;      // lookup list of the item combo
    QString totalPrefix;
    QString amountName; // named in the amount's messages
    // Messages of the save checks.
    QString staffMessage, projectMessage, zeroMessage, fundsTypeMessage;

    // A component name of the page: the pattern with the page word for %1.
    QString name(const char *pattern) const { return QString::fromLatin1(pattern).arg(word); }

    static InOutKind income();
    static InOutKind expense();
};

} // namespace ledger
