#!/usr/bin/env bash
# End-to-end run of two instances of the program on one Data/ under Xvfb and openbox, driven
# with xdotool. The first restores a backup while the second lists records of the ledger it
# replaces: the second's next page switch and its backup say that its ledger was replaced, it
# shows its home page instead of the list, and its backup writes no file. Then the first restores
# a large file and the second a small one meanwhile: the second says that it waits for the other
# instance's restore, and closing its window ends its process while the first's restore is still
# under way (the time is printed); the first's restore ends well. Screenshots go to $E2E_SHOTS.
# Usage: e2e_restore_replaced.sh <kexbora> <init.db> <1.html>
set -euo pipefail
export E2E_OPENBOX=1
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh" # instance 1 ($app_pid, $main), signed up and logged in
# shellcheck source=e2e_instances.sh
source "$(dirname "$0")/e2e_instances.sh"

replaced_log="the database file was replaced or removed since it was opened"
# Whether the log $1 tells the replaced ledger under what $2.
logged_replaced() { grep -q "^$2: .*$replaced_log" "$1"; }

mkdir -p "$work/Data/backup"
small="$work/Data/backup/20261206125600.db" large="$work/Data/backup/20261206125500.db"
cp "$db" "$small"
cp "$db" "$large"
sql "$small" "insert into kx_hash(keyname, keyvalue) values('mark', 'small');" >/dev/null
sql "$large" "insert into kx_hash(keyname, keyvalue) values('mark', 'large');
    with recursive n(i) as (select 1 union all select i + 1 from n where i < 150000)
    insert into kx_InAndOut(ProjectName, FundsNum, EventDate, myType, Memo)
    select '工资', i, '2026-12-01', 1, hex(randomblob(120)) from n;" >/dev/null
[ "$(stat -c %s "$large")" -gt 50000000 ] || fail "the large file is not large"
# Records of the ledger the first instance's restore replaces, listed by the second.
sql "$db" "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3)
    insert into kx_InAndOut(ProjectName, FundsNum, EventDate, myType, Memo)
    select '旧账', 100 * i, date('now', 'localtime'), 1, '旧文件' from n;" >/dev/null

start_second_instance
xdotool windowactivate --sync "$second"
rest_click "$second" 111 117 # 收入信息
shot replaced-second-lists-old-records

# The first instance restores the small file, which holds none of those records.
dialog=$(prepare_restore "$main" "$app_pid" "$small")
confirm "$dialog"
box=$(window_of "$app_pid" '^提示$') || fail "no message in the first instance"
answer_box "$box" replaced-first-restored
[ "$(mark "$db")" = small ] || fail "the ledger is not the small file"

# The second's page switch says that its ledger was replaced, and shows the home page.
xdotool windowactivate --sync "$second"
rest_click "$second" 111 147 # 支出信息
box=$(window_of "$second_pid" '^提示$') || fail "no message at the second's page switch"
answer_box "$box" replaced-second-page-switch
logged_replaced "$work/app2.log" "page switch" || fail "the page switch did not tell it"
sleep 0.5
shot replaced-second-home

# Its backup says the same and writes no file.
rest_click "$second" 659 33 # 数据备份/还原
rest_click "$second" 278 134 # 数据备份
box=$(window_of "$second_pid" '^提示$') || fail "no message at the second's backup"
answer_box "$box" replaced-second-backup
logged_replaced "$work/app2.log" backup || fail "the backup did not tell it"
[ "$(LC_ALL=C ls "$work/Data/backup" | tr '\n' ' ')" = "20261206125500.db 20261206125600.db " ] ||
    fail "the backup wrote a file: $(ls "$work/Data/backup")"

# The first restores the large file and is held still while it has the restore lock; the
# second's restore of the small one waits meanwhile and says so.
second_dialog=$(prepare_restore "$second" "$second_pid" "$small")
first_dialog=$(prepare_restore "$main" "$app_pid" "$large")
confirm "$first_dialog"
stop_holding_restore_lock "$app_pid" || fail "the large file's restore did not take the lock"
says_restore_waits "$second" && fail "the waiting text shows before the restore"
confirm "$second_dialog"
poll 10 says_restore_waits "$second" || fail "the second's restore does not say that it waits"
shot replaced-second-waits

# Closing the waiting instance's window ends its process at once.
second_ended() { ! kill -0 "$second_pid" 2>/dev/null; }
xdotool windowactivate --sync "$second"
start=$(date +%s%N)
xdotool key alt+F4
poll 20 second_ended || fail "the second instance goes on without its window"
echo "closing the waiting instance's window ended it in $((($(date +%s%N) - start) / 1000000)) ms"
wait "$second_pid" || fail "the second instance ended with an error"
holds_restore_lock "$app_pid" || fail "the first instance's restore let its lock go"
kill -CONT "$app_pid"

box=$(window_of "$app_pid" '^提示$') || fail "no message in the first instance"
answer_box "$box" replaced-first-restored-large
if grep -h "restore:" "$work/app.log" "$work/app2.log"; then fail "a restore failed"; fi
[ "$(mark "$db")" = large ] || fail "the ledger is not the large file"
[ "$(LC_ALL=C ls -A "$work/Data" | tr '\n' ' ')" = "Kexbora.db backup init.db " ] ||
    fail "files left beside the ledger: $(ls -A "$work/Data")"
echo "e2e restore replaced: ok"
