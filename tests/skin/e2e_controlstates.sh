#!/usr/bin/env bash
# End-to-end run of the skinned controls' states in the real program on a virtual display under
# openbox, driven with xdotool's pointer and keyboard: on the income form, digits typed after a
# click into the date's day replace the day (the saved record's date is checked); on a new form
# two combo boxes' drop-down lists are used with the mouse and the focus moves to a third combo:
# only that one shows the focus border, also once the pointer has left the window; on the
# statistics page Shift+Tab from the first date picker puts the focus cue on the current tab,
# and it goes with the focus. Screenshots go into the screenshot folder.
#
#   e2e_controlstates.sh <kexbora binary> <Data/init.db> <other/1.html> <screenshot folder>
set -euo pipefail
source "$(dirname "$0")/../support/xwindows.sh"
e2e_setup "$@"

program=$1 template=$2 page=$3 shots=$4
mkdir -p "$shots"
fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/controlstates_failure.png" 2>/dev/null || true
  exit 1
}
sql() { sqlcipher "$work/Data/Kexbora.db" "PRAGMA key='plovk'; $1" | grep -v '^ok$' || true; }

# Client points: the skinned frame puts the client 4 px right of the window and 28 px down.
frame_x=4 frame_y=28
normal="#A0ACBE" focused="#5A8EC8" # a combo's border: normal, focused or hot
selected="#308CC6"                  # selected text

pixel() { # client point of the main window -> "#RRGGBB"
  import -window root -crop "1x1+$((mx + frame_x + $1))+$((my + frame_y + $2))" -depth 8 txt:- |
    tail -n1 | grep -o '#[0-9A-F]\{6\}'
}
# Whether the client area x y w h shows the colour $5 somewhere.
shows() {
  local n
  n=$(import -window root -crop "$3x$4+$((mx + frame_x + $1))+$((my + frame_y + $2))" miff:- |
    convert - -fill black +opaque "$5" -fill white -opaque "$5" -format '%[fx:int(mean*w*h+0.5)]' info:)
  [ "$n" -gt 0 ]
}
click() { xdotool mousemove $((mx + frame_x + $1)) $((my + frame_y + $2)) click 1; }
key() { xdotool key --delay 120 "$@"; }
popups() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
popups_are() { [ "$(popups)" -eq "$1" ]; }
# Waits until the program shows $1 visible windows.
wait_popups() { poll 5 popups_are "$1"; }
# Waits until each "x y colour" triple of the arguments holds; prints the pixels on failure.
wait_pixels() {
  local i all p x y want
  for ((i = 0; i < 50; i++)); do
    all=1
    for p in "$@"; do
      read -r x y want <<<"$p"
      [ "$(pixel "$x" "$y")" = "$want" ] || all=0
    done
    [ $all -eq 1 ] && return 0
    sleep 0.1
  done
  for p in "$@"; do
    read -r x y want <<<"$p"
    echo "  ($x,$y) is $(pixel "$x" "$y"), wanted $want" >&2
  done
  return 1
}
shoot_main() { import -window root -crop "${mw}x${mh}+${mx}+${my}" +repage "$shots/$1.png"; }
# Number of pixels that differ in the client area x y w h between two shots.
changed() {
  compare -metric AE -extract "$5x$6+$(($3 + frame_x))+$(($4 + frame_y))" \
    "$shots/$1.png" "$shots/$2.png" null: 2>&1 | cut -d' ' -f1 || true
}
# Runs the command in $1 until it succeeds (5 s at most).
wait_for() { poll 5 eval "$1"; }

start_openbox || fail "openbox did not start"

start_program_with_user "$work"
login=$(wait_window "用户登录" 15) || fail "no login window"
focus "$login"
main=$(log_in) || fail "no main window after login"
focus "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X my=$Y mw=$WIDTH mh=$HEIGHT
windows=$(popups)

# The income form's rows (client y): person, source, date, form of payment; the combos'
# top borders; the date's day digits.
person=118 source=148 date_row=209 payment=239
person_top=111 source_top=141 payment_top=232
field_x=500 arrow_x=777 day_x=366

# --- Digits after a click into the date -------------------------------------------------------
# The click selects the day under it and the digits replace it; the other fields are filled with
# the keyboard (Shift+Tab back to the first, then Tab from field to field), and Space saves.
click 111 117 # 收入信息
click 244 92  # 添加
wait_pixels "$field_x $person_top $focused" || fail "no entry form"
click $day_x $date_row
wait_for 'shows $((day_x - 6)) $((date_row - 6)) 14 12 $selected' ||
  fail "the click into the date selected nothing"
xdotool type --delay 100 "15"
shoot_main controlstates_date_typed
key shift+Tab shift+Tab shift+Tab
xdotool type --delay 60 "张三"; key Tab
xdotool type --delay 60 "工资"; key Tab
xdotool type --delay 60 "88"; key Tab Tab # past the date
xdotool type --delay 60 "现金"; key Tab Tab Tab space # memo, 连续添加, 保存
box=$(wait_window "提示" 10) || fail "no message after saving"
xdotool key Return
wait_gone "$box" 5 || fail "the message stays"
stored=$(sql "select EventDate from kx_InAndOut;")
[ "$stored" = "$(date +%Y-%m)-15" ] || fail "digits typed after a click into the day: stored $stored"
echo "ok: digits typed after a click into the date replace its day"

# --- Highlights after the combos' drop-down lists -----------------------------------------------
click 244 92 # 添加: a new form
wait_pixels "$field_x $person_top $focused" || fail "no new entry form"
click $arrow_x $source
wait_popups $((windows + 1)) || fail "the source list did not drop down"
click $field_x $((source + 37)) # its second entry
wait_popups "$windows" || fail "the source list did not close"
click $arrow_x $payment
wait_popups $((windows + 1)) || fail "the payment list did not drop down"
click $field_x $((payment + 36))
wait_popups "$windows" || fail "the payment list did not close"
click $field_x $person
wait_pixels "$field_x $person_top $focused" "$field_x $source_top $normal" \
  "$field_x $payment_top $normal" || fail "more than the focused combo shows a focus border"
xdotool mousemove 5 5
wait_pixels "$field_x $person_top $focused" "$field_x $source_top $normal" \
  "$field_x $payment_top $normal" || fail "borders changed when the pointer left the window"
shoot_main controlstates_combos
echo "ok: after the drop-down lists only the focused combo shows a focus border"

# --- The focus cue on the statistics tab bar ----------------------------------------------------
click 111 277 # 统计分析
wait_pixels "226 74 #FEFEFF" || fail "no statistics page" # its current tab
xdotool key Tab # the first date picker: its year selected
wait_for 'shows 240 104 30 12 $selected' || fail "no focus on the first date picker"
shoot_main controlstates_tabs_unfocused
xdotool key shift+Tab # back onto the tab bar
tabs="208 66 76 30" others="290 66 200 30" # the current tab, the tabs beside it
wait_for 'shoot_main controlstates_tabs_focused; [ "$(changed controlstates_tabs_unfocused controlstates_tabs_focused $tabs)" -gt 200 ]' ||
  fail "no focus cue on the current tab"
[ "$(changed controlstates_tabs_unfocused controlstates_tabs_focused $others)" -eq 0 ] ||
  fail "the other tabs changed with the focus"
xdotool key Tab
wait_for 'shoot_main controlstates_tabs_left; [ "$(changed controlstates_tabs_unfocused controlstates_tabs_left $tabs)" -eq 0 ]' ||
  fail "the focus cue stays after the focus left the tab bar"
echo "ok: the focused statistics tab bar shows a focus cue"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
echo "e2e control states: passed"
