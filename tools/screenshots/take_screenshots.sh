#!/bin/bash
# Takes a screenshot of every wizard step and dialog on a virtual display into
# docs/step*.png and docs/dialog-*.png, or into the given output folder.
# Usage: tools/screenshots/take_screenshots.sh <build folder> [output folder]
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
out_dir=${2:-$root/docs}
harness="$build/tools/screenshots/dialogscreens"
export DISPLAY=${SCREENSHOT_DISPLAY:-:98}
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
for shot in ${SHOTS:-step1 step2 step3 step4 step5 menu field fieldedit title colors existing about protection publish publishing}; do
    out=$(mktemp)
    QT_QPA_PLATFORM=xcb "$harness" "$shot" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 50); do [ -s "$out" ] && break; sleep 0.2; done
    sleep 0.3
    case $shot in step* | protection | publish*) name=$shot ;; *) name=dialog-$shot ;; esac
    import -window root -crop "$(head -1 "$out")" +repage "$out_dir/$name.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$out"
done
