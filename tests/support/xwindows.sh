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

# Window geometry as "x y w h".
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Colour of screen pixel ($1,$2) as "r,g,b".
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Starts openbox (its pid in $wm; arguments go to it) and waits until it manages the screen.
start_openbox() {
  local i
  openbox --sm-disable "$@" >/dev/null 2>&1 &
  wm=$!
  for ((i = 0; i < 50; i++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  return 1
}

# Stops the processes whose ids are given (empty ones and ended ones are left alone).
stop_processes() {
  local p
  for p in "$@"; do
    if [ -n "$p" ] && kill -0 "$p" 2>/dev/null; then kill "$p" 2>/dev/null || true; fi
  done
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

# Fails unless screenshot $1 shows no pixel of the key colour (magenta).
no_key_colour() {
  local n
  n=$(convert "$1" -fill black +opaque "#FF00FF" -fill white -opaque "#FF00FF" -format '%[fx:int(mean*w*h+0.5)]' info:)
  [ "$n" -eq 0 ] || fail "$n key-coloured pixels visible in $(basename "$1")"
}

# Runs the sourcing script again on a virtual display of 1280x1024 unless it runs on one
# already; call it with the script's arguments before anything else.
run_on_virtual_display() {
  if [ -z "${KEXBORA_E2E_INNER:-}" ]; then
    export KEXBORA_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
  fi
}
