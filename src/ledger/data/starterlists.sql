-- The starting choice lists of a new ledger (the template only; existing ledgers are never
-- changed). Positions count from 0 as the list editor writes them; a payment-form list counts
-- the cash row first, which is never stored. The people list is the household's own: empty.

INSERT INTO kx_hash (keyname, keyvalue, seqid) VALUES
    ('FundsType', '储蓄卡', 1), ('FundsType', '信用卡', 2), ('FundsType', '存折', 3),
    ('CardCompany', '中国工商银行', 0), ('CardCompany', '中国建设银行', 1),
    ('CardCompany', '中国农业银行', 2), ('CardCompany', '中国银行', 3),
    ('CardCompany', '交通银行', 4), ('CardCompany', '招商银行', 5),
    ('CardCompany', '中国邮政储蓄银行', 6),
    ('IncomeType', '工资', 0), ('IncomeType', '奖金', 1), ('IncomeType', '兼职', 2),
    ('IncomeType', '利息', 3), ('IncomeType', '其他', 4),
    ('OutType', '餐饮', 0), ('OutType', '购物', 1), ('OutType', '交通', 2),
    ('OutType', '住房', 3), ('OutType', '水电煤', 4), ('OutType', '医疗', 5),
    ('OutType', '教育', 6), ('OutType', '娱乐', 7), ('OutType', '其他', 8);
