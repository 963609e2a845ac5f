#!/usr/bin/env bash
# End-to-end run of the statistics and the backup in the real program under Xvfb, driven with
# xdotool: sign up, log in, add income and expense records, open "统计分析" and switch through
# its tabs, back up, add a record, restore the backup and see the record gone. The database is
# checked with the sqlcipher tool; screenshots of the list, the two pies and the backup page go
# to $E2E_SHOTS. Usage: e2e_stats.sh <kexbora> <init.db> <1.html>
set -euo pipefail

if [ -z "${E2E_INNER:-}" ]; then
    export E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh"

db="$work/Data/Kexbora.db"
sql() { sqlcipher "$db" "PRAGMA key='plovk'; $1" | tail -1; }
today=$(date +%F)

# Records: one typed in, more of both kinds written beside the running program.
add_income "工资" 5000 record-saved
sql "insert into kx_InAndOut(staffname, ProjectName, FundsNum, FundsType, EventDate, myType, UserId)
     values('张三', '奖金', 1200, '现金', '$today', 1, 1), ('李四', '利息', 35.5, '现金', '$today', 1, 1),
           ('李四', '兼职', 800, '现金', '$today', 1, 1), ('张三', '水电', 99.5, '现金', '$today', -1, 1),
           ('李四', '餐饮', 1530, '现金', '$today', -1, 1), ('张三', '交通', 210, '现金', '$today', -1, 1);" >/dev/null
[ "$(sql 'select count(*) from kx_InAndOut;')" = 7 ] || fail "records not stored"

# 统计分析 and its tabs.
click "$main" 111 277
sleep 1
shot stats-period-list
click "$main" 310 85
sleep 1
shot stats-income-pie
click "$main" 382 85
sleep 1
shot stats-expense-pie
click "$main" 238 85

# Back up.
click "$main" 659 33
shot backup-page
click "$main" 278 130
ok_box backup-done
backup=$(ls "$work/Data/backup/"*.db 2>/dev/null | head -1)
[ -n "$backup" ] || fail "no backup file"
[[ "$(basename "$backup")" =~ ^[0-9]{14}\.db$ ]] || fail "backup name $(basename "$backup")"
[ "$(sqlcipher "$backup" "PRAGMA key='plovk'; select count(*) from kx_InAndOut;" | tail -1)" = 7 ] \
    || fail "backup content"

# A record after the backup, then the restore.
add_income "奖金" 88 record-after-backup-saved
[ "$(sql 'select count(*) from kx_InAndOut;')" = 8 ] || fail "new record not stored"
choose_restore_file "$backup" restore
ok_box restore-done
[ "$(sql 'select count(*) from kx_InAndOut;')" = 7 ] || fail "restore kept the new record"
[ "$(sql "select count(*) from kx_InAndOut where FundsNum=88;")" = 0 ] || fail "record 88 still there"
ls "$work/Data" | grep -q restore && fail "restore left files behind"

# The program goes on with the restored ledger: the income list no longer holds the record.
click "$main" 111 117
sleep 1
shot income-after-restore
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
echo "e2e stats: ok"
