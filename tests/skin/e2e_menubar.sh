#!/usr/bin/env bash
# End-to-end run of a skinned menu bar under openbox, on a test window with a bar (File, Edit,
# View) beside a second, non-modal window with a bar of its own (Tools), driven with xdotool:
# a lone Alt and F10 open the first button's drop-down, Alt+E on the second window opens the
# first window's Edit, a button's highlight goes when a drop-down closes with the pointer off
# the window and when the frame is repainted whole, and Alt held over a click or a drag that the
# window manager takes (openbox: Alt+click raises, Alt+drag moves) opens nothing, also with every
# processor busy. A screenshot of an open drop-down goes into the screenshot folder.
#
#   e2e_menubar.sh <skin_menubar_window binary> <screenshot folder>
set -euo pipefail

source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"
program=$1 shots=$2
mkdir -p "$shots"

# The frame a hot or open button gets (the test skin's highlight colour).
highlight="255,255,254"

# Waits until the drop-down titled $1 opens, then closes it with Esc.
opens() {
  local menu
  menu=$(wait_window "$1" 5) || return 1
  xdotool key Escape
  wait_gone "$menu" 5
}
buttons_listed() { [ "$(wc -l <"$work/buttons")" -ge 3 ]; }
lines() { wc -l <"$work/buttons"; }
# Alt+E opens Edit, and Edit is the only drop-down opened since line $1 of the program's output:
# one that an Alt release before opened would be listed first.
only_edit_opens() {
  xdotool key alt+e
  opens "Edit menu" || return 1
  [ "$(tail -n +$(($1 + 1)) "$work/buttons" | grep '^opened ' | tr '\n' ' ')" = "opened Edit " ]
}
# The pointer a little further, then whether the window has left $before.
drag_moves() {
  xdotool mousemove_relative 4 3
  [ "$(geometry "$main")" != "$before" ]
}

start_openbox || fail "openbox did not start"
"$program" >"$work/buttons" &
pid=$!
main=$(wait_window "Bar window" 15) || fail "no window with a menu bar"
second=$(wait_window "Second window" 15) || fail "no second window"
poll 5 buttons_listed || fail "the bar's buttons were not listed"
read -r _ ex ey ew eh < <(grep '^Edit ' "$work/buttons")
sleep 0.5

focus "$main"
xdotool key alt
opens "File menu" || fail "a lone Alt opened no drop-down of the first button"
echo "ok: a lone Alt opens the first button"
focus "$main"
xdotool key F10
opens "File menu" || fail "F10 opened no drop-down of the first button"
echo "ok: F10 opens the first button"

focus "$second"
xdotool key alt+e
opens "Edit menu" || fail "Alt+E on the second window did not open the first window's Edit"
echo "ok: Alt+E on a second window opens the main window's Edit"

# The highlight of Edit: its frame's top-left pixel on the screen.
focus "$main"
read -r x y w h < <(geometry "$main")
hx=$((x + ex)) hy=$((y + ey))
xdotool mousemove $((hx + ew / 2)) $((hy + eh / 2))
wait_pixel "$hx" "$hy" "$highlight" || fail "Edit is not highlighted under the pointer"
xdotool click 1
menu=$(wait_window "Edit menu" 5) || fail "a click on Edit opened no drop-down"
sleep 0.3
import -window root -crop "$((w + 24))x$((h + 24))+$((x - 12))+$((y - 12))" "$shots/menubar_dropdown.png"
xdotool mousemove $((x + w + 100)) $((y + h + 100))
xdotool key Escape
wait_gone "$menu" 5 || fail "Esc did not close the drop-down"
wait_pixel "$hx" "$hy" "$highlight" not ||
  fail "Edit stays highlighted after its drop-down closed with the pointer off the window"
echo "ok: a drop-down closed with the pointer off the window leaves no highlight"

xdotool mousemove $((hx + ew / 2)) $((hy + eh / 2))
wait_pixel "$hx" "$hy" "$highlight" || fail "Edit is not highlighted under the pointer again"
xdotool windowactivate "$second"
wait_pixel "$hx" "$hy" "$highlight" not || fail "Edit stays highlighted after a whole repaint"
echo "ok: a whole frame repaint leaves no highlight"

focus "$main"
read -r x y w h < <(geometry "$main")
xdotool mousemove $((x + w / 2)) $((y + h / 2))
mark=$(lines)
xdotool keydown alt click 1 keyup alt
only_edit_opens "$mark" || fail "Alt with a click the window manager took opened a drop-down"
echo "ok: Alt+click opens no drop-down"

focus "$main"
before=$(geometry "$main")
mark=$(lines)
xdotool keydown alt mousedown 1
poll 5 drag_moves || fail "Alt+drag did not move the window"
xdotool mouseup 1 keyup alt
only_edit_opens "$mark" || fail "Alt with a drag that moved the window opened a drop-down"
echo "ok: Alt+drag opens no drop-down"

# Alt+clicks on a busy machine: the program reads the Alt press, the crossings of openbox's grab
# and the Alt release in one go. A busy loop runs on every processor, the program shares them at
# the same low priority, and Alt goes down together with the click.
busy=()
stop_busy() { kill "${busy[@]}" 2>/dev/null || true; busy=(); }
trap 'stop_busy; e2e_cleanup' EXIT
focus "$main"
read -r x y w h < <(geometry "$main")
xdotool mousemove $((x + w / 2)) $((y + h / 2))
mark=$(lines)
renice -n 19 -p $(ls "/proc/$pid/task") >/dev/null
for ((i = 0; i < $(nproc); i++)); do
  nice -n 19 yes >/dev/null &
  busy+=($!)
done
for ((i = 0; i < 24; i++)); do xdotool keydown --delay 0 alt click 1 keyup alt; done
stop_busy
only_edit_opens "$mark" ||
  fail "Alt with a click the window manager took opened a drop-down on a busy machine"
echo "ok: Alt+click opens no drop-down on a busy machine"
focus "$main"
xdotool key alt
opens "File menu" || fail "a lone Alt after them opened no drop-down of the first button"
echo "ok: a lone Alt still opens the first button"
echo "e2e menubar: passed"
