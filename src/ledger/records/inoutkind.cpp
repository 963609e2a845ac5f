#include "ledger/records/inoutkind.h"

namespace ledger {

namespace {

// Each text of the income page beside its expense twin.
enum Text {
    PageControl,
    QueryCaption,
    EditCaption,
    AddButton,
    EditButton,
    DeleteButton,
    List,
    CountLabel,
    SumLabel,
    CsvButton,
    IdLabel,
    ContinueBox,
    SubmitButton,
    CancelButton,
    StaffCombo,
    ProjectCombo,
    AmountEdit,
    DateEdit,
    FundsTypeCombo,
    AccountCombo,
    Memo,
    AccountMust,
    StaffButton,
    ProjectButton,
    FundsTypeButton,
    AccountButton,
    StaffLabel,
    ProjectLabel,
    AmountLabel,
    DateLabel,
    FundsTypeLabel,
    StaffColumn,
    DateColumn,
    ProjectColumn,
    AmountColumn,
    FundsTypeColumn,
    ProjectList,
    TotalPrefix,
    StaffMessage,
    ProjectMessage,
    AmountMessage,
    ZeroMessage,
    FundsTypeMessage,
    TextCount
};

const char *const kTexts[TextCount][2] = {
    {"pclIncome", "pclOut"},
    {"收入信息查询", "支出信息查询"},
    {"收入信息维护", "支出信息维护"},
    {"sbtn_in_Add", "sbtn_out_Add"},
    {"sbtn_in_Edit", "sbtn_out_Edit"},
    {"sbtn_In_del", "sbtn_out_del"},
    {"lv_in", "lv_out"},
    {"lbl_in_recordcount", "lbl_out_recordcount"},
    {"lbl_in_sum", "lbl_out_sum"},
    {"sbtn_income_cvs", "sbtn_out_cvs"},
    {"lbl_in_id", "lbl_out_id"},
    {"ckb_in_continue", "ckb_out_continue"},
    {"btn_in_Submit", "btn_out_Submit"},
    {"btn_in_Cancel", "btn_out_Cancel"},
    {"cbb_In_staffname", "cbb_out_staffname"},
    {"cbb_in_ProjectName", "cbb_out_ProjectName"},
    {"edt_in_FundsNum", "edt_out_FundsNum"},
    {"dtp_in_EventDate", "dtp_out_EventDate"},
    {"cbb_in_FundsType", "cbb_out_FundsType"},
    {"cbb_in_Account", "cbb_out_Account"},
    {"mm_in_Memo", "mm_out_Memo"},
    {"lbl_in_account_must", "lbl_out_account_must"},
    {"sbtn_in_StaffName_mgn", "sbtn_out_StaffName_mgn"},
    {"sbtn_in_ProjectName_mgn", "sbtn_out_ProjectName_mgn"},
    {"sbtn_in_fundstype_mgn", "sbtn_out_fundstype_mgn"},
    {"sbtn_in_account_mgn", "sbtn_out_account_mgn"},
    {"收入者：", "支出者："},
    {"收入来源：", "支出项目："},
    {"收入金额：", "支出金额："},
    {"收款日期：", "支出日期："},
    {"收入形式：", "支出形式："},
    {"收入者", "支出者"},
    {"收款日期", "支出日期"},
    {"收入来源", "支出项目"},
    {"收入金额", "支出金额"},
    {"收入形式", "支出形式"},
    {"IncomeType", "OutType"},
    {"总收入：", "总支出："},
    {"请选择收入者。", "请选择支出者。"},
    {"请选择收入来源。", "请选择支出项目。"},
    {"请正确填写收入金额。", "请正确填写支出金额。"},
    {"收入金额不能为0。", "支出金额不能为0。"},
    {"请选择收入形式。", "请选择支出形式。"},
};

InOutKind makeKind(int side) {
    const auto t = [side](Text text) { return QString::fromUtf8(kTexts[text][side]); };
    InOutKind k;
    k.myType = side == 0 ? 1 : -1;
    k.word = side == 0 ? QStringLiteral("in") : QStringLiteral("out");
    k.names = {t(PageControl),  t(QueryCaption), t(EditCaption),  t(AddButton),   t(EditButton),
               t(DeleteButton), t(List),         t(CountLabel),   t(SumLabel),    t(CsvButton),
               t(IdLabel),      t(ContinueBox),  t(SubmitButton), t(CancelButton)};
    k.staffCombo = t(StaffCombo);
    k.projectCombo = t(ProjectCombo);
    k.amountEdit = t(AmountEdit);
    k.dateEdit = t(DateEdit);
    k.fundsTypeCombo = t(FundsTypeCombo);
    k.accountCombo = t(AccountCombo);
    k.memo = t(Memo);
    k.accountMust = t(AccountMust);
    k.staffButton = t(StaffButton);
    k.projectButton = t(ProjectButton);
    k.fundsTypeButton = t(FundsTypeButton);
    k.accountButton = t(AccountButton);
    k.fieldLabels = {t(StaffLabel), t(ProjectLabel), t(AmountLabel), t(DateLabel),
                     t(FundsTypeLabel)};
    k.listCaptions = {QStringLiteral("编号"), t(StaffColumn),        t(DateColumn),
                      t(ProjectColumn),       t(AmountColumn),       t(FundsTypeColumn),
                      QStringLiteral("卡号"), QStringLiteral("备注")};
    k.projectList = t(ProjectList);
    k.totalPrefix = t(TotalPrefix);
    k.messages = {t(StaffMessage), t(ProjectMessage),   t(AmountMessage),
                  t(ZeroMessage),  t(FundsTypeMessage), QStringLiteral("请选择金融账户。")};
    return k;
}

} // namespace

InOutKind InOutKind::income() {
    return makeKind(0);
}

InOutKind InOutKind::expense() {
    return makeKind(1);
}

} // namespace ledger
