# Helpers of the scripts that drive the real program on a virtual display (sourced).

# Runs the calling script again on a virtual display, unless it already runs on one.
on_virtual_display() {
  if [ -z "${KEXBORA_BENCH_INNER:-}" ]; then
    export KEXBORA_BENCH_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
  fi
}

# Lays out the program from build dir $1 under $2 like an installed one, with user admin
# (password 123456) in its ledger.
install_program() {
  mkdir -p "$2/bin" "$2/Data" "$2/other"
  cp "$1/bin/kexbora" "$1/bin/kexbora-webpane.so" "$2/bin/"
  cp "$1/Data/init.db" "$2/Data/Kexbora.db"
  cp "$1/other/1.html" "$2/other/"
  sqlcipher "$2/Data/Kexbora.db" "PRAGMA key='plovk'; insert into kx_user(LogName, LogPwd)
    values('admin', 'B506197FFA00C7F5B346682FF251E1E0');" >/dev/null
}

# Prints the epoch-ms value of timing mark $1 from log $2, waiting up to 30 s.
mark() {
  local i v
  for ((i = 0; i < 300; i++)); do
    v=$(grep -a "^kexbora-timing $1 " "$2" 2>/dev/null | awk '{print $3}' | head -n1 || true)
    if [ -n "$v" ]; then echo "$v"; return 0; fi
    sleep 0.1
  done
  echo "no timing mark $1 in $2" >&2
  return 1
}

# Logs in as admin in the login window on the screen.
log_in() {
  local window
  window=$(xdotool search --onlyvisible --name '^用户登录$' | head -n1)
  xdotool windowfocus --sync "$window"
  xdotool type --delay 5 admin
  xdotool key Return
  xdotool type --delay 5 123456
  xdotool key Return
}
