#!/usr/bin/env bash
# End-to-end run of refused restores in the real program under Xvfb and openbox, driven with
# xdotool: a text file renamed .db, then a keyed file of another schema (the seven tables, but
# kx_InAndOut without FundsNum and Memo, three rows), are chosen in the restore file dialog
# (screenshots to $E2E_SHOTS). Each is refused with its message; the ledger file stays byte for
# byte as it was, nothing is left beside it, and the program still saves a record.
# Usage: e2e_restore.sh <kexbora> <init.db> <1.html>
set -euo pipefail
export E2E_OPENBOX=1
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh" # on a virtual display, signed up and logged in

db="$work/Data/Kexbora.db"
sql() { sqlcipher "$1" "PRAGMA key='plovk'; $2" | tail -1; }

# Chooses the file $1 through 数据备份/还原 → 数据还原 and its file dialog; the answer must be
# the refusal (screenshot $2), the ledger unchanged and nothing left beside it.
refused_restore() {
    local before
    before=$(sha256sum <"$db")
    choose_restore_file "$1" "$2"
    ok_box "$2"
    [ "$(sha256sum <"$db")" = "$before" ] || fail "the ledger file changed ($2)"
    if ls "$work/Data" | grep -q restore; then fail "restore left files behind ($2)"; fi
}

add_income "工资" 5000 record-saved
[ "$(sql "$db" 'select count(*) from kx_InAndOut;')" = 1 ] || fail "record not stored"
mkdir -p "$work/Data/backup"

junk="$work/Data/backup/20261206125500.db"
printf '收入,支出\r\n5000,200\r\n' >"$junk"
refused_restore "$junk" restore-refused

foreign="$work/Data/backup/20261206125600.db"
cp "$template" "$foreign"
sql "$foreign" "drop table kx_InAndOut;
    create table kx_InAndOut(id integer primary key autoincrement, staffname, ProjectName,
        FundsType, Account, EventDate, myType, UserId, IsValid default '1');
    insert into kx_InAndOut(ProjectName, EventDate, myType)
        values('工资', '2026-12-01', 1), ('奖金', '2026-12-02', 1), ('房租', '2026-12-03', -1);" \
    >/dev/null
[ "$(sql "$foreign" 'select count(*) from kx_InAndOut;')" = 3 ] || fail "no foreign file"
refused_restore "$foreign" foreign-schema-refused
grep -q "lacks kx_InAndOut.FundsNum, kx_InAndOut.Memo" "$work/app.log" ||
    fail "the foreign file was not refused for its missing columns"

add_income "奖金" 88 record-after-restore-saved
[ "$(sql "$db" 'select count(*) from kx_InAndOut;')" = 2 ] || fail "no record saved after the restore"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
echo "e2e restore: ok"
