#!/bin/bash
# Takes the manual's pictures of the sign and view pages from a preview of a new
# design, with headless Chromium (not a project dependency: apt install chromium),
# Verdana drawn as DejaVu Sans, into docs/manual/images/preview-{sign,view}.png.
# Usage: tools/screenshots/take_preview_screenshots.sh <build folder> [output folder]
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
out_dir=${2:-$root/docs/manual/images}
source "$(dirname "$0")/browsershots.sh"
# The tool keeps its settings and log beside itself; run a copy in the work folder.
cp "$build/tools/screenshots/previewpages" "$work/"
preview=$("$work/previewpages" "$work")
shoot "$preview" index.html preview-sign.png 640,330
shoot "$preview" view.html preview-view.png 640,260
