#!/usr/bin/env bash
# End-to-end run of the real program under Xvfb with the keyboard alone once logged in (xdotool
# keys, no mouse): the tree to a page, Tab to "添加", the form walked with Tab, a choice picked
# with the arrow keys, Space on "保存", Enter on the message boxes. An expense (its amount
# replaced with Ctrl+A and typing), an account and a transfer to it are entered and found in
# the database. Usage: e2e_keyboard.sh <kexbora> <init.db> <1.html>   (shots go to $E2E_SHOTS)
set -euo pipefail

if [ -z "${E2E_INNER:-}" ]; then
    export E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh"

db="$work/Data/Kexbora.db"
sql() { sqlcipher "$db" "PRAGMA key='plovk'; $1"; }
key() { xdotool key --delay 120 "$@"; sleep 0.3; }
xdotool windowfocus --sync "$main"
sleep 0.5

# An expense: the tree has the focus on "系统首页"; two rows down is "支出信息".
key Down Down Tab space
shot keyboard-expense-form
type_text "张三"; key Tab
type_text "餐饮"; key Tab
type_text "12.34"; key ctrl+a; type_text "56.78"; key Tab # Ctrl+A then typing replaces
key Tab                                                   # the date: one stop
type_text "现金"; key Tab                                  # cash: the account is skipped
type_text "键盘录入"; key Tab Tab                         # 连续添加, then 保存
shot keyboard-expense-filled
key space
ok_box keyboard-expense-saved
[ "$(sql "select staffname||'|'||ProjectName||'|'||FundsNum||'|'||FundsType||'|'||Account||'|'||myType||'|'||Memo from kx_InAndOut;")" = \
  "张三|餐饮|56.78|现金||-1|键盘录入" ] || fail "expense row: $(sql 'select * from kx_InAndOut;')"

# An account: back to the tree (Shift+Tab from "添加" passes the pane under the tree), one row
# down is "金融账户"; the type and the issuer take the first entry of the template's lists with
# the Down key (the people list starts empty).
key shift+Tab shift+Tab Down Tab space
key Down Tab Down Tab Down Tab
type_text "6222"; key Tab
type_text "100"; key Tab Tab Tab Tab                      # 账户状态, 备注, 连续添加, 保存
shot keyboard-account-filled
key space
ok_box keyboard-account-confirm
ok_box keyboard-account-saved
[ "$(sql "select Account||'|'||InitBalance||'|'||IsValid from kx_Card;")" = "6222|100.0|1" ] \
    || fail "account row: $(sql 'select * from kx_Card;')"
form=$(sql "select FundsType from kx_Card;")

# A transfer of 30 from cash into that account.
key shift+Tab shift+Tab Down Tab space
type_text "现金"; key Tab
type_text "30"; key Tab
type_text "$form"; key Tab
key Down Tab                                              # the account's only number
key Tab Tab Tab                                           # memo, 连续添加, 保存
shot keyboard-transfer-filled
key space
ok_box keyboard-transfer-saved
[ "$(sql "select outFundsType||'|'||outAccount||'|'||FundsNum||'|'||inFundsType||'|'||inAccount from kx_Transfer;")" = \
  "现金||30.0|$form|6222" ] || fail "transfer row: $(sql 'select * from kx_Transfer;')"
shot keyboard-transfer-list
echo "e2e keyboard: ok"
