# Helpers for the end-to-end runs on a virtual display (sourced; $pid is the program's pid).

# Prints the id of the first visible window titled exactly $1, waiting up to $2 seconds.
wait_window() {
  local title=$1 limit=$2 id i
  for ((i = 0; i < limit * 10; i++)); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits until the window $1 is gone (up to $2 seconds).
wait_gone() {
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.2; }

# Logs in as admin / 123456 from the focused login window; prints the main window once shown.
log_in() {
  xdotool type --delay 30 "admin"; xdotool key Return
  xdotool type --delay 30 "123456"; xdotool key Return
  wait_window "Quorvane" 30 || return 1
  sleep 1
}

# Lays out an installed program under $1 (bin/, Data/ with a fresh database, other/) from
# $program, $template and $page.
install_program() {
  mkdir -p "$1/bin" "$1/Data" "$1/other"
  cp "$program" "$1/bin/kexbora"
  cp "$(dirname "$program")/kexbora-webpane.so" "$1/bin/"
  cp "$page" "$1/other/1.html"
  cp "$template" "$1/Data/init.db"
}

# As install_program, with a database that holds the user admin / 123456 already.
install_program_with_user() {
  install_program "$1"
  cp "$template" "$1/Data/Kexbora.db"
  sqlcipher "$1/Data/Kexbora.db" "PRAGMA key='plovk'; insert into kx_user(LogName, LogPwd)
    values('admin', 'B506197FFA00C7F5B346682FF251E1E0');" >/dev/null
}

# Installs the program under $1 as install_program_with_user does and starts it ($pid).
start_program_with_user() {
  install_program_with_user "$1"
  "$1/bin/kexbora" &
  pid=$!
}

# Fails unless screenshot $1 shows no pixel of the key colour (magenta).
no_key_colour() {
  local n
  n=$(convert "$1" -fill black +opaque "#FF00FF" -fill white -opaque "#FF00FF" -format '%[fx:int(mean*w*h+0.5)]' info:)
  [ "$n" -eq 0 ] || fail "$n key-coloured pixels visible in $(basename "$1")"
}

# Runs the command $2... every 0.1 s until it succeeds, for up to $1 seconds.
poll() {
  local i
  for ((i = 0; i < $1 * 10; i++)); do
    "${@:2}" && return 0
    sleep 0.1
  done
  return 1
}

# Re-runs the calling script on a virtual display, once; then makes $work (removed on exit
# with the program $pid and the window manager $wm) and chooses the X11 platform.
e2e_setup() {
  if [ -z "${KEXBORA_E2E_INNER:-}" ]; then
    export KEXBORA_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
  fi
  work=$(mktemp -d)
  pid="" wm=""
  trap e2e_cleanup EXIT
  export QT_QPA_PLATFORM=xcb
}
e2e_cleanup() {
  local p
  for p in "$pid" "$wm"; do
    if [ -n "$p" ] && kill -0 "$p" 2>/dev/null; then kill "$p" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}

fail() { echo "FAIL: $*" >&2; exit 1; }

# Window geometry as "x y w h".
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Colour of screen pixel ($1,$2) as "r,g,b".
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}
# Whether screen pixel ($1,$2) is "r,g,b" $3 (or, with $4 = not, is not).
pixel_is() {
  local p
  p=$(screen_pixel "$1" "$2")
  if [ "${4:-}" = not ]; then [ "$p" != "$3" ]; else [ "$p" = "$3" ]; fi
}
# Waits up to 5 s until pixel_is.
wait_pixel() { poll 5 pixel_is "$@"; }

# The centre of window $1 as "x y".
centre_of() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  echo "$((x + w / 2)) $((y + h / 2))"
}
# Whether the centre of window $1 is within 3 px of ($2,$3).
centred_at() {
  local x y dx dy
  read -r x y < <(centre_of "$1")
  dx=$((x - $2)) dy=$((y - $3))
  [ "${dx#-}" -le 3 ] && [ "${dy#-}" -le 3 ]
}
# The program skin's left border one pixel in, active or inactive.
program_border="44,90,140|146,160,182"
# Whether the screen shows window $1 in the program skin's frame (its left border at mid-height;
# a window-manager frame would leave the window's own background there).
skin_drawn() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  [[ "$(screen_pixel $((x + 1)) $((y + h / 2)))" =~ ^($program_border)$ ]]
}
# Whether window $1 is centred within 3 px at ($2,$3) and drawn in the program skin there.
skinned_at() { centred_at "$1" "$2" "$3" && skin_drawn "$1"; }

program_ended() { ! kill -0 "$pid" 2>/dev/null; }
# Waits up to $1 seconds until the program ($pid) has ended.
wait_ended() {
  poll "$1" program_ended || return 1
  wait "$pid" 2>/dev/null || true
  pid=""
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# Starts openbox (with the config file $1 when given) as $wm and waits until it manages.
start_openbox() {
  openbox --sm-disable ${1:+--config-file "$1"} >/dev/null 2>&1 &
  wm=$!
  poll 5 wm_running
}
