#!/usr/bin/env bash
# Resident memory of the real program on a virtual display: the sum of VmRSS over the program
# and all its child processes (the browser's helpers), each figure taken once it has settled.
#   1. at the login window;
#   2. at the main window with the local start page (the web server unreachable);
#   3. after a remote page was shown in the main window (a loopback server stands in for the
#      web server, reached through a proxy), reported only.
# Targets: 1 <= 60 MB, 2 <= 110 MB. Prints each figure with its target; exits non-zero only
# when the program cannot be driven (the figures are for reading, not a test).
#
#   bench/memory.sh [build dir]
set -euo pipefail

source "$(dirname "$0")/programrun.sh"
on_virtual_display "$@"

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
work=$(mktemp -d)
pid=""
server=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=xcb KEXBORA_TIMING=1

install_program "$build" "$work"

# Resident kB of process $1 and all its descendants.
tree_kb() {
  local all=$1 level=$1 next p
  while [ -n "$level" ]; do
    next=""
    for p in $level; do next+=" $(pgrep -P "$p" || true)"; done
    level=$(echo $next)
    all+=" $level"
  done
  for p in $all; do awk '/^VmRSS:/ {print $2}' "/proc/$p/status" 2>/dev/null || true; done |
    awk '{s += $1} END {print s + 0}'
}

# MB of the process tree once two samples half a second apart differ by under 1 MB (at most
# 15 s).
settled_mb() {
  local before after i
  before=$(tree_kb "$pid")
  for ((i = 0; i < 30; i++)); do
    sleep 0.5
    after=$(tree_kb "$pid")
    if [ $((after > before ? after - before : before - after)) -lt 1024 ]; then break; fi
    before=$after
  done
  echo $(((after + 512) / 1024))
}

report() { # name, MB, target MB or ""
  if [ -n "$3" ]; then
    local verdict="within"
    [ "$2" -le "$3" ] || verdict="OVER"
    echo "memory $1: $2 MB (target <= $3 MB: $verdict)"
  else
    echo "memory $1: $2 MB"
  fi
}

# Local start page: no server reachable.
log=$work/local.log
"$work/bin/kexbora" 2>"$log" &
pid=$!
mark login-shown "$log" >/dev/null
report "login window" "$(settled_mb)" 60
log_in
mark main-shown "$log" >/dev/null
report "main window, local start page" "$(settled_mb)" 110
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""

# Remote page: every plain-HTTP request goes to a loopback server through the proxy settings
# of the program and of its browser.
port_file=$work/port
python3 - "$port_file" <<'PY' &
import http.server, sys
class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = b"<html><body><h1>Kexbora</h1><p>remote page</p></body></html>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    do_HEAD = do_GET
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Page)
open(sys.argv[1], "w").write(str(server.server_address[1]))
server.serve_forever()
PY
server=$!
for ((i = 0; i < 50; i++)); do [ -s "$port_file" ] && break; sleep 0.1; done
proxy=127.0.0.1:$(cat "$port_file")
log=$work/remote.log
http_proxy=http://$proxy QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://$proxy" \
  "$work/bin/kexbora" 2>"$log" &
pid=$!
mark login-shown "$log" >/dev/null
log_in
mark main-shown "$log" >/dev/null
# The browser's helper processes appear once the web engine has been loaded for the page.
for ((i = 0; i < 300; i++)); do pgrep -P "$pid" >/dev/null && break; sleep 0.1; done
pgrep -P "$pid" >/dev/null || { echo "memory: the web engine never started" >&2; exit 1; }
report "main window, remote page shown" "$(settled_mb)" ""
