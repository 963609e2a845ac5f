#!/usr/bin/env bash
# End-to-end run of the skinned menus of the real program on a virtual display under openbox,
# driven with xdotool as a person would: the context menu of the login window's name field
# (skinned border, closed by Esc), then on the main window the system menu by a right click on
# the caption ("最大化(&X)" maximizes), by Alt+Space ("还原(&R)" restores), and "移动(&M)"
# moving the window with the arrow keys. Screenshots of the menus go into the screenshot folder.
#
# Under openbox, Alt+Space opens the window manager's own menu; the run leaves that binding out.
#
#   e2e_menus.sh <kexbora binary> <Data/init.db> <other/1.html> <screenshot folder>
set -euo pipefail

source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"
program=$1 template=$2 page=$3 shots=$4
mkdir -p "$shots"

# The skinned frame: 4 px side borders, a 28 px caption. The menu border's outer ring is the
# skin's button shadow colour.
frame_x=4 frame_y=28 ring="150,160,175"

# Saves the screen rectangle x y w h as $5.
shoot_area() { import -window root -crop "$3x$4+$1+$2" "$5"; }
wait_maximized() {
  local i
  for ((i = 0; i < 50; i++)); do
    xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q "$2" && return 0
    sleep 0.1
  done
  return 1
}

# Openbox's own window menu is bound to Alt+Space; that binding is left out here.
sed '/<keybind key="A-space">/,/<\/keybind>/d' /etc/xdg/openbox/rc.xml >"$work/rc.xml"
start_openbox "$work/rc.xml" || fail "openbox did not start"

start_program_with_user "$work"

# --- The context menu of a text field ---------------------------------------------------------
login=$(wait_window "用户登录" 15) || fail "no login window"
sleep 0.5
focus "$login"
read -r x y w h < <(geometry "$login")
fx=$((x + 170 + frame_x)) fy=$((y + 42 + frame_y))
xdotool mousemove "$fx" "$fy" click 3
wait_pixel "$fx" "$fy" "$ring" || fail "no skinned context menu on the name field: $(screen_pixel "$fx" "$fy")"
sleep 0.3
shoot_area $((fx - 12)) $((fy - 12)) 320 240 "$shots/menus_context.png"
xdotool key Escape
wait_pixel "$fx" "$fy" "$ring" not || fail "Esc did not close the context menu"
echo "ok: the name field's context menu is skinned and Esc closes it"

# --- The system menu of the main window -------------------------------------------------------
main=$(log_in) || fail "no main window after login"
focus "$main"
read -r x y w h < <(geometry "$main")
cx=$((x + 300)) cy=$((y + 14))
xdotool mousemove "$cx" "$cy" click 3
wait_pixel "$cx" "$cy" "$ring" || fail "no skinned system menu on a right click: $(screen_pixel "$cx" "$cy")"
sleep 0.3
shoot_area $((cx - 12)) $((cy - 12)) 240 240 "$shots/menus_system.png"
xdotool key x
wait_maximized "$main" _NET_WM_STATE_MAXIMIZED_VERT || fail "最大化 did not maximize the main window"
read -r mx my mw mh < <(geometry "$main")
[ "$mw" -eq 1280 ] || fail "maximized main window is $mw wide"
echo "ok: right click on the caption opens the system menu; 最大化 maximizes"

focus "$main"
xdotool key alt+space
wait_pixel "$((mx + frame_x))" "$((my + frame_y))" "$ring" || fail "Alt+Space opened no skinned system menu"
sleep 0.3
shoot_area "$mx" "$((my + frame_y - 4))" 240 240 "$shots/menus_system_maximized.png"
xdotool key r
for ((i = 0; i < 50; i++)); do
  xprop -id "$main" _NET_WM_STATE 2>/dev/null | grep -q MAXIMIZED || break
  sleep 0.1
done
xprop -id "$main" _NET_WM_STATE 2>/dev/null | grep -q MAXIMIZED && fail "还原 did not restore the main window"
read -r x y w2 h2 < <(geometry "$main")
[ "$w2" -eq "$w" ] && [ "$h2" -eq "$h" ] || fail "restored to ${w2}x${h2}, was ${w}x${h}"
echo "ok: Alt+Space opens the system menu; 还原 restores"

# 移动 by keyboard: two steps right and one down, kept with Enter.
focus "$main"
read -r x y w h < <(geometry "$main")
xdotool mousemove $((x + 300)) $((y + 14)) click 3
wait_pixel $((x + 300)) $((y + 14)) "$ring" || fail "no system menu for moving"
xdotool key m
sleep 0.3
xdotool key Right Right Down Return
for ((i = 0; i < 50; i++)); do
  read -r x2 y2 w2 h2 < <(geometry "$main")
  [ "$x2" -eq $((x + 16)) ] && [ "$y2" -eq $((y + 8)) ] && break
  sleep 0.1
done
[ "$x2" -eq $((x + 16)) ] && [ "$y2" -eq $((y + 8)) ] || fail "移动 by keyboard: at $x2,$y2, was $x,$y"
echo "ok: 移动 moves the window by keyboard"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
echo "e2e menus: passed"
