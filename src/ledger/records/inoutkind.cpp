#include "ledger/records/inoutkind.h"

namespace ledger {

InOutKind InOutKind::income() {
    InOutKind kind{
        .myType = 1,
        .word = QStringLiteral("in"),
        .names = RecordPageNames::forWord(QStringLiteral("in"), QStringLiteral("pclIncome"),
                                          QStringLiteral("收入信息查询"),
                                          QStringLiteral("收入信息维护")),
        .staffCombo = QStringLiteral("cbb_In_staffname"),
        .staffLabel = QStringLiteral("收入者："),
        .projectLabel = QStringLiteral("收入来源："),
        .amountLabel = QStringLiteral("收入金额："),
        .dateLabel = QStringLiteral("收款日期："),
        .fundsTypeLabel = QStringLiteral("收入形式："),
        .listCaptions = {QStringLiteral("编号"), QStringLiteral("收入者"),
                         QStringLiteral("收款日期"), QStringLiteral("收入来源"),
                         QStringLiteral("收入金额"), QStringLiteral("收入形式"),
                         QStringLiteral("卡号"), QStringLiteral("备注")},
        .projectList = QStringLiteral("IncomeType"),
        .totalPrefix = QStringLiteral("总收入："),
        .amountName = QStringLiteral("收入金额"),
        .staffMessage = QStringLiteral("请选择收入者。"),
        .projectMessage = QStringLiteral("请选择收入来源。"),
        .zeroMessage = QStringLiteral("收入金额不能为0。"),
        .fundsTypeMessage = QStringLiteral("请选择收入形式。"),
    };
    // The names off the page word's pattern.
    kind.names.editButton = QStringLiteral("sbtn_in_Edit");
    kind.names.deleteButton = QStringLiteral("sbtn_In_del");
    kind.names.csvButton = QStringLiteral("sbtn_income_cvs");
    kind.names.cancelButton = QStringLiteral("btn_in_Cancel");
    return kind;
}

InOutKind InOutKind::expense() {
    InOutKind kind{
        .myType = -1,
        .word = QStringLiteral("out"),
        .names = RecordPageNames::forWord(QStringLiteral("out"), QStringLiteral("pclOut"),
                                          QStringLiteral("支出信息查询"),
                                          QStringLiteral("支出信息维护")),
        .staffCombo = QStringLiteral("cbb_out_staffname"),
        .staffLabel = QStringLiteral("支出者："),
        .projectLabel = QStringLiteral("支出项目："),
        .amountLabel = QStringLiteral("支出金额："),
        .dateLabel = QStringLiteral("支出日期："),
        .fundsTypeLabel = QStringLiteral("支出形式："),
        .listCaptions = {QStringLiteral("编号"), QStringLiteral("支出者"),
                         QStringLiteral("支出日期"), QStringLiteral("支出项目"),
                         QStringLiteral("支出金额"), QStringLiteral("支出形式"),
                         QStringLiteral("卡号"), QStringLiteral("备注")},
        .projectList = QStringLiteral("OutType"),
        .totalPrefix = QStringLiteral("总支出："),
        .amountName = QStringLiteral("支出金额"),
        .staffMessage = QStringLiteral("请选择支出者。"),
        .projectMessage = QStringLiteral("请选择支出项目。"),
        .zeroMessage = QStringLiteral("支出金额不能为0。"),
        .fundsTypeMessage = QStringLiteral("请选择支出形式。"),
    };
    kind.names.editButton = QStringLiteral("sbtn_out_Edit");
    kind.names.cancelButton = QStringLiteral("btn_out_Cancel");
    return kind;
}

} // namespace ledger
