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
    share/quillset/translations/quillset_de.qm
    share/quillset/translations/quillset_es.qm
    share/quillset/translations/quillset_fr.qm
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
# And every picture the installed README shows, at the place its links name.
doc="$root/share/doc/quillset"
for picture in $(grep -o '](docs/[^)]*)' "$doc/README.md" | tr -d '()]'); do
    [ -f "$doc/$picture" ] || { echo "install check: the README lacks $picture"; status=1; }
done
# --version answers without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/quillset" --version) \
    || { echo "install check: quillset --version failed"; status=1; }
[ "$version" = "Quillset 1.2.6" ] || { echo "install check: quillset --version printed \"$version\""; status=1; }
desktop-file-validate "$root/share/applications/$id.desktop" || status=1
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || status=1


# Runs the installed program as whoever runs this check (root included) on Qt's VNC
# platform and closes it from the keyboard: Tab to the exit button and Space. Nothing
# was changed, so it must end without a save question, having written its window
# position. Its settings, log and projects belong in the per-user folder, nothing in bin/.
run_installed() {
    local home="$stage/home" port=$((20000 + RANDOM % 20000)) program
    local data="$home/.local/share/Quillset"
    mkdir -p "$home"
    HOME="$home" XDG_RUNTIME_DIR="$stage" QT_QPA_PLATFORM="vnc:size=800x600:port=$port" \
        env -u XDG_DATA_HOME -u XDG_CONFIG_HOME "$root/bin/quillset" > "$stage/run.log" 2>&1 &
    program=$!
    if ! python3 "$(dirname "$0")/vnc-keys.py" "$port" sleep1 Tab Tab Tab Tab space; then
        kill "$program" 2> /dev/null || true
        echo "install check: the installed program could not be driven:"
        cat "$stage/run.log"
        return 1
    fi
    for _ in $(seq 50); do kill -0 "$program" 2> /dev/null || break; sleep 0.2; done
    if kill -0 "$program" 2> /dev/null; then
        kill "$program"
        echo "install check: the installed program did not close (it asked to save an unchanged design?)"
        return 1
    fi
    local left_in_bin
    left_in_bin=$(ls -A "$root/bin" | grep -vx quillset || true)
    [ -z "$left_in_bin" ] || { echo "install check: the program wrote into bin/: $left_in_bin"; return 1; }
    for file in Quillset.ini applog.log projects; do
        [ -e "$data/$file" ] || { echo "install check: no $file in $data"; return 1; }
    done
    grep -q "^\[Position\]" "$data/Quillset.ini" || { echo "install check: the window position was not kept"; return 1; }
    echo "install check: the installed program, run as $(id -un), kept its files in ~/.local/share/Quillset"
}
if command -v python3 > /dev/null; then
    run_installed || status=1
else
    echo "install check: python3 missing, the installed program was not run"
fi

if [ "$status" -ne 0 ]; then
    echo "install check: FAILED"
    exit 1
fi
echo "install check: $(find "$root" -type f | wc -l) files installed, all expected ones present, desktop entry and AppStream data valid"
