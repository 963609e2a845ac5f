#!/usr/bin/env bash
# End-to-end run of the real program under Xvfb, driven with xdotool as a person would: two
# financial accounts, an income into one, a transfer between them, a loan in cash, a
# reconciliation, the account's history and the summary tab. The database rows and the
# balances behind the figures are checked with the sqlcipher tool.
# Usage: e2e_accounts.sh <kexbora> <init.db> <1.html>   (screenshots go to $E2E_SHOTS)
set -euo pipefail

if [ -z "${E2E_INNER:-}" ]; then
    export E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh"

# Clicks a field, selects what it holds and types the text.
field() { click "$1" "$2" "$3"; xdotool key ctrl+a; xdotool type --delay 60 "$4"; sleep 0.2; }
db="$work/Data/Kexbora.db"
sql() { sqlcipher "$db" "PRAGMA key='plovk'; $1"; }

# The lookup lists a household would have filled in first (read when a form is opened).
sql "insert into kx_hash(keyname, keyvalue, seqid) values ('FundsType','储蓄卡',1),
    ('FundsType','信用卡',2), ('CardCompany','工商银行',1), ('StaffName','张三',1),
    ('IncomeType','工资',1);"

# Two accounts: 储蓄卡 001 opened with 1000, 信用卡 002 with 0.
add_account() {
    click "$main" 244 92
    field "$main" 500 118 "$1"
    field "$main" 500 147 "工商银行"
    field "$main" 500 177 "张三"
    field "$main" 500 208 "$2"
    field "$main" 500 237 "$3"
    shot "account-$2"
    click "$main" 359 427
    ok_box "account-$2-confirm"
    ok_box "account-$2-saved"
}
click "$main" 111 181
add_account 储蓄卡 001 1000
add_account 信用卡 002 0
shot accounts
[ "$(sql "select FundsType||'|'||Account||'|'||Balance||'|'||IsValid from kx_Card order by cardid;" | tr '\n' ' ')" = \
  "储蓄卡|001|1000.0|1 信用卡|002|0.0|1 " ] || fail "accounts: $(sql 'select * from kx_Card;')"
[ "$(sql "select count(*) from kx_card_duizhang where status is null;")" = 2 ] || fail "opening checkpoints"

# An income of 5000 into 储蓄卡 001.
click "$main" 111 117
click "$main" 244 92
field "$main" 500 118 "张三"
field "$main" 500 148 "工资"
field "$main" 500 178 "5000"
field "$main" 500 239 "储蓄卡"
xdotool key Tab; sleep 0.3
field "$main" 500 270 "001"
shot income
click "$main" 360 429
ok_box income-saved

# A transfer of 300 from 001 to 信用卡 002.
click "$main" 111 213
click "$main" 244 92
field "$main" 500 118 "储蓄卡"
xdotool key Tab; sleep 0.3
field "$main" 500 148 "001"
field "$main" 500 178 "300"
field "$main" 500 208 "信用卡"
xdotool key Tab; sleep 0.3
field "$main" 500 239 "002"
shot transfer
click "$main" 360 429
ok_box transfer-saved

# A loan: 200 lent in cash.
click "$main" 111 245
click "$main" 244 92
click "$main" 500 118; xdotool key Home Return; sleep 0.3
field "$main" 500 148 "李四"
field "$main" 500 178 "200"
field "$main" 500 208 "现金"
shot loan
click "$main" 360 429
ok_box loan-saved

[ "$(sql "select (myType*FundsNum)||'|'||FundsType||'|'||Account from kx_InAndOut;")" = "5000.0|储蓄卡|001" ] \
    || fail "income row: $(sql 'select * from kx_InAndOut;')"
[ "$(sql "select outFundsType||outAccount||'>'||inFundsType||inAccount||'|'||FundsNum from kx_Transfer;")" = "储蓄卡001>信用卡002|300.0" ] \
    || fail "transfer row: $(sql 'select * from kx_Transfer;')"
[ "$(sql "select myType||'|'||LoanName||'|'||FundsNum||'|'||FundsType from kx_Borrow;")" = "-1|李四|200.0|现金" ] \
    || fail "loan row: $(sql 'select * from kx_Borrow;')"

# Reconcile 储蓄卡 001 (1000 + 5000 - 300) with 5700: the second row (信用卡 sorts first).
click "$main" 111 181
click "$main" 420 174
click "$main" 372 92
recon=$(wait_window '^对账$') || fail "no reconciliation dialog"
sleep 0.5
shot reconcile
xdotool key ctrl+a; type_text 5700
xdotool key Return; sleep 0.3
ok_box reconciled
shot reconcile-done
xdotool windowfocus --sync "$recon"; xdotool key Escape
wait_gone '^对账$' || fail "reconciliation dialog stays"
[ "$(sql "select status||'|'||balance||'|'||inandoutid||'|'||transid||'|'||borrowid from kx_card_duizhang order by id desc limit 1;")" = "对账|5700.0|1|1|1" ] \
    || fail "checkpoint: $(sql 'select * from kx_card_duizhang;')"
[ "$(sql "select Balance from kx_Card where Account='001';")" = "5700.0" ] || fail "stored balance"
shot accounts-reconciled

# Its history.
click "$main" 470 92
history=$(wait_window '^明细账$') || fail "no history dialog"
sleep 0.5
shot history
xdotool windowfocus --sync "$history"; xdotool key Escape
wait_gone '^明细账$' || fail "history dialog stays"

# The summary: cash -200 (lent), accounts 5700 + 300, owed to us 200, total 6000 (the panels
# on the screenshot); the same figures from every row by the signed-amount rule.
click "$main" 111 277
click "$main" 454 85
sleep 0.5
shot summary
figures=$(sql "select
    (select total(myType*FundsNum) from kx_InAndOut where FundsType='现金')
      - (select total(FundsNum) from kx_Transfer where outFundsType='现金')
      + (select total(FundsNum) from kx_Transfer where inFundsType='现金')
      + (select total(myType*FundsNum) from kx_Borrow where FundsType='现金'),
    (select total(InitBalance) from kx_Card)
      + (select total(myType*FundsNum) from kx_InAndOut where FundsType<>'现金')
      - (select total(FundsNum) from kx_Transfer where outFundsType<>'现金')
      + (select total(FundsNum) from kx_Transfer where inFundsType<>'现金')
      + (select total(myType*FundsNum) from kx_Borrow where FundsType<>'现金'),
    -(select total(myType*FundsNum) from kx_Borrow);")
[ "$figures" = "-200.0|6000.0|200.0" ] || fail "summary figures: $figures"
echo "e2e accounts: ok"
