#!/usr/bin/env bash
# End-to-end run of the real pointer on the real program's skinned frames under openbox, driven
# with xdotool: the click that closes the system menu acts on the frame as meant (a drag begun
# by it moves the main window, a click on the close button closes it, and a double click on the
# login window's icon, whose second press closes the menu the first opened, closes that
# window); after maximizing and restoring the main window by its caption button, the maximize
# button is drawn at rest. A screenshot of the restored caption goes into the screenshot folder.
#
#   e2e_pointer.sh <kexbora binary> <Data/init.db> <other/1.html> <screenshot folder>
set -euo pipefail

source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"
program=$1 template=$2 page=$3 shots=$4
mkdir -p "$shots"

# The outer ring of a skinned menu's border.
ring="150,160,175"

# Starts the program ($pid) on a fresh ledger with the user admin / 123456.
start_program() {
  rm -rf "$work/run"
  start_program_with_user "$work/run" >/dev/null
}
# Opens the system menu of window $1 by a right click on its caption point ($2,$3).
system_menu() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click 3
  wait_pixel $((x + $2)) $((y + $3)) "$ring" || fail "no system menu on a right click on the caption"
}

start_openbox || fail "openbox did not start"
start_program
login=$(wait_window "用户登录" 15) || fail "no login window"
sleep 0.5
focus "$login"
main=$(log_in) || fail "no main window after login"
focus "$main"

# --- Maximized and restored by the caption button: the maximize button at rest ---------------
read -r x y w h < <(geometry "$main")
xdotool mousemove $((x + w / 2)) $((y + h / 2))
caption_right() { import -window root -crop "120x28+$((x + w - 120))+$y" +repage "$1"; }
caption_right "$work/rest.png"
xdotool mousemove $((x + w - 50)) $((y + 14)) click 1
for ((i = 0; i < 50; i++)); do
  read -r mx my mw mh < <(geometry "$main"); [ "$mw" -eq 1280 ] && break; sleep 0.1
done
[ "$mw" -eq 1280 ] || fail "not maximized by the button"
xdotool mousemove $((1280 - 50)) 14 click 1
for ((i = 0; i < 50; i++)); do
  read -r x2 y2 w2 h2 < <(geometry "$main"); [ "$w2" -eq "$w" ] && break; sleep 0.1
done
[ "$x2 $y2 $w2 $h2" = "$x $y $w $h" ] || fail "not restored by the button: $x2 $y2 $w2 $h2"
for ((i = 0; i < 50; i++)); do
  caption_right "$shots/pointer_restored_caption.png"
  n=$(compare -metric AE "$work/rest.png" "$shots/pointer_restored_caption.png" null: 2>&1 || true)
  [ "$n" = 0 ] && break
  sleep 0.1
done
[ "$n" = 0 ] || fail "the caption buttons are not at rest after restoring ($n pixels differ)"
echo "ok: maximized and restored by the button, the maximize button is drawn at rest"

# --- The press that closes the system menu --------------------------------------------------
system_menu "$main" 40 14
xdotool mousemove $((x + 400)) $((y + 14)) mousedown 1
for i in 1 2 3 4; do xdotool mousemove $((x + 400 + 25 * i)) $((y + 14 + 15 * i)); sleep 0.05; done
xdotool mouseup 1
for ((i = 0; i < 50; i++)); do
  read -r x2 y2 w2 h2 < <(geometry "$main"); [ "$x2 $y2" = "$((x + 100)) $((y + 60))" ] && break; sleep 0.1
done
[ "$x2 $y2" = "$((x + 100)) $((y + 60))" ] ||
  fail "a drag begun by the press closing the menu moved the window to $x2 $y2, was $x $y"
echo "ok: a drag begun by the press that closes the system menu moves the window"

system_menu "$main" 40 14
read -r x y w h < <(geometry "$main")
xdotool mousemove $((x + w - 20)) $((y + 14)) click 1
wait_ended 10 || fail "the close button clicked while the system menu was open left the program running"
echo "ok: the close button clicked while the system menu is open closes the window"

# --- A double click on the icon -------------------------------------------------------------
start_program
login=$(wait_window "用户登录" 15) || fail "no login window"
sleep 0.5
xdotool mousemove --window "$login" 12 14 click --repeat 2 --delay 80 1
wait_ended 10 || fail "a double click on the icon left the login window open"
echo "ok: a double click on the icon closes the window"
echo "e2e pointer: passed"
