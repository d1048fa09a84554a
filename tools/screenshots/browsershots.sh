# Shared by the scripts that photograph pages with headless Chromium: a work folder,
# removed on exit, whose font settings draw Verdana as DejaVu Sans, and shoot(), which
# takes one page of a folder at one window size. Sourced, not run.
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
shoot() {  # folder, page, picture (in $out_dir), window size
    FONTCONFIG_FILE="$work/fonts.conf" chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
        --window-size="$4" --screenshot="$out_dir/$3" "file://$1/$2" 2> /dev/null
}
