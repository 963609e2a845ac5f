# Shared start of the end-to-end runs (sourced): lays out the program like an installed one,
# starts it on the virtual display, signs up admin / 123456 and logs in; $main is then the main
# window and $work the program's folder. Screenshots go to $E2E_SHOTS when it is set.
# Arguments of the sourcing script: <kexbora> <init.db> <1.html>

# A sourcing script that is not on the virtual display yet runs again on one.
if [ -z "${E2E_INNER:-}" ]; then
    export E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

# Under openbox when the sourcing script sets E2E_OPENBOX=1 (started by the shared helpers,
# whose other functions the ones below replace).
wm=
if [ -n "${E2E_OPENBOX:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/../support/xwindows.sh"
    start_openbox || { echo "FAIL: openbox does not start" >&2; exit 1; }
fi

program=$(readlink -f "${1:?program}")
template=$(readlink -f "${2:?template database}")
page=$(readlink -f "${3:?local start page}")
export QT_QPA_PLATFORM=xcb # the virtual display, whatever the caller's environment says

# The program runs on the virtual display even when the caller chose another platform.
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
app_pid=
cleanup() {
    local p
    for p in "$app_pid" "$wm"; do
        if [ -n "$p" ]; then kill "$p" 2>/dev/null || true; fi
    done
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
# Points are client coordinates: the skinned frame puts the client 4 px right of the window's
# corner and 28 px (the caption) below it.
frame_x=4 frame_y=28
click() { xdotool mousemove --window "$1" $(($2 + frame_x)) $(($3 + frame_y)) click 1; sleep 0.4; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.2; }
# Answers the box "提示" (a message or a question) with Enter; another box may follow it.
ok_box() {
    local box
    box=$(wait_window '^提示$') || fail "no message box ($1)"
    sleep 0.3
    shot "$1"
    xdotool key Return
    for _ in $(seq 1 50); do
        xdotool search --onlyvisible --name '^提示$' 2>/dev/null | grep -qx "$box" || return 0
        sleep 0.2
    done
    fail "message box stays ($1)"
}

# Chooses the file $1 through 数据备份/还原 → 数据还原, its question and its file dialog
# (screenshot $2-file-dialog); the answer is left to the caller.
choose_restore_file() {
    click "$main" 659 33
    click "$main" 278 214
    wait_window '^提示$' >/dev/null || fail "no restore question ($2)"
    xdotool key Return
    wait_window '^数据还原$' >/dev/null || fail "no file dialog ($2)"
    sleep 1 # the dialog takes typed text once its file list has been read
    shot "$2-file-dialog"
    type_text "$1"
    xdotool key Return
}

# Adds an income record through the income page: source, amount, screenshot name.
add_income() {
    click "$main" 111 117
    click "$main" 244 92
    click "$main" 500 118; type_text "张三"
    click "$main" 500 148; type_text "$1"
    click "$main" 500 178; type_text "$2"
    click "$main" 500 239; type_text "现金"
    click "$main" 360 429
    ok_box "$3"
}

mkdir -p "$work/bin" "$work/Data" "$work/other"
cp "$program" "$work/bin/kexbora"
cp "$(dirname "$program")/kexbora-webpane.so" "$work/bin/" # the browser panes
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
