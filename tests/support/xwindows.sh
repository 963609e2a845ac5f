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

# Lays out an installed program under $1 (bin/, Data/ with a fresh database, other/) from
# $program, $template and $page.
install_program() {
  mkdir -p "$1/bin" "$1/Data" "$1/other"
  cp "$program" "$1/bin/kexbora"
  cp "$(dirname "$program")/kexbora-webpane.so" "$1/bin/"
  cp "$page" "$1/other/1.html"
  cp "$template" "$1/Data/init.db"
}

# Fails unless screenshot $1 shows no pixel of the key colour (magenta).
no_key_colour() {
  local n
  n=$(convert "$1" -fill black +opaque "#FF00FF" -fill white -opaque "#FF00FF" -format '%[fx:int(mean*w*h+0.5)]' info:)
  [ "$n" -eq 0 ] || fail "$n key-coloured pixels visible in $(basename "$1")"
}
