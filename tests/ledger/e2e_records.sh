#!/usr/bin/env bash
# End-to-end run of the real program under Xvfb and openbox, driven with xdotool as a person
# would: sign up, log in, open the income page, add an income record, see it listed with its
# total, export the list as CSV, then try an income of 14 digits before the point, which is
# refused. The database is checked with the sqlcipher tool and the CSV with Python's csv
# module. Usage: e2e_records.sh <kexbora> <init.db> <1.html>   (screenshots go to $E2E_SHOTS)
set -euo pipefail
export E2E_OPENBOX=1

if [ -z "${E2E_INNER:-}" ]; then
    export E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh"

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
assert r[7] == 'memo, with comma' and r[8] == '', r
PY
# An amount too large is refused with its message box; the ledger gets no record.
add_income "工资" 10000000000000 amount-too-large
count=$(sqlcipher "$db" "PRAGMA key='plovk'; select count(*) from kx_InAndOut;" | tail -1)
[ "$count" = 1 ] || fail "records after the refused amount: $count"
echo "e2e records: ok"
