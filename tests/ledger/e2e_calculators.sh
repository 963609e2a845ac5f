#!/usr/bin/env bash
# End-to-end run of the calculators in the real program under Xvfb, driven with xdotool: sign
# up, log in, open "利息计算器", "房贷计算器" and "本站工具" from the top bar, type, click "计算"
# and see results appear in the result fields (the screen region changes); screenshots of each
# page with its results go to $E2E_SHOTS.
# Usage: e2e_calculators.sh <kexbora> <init.db> <1.html>
set -euo pipefail

if [ -z "${E2E_INNER:-}" ]; then
    export E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=e2e_session.sh
source "$(dirname "$0")/e2e_session.sh"

# Screenshot of a region of the main window (x y w h, window coordinates) into $work/$1.png.
region() {
    local x y
    eval "$(xdotool getwindowgeometry --shell "$main")"
    x=$((X + $2)) y=$((Y + $3))
    import -window root -crop "$4x$5+$x+$y" +repage "$work/$1.png"
}
# Fails unless the region changed between two region shots.
changed() {
    local diff
    diff=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
    [ "${diff%% *}" -gt 100 ] 2>/dev/null || fail "$3 (changed pixels: $diff)"
}

# Clicks at x y ("计算" or a preset) and checks that the region x y w h shows something new;
# then a screenshot calculator-<name>. A message box in between is answered.
calculate() {
    local name=$1
    region "$name-before" "$4" "$5" "$6" "$7"
    click "$main" "$2" "$3"
    if [ "${8:-}" = message ]; then ok_box "calculator-$name-message"; fi
    region "$name-after" "$4" "$5" "$6" "$7"
    changed "$name-before" "$name-after" "no $name result shown"
    shot "calculator-$name"
}

# Interest: the lump-sum tab, 12000 for one year, monthly withdrawals.
click "$main" 429 33
click "$main" 462 85
click "$main" 400 160; type_text 12000
calculate savings 367 289 320 300 200 110

# Mortgage: 100000 over the default 20 years.
click "$main" 507 33
click "$main" 383 150; type_text 100000
calculate mortgage 338 245 220 290 730 180

# Investment: the page opens with the default projection; the last preset explains itself.
click "$main" 581 33
calculate invest 852 311 220 300 500 300 message

kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
echo "e2e calculators: ok"
