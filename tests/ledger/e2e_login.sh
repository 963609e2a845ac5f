#!/usr/bin/env bash
# End-to-end run of the real program on a virtual display under openbox, driven with xdotool as
# a person would: sign up (Enter on the focused 确定; the sign-up window centred over the login),
# log in, reach the main window, change the password (Enter on the focused 修改) and log in with
# the new one; then a database with another key and a missing database, each of which must show
# its message in a skinned box centred on the screen and end the program without a login window.
#
#   e2e_login.sh <kexbora binary> <Data/init.db> <other/1.html>
set -euo pipefail

if [ -z "${KEXBORA_E2E_INNER:-}" ]; then
  export KEXBORA_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

program=$1 template=$2 page=$3
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

fail() { echo "FAIL: $*" >&2; exit 1; }
# A screenshot into $E2E_SHOTS, when it is set.
shot() {
  if [ -n "${E2E_SHOTS:-}" ]; then
    mkdir -p "$E2E_SHOTS"
    import -window root "$E2E_SHOTS/$1.png" 2>/dev/null || true
  fi
}

# Lays out bin/, Data/ and other/ under $1 like an installed program.
layout() {
  mkdir -p "$1/bin" "$1/Data" "$1/other"
  cp "$program" "$1/bin/kexbora"
  cp "$(dirname "$program")/kexbora-webpane.so" "$1/bin/"
  cp "$page" "$1/other/1.html"
}

source "$(dirname "$0")/../support/xwindows.sh"

# Waits for the program to end (up to $1 seconds); its exit code goes to $exit_code.
# (Runs in this shell, not in a subshell: only this shell can collect the child.)
exit_code=""
wait_exit() {
  local i
  for ((i = 0; i < $1 * 10; i++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      exit_code=0
      wait "$pid" || exit_code=$?
      pid=""
      return 0
    fi
    sleep 0.1
  done
  return 1
}

sql() { sqlcipher "$1" "PRAGMA key='plovk'; $2" | grep -v '^ok$' || true; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
timeout 5 bash -c "until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do
  sleep 0.1; done" 2>/dev/null || fail "openbox did not start"

# Types the texts into a dialog's fields in turn, Tab after each: the focus ends on the button
# after the last field.
fill_fields() {
  local text
  for text in "$@"; do
    xdotool type --delay 30 "$text"
    xdotool key Tab
  done
}

# Logs in as admin with password $1 on the login window $2; the main window's id goes to $main.
log_in() {
  focus "$2"
  # The name field, inside the skinned frame (4 px left border, 28 px caption).
  xdotool mousemove --window "$2" 174 70 click 1
  xdotool type --delay 30 "admin"
  xdotool key Return
  xdotool type --delay 30 "$1"
  xdotool key Return
  main=$(wait_window "Quorvane" 30) || fail "no main window after login with $1"
  wait_gone "$2" 5 || fail "login window still shown"
}

# --- 1. First start: sign up, log in, main window -------------------------------------------
root=$work/run1
layout "$root"
cp "$template" "$root/Data/init.db"
"$root/bin/kexbora" &
pid=$!
login=$(wait_window "用户登录" 15) || fail "no login window"
[ -f "$root/Data/Kexbora.db" ] || fail "database not created from the template"
cmp -s "$root/Data/init.db" "$root/Data/Kexbora.db" || fail "database is not a copy of the template"

focus "$login"
# Focus order: name, password, 登录, 取消, 用户注册.
xdotool key Tab Tab Tab Tab space
reg=$(wait_window "用户注册" 10) || fail "no sign-up window"
read -r cx cy < <(centre_of "$login")
poll 5 skinned_at "$reg" "$cx" "$cy" || fail "sign-up window at $(geometry "$reg"), not centred at $cx,$cy"
focus "$reg"
fill_fields admin 123456 123456
shot signup-ok-focused
xdotool key Return # Enter on the focused 确定
box=$(wait_window "提示" 10) || fail "no message after Enter on 确定 of the sign-up"
focus "$box"
xdotool key Return
wait_gone "$reg" 10 || fail "sign-up window still open"
[ "$(sql "$root/Data/Kexbora.db" "select LogName || '|' || LogPwd from kx_user;")" = \
  "admin|B506197FFA00C7F5B346682FF251E1E0" ] || fail "signed-up user not stored as expected"

log_in 123456 "$login"

# 修改密码 from the top bar: the old password, the new one twice, Tab to 修改 and Enter.
focus "$main"
xdotool mousemove --window "$main" 932 58 click 1 # the top bar's last button
pwd=$(wait_window "修改密码" 10) || fail "no password window"
focus "$pwd"
fill_fields 123456 654321 654321
shot password-change-focused
xdotool key Return # Enter on the focused 修改
box=$(wait_window "提示" 10) || fail "no message after Enter on 修改 of the password change"
shot password-changed
focus "$box"
xdotool key Return
wait_gone "$pwd" 10 || fail "password window still open"
[ "$(sql "$root/Data/Kexbora.db" "select LogPwd from kx_user;")" != \
  "B506197FFA00C7F5B346682FF251E1E0" ] || fail "password not changed"
kill "$pid"
wait_exit 10 || fail "program did not stop"

"$root/bin/kexbora" &
pid=$!
login=$(wait_window "用户登录" 15) || fail "no login window at the second start"
log_in 654321 "$login"
kill "$pid"
wait_exit 10 || fail "program did not stop"
echo "ok: sign-up, login, main window, password change and login with the new password"

# Starts the program in $1, expects the message box, skinned and centred on the screen, and no
# login window, answers the box and expects exit code 1. $2 names the case in messages, $3 its
# screenshot.
expect_start_failure() {
  "$1/bin/kexbora" &
  pid=$!
  box=$(wait_window "提示" 15) || fail "no message for $2"
  poll 5 skinned_at "$box" 640 512 || fail "box for $2 at $(geometry "$box"), not skinned at the centre"
  shot "$3"
  [ -z "$(xdotool search --onlyvisible --name '^用户登录$' 2>/dev/null || true)" ] ||
    fail "login window shown for $2"
  focus "$box"
  xdotool key Return
  wait_exit 10 || fail "program still running for $2"
  [ "$exit_code" -eq 1 ] || fail "$2 ended with exit code $exit_code, not 1"
  echo "ok: $2 ends with exit code $exit_code"
}

# --- 2. A database with another key: message, then the program ends -------------------------
root=$work/run2
layout "$root"
cp "$template" "$root/Data/init.db"
sqlcipher "$root/Data/Kexbora.db" "PRAGMA key='other'; create table x(a);" >/dev/null
expect_start_failure "$root" "a database with another key" start-connection-failed

# --- 3. Database and template both missing ---------------------------------------------------
root=$work/run3
layout "$root"
expect_start_failure "$root" "a missing database" start-database-missing
[ ! -e "$root/Data/Kexbora.db" ] || fail "an empty database was created"
echo "e2e: 3 passed, 0 failed"
