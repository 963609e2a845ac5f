#!/usr/bin/env bash
# End-to-end run of skinned message boxes under openbox, driven with xdotool: a box without a
# parent whose text grows just after it maps stays centred on the screen; a box its caller moved
# opens at that place each of three times it is shown; a box over its window opens centred over
# it each time. Each box must also be drawn where it is, and Qt must have it there too (the
# program prints where as each box closes); screenshots go into the screenshot folder.
#
#   e2e_dialogs.sh <skin_dialog_window binary> <screenshot folder>
set -euo pipefail

source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"
program=$1 shots=$2/dialogs
mkdir -p "$shots"
rm -f "$shots"/*.png

boxes=0
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
# Waits for the box titled $1, checks it is placed ($2 $3 $4 as for placed) and stays so over a
# screenshot, then answers it with Enter; where the program had it must be where it was.
answer_box() {
  local box x y
  box=$(wait_window "$1" 15) || fail "no box $1"
  boxes=$((boxes + 1))
  poll 5 placed "$box" "$2" "$3" "$4" || true
  import -window root "$shots/$(printf %02d "$boxes")-${1// /-}.png"
  placed "$box" "$2" "$3" "$4" || fail "box $boxes ($1) at $(geometry "$box"), not its $2 at $3,$4"
  read -r x y _ < <(geometry "$box")
  focus "$box"
  xdotool key Return
  wait_gone "$box" 10 || fail "box $boxes ($1) stays open"
  poll 5 printed || fail "the program did not print where box $boxes was"
  [ "$(sed -n "${boxes}p" "$work/places")" = "$x $y" ] ||
    fail "Qt had box $boxes ($1) at $(sed -n "${boxes}p" "$work/places"), the display at $x $y"
  echo "ok: box $boxes ($1) with its $2 at $3,$4, where Qt has it"
}

start_openbox || fail "openbox did not start"
root=$(screen_pixel 0 0)
"$program" >"$work/places" &
pid=$!
owner=$(wait_window "Box owner" 15) || fail "no owner window"
read -r ox oy < <(centre_of "$owner")
answer_box "Grown box" centre 640 512
for _ in 1 2 3; do answer_box "Moved box" corner 300 200; done
for _ in 1 2 3; do answer_box "Owned box" centre "$ox" "$oy"; done
wait_ended 10 || fail "the program did not end after its last box"
echo "e2e dialogs: $boxes boxes where they belong"
