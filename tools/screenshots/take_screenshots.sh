#!/bin/bash
# Takes a screenshot of every dialog on a virtual display into docs/dialog-*.png.
# Usage: tools/screenshots/take_screenshots.sh <build folder>
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
harness="$build/tools/screenshots/dialogscreens"
export DISPLAY=:98
Xvfb :98 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
for dialog in menu field fieldedit title colors existing about; do
    out=$(mktemp)
    QT_QPA_PLATFORM=xcb "$harness" "$dialog" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 50); do [ -s "$out" ] && break; sleep 0.2; done
    sleep 0.3
    import -window root -crop "$(head -1 "$out")" +repage "$root/docs/dialog-$dialog.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$out"
done
