#!/usr/bin/env bash
# Start-up timing of the real program on a virtual display.
# Measures (median of N runs): process start -> login window painted, and
# login accepted -> main window painted, with the windows skinned and without skinning
# (KEXBORA_UNSKINNED=1), the two runs of each round one after the other. The program prints
# the marks itself when KEXBORA_TIMING=1; the script types the login with xdotool.
#
#   bench/startup_time.sh [build dir] [runs]
set -euo pipefail

if [ -z "${KEXBORA_BENCH_INNER:-}" ]; then
  export KEXBORA_BENCH_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-5}
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb KEXBORA_TIMING=1

mkdir -p "$work/bin" "$work/Data" "$work/other"
cp "$build/bin/kexbora" "$work/bin/"
cp "$build/Data/init.db" "$work/Data/Kexbora.db"
cp "$build/other/1.html" "$work/other/"
sqlcipher "$work/Data/Kexbora.db" "PRAGMA key='plovk'; insert into kx_user(LogName, LogPwd)
  values('admin', 'B506197FFA00C7F5B346682FF251E1E0');" >/dev/null

# Prints the epoch-ms value of mark $1 from log $2, waiting up to 30 s.
mark() {
  local i v
  for ((i = 0; i < 300; i++)); do
    v=$(grep -a "^kexbora-timing $1 " "$2" 2>/dev/null | awk '{print $3}' | head -n1)
    if [ -n "$v" ]; then echo "$v"; return 0; fi
    sleep 0.1
  done
  return 1
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

# One start of the program: prints "<start -> login ms> <login -> main ms>".
measure() {
  local log=$1 start shown login accepted main
  start=$(date +%s%3N)
  "$work/bin/kexbora" 2>"$log" &
  pid=$!
  shown=$(mark login-shown "$log")
  login=$(xdotool search --onlyvisible --name '^用户登录$' | head -n1)
  xdotool windowfocus --sync "$login"
  xdotool type --delay 5 admin
  xdotool key Return
  xdotool type --delay 5 123456
  xdotool key Return
  accepted=$(mark login-accepted "$log")
  main=$(mark main-shown "$log")
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
  echo "$((shown - start)) $((main - accepted))"
}

declare -A login_ms main_ms
for ((r = 1; r <= runs; r++)); do
  for mode in unskinned skinned; do
    if [ "$mode" = unskinned ]; then export KEXBORA_UNSKINNED=1; else unset KEXBORA_UNSKINNED; fi
    read -r l m < <(measure "$work/run$r-$mode.log")
    login_ms[$mode]+="$l "
    main_ms[$mode]+="$m "
    echo "run $r $mode: start -> login window $l ms; login -> main window $m ms"
  done
done
for mode in unskinned skinned; do
  echo "median $mode: start -> login window $(printf '%s\n' ${login_ms[$mode]} | median) ms;" \
       "login -> main window $(printf '%s\n' ${main_ms[$mode]} | median) ms"
done
