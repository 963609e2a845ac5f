#!/usr/bin/env bash
# Start-up timing of the real program on a virtual display.
# Measures (median of N runs): process start -> login window painted, and
# login accepted -> main window painted, with the windows skinned and without skinning
# (KEXBORA_UNSKINNED=1), the two runs of each round one after the other. The program prints
# the marks itself when KEXBORA_TIMING=1; the script types the login with xdotool.
#
#   bench/startup_time.sh [build dir] [runs]
set -euo pipefail

source "$(dirname "$0")/programrun.sh"
on_virtual_display "$@"

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-5}
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb KEXBORA_TIMING=1

install_program "$build" "$work"

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

# One start of the program: prints "<start -> login ms> <login -> main ms>".
measure() {
  local log=$1 start shown accepted main
  start=$(date +%s%3N)
  "$work/bin/kexbora" 2>"$log" &
  pid=$!
  shown=$(mark login-shown "$log")
  log_in
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
