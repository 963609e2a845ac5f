# Shared pieces of the end-to-end runs with two instances of the program on one Data/ (sourced
# after e2e_session.sh, which runs the first: $app_pid, $main): the ledger's files, windows by
# process, restores through the real dialogs and their lock, and the second instance started and
# logged in.

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
# Whether process $1 holds the restore lock (an exclusive lock on Data/ itself).
holds_restore_lock() {
    awk -v p="$1" -v i=":$(stat -c %i "$work/Data")" '$2 == "FLOCK" && $4 == "WRITE" && $5 == p &&
        substr($6, length($6) - length(i) + 1) == i { f = 1 } END { exit !f }' /proc/locks
}
# Stops process $1 as soon as it holds the restore lock (looking without pause for up to 20 s),
# so that its restore stays under way until it is continued.
stop_holding_restore_lock() {
    local end=$((SECONDS + 20))
    until holds_restore_lock "$1"; do
        [ "$SECONDS" -lt "$end" ] || return 1
    done
    kill -STOP "$1"
    holds_restore_lock "$1"
}
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
# Whether the restore page of the main window $1 says that its restore waits: dark text where
# its progress bar would be.
says_restore_waits() {
    local X Y WIDTH HEIGHT SCREEN dark
    eval "$(xdotool getwindowgeometry --shell "$1")"
    dark=$(import -window root -crop "280x20+$((X + frame_x + 340))+$((Y + frame_y + 210))" png:- |
        convert - -colorspace gray -threshold 40% -negate -format '%[fx:int(mean*w*h)]' info:)
    [ "${dark:-0}" -gt 100 ]
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

# Continues either instance if it was held still, ends the second and cleans up.
end_instances() {
    kill -CONT "$app_pid" "$second_pid" 2>/dev/null || true
    kill "$second_pid" 2>/dev/null || true
    cleanup
}
# Starts the second instance on the same Data/ ($second_pid, its log app2.log) and logs it in;
# its main window ($second) is offset from the first's.
start_second_instance() {
    local login
    "$work/bin/kexbora" >"$work/app2.log" 2>&1 &
    second_pid=$!
    trap end_instances EXIT
    login=$(window_of "$second_pid" '^用户登录$') || fail "no second login window"
    click "$login" 165 41
    type_text admin; xdotool key Tab; type_text 123456; xdotool key Return
    second=$(window_of "$second_pid" '^Quorvane$') || fail "no second main window"
    xdotool windowmove --sync "$main" 0 0
    xdotool windowmove --sync "$second" 310 330
    sleep 1
}
