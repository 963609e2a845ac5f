#!/usr/bin/env bash
# End-to-end run of the real program under Xvfb, driven with xdotool as a person would: sign up,
# log in, open the income page, add an income record, see it listed with its total, export the
# list as CSV. The database is checked with the sqlcipher tool and the CSV with Python's csv
# module. Usage: e2e_records.sh <kexbora> <init.db> <1.html>   (screenshots go to $E2E_SHOTS)
set -euo pipefail

program=$(readlink -f "${1:?program}")
template=$(readlink -f "${2:?template database}")
page=$(readlink -f "${3:?local start page}")
if [ -z "${E2E_INNER:-}" ]; then
    export E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program" "$template" "$page"
fi

# The program runs on the virtual display even when the caller chose another platform.
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; shot failure; exit 1; }
shot() {
    if [ -n "${E2E_SHOTS:-}" ]; then
        mkdir -p "$E2E_SHOTS"
        import -window root "$E2E_SHOTS/$1.png" 2>/dev/null || true
    fi
}
# Waits for a window whose title matches; prints its id.
wait_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.2
    done
    return 1
}
wait_gone() {
    for _ in $(seq 1 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.2; }
# Answers the information box "提示" with Enter.
ok_box() {
    wait_window '^提示$' >/dev/null || fail "no message box ($1)"
    shot "$1"
    xdotool key Return
    wait_gone '^提示$' || fail "message box stays ($1)"
}

mkdir -p "$work/bin" "$work/Data" "$work/other"
cp "$program" "$work/bin/kexbora"
cp "$template" "$work/Data/init.db"
cp "$page" "$work/other/1.html"
"$work/bin/kexbora" >"$work/app.log" 2>&1 &
app_pid=$!

# Sign up admin / 123456.
login=$(wait_window '^用户登录$') || fail "no login window"
click "$login" 54 156
reg=$(wait_window '^用户注册$') || fail "no sign-up window"
click "$reg" 190 36
type_text admin; xdotool key Tab; type_text 123456; xdotool key Tab; type_text 123456
click "$reg" 144 186
ok_box signed-up
wait_gone '^用户注册$' || fail "sign-up window stays"

# Log in.
click "$login" 165 41
type_text admin; xdotool key Tab; type_text 123456; xdotool key Return
main=$(wait_window '^Quorvane$') || fail "no main window"
sleep 2

# Income page, then a new record.
click "$main" 111 117
shot income-list-empty
click "$main" 244 92
click "$main" 500 118; type_text "张三"
click "$main" 500 148; type_text "工资"
click "$main" 500 178; type_text "1234.5"
click "$main" 500 239; type_text "现金"
click "$main" 500 340; type_text "memo, with comma"
shot maintenance-page
click "$main" 360 429
ok_box saved
shot income-list

db="$work/Data/Kexbora.db"
row=$(sqlcipher "$db" "PRAGMA key='plovk'; select staffname||'|'||ProjectName||'|'||FundsNum||'|'||FundsType||'|'||myType||'|'||UserId from kx_InAndOut;" | tail -1)
[ "$row" = "张三|工资|1234.5|现金|1|1" ] || fail "stored row: $row"

# Export the list.
click "$main" 903 628
dialog=$(wait_window '^导出电子表格$') || fail "no save dialog"
type_text "$work/income"
xdotool key Return
ok_box exported
[ -f "$work/income.csv" ] || fail "no CSV written"
python3 - "$work/income.csv" <<'PY' || fail "CSV content"
import csv, sys
raw = open(sys.argv[1], 'rb').read()
assert raw.endswith(b',\r\n'), raw[-3:]
rows = list(csv.reader(open(sys.argv[1], encoding='gbk', newline='')))
assert rows[0] == ['编号', '收入者', '收款日期', '收入来源', '收入金额', '收入形式', '卡号', '备注', ''], rows[0]
assert len(rows) == 2, rows
r = rows[1]
assert r[1:5] == ['张三', r[2], '工资', '1234.5'] and r[5] == '现金', r
assert r[7] == 'memo with comma' and r[8] == '', r
PY
echo "e2e records: ok"
