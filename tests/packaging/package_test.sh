#!/usr/bin/env bash
# The Debian package, as a user gets it: built from this build tree, unpacked
# with dpkg-deb into a temporary root, its desktop entry and metainfo validated,
# and its launcher started for a new user (offscreen, message boxes answered
# by themselves) until the window has loaded the welcome page.
#
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail

build="$1"
version="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if ! cmake --build "$build" --target package >"$scratch/package.log" 2>&1; then
  tail -40 "$scratch/package.log"
  fail "the package could not be built"
fi
deb="$build/quillan_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"
echo "package: $deb ($(du -h "$deb" | cut -f1))"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6webenginecore6-bin libgvc6 espeak-ng-data fonts-noto-cjk libespeak-ng1; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/quillan usr/lib/quillan/quillan usr/lib/quillan/quillan-build-data \
  usr/lib/quillan/orderlex usr/share/quillan/data/wd.index usr/share/quillan/data/_dict3.data \
  usr/share/quillan/data/welcome.html usr/share/quillan/data-version \
  usr/share/doc/quillan/copyright; do
  [ -s "$root/$file" ] || fail "the package lacks $file"
done

id=org.example.quillan.Quillan
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
grep -qx 'Categories=Office;Dictionary;Education;' "$root/usr/share/applications/$id.desktop" ||
  fail "the desktop entry has other categories"
[ -s "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 48 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" |
    grep -q "PNG image data, $size x $size" || fail "no ${size}x$size icon"
done

# Starts the launcher as a user with the given home until the welcome page has
# loaded; what the program printed is in $log, a new file for every start.
starts=0
start_quillan() {
  local home="$1" pid waited=0
  starts=$((starts + 1))
  log="$scratch/start$starts.log"
  : >"$log"
  # The launcher alone turns Qt WebEngine's sandbox off, for root.
  local sandbox=()
  [ "$(id -u)" -eq 0 ] && sandbox=(-u QTWEBENGINE_DISABLE_SANDBOX)
  env "${sandbox[@]}" -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    QUILLAN_UNATTENDED=1 "$root/usr/bin/quillan" >>"$log" 2>&1 &
  pid=$!
  until grep -q '^page loaded: file://.*/quillan/data/welcome.html$' "$log"; do
    if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge 600 ]; then
      kill "$pid" 2>/dev/null || true
      cat "$log"
      fail "the welcome page did not load"
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  kill "$pid"
  wait "$pid" || true
}

# A new user: a folder of their own, linked to the installed dictionary, with
# the default options; the greeting of a first start is shown.
home="$scratch/home"
mkdir -p "$home"
start_quillan "$home"
folder="$home/.local/share/quillan"
[ -d "$folder/tmp" ] || fail "no tmp folder"
[ "$(readlink "$folder/data/wd.index")" = "$root/usr/share/quillan/data/wd.index" ] ||
  fail "data/wd.index is not the installed one"
cmp -s "$folder/data/config.data" "$root/usr/share/quillan/config.default" ||
  fail "the first options are not the defaults"
grep -q '^Start Up! Thanks for choosing' "$log" || fail "no greeting"

# The user's options and own files are kept at the next start ...
printf 'DICTTYPE\r\nwithExample\r\nSORTTYPE\r\nPinyin\r\nTAGTYPE\r\nALL\r\nSTARTUP\r\nFALSE\r\n' \
  >"$folder/data/config.data"
cp "$folder/data/config.data" "$scratch/options"
rm "$folder/data/ATTRIBUTION.txt"
echo "rebuilt by the user" >"$folder/data/ATTRIBUTION.txt"
start_quillan "$home"
grep -q 'Start Up!' "$log" && fail "greeted although the user said no"
cmp -s "$folder/data/config.data" "$scratch/options" || fail "the options changed"
[ ! -L "$folder/data/ATTRIBUTION.txt" ] || fail "the user's own file was replaced"

# ... and a newer dictionary replaces the old files, but not the options.
echo "a newer dictionary" >"$root/usr/share/quillan/data-version"
start_quillan "$home"
[ -L "$folder/data/ATTRIBUTION.txt" ] || fail "the newer dictionary did not take over"
cmp -s "$folder/data/config.data" "$scratch/options" || fail "the options changed"
echo "package and launcher work"
