#!/usr/bin/env bash
# End-to-end run of the program's message boxes under openbox, driven with xdotool as a person
# would, with the keyboard and with the mouse: five failed logins, then on the income page the
# list editor, two saves, a 修改 without a selection and two deletions (each a question and then
# a message right after it). Each box (and the editor) must open centred over the window it
# belongs to and be drawn there; screenshots of each go into the screenshot folder.
#
#   e2e_messageboxes.sh <kexbora binary> <Data/init.db> <other/1.html> <screenshot folder>
set -euo pipefail
source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"

program=$1 template=$2 page=$3 shots=$4/messageboxes
mkdir -p "$shots"
rm -f "$shots"/*.png

fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/failure.png" 2>/dev/null || true
  exit 1
}
sql() { sqlcipher "$1" "PRAGMA key='plovk'; $2" | grep -v '^ok$' || true; }

# The skinned frame: 4 px side borders, a 28 px caption.
frame_x=4 frame_y=28

# Clicks client point ($2,$3) of window $1; types text (pacing as in the other runs: the program
# takes the focus change and the keyboard map of each typed character in turn).
click() { xdotool mousemove --window "$1" $(($2 + frame_x)) $(($3 + frame_y)) click 1; sleep 0.4; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.2; }

boxes=0
# Waits for the box titled $1 over window $2 and checks that it opens centred over that window
# (within 3 px) and is drawn there: the screen shows its left border. Saves a screenshot named
# after $3 and answers the box with $4: "key" (Enter), "click" (a click on 确定, the only button
# of a message), "click-question" (on 确定, the left-hand one of the two of a question) or
# "escape" (Esc closes a dialog window).
answer_box() {
  local title=$1 over=$2 name=$3 how=$4 box cx cy centred="" w h
  box=$(wait_window "$title" 15) || fail "no box $title ($name)"
  read -r cx cy < <(centre_of "$over")
  poll 5 skinned_at "$box" "$cx" "$cy" && centred=1
  boxes=$((boxes + 1))
  import -window root "$shots/$(printf %02d "$boxes")-$name.png"
  [ -n "$centred" ] || fail "box $boxes ($name) at $(geometry "$box"), not centred at $cx,$cy"
  echo "ok: box $boxes ($name) centred over its window"
  read -r _ _ w h < <(geometry "$box")
  case $how in
    key) focus "$box"; xdotool key Return ;;
    escape) focus "$box"; xdotool key Escape ;;
    click) xdotool mousemove --window "$box" $((w - 50)) $((h - 24)) click 1 ;;
    click-question) xdotool mousemove --window "$box" $((w / 2 - 40)) $((h - 24)) click 1 ;;
  esac
  wait_gone "$box" 10 || fail "box $boxes ($name) stays open"
}

start_openbox || fail "openbox did not start"

start_program_with_user "$work"

# --- Five failed logins, answered by keyboard and by mouse in turn ----------------------------
login=$(wait_window "用户登录" 15) || fail "no login window"
focus "$login"
for n in 1 2 3 4 5; do
  xdotool type --delay 30 "admin"
  xdotool key Return
  xdotool type --delay 30 "wrong$n"
  xdotool key Return
  how=key
  [ $((n % 2)) -eq 0 ] && how=click
  answer_box "登录失败" "$login" "login-failed-$n" "$how"
  focus "$login"
done
xdotool type --delay 30 "admin"; xdotool key Return
xdotool type --delay 30 "123456"; xdotool key Return
main=$(wait_window "Quorvane" 30) || fail "no main window after login"
wait_gone "$login" 10 || fail "login window still shown"
focus "$main"

# --- The income page: the list editor, two saves, a 修改 without a selection, two deletions ----
click "$main" 111 117
# The list editor of 收入者, from the button beside it on a new record's form.
click "$main" 244 92
click "$main" 817 122
answer_box "编辑" "$main" list-editor escape
add_income() {
  click "$main" 244 92
  click "$main" 500 118; type_text "zhang"
  click "$main" 500 148; type_text "salary"
  click "$main" 500 178; type_text "$1"
  click "$main" 500 239; type_text "现金"
  click "$main" 360 429
}
add_income 1000
answer_box "提示" "$main" saved-1 click
add_income 2000
answer_box "提示" "$main" saved-2 key
[ "$(sql "$work/Data/Kexbora.db" "select count(*) from kx_InAndOut;")" = 2 ] ||
  fail "the two incomes were not saved"
click "$main" 322 96
answer_box "提示" "$main" nothing-selected click
# The first row, then 删除: the question, and the message at once after it.
click "$main" 238 154
click "$main" 386 96
answer_box "提示" "$main" confirm-delete-1 key
answer_box "提示" "$main" deleted-1 click
click "$main" 238 154
click "$main" 386 96
answer_box "提示" "$main" confirm-delete-2 click-question
answer_box "提示" "$main" deleted-2 key
[ "$(sql "$work/Data/Kexbora.db" "select count(*) from kx_InAndOut;")" = 0 ] ||
  fail "the incomes were not deleted"
[ "$boxes" -eq 13 ] || fail "$boxes boxes, not 13"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
echo "e2e message boxes: $boxes centred"
