#!/bin/bash
# Takes the manual's pictures of the sign and view pages from a preview of a new
# design, with headless Chromium (not a project dependency: apt install chromium),
# Verdana drawn as DejaVu Sans, into docs/manual/images/preview-{sign,view}.png.
# Usage: tools/screenshots/take_preview_screenshots.sh <build folder> [output folder]
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
out_dir=${2:-$root/docs/manual/images}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="same"><family>Verdana</family><prefer><family>DejaVu Sans</family></prefer></alias>
</fontconfig>
CONF
# The tool keeps its settings and log beside itself; run a copy in the work folder.
cp "$build/tools/screenshots/previewpages" "$work/"
preview=$("$work/previewpages" "$work")
shoot() {  # page, picture, window size
    FONTCONFIG_FILE="$work/fonts.conf" chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
        --window-size="$3" --screenshot="$out_dir/$2" "file://$preview/$1" 2> /dev/null
}
shoot index.html preview-sign.png 640,330
shoot view.html preview-view.png 640,260
