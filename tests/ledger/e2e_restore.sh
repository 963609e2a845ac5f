#!/usr/bin/env bash
# End-to-end run of a refused restore in the real program under Xvfb, driven with xdotool: a
# text file renamed .db is chosen in the restore file dialog (shown in Chinese, screenshot to
# $E2E_SHOTS); the ledger file stays byte for byte as it was, nothing is left beside it, and
# the program still saves a record. Usage: e2e_restore.sh <kexbora> <init.db> <1.html>
set -euo pipefail
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh" # on a virtual display, signed up and logged in

db="$work/Data/Kexbora.db"
sql() { sqlcipher "$db" "PRAGMA key='plovk'; $1" | tail -1; }

add_income "工资" 5000 record-saved
[ "$(sql 'select count(*) from kx_InAndOut;')" = 1 ] || fail "record not stored"
before=$(sha256sum <"$db")
mkdir -p "$work/Data/backup"
junk="$work/Data/backup/20261206125500.db"
printf '收入,支出\r\n5000,200\r\n' >"$junk"

click "$main" 659 33
click "$main" 278 214
wait_window '^提示$' >/dev/null || fail "no restore question"
xdotool key Return
wait_window '^数据还原$' >/dev/null || fail "no file dialog"
sleep 1
shot restore-file-dialog
type_text "$junk"
xdotool key Return
ok_box restore-refused
[ "$(sha256sum <"$db")" = "$before" ] || fail "the ledger file changed"
ls "$work/Data" | grep -q restore && fail "restore left files behind"

add_income "奖金" 88 record-after-restore-saved
[ "$(sql 'select count(*) from kx_InAndOut;')" = 2 ] || fail "no record saved after the restore"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
echo "e2e restore: ok"
