#!/usr/bin/env bash
# Installs a build into a temporary folder (cmake --install with DESTDIR) and checks
# what lands there: every expected file, the desktop entry and the AppStream data.
# Usage: scripts/install-check.sh [build folder]
set -euo pipefail
build=${1:-build}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr > /dev/null
root="$stage/usr"
id=org.quillset.Quillset
expected=(
    bin/quillset
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/icons/hicolor/48x48/apps/$id.png"
    "share/icons/hicolor/256x256/apps/$id.png"
    share/quillset/help/index.html
    share/quillset/help/style.css
    share/quillset/help/images/step1.png
    share/doc/quillset/README.md
    share/doc/quillset/LICENSE
    share/doc/quillset/copyright
    share/man/man1/quillset.1.gz
)
status=0
for file in "${expected[@]}"; do
    if [ ! -f "$root/$file" ]; then
        echo "install check: missing $file"
        status=1
    fi
done
[ -x "$root/bin/quillset" ] || { echo "install check: bin/quillset is not executable"; status=1; }
# Every picture the manual shows is installed with it.
for picture in $(grep -o 'src="[^"]*"' "$root/share/quillset/help/index.html" | cut -d'"' -f2); do
    [ -f "$root/share/quillset/help/$picture" ] || { echo "install check: the manual lacks $picture"; status=1; }
done
desktop-file-validate "$root/share/applications/$id.desktop" || status=1
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || status=1

if [ "$status" -ne 0 ]; then
    echo "install check: FAILED"
    exit 1
fi
echo "install check: $(find "$root" -type f | wc -l) files installed, all expected ones present, desktop entry and AppStream data valid"
