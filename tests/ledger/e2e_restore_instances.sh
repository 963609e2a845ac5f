#!/usr/bin/env bash
# End-to-end run of two instances of the program on one Data/ under Xvfb and openbox, driven
# with xdotool: the second instance restores a large file through the real dialogs, and the first
# a small one while that restore is under way (the second is held still while it has the restore
# lock). The first waits for the second and says so, both say once their own file is the ledger,
# and the ledger ends as the small file, restored last; nothing is left beside it. Screenshots of
# both instances with their messages go to $E2E_SHOTS.
# Usage: e2e_restore_instances.sh <kexbora> <init.db> <1.html>
set -euo pipefail
export E2E_OPENBOX=1
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh" # instance 1 ($app_pid, $main), signed up and logged in

# shellcheck source=e2e_instances.sh
source "$(dirname "$0")/e2e_instances.sh"

mkdir -p "$work/Data/backup"
large="$work/Data/backup/20261206125500.db" small="$work/Data/backup/20261206125600.db"
cp "$db" "$large"
cp "$db" "$small"
sql "$large" "insert into kx_hash(keyname, keyvalue) values('mark', 'large');
    with recursive n(i) as (select 1 union all select i + 1 from n where i < 150000)
    insert into kx_InAndOut(ProjectName, FundsNum, EventDate, myType, Memo)
    select '工资', i, '2026-12-01', 1, hex(randomblob(120)) from n;" >/dev/null
sql "$small" "insert into kx_hash(keyname, keyvalue) values('mark', 'small');" >/dev/null
[ "$(stat -c %s "$large")" -gt 50000000 ] || fail "the large file is not large"

start_second_instance

first_dialog=$(prepare_restore "$main" "$app_pid" "$small")
second_dialog=$(prepare_restore "$second" "$second_pid" "$large")
confirm "$second_dialog"
stop_holding_restore_lock "$second_pid" || fail "the large file's restore did not take the lock"
confirm "$first_dialog"
poll 10 says_restore_waits "$main" || fail "the small file's restore does not say that it waits"
shot instances-small-waits-for-large
kill -CONT "$second_pid"

# Both answer; the boxes are closed once both are there, so that neither takes the other's key.
second_box=$(window_of "$second_pid" '^提示$') || fail "no message in the second instance"
first_box=$(window_of "$app_pid" '^提示$') || fail "no message in the first instance"
answer_box "$second_box" instances-large-restored
answer_box "$first_box" instances-small-restored
if grep -h "restore:" "$work/app.log" "$work/app2.log"; then fail "a restore failed"; fi
[ "$(mark "$db")" = small ] || fail "the ledger is not the small file, restored last"
# The second instance's connection is on the file its restore swapped in, replaced since.
open=$(find "/proc/$second_pid/fd" -lname "$db (deleted)" | head -1)
[ -n "$open" ] && cp "$open" "$work/seen.db" && [ "$(mark "$work/seen.db")" = large ] ||
    fail "the large file was never the ledger"
rm "$work/seen.db"
[ "$(LC_ALL=C ls -A "$work/Data" | tr '\n' ' ')" = "Kexbora.db backup init.db " ] ||
    fail "files left beside the ledger: $(ls -A "$work/Data")"
echo "e2e restore instances: ok"
