#!/usr/bin/env bash
# End-to-end run of two instances of the program on one Data/ under Xvfb and openbox, driven
# with xdotool: the second instance restores a large file through the real dialogs, and the first
# a small one while that restore is under way. The first waits for the second (its process is
# seen waiting for the restore lock), both say so once their own file is the ledger, and the
# ledger ends as the small file, restored last; nothing is left beside it. Screenshots of both
# instances with their messages go to $E2E_SHOTS.
# Usage: e2e_restore_instances.sh <kexbora> <init.db> <1.html>
set -euo pipefail
export E2E_OPENBOX=1
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh" # instance 1 ($app_pid, $main), signed up and logged in

db="$work/Data/Kexbora.db"
sql() { sqlcipher "$1" "PRAGMA key='plovk'; $2" | tail -1; }
mark() { sql "$1" "select keyvalue from kx_hash where keyname='mark';"; }
# The first visible window of process $1 titled by the pattern $2, waiting up to 20 s.
window_of() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.2
    done
    return 1
}
# Whether process $1 waits for a lock taken with flock (Linux lists waiters in /proc/locks).
waits_for_lock() { awk -v p="$1" '$2 == "->" && $3 == "FLOCK" && $6 == p { f = 1 } END { exit !f }' /proc/locks; }
# Whether a restore has its copy of the chosen file beside the ledger.
staging_under_way() { compgen -G "$db.restore-new*" >/dev/null; }
# Clicks as click does, once the pointer has rested on the point (a window just raised takes
# the press only then).
rest_click() {
    xdotool mousemove --window "$1" $(($2 + frame_x)) $(($3 + frame_y))
    sleep 0.3
    xdotool click 1
    sleep 0.4
}
# Opens 数据备份/还原 → 数据还原 in the main window $1 of process $2, answers its question and
# types the file $3 into its file dialog without confirming it; prints the dialog.
prepare_restore() {
    local dialog
    xdotool windowactivate --sync "$1"
    rest_click "$1" 659 33
    rest_click "$1" 278 214
    window_of "$2" '^提示$' >/dev/null || fail "no restore question"
    xdotool key Return
    dialog=$(window_of "$2" '^数据还原$') || fail "no file dialog"
    sleep 1 # the dialog takes typed text once its file list has been read
    type_text "$3"
    echo "$dialog"
}
confirm() { xdotool windowactivate --sync "$1"; xdotool key Return; }
# Raises the message box $1 for screenshot $2 and closes it.
answer_box() {
    xdotool windowactivate --sync "$1"
    sleep 0.3
    shot "$2"
    xdotool key Return
    poll 10 box_gone "$1" || fail "message box stays ($2)"
}
box_gone() { ! xdotool search --onlyvisible --name '^提示$' | grep -qx "$1"; }

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

# The second instance on the same Data/, logged in; its main window offset from the first.
"$work/bin/kexbora" >"$work/app2.log" 2>&1 &
second_pid=$!
trap 'kill "$second_pid" 2>/dev/null || true; cleanup' EXIT
login=$(window_of "$second_pid" '^用户登录$') || fail "no second login window"
click "$login" 165 41
type_text admin; xdotool key Tab; type_text 123456; xdotool key Return
second=$(window_of "$second_pid" '^Quorvane$') || fail "no second main window"
xdotool windowmove --sync "$main" 0 0
xdotool windowmove --sync "$second" 380 330
sleep 1

first_dialog=$(prepare_restore "$main" "$app_pid" "$small")
second_dialog=$(prepare_restore "$second" "$second_pid" "$large")
confirm "$second_dialog"
poll 20 staging_under_way || fail "the large file's restore did not start"
confirm "$first_dialog"
poll 20 waits_for_lock "$app_pid" || fail "the small file's restore did not wait"
shot instances-small-waits-for-large

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
