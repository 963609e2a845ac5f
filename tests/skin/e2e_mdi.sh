#!/usr/bin/env bash
# End-to-end run of skinned MDI under openbox, on the skin engine's test window (an MDI frame with
# the children Notes and Entry above a tab set), driven with xdotool and waiting for the states
# the window reports: the two children drawn active and inactive (and the other way round once
# Notes is clicked), a caption drag moves a child within the area by exactly the drag, the
# maximize button puts the three MDI buttons into the frame's menu bar, the bar's restore gives
# the child its skinned frame back, the bar's close closes the maximized child; a menu shortcut
# (Ctrl+N) works in the skinned frame; the frame's caption names a maximized child; a caption
# dragged far above the area stops at its top and can be grabbed again; skin off, a restore, skin
# on: the children framed, no key colour; a right-to-left bar's first menu opens right-aligned
# under its button (click and F10); an area given to the skinned window later makes it an MDI
# frame; then the same window with skinning off. Screenshots of each state go into the
# screenshot folder.
#
#   e2e_mdi.sh <skin_mdi_window binary> <screenshot folder>
set -euo pipefail

source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"
program=$1 shots=$2
mkdir -p "$shots"

# The newest line the window printed that starts with $1.
latest() { grep "^$1" "$work/out" | tail -n1 || true; }
# Waits until the newest line about child $1 matches the pattern $2.
child_is() { [[ "$(latest "child $1 ")" =~ $2 ]]; }
wait_child() { poll 5 child_is "$@" || fail "child $1 never matched '$2': $(latest "child $1 ")"; }
mdi_buttons_are() { [[ "$(latest mdibuttons)" =~ $1 ]]; }
# Waits until the newest line starting with $1 matches the pattern $2.
line_is() { [[ "$(latest "$1")" =~ $2 ]]; }
wait_line() { poll 5 line_is "$@" || fail "'$1' never matched '$2': $(latest "$1")"; }
wait_mdi_buttons() { poll 5 mdi_buttons_are "$1" || fail "MDI buttons never matched '$1': $(latest mdibuttons)"; }
# "x y w h" of field $2 (frame=, max=, min=, restore=, close=) of the newest line starting $1.
rect_of() { latest "$1" | sed -E "s/.* $2=([0-9]+),([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4/"; }
# Clicks the centre of field $2 of the newest line starting $1.
click_rect() {
  local x y w h
  read -r x y w h < <(rect_of "$1" "$2")
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}
# The colour of the caption of child $1, 3 px below its top, at the middle.
caption_colour() {
  local x y w h
  read -r x y w h < <(rect_of "child $1 " frame)
  screen_pixel $((x + w / 2)) $((y + 3))
}
# Whether child $1 shows the program skin's frame (its left border at mid-height).
child_framed() {
  local x y w h
  read -r x y w h < <(rect_of "child $1 " frame)
  [[ "$(screen_pixel $((x + 1)) $((y + h / 2)))" =~ ^($program_border)$ ]]
}
# Whether none of the children named $@ shows a pixel of the key colour (magenta) in its frame.
no_key_colour_in() {
  local c x y w h n
  for c in "$@"; do
    read -r x y w h < <(rect_of "child $c " frame)
    import -window root -crop "${w}x${h}+$x+$y" "$work/child.png"
    n=$(convert "$work/child.png" -fill black +opaque "#FF00FF" -fill white -opaque "#FF00FF" \
      -format '%[fx:int(mean*w*h+0.5)]' info:)
    [ "$n" -eq 0 ] || return 1
  done
}
# Ends the window running now and starts the program with the arguments $@: $main, its geometry.
run_window() {
  if [ -n "$pid" ]; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  fi
  "$program" "$@" >"$work/out" &
  pid=$!
  main=$(wait_window "MDI window" 15) || fail "no MDI window (arguments: $*)"
  read -r wx wy ww wh < <(geometry "$main")
}
shot() { import -window root -crop "$((ww + 40))x$((wh + 40))+$((wx - 20))+$((wy - 20))" "$shots/$1"; }

start_openbox || fail "openbox did not start"
run_window
wait_child Notes "active=0 state=normal"
wait_child Entry "active=1 state=normal"
sleep 0.5

# Two children, the active one drawn active.
poll 5 child_framed Notes || fail "Notes shows no skinned frame"
poll 5 child_framed Entry || fail "Entry shows no skinned frame"
notes_inactive=$(caption_colour Notes) entry_active=$(caption_colour Entry)
[ "$notes_inactive" != "$entry_active" ] || fail "both captions drawn alike ($entry_active)"
shot mdi_two_children.png
read -r x y w h < <(rect_of "child Notes " frame)
xdotool mousemove $((x + 30)) $((y + h - 20)) click 1
wait_child Notes "active=1"
wait_child Entry "active=0"
poll 5 eval '[ "$(caption_colour Notes)" = "$entry_active" ] && [ "$(caption_colour Entry)" = "$notes_inactive" ]' ||
  fail "the captions did not swap their looks with the activation"
echo "ok: two children drawn active and inactive"

# A caption drag moves Entry inside the area, by exactly the drag.
read -r x y w h < <(rect_of "child Entry " frame)
xdotool mousemove $((x + w / 2)) $((y + 12)) mousedown 1
for step in 10 20 30 40 50 60; do xdotool mousemove $((x + w / 2 + step)) $((y + 12 + step * 2 / 3)); done
xdotool mouseup 1
wait_child Entry "active=1 state=normal frame=$((x + 60)),$((y + 40)),$w,$h "
echo "ok: a caption drag moves a child within the area"

# Maximize Entry: no frame of its own, its buttons in the frame's menu bar.
click_rect "child Entry " max
wait_child Entry "state=max"
wait_mdi_buttons "min=.* restore=.* close="
sleep 0.3
shot mdi_maximized.png
echo "ok: a maximized child puts the three MDI buttons into the menu bar"

# The bar's restore: the child's frame comes back, the buttons go.
click_rect mdibuttons restore
wait_child Entry "state=normal"
wait_mdi_buttons "none"
poll 5 child_framed Entry || fail "Entry restored shows no skinned frame"
sleep 0.3
poll 5 no_key_colour_in Entry || fail "the restored child shows key-coloured pixels"
shot mdi_restored.png
echo "ok: restore gives the child its skinned frame back"

# Maximize again by a double-click on the caption; the bar's close closes it.
read -r x y w h < <(rect_of "child Entry " frame)
xdotool mousemove $((x + w / 2)) $((y + 12)) click --repeat 2 --delay 80 1
wait_child Entry "state=max"
wait_mdi_buttons "close="
click_rect mdibuttons close
poll 5 grep -q "^closed Entry" "$work/out" || fail "the bar's close did not close the child"
wait_child Notes "state=(max|normal)"
echo "ok: the bar's close closes the maximized child"
if child_is Notes "state=max"; then
  click_rect mdibuttons restore
  wait_child Notes "state=normal"
fi

# A shortcut of the skinned bar's menus: Ctrl+N makes a child, skinned.
xdotool key ctrl+n
wait_child "Child 1" "active=1 state=normal"
poll 5 child_framed "Child 1" || fail "the child made by Ctrl+N shows no skinned frame"
shot mdi_menu_shortcut.png
echo "ok: a menu shortcut works in the skinned frame"

# The frame's caption names its maximized child, and only while it is maximized.
wait_line skinned "caption=MDI window$"
click_rect "child Child 1 " max
wait_child "Child 1" "state=max"
wait_line skinned "caption=MDI window - \[Child 1\]$"
sleep 0.3
shot mdi_caption_named.png
click_rect mdibuttons restore
wait_child "Child 1" "state=normal"
wait_line skinned "caption=MDI window$"
echo "ok: the caption reads 'MDI window - [Child 1]' while the child is maximized"

# A caption dragged far above the area stops at the area's top and can be grabbed again.
read -r ax ay aw ah < <(rect_of area rect)
read -r x y w h < <(rect_of "child Notes " frame)
xdotool mousemove $((x + w / 2)) $((y + 12)) mousedown 1
for step in 40 80 120 160 200 240 280 320; do xdotool mousemove $((x + w / 2)) $((y + 12 - step)); done
xdotool mouseup 1
wait_child Notes "frame=$x,$ay,$w,$h "
xdotool mousemove $((x + w / 2)) $((ay + 12)) mousedown 1
for step in 10 20 30 40 50 60; do xdotool mousemove $((x + w / 2)) $((ay + 12 + step)); done
xdotool mouseup 1
wait_child Notes "frame=$x,$((ay + 60)),$w,$h "
shot mdi_drag_above.png
echo "ok: a caption dragged above the area stops at its top and is grabbed again"

# Skin off while Notes is maximized, Notes restored with Qt's own menu, skin on: the children
# framed again, no key colour at their corners.
click_rect "child Notes " max
wait_child Notes "state=max"
xdotool key F12
wait_line skinned "^skinned 0"
xdotool key alt+w
sleep 0.3
xdotool key r
wait_child Notes "state=normal"
xdotool key F12
wait_line skinned "^skinned 1"
wait_mdi_buttons "none"
poll 5 child_framed Notes || fail "Notes shows no skinned frame after the skin came back"
poll 5 no_key_colour_in Notes "Child 1" || fail "key-coloured pixels after the skin came back"
shot mdi_reskinned.png
echo "ok: skin off, a restore, skin on: the children framed, no key colour"

# Right to left: the first menu opens right-aligned under its button, by a click and by F10.
run_window --rtl
wait_line menu "first=[0-9]"
right_aligned() {
  local bx by bw bh px py pw ph
  read -r bx by bw bh < <(rect_of menu first)
  read -r px py pw ph < <(rect_of menu popup)
  [ -n "$ph" ] && [ $((px + pw)) -eq $((bx + bw)) ] && [ "$py" -ge $((by + bh - 1)) ] &&
    [ "$px" -ge "$wx" ]
}
click_rect menu first
wait_line menu "popup=[0-9]"
poll 5 right_aligned || fail "the first menu is not right-aligned under its button: $(latest menu)"
sleep 0.3
shot mdi_rtl_menu.png
xdotool key Escape
wait_line menu "popup=-"
xdotool key F10
wait_line menu "popup=[0-9]"
poll 5 right_aligned || fail "F10's menu is not right-aligned under its button: $(latest menu)"
xdotool key Escape
echo "ok: a right-to-left bar's first menu opens right-aligned under its button"

# An area given to the skinned window later makes it an MDI frame, with all an MDI frame has.
run_window --late-area
wait_line area "none"
wait_line open "button=[0-9]"
click_rect open button
wait_line area "rect=[0-9]"
wait_child Notes "active=0 state=normal"
wait_child Entry "active=1 state=normal"
poll 5 child_framed Notes || fail "Notes in the late area shows no skinned frame"
click_rect "child Entry " max
wait_child Entry "state=max"
wait_mdi_buttons "min=.* restore=.* close="
wait_line skinned "caption=MDI window - \[Entry\]$"
sleep 0.3
shot mdi_late_area.png
click_rect mdibuttons restore
wait_child Entry "state=normal"
echo "ok: an area given to the skinned window later makes it an MDI frame"

# Skinning off: Qt's own MDI window.
run_window --unskinned
wait_child Entry "active=1 state=normal"
sleep 0.5
child_framed Entry && fail "the unskinned child shows the skin's frame"
shot mdi_unskinned.png
echo "ok: skinning off, Qt's own MDI window"
