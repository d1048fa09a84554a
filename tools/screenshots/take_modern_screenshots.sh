#!/bin/bash
# Takes the README's pictures of a Modern guestbook with headless Chromium, Verdana drawn
# as DejaVu Sans: the sign page on a phone (360 px wide) and the view page on a desktop,
# into docs/modern-phone.png and docs/modern-desktop.png (and the manual's images folder).
# Usage: tools/screenshots/take_modern_screenshots.sh <build folder> [output folder]
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
out_dir=${2:-$root/docs}
source "$(dirname "$0")/browsershots.sh"
"$build/tests/browser/writemodernpages" "$work/pages"
shoot "$work/pages" default-en-sign.html modern-phone.png 360,740
shoot "$work/pages" default-en-view.html modern-desktop.png 1280,520
# The manual, installed on its own, keeps copies beside its other pictures.
if [ "$out_dir" = "$root/docs" ]; then
    cp "$out_dir"/modern-{phone,desktop}.png "$root/docs/manual/images/"
fi
