#!/usr/bin/env bash
# End-to-end run of the real program on a virtual display, driven with xdotool as a person
# would: sign up, log in, reach the main window; then a database with another key and a
# missing database, each of which must end the program without a login window.
#
#   e2e_login.sh <kexbora binary> <Data/init.db> <other/1.html>
set -euo pipefail

if [ -z "${KEXBORA_E2E_INNER:-}" ]; then
  export KEXBORA_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

program=$1 template=$2 page=$3
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; exit 1; }

# Lays out bin/, Data/ and other/ under $1 like an installed program.
layout() {
  mkdir -p "$1/bin" "$1/Data" "$1/other"
  cp "$program" "$1/bin/kexbora"
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
focus "$reg"
xdotool type --delay 30 "admin"
xdotool key Tab
xdotool type --delay 30 "123456"
xdotool key Tab
xdotool type --delay 30 "123456"
xdotool key Tab space
box=$(wait_window "提示" 10) || fail "no message after sign-up"
focus "$box"
xdotool key Return
wait_gone "$reg" 10 || fail "sign-up window still open"
[ "$(sql "$root/Data/Kexbora.db" "select LogName || '|' || LogPwd from kx_user;")" = \
  "admin|B506197FFA00C7F5B346682FF251E1E0" ] || fail "signed-up user not stored as expected"

focus "$login"
# The name field, inside the skinned frame (4 px left border, 28 px caption).
xdotool mousemove --window "$login" 174 70 click 1
xdotool type --delay 30 "admin"
xdotool key Return
xdotool type --delay 30 "123456"
xdotool key Return
wait_window "Quorvane" 30 >/dev/null || fail "no main window after login"
wait_gone "$login" 5 || fail "login window still shown"
kill "$pid"
wait_exit 10 || fail "program did not stop"
echo "ok: sign-up, login and main window"

# Starts the program in $1, expects the message box and no login window, answers the box and
# expects exit code 1. $2 names the case in messages.
expect_start_failure() {
  "$1/bin/kexbora" &
  pid=$!
  box=$(wait_window "提示" 15) || fail "no message for $2"
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
expect_start_failure "$root" "a database with another key"

# --- 3. Database and template both missing ---------------------------------------------------
root=$work/run3
layout "$root"
expect_start_failure "$root" "a missing database"
[ ! -e "$root/Data/Kexbora.db" ] || fail "an empty database was created"
echo "e2e: 3 passed, 0 failed"
