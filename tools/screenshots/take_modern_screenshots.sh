#!/bin/bash
# Takes the README's pictures of a Modern guestbook with headless Chromium, Verdana drawn
# as DejaVu Sans: the sign page on a phone (360 px wide) and the view page on a desktop,
# into docs/modern-phone.png and docs/modern-desktop.png (and the manual's images folder).
# Usage: tools/screenshots/take_modern_screenshots.sh <build folder> [output folder]
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
out_dir=${2:-$root/docs}
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
"$build/tests/browser/writemodernpages" "$work/pages"
shoot() {  # page, picture, window size
    FONTCONFIG_FILE="$work/fonts.conf" chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
        --window-size="$3" --screenshot="$out_dir/$2" "file://$work/pages/$1" 2> /dev/null
}
shoot default-en-sign.html modern-phone.png 360,740
shoot default-en-view.html modern-desktop.png 1280,520
# The manual, installed on its own, keeps copies beside its other pictures.
if [ "$out_dir" = "$root/docs" ]; then
    cp "$out_dir"/modern-{phone,desktop}.png "$root/docs/manual/images/"
fi
