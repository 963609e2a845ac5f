#!/usr/bin/env bash
# End-to-end runs of skinned dialogs, driven with xdotool. Under openbox, at a device pixel ratio
# of 1 and again of 2 (QT_SCALE_FACTOR=2; xdotool works in the display's pixels): a box without a
# parent whose text grows just after it maps stays centred on the screen; a box its caller moved
# opens at that place each of three times it is shown; a box over its window opens centred over
# it each time; a box moved by an X move request, by openbox's keyboard move and by the skin's
# caption drag keeps its centre where it was moved to as its text grows. Each box must also be
# drawn where it is, and Qt must have it there too (the program prints where as each box closes).
# Without a window manager: a modal dialog closed with Esc and with its close button gives the
# keyboard back to the window it was over, whose frame is drawn active again. Screenshots go into
# the screenshot folder.
#
#   e2e_dialogs.sh <skin_dialog_window binary> <screenshot folder>
set -euo pipefail

source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"
program=$1 shots=$2/dialogs
mkdir -p "$shots"
rm -f "$shots"/*.png

# Whether window $1 has its centre ($2 = centre) or its top-left corner ($2 = corner) within
# 3 px of ($3,$4), and the screen shows its frame there (its left border is not the root's
# colour).
placed() {
  local x y w h dx dy
  read -r x y w h < <(geometry "$1")
  if [ "$2" = centre ]; then
    centred_at "$1" "$3" "$4" || return 1
  else
    dx=$((x - $3)) dy=$((y - $4))
    [ "${dx#-}" -le 3 ] && [ "${dy#-}" -le 3 ] || return 1
  fi
  pixel_is $((x + 1)) $((y + h / 2)) "$root" not
}
printed() { [ "$(wc -l <"$work/places")" -ge "$boxes" ]; }
# Whether Qt's place $1 (in its own pixels) is the display's $2 at the ratio $scale, as Qt rounds.
same_place() { local d=$(($1 * scale - $2)); [ $((2 * ${d#-})) -le "$scale" ]; }
# Waits for the box titled $1, checks it is placed ($2 $3 $4 as for placed) and stays so over a
# screenshot, then answers it with Enter; where the program had it must be where it was.
answer_box() {
  local box x y qx qy
  box=$(wait_window "$1" 15) || fail "no box $1"
  boxes=$((boxes + 1))
  poll 5 placed "$box" "$2" "$3" "$4" || true
  import -window root "$shots/x$scale-$(printf %02d "$boxes")-${1// /-}.png"
  placed "$box" "$2" "$3" "$4" ||
    fail "x$scale: box $boxes ($1) at $(geometry "$box"), not its $2 at $3,$4"
  read -r x y _ < <(geometry "$box")
  focus "$box"
  xdotool key Return
  wait_gone "$box" 10 || fail "x$scale: box $boxes ($1) stays open"
  poll 5 printed || fail "x$scale: the program did not print where box $boxes was"
  read -r qx qy < <(sed -n "${boxes}p" "$work/places")
  same_place "$qx" "$x" && same_place "$qy" "$y" ||
    fail "x$scale: Qt had box $boxes ($1) at $qx $qy, the display at $x $y"
  echo "ok: x$scale: box $boxes ($1) with its $2 at $3,$4, where Qt has it"
}
at() { local x y; read -r x y _ < <(geometry "$1"); [ "$x" -eq "$2" ] && [ "$y" -eq "$3" ]; }
not_at() { ! at "$@"; }
taller() { local h; read -r _ _ _ h < <(geometry "$1"); [ "$h" -gt "$2" ]; }
# Grows the box $movable and checks that its centre stays where it was; $1 names the move before,
# $2 the screenshot.
grows_in_place() {
  local cx cy h
  read -r cx cy < <(centre_of "$movable")
  read -r _ _ _ h < <(geometry "$movable")
  focus "$movable"
  xdotool key F2
  poll 5 taller "$movable" "$h" || fail "x$scale: the box did not grow after $1"
  poll 5 placed "$movable" centre "$cx" "$cy" ||
    fail "x$scale: after $1 the box grew at $(geometry "$movable"), not with its centre at $cx,$cy"
  import -window root "$shots/x$scale-movable-after-$2.png"
  echo "ok: x$scale: moved by $1, the box grew with its centre where it was"
}

# The boxes of the program at the device pixel ratio $1.
boxes_under_openbox() {
  local owner ox oy x y w
  scale=$1 boxes=0
  start_openbox || fail "openbox did not start"
  root=$(screen_pixel 0 0)
  QT_SCALE_FACTOR=$scale "$program" >"$work/places" &
  pid=$!
  owner=$(wait_window "Box owner" 15) || fail "x$scale: no owner window"
  read -r ox oy < <(centre_of "$owner")
  answer_box "Grown box" centre 640 512
  for _ in 1 2 3; do answer_box "Moved box" corner $((300 * scale)) $((200 * scale)); done
  for _ in 1 2 3; do answer_box "Owned box" centre "$ox" "$oy"; done

  # "Movable box", moved, then grown by a line (F2) after each move.
  movable=$(wait_window "Movable box" 15) || fail "x$scale: no box Movable box"
  xdotool windowmove "$movable" 100 150
  poll 5 at "$movable" 100 150 ||
    fail "x$scale: an X move request left the box at $(geometry "$movable")"
  grows_in_place "an X move request" move-request
  read -r x y _ < <(geometry "$movable")
  focus "$movable"
  xdotool key alt+space
  sleep 0.5 # openbox's window menu: Move, then ten steps right and five down
  xdotool key m
  xdotool key --delay 50 Right Right Right Right Right Right Right Right Right Right Down Down \
    Down Down Down Return
  poll 5 not_at "$movable" "$x" "$y" ||
    fail "x$scale: openbox's keyboard move left the box at $x,$y"
  grows_in_place "openbox's keyboard move" keyboard-move
  read -r x y w _ < <(geometry "$movable")
  xdotool mousemove $((x + w / 2)) $((y + 10)) mousedown 1
  sleep 0.2
  xdotool mousemove $((x + w / 2 + 60)) $((y + 60))
  sleep 0.1
  xdotool mousemove $((x + w / 2 + 120)) $((y + 110)) mouseup 1
  poll 5 at "$movable" $((x + 120)) $((y + 100)) ||
    fail "x$scale: a caption drag by (120, 100) moved the box from $x,$y to $(geometry "$movable")"
  grows_in_place "the caption drag" caption-drag
  read -r x y < <(centre_of "$movable")
  answer_box "Movable box" centre "$x" "$y"
  wait_ended 10 || fail "x$scale: the program did not end after its last box"
  echo "ok: x$scale: $boxes boxes where they belong"
  kill "$wm"
  wait "$wm" 2>/dev/null || true
  wm=""
}
boxes_under_openbox 1
boxes_under_openbox 2

# --- Without a window manager ----------------------------------------------------------------
"$program" modal >"$work/colour" &
pid=$!
owner=$(wait_window "Dialog owner" 15) || fail "no window Dialog owner"
active=$(head -n1 "$work/colour") # the left border of the active frame
read -r x y w h < <(geometry "$owner")
xdotool mousemove --window "$owner" $((w / 2)) $((h / 2)) click 1
wait_pixel $((x + 1)) $((y + h / 2)) "$active" || fail "the owner is not drawn active when clicked"
# Opens the modal dialog from the keyboard with the pointer off every window, closes it ($1:
# Esc, or a click on its close button) and waits for the owner's active frame and keyboard.
closes_back_to_owner() {
  local dialog dw
  xdotool mousemove 1270 1010
  xdotool key F2
  dialog=$(wait_window "Modal dialog" 5) || fail "F2 did not reach the owner before closing by $1"
  wait_pixel $((x + 1)) $((y + h / 2)) "$active" not ||
    fail "the owner's frame stays active under its modal dialog"
  focus "$dialog"
  if [ "$1" = Esc ]; then
    xdotool key Escape
  else # the test skin's close button: 30 px wide, 36 px from the right edge, 4 px down
    read -r _ _ dw _ < <(geometry "$dialog")
    xdotool mousemove --window "$dialog" $((dw - 21)) 14 click 1
  fi
  wait_gone "$dialog" 5 || fail "the modal dialog stays open after $1"
  wait_pixel $((x + 1)) $((y + h / 2)) "$active" ||
    fail "the owner's frame is not drawn active after the modal dialog closed by $1"
  import -window root "$shots/modal-closed-by-$1.png"
  [ "$(xdotool getwindowfocus)" = "$owner" ] ||
    fail "the owner does not have the keyboard after the modal dialog closed by $1"
  echo "ok: no window manager: a modal dialog closed by $1 leaves its owner active"
}
closes_back_to_owner Esc
closes_back_to_owner close-button
echo "e2e dialogs: boxes where they belong at ratios 1 and 2; a modal dialog's owner active again"
