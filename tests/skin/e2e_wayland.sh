#!/usr/bin/env bash
# The real program's skinned login window under the Wayland compositor weston. Run 1, weston's
# headless backend: the window opens skinned and the compositor's screenshot shows no key colour
# (a compositor does not shape windows: the key-coloured corners must be see-through). Run 2,
# weston inside a virtual X display, so that xdotool's pointer reaches it: the login window
# dragged by its caption by (100, 60) in one motion and in two moves by exactly that (the
# compositor moves it from the press on), and still shows no key colour; then its system menu,
# opened by a right click on the caption, closes on a press on the caption, which the window
# takes without asking for a pointer grab (the compositor grants one to popups only, and Qt
# warns when asked). Screenshots of both go into the screenshot folder.
#
#   e2e_wayland.sh <kexbora binary> <Data/init.db> <other/1.html> <screenshot folder>
set -euo pipefail

if [ -z "${KEXBORA_E2E_INNER:-}" ]; then
  export KEXBORA_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

program=$1 template=$2 page=$3 shots=$4
work=$(mktemp -d)
pid="" compositor=""
cleanup() {
  for p in "$pid" "$compositor"; do
    if [ -n "$p" ] && kill -0 "$p" 2>/dev/null; then kill "$p" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=wayland
socket=""

fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../support/xwindows.sh"

# Starts weston with backend $1 (on a socket of run $2) and the program; waits until the login
# window has drawn.
start() {
  socket=kexbora-e2e-$$-$2
  weston --backend="$1" --use-pixman --debug --socket="$socket" --width=1024 --height=768 \
    --idle-time=0 >"$work/weston.log" 2>&1 &
  compositor=$!
  for ((i = 0; i < 50; i++)); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
  [ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start ($1)"
  WAYLAND_DISPLAY=$socket "$root/bin/kexbora" >"$work/program.log" 2>&1 &
  pid=$!
  sleep 3
  settle
  kill -0 "$pid" 2>/dev/null || fail "the program ended under weston: $(tail -n 5 "$work/program.log")"
}
# Waits (up to 30 s) until the program has used no processor time for a second: it has drawn its
# window and finished warming up, so it takes input as it comes.
settle() {
  local i last="" now
  for ((i = 0; i < 60; i++)); do
    now=$(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null) || return 0
    [ "$now" = "$last" ] && return 0
    last=$now
    sleep 1
  done
}
stop() {
  kill "$pid" "$compositor" 2>/dev/null || true
  wait "$pid" "$compositor" 2>/dev/null || true
  pid="" compositor=""
}
# The compositor's screenshot as $1.
shoot() {
  rm -f "$work"/wayland-screenshot-*.png
  (cd "$work" && WAYLAND_DISPLAY=$socket weston-screenshooter)
  mv "$work"/wayland-screenshot-*.png "$1"
}
# "x y" of the white parts of the login window (close glyph, text fields) in screenshot $1,
# below weston's panel: they move with the window.
locate() {
  convert "$1" -crop 1024x720+0+48 +repage -fill black +opaque "#FFFFFF" -trim \
    -format '%X %Y' info: | tr -d '+' | awk '{ print $1, $2 + 48 }'
}

# --- 1. weston, headless ------------------------------------------------------------------
root=$work/run1
install_program "$root"
start headless-backend.so 1
shoot "$shots/wayland_login.png"
no_key_colour "$shots/wayland_login.png"
read -r x y < <(locate "$shots/wayland_login.png")
[ -n "$x" ] || fail "no login window in the headless compositor's screenshot"
echo "ok: headless weston: skinned login window, no key colour"
stop

# --- 2. weston in a virtual X display: moving by the caption ------------------------------
root=$work/run2
install_program "$root"
start x11-backend.so 2
park() { xdotool mousemove 1000 10; sleep 0.3; } # over weston's panel, out of the pictures
# In from outside weston's window, so that weston sees the pointer enter.
xdotool mousemove 1200 900; sleep 0.3
park
shoot "$work/before.png"
read -r x0 y0 < <(locate "$work/before.png")
for steps in 1 2; do
  # The caption between the title and the close button, 4 px below the glyph's top.
  px=$((x0 + 110)) py=$((y0 + 4))
  # Weston gives the pointer to the window on a move over it, before the press.
  xdotool mousemove $((px - 5)) "$py"; sleep 0.3
  xdotool mousemove "$px" "$py"; sleep 0.5
  xdotool mousedown 1; sleep 0.3
  for ((i = 1; i <= steps; i++)); do
    xdotool mousemove $((px + 100 * i / steps)) $((py + 60 * i / steps)); sleep 0.2
  done
  xdotool mouseup 1; sleep 0.3
  park
  shoot "$work/after.png"
  read -r x y < <(locate "$work/after.png")
  [ "$x" -eq $((x0 + 100)) ] && [ "$y" -eq $((y0 + 60)) ] ||
    fail "a caption drag by (100, 60) in $steps motion(s) moved the window to $x $y, was $x0 $y0"
  x0=$x y0=$y
done
cp "$work/after.png" "$shots/wayland_login_moved.png"
no_key_colour "$shots/wayland_login_moved.png"
echo "ok: weston: login window moved by its caption by exactly (100, 60) in one motion and in two"

# The window's part of the screen (below weston's panel and its clock) against $work/rest.png.
window_differs() {
  shoot "$work/now.png"
  [ "$(compare -metric AE "$work/rest.png" "$work/now.png" -crop 1024x720+0+48 null: 2>&1)" != 0 ]
}
window_at_rest() { ! window_differs; }
px=$((x0 + 110)) py=$((y0 + 4))
xdotool mousemove "$px" "$py"; sleep 0.3
shoot "$work/rest.png"
xdotool click 3
poll 10 window_differs || fail "a right click on the caption opened no system menu"
cp "$work/now.png" "$shots/wayland_system_menu.png"
# Left of the menu, which the program places at the pointer (weston shifts it a little).
xdotool mousemove $((px - 40)) "$py" click 1 mousemove "$px" "$py"
poll 10 window_at_rest || fail "a press on the caption did not close the system menu"
! grep -i "grabbing the mouse" "$work/program.log" ||
  fail "the window asked the compositor for a pointer grab"
echo "ok: weston: a press on the caption closes the system menu, with no pointer grab asked for"
stop
echo "e2e wayland: 2 runs passed"
