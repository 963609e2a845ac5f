#!/usr/bin/env bash
# End-to-end run of the real program's skinned windows on a virtual display, driven with
# xdotool as a person would. Run 1, under the openbox window manager: the skinned login window
# dragged by its caption by (100, 60) in one motion and in two (the pressed point stays under
# the pointer: it moves by exactly that), sign-up by keyboard, login by mouse and keyboard, a
# skinned message box, then the main window dragged by its caption, sized by its bottom-right
# corner by exactly the pointer's way, maximized and restored by its caption button and by a
# caption double-click, minimized and brought back, and closed with Alt+F4. Run 2, without a
# window manager: the same drags and moves done by the skin itself. Screenshots of the login
# window, the message box and the main window go into the screenshot folder.
#
#   e2e_window.sh <kexbora binary> <Data/init.db> <other/1.html> <screenshot folder>
set -euo pipefail

if [ -z "${KEXBORA_E2E_INNER:-}" ]; then
  export KEXBORA_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

program=$1 template=$2 page=$3 shots=$4
work=$(mktemp -d)
pid="" wm=""
cleanup() {
  for p in "$pid" "$wm"; do
    if [ -n "$p" ] && kill -0 "$p" 2>/dev/null; then kill "$p" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=xcb
mkdir -p "$shots"

fail() { echo "FAIL: $*" >&2; exit 1; }
sql() { sqlcipher "$1" "PRAGMA key='plovk'; $2" | grep -v '^ok$' || true; }

# The skinned frame: 4 px side and bottom borders, a 28 px caption.
frame_x=4 frame_y=28 frame_w=8 frame_h=32

source "$(dirname "$0")/../support/xwindows.sh"

# Waits up to 5 s until the geometry of window $1 satisfies the test $2 (over x y w h).
wait_geometry() {
  local i x y w h
  for ((i = 0; i < 50; i++)); do
    read -r x y w h < <(geometry "$1")
    if eval "$2"; then echo "$x $y $w $h"; return 0; fi
    sleep 0.1
  done
  echo "$x $y $w $h"
  return 1
}
# Mouse actions at window-relative points.
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
# Drags from window point ($2,$3) by ($4,$5) with the left button down, in $6 motions.
drag() {
  local win=$1 x=$2 y=$3 dx=$4 dy=$5 steps=$6 i wx wy ww wh
  read -r wx wy ww wh < <(geometry "$win")
  xdotool mousemove $((wx + x)) $((wy + y)); sleep 0.2
  xdotool mousedown 1; sleep 0.2
  for ((i = 1; i <= steps; i++)); do
    xdotool mousemove $((wx + x + dx * i / steps)) $((wy + y + dy * i / steps)); sleep 0.05
  done
  sleep 0.2
  xdotool mouseup 1; sleep 0.4
}
# Checks that dragging window $1 by its caption point ($2,$3) by (100, 60) in one motion and in
# two moves it by exactly that; $4 names the run.
caption_drags_exact() {
  local win=$1 steps x0 y0 w0 h0
  for steps in 1 2; do
    read -r x0 y0 w0 h0 < <(geometry "$win")
    drag "$win" "$2" "$3" 100 60 "$steps"
    wait_geometry "$win" "[ \$x -eq $((x0 + 100)) ] && [ \$y -eq $((y0 + 60)) ] && [ \$w -eq $w0 ] && [ \$h -eq $h0 ]" >/dev/null ||
      fail "$4: a drag by (100, 60) in $steps motion(s) moved the window to $(geometry "$win"), was $x0 $y0"
  done
  echo "ok: $4: caption drags by (100, 60) in one motion and in two are exact"
}
# Saves window $1 (with a 12 px margin of the screen around it) as $2.
shoot() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  import -window root -crop "$((w + 24))x$((h + 24))+$((x - 12 < 0 ? 0 : x - 12))+$((y - 12 < 0 ? 0 : y - 12))" "$2"
}

# Checks the main window $1 moves, sizes, maximizes and restores; $2 names the run.
main_window_moves() {
  local main=$1 x0 y0 w0 h0 x y w h
  caption_drags_exact "$main" 300 14 "$2: main window"
  read -r x0 y0 w0 h0 < <(geometry "$main") # back, so that it can grow within the screen
  drag "$main" 300 14 -200 -120 4
  read -r x0 y0 w0 h0 < <(wait_geometry "$main" "[ \$x -eq $((x0 - 200)) ] && [ \$y -eq $((y0 - 120)) ]") ||
    fail "$2: main window not dragged back by (-200, -120): $x0 $y0"
  drag "$main" $((w0 - 2)) $((h0 - 2)) 40 30 1
  read -r x y w h < <(wait_geometry "$main" "[ \$w -eq $((w0 + 40)) ] && [ \$h -eq $((h0 + 30)) ]") ||
    fail "$2: main window not sized by exactly (40, 30) by its corner: $w x $h, was $w0 x $h0"
  [ "$x" -eq "$x0" ] && [ "$y" -eq "$y0" ] || fail "$2: sizing moved the window: $x $y, was $x0 $y0"
  echo "ok: $2: sized by its corner by exactly (40, 30)"
  # The maximize button sits 64 px from the right edge; the restore button takes its place.
  click_at "$main" $((w - 50)) 14
  wait_geometry "$main" '[ $w -eq 1280 ] && [ $h -eq 1024 ]' >/dev/null ||
    fail "$2: not maximized by the button: $(geometry "$main")"
  click_at "$main" $((1280 - 50)) 14
  wait_geometry "$main" "[ \$x -eq $x ] && [ \$y -eq $y ] && [ \$w -eq $w ] && [ \$h -eq $h ]" >/dev/null ||
    fail "$2: not restored by the button: $(geometry "$main"), was $x $y $w $h"
  xdotool mousemove --window "$main" 300 14 click --repeat 2 --delay 80 1; sleep 0.4
  wait_geometry "$main" '[ $w -eq 1280 ] && [ $h -eq 1024 ]' >/dev/null ||
    fail "$2: not maximized by a caption double-click: $(geometry "$main")"
  xdotool mousemove --window "$main" 300 14 click --repeat 2 --delay 80 1; sleep 0.4
  wait_geometry "$main" "[ \$x -eq $x ] && [ \$y -eq $y ] && [ \$w -eq $w ] && [ \$h -eq $h ]" >/dev/null ||
    fail "$2: not restored by a caption double-click: $(geometry "$main"), was $x $y $w $h"
  echo "ok: $2: main window moved, sized, maximized and restored by button and double-click"
}

# --- 1. Under openbox -----------------------------------------------------------------------
start_openbox || fail "openbox did not start"
root=$work/run1
install_program "$root"
"$root/bin/kexbora" &
pid=$!
login=$(wait_window "用户登录" 15) || fail "no login window"
read -r x y w h < <(geometry "$login")
[ "$w" -eq $((280 + frame_w)) ] && [ "$h" -eq $((220 + frame_h)) ] ||
  fail "login window not skinned: ${w}x${h}"
sleep 0.5
shoot "$login" "$shots/window_login.png"
no_key_colour "$shots/window_login.png"
caption_drags_exact "$login" 140 14 "openbox: login window"
read -r x y w h < <(geometry "$login")
[ "$(screen_pixel $((x + w / 2)) $((y + frame_y + 2)))" = "236,240,245" ] ||
  fail "gap between the caption and the client of the login window"

focus "$login"
xdotool key Tab Tab Tab Tab space
reg=$(wait_window "用户注册" 10) || fail "no sign-up window"
focus "$reg"
xdotool type --delay 30 "admin"; xdotool key Tab
xdotool type --delay 30 "123456"; xdotool key Tab
xdotool type --delay 30 "123456"; xdotool key Tab space
box=$(wait_window "提示" 10) || fail "no message after sign-up"
read -r bx by bw bh < <(geometry "$box")
sleep 0.5
shoot "$box" "$shots/window_messagebox.png"
no_key_colour "$shots/window_messagebox.png"
case "$(screen_pixel $((bx + bw / 2)) $((by + 3)))" in
  236,240,245|255,255,255|0,0,0) fail "message box has no skinned caption" ;;
esac
focus "$box"
xdotool key Escape
wait_gone "$reg" 10 || fail "sign-up window still open"
[ "$(sql "$root/Data/Kexbora.db" "select LogName from kx_user;")" = admin ] || fail "user not signed up"

focus "$login"
click_at "$login" $((170 + frame_x)) $((42 + frame_y))
xdotool type --delay 30 "admin"; xdotool key Tab
xdotool type --delay 30 "123456"
click_at "$login" $((140 + frame_x)) $((156 + frame_y)) # 登录
main=$(wait_window "Quorvane" 30) || fail "no main window after login"
wait_gone "$login" 5 || fail "login window still shown"
sleep 1
read -r x y w h < <(geometry "$main")
[ "$w" -eq $((970 + frame_w)) ] && [ "$h" -eq $((670 + frame_h)) ] || fail "main window not skinned: ${w}x${h}"
main_window_moves "$main" "openbox"
# Minimized by its button (28 px left of the maximize button), and back again.
read -r x y w h < <(geometry "$main")
click_at "$main" $((w - 78)) 14
for ((i = 0; i < 50; i++)); do
  xprop -id "$main" WM_STATE 2>/dev/null | grep -q Iconic && break
  sleep 0.1
done
xprop -id "$main" WM_STATE | grep -q Iconic || fail "main window not minimized by its button"
xdotool windowactivate "$main" 2>/dev/null || true
wait_geometry "$main" "[ \$w -eq $w ] && [ \$h -eq $h ]" >/dev/null || fail "main window did not come back"
xprop -id "$main" WM_STATE | grep -q Normal || fail "main window still minimized"
echo "ok: openbox: main window minimized and back"
sleep 0.5
shoot "$main" "$shots/window_main.png"
no_key_colour "$shots/window_main.png"
focus "$main"
xdotool key alt+F4
for ((i = 0; i < 100; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then fail "Alt+F4 did not close the main window"; fi
wait "$pid" || fail "program ended with an error after Alt+F4"
pid=""
echo "ok: openbox: skinned login, sign-up, message box and main window; Alt+F4 closes"
kill "$wm"; wait "$wm" 2>/dev/null || true; wm=""

# --- 2. Without a window manager: the skin moves, sizes and maximizes itself ----------------
root=$work/run2
start_program_with_user "$root"
login=$(wait_window "用户登录" 15) || fail "no login window without a window manager"
caption_drags_exact "$login" 140 14 "no window manager: login window"
focus "$login"
xdotool type --delay 30 "admin"; xdotool key Return
xdotool type --delay 30 "123456"; xdotool key Return
main=$(wait_window "Quorvane" 30) || fail "no main window without a window manager"
sleep 1
main_window_moves "$main" "no window manager"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
echo "e2e window: 2 runs passed"
