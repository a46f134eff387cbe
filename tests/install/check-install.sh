#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds the Debian package, then
# checks that both hold what a desktop program needs, and that the desktop
# entry and the metainfo validate without a single warning.
set -euo pipefail
build=$1
with_window=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
app=io.github.tidewell.Tidewell
expected=(bin/tidewell-cli "share/applications/$app.desktop"
          "share/icons/hicolor/scalable/apps/$app.svg" "share/metainfo/$app.metainfo.xml"
          share/doc/tidewell/copyright share/man/man1/tidewell-cli.1.gz)
[ "$with_window" = ON ] && expected+=(bin/tidewell share/man/man1/tidewell.1.gz)
for file in "${expected[@]}"; do
  [ -f "$scratch/usr/$file" ] || fail "not installed: $file"
done

issues=$(desktop-file-validate "$scratch/usr/share/applications/$app.desktop" 2>&1) ||
  fail "$issues"
[ -z "$issues" ] || fail "desktop entry: $issues"
appstreamcli validate --no-net --strict "$scratch/usr/share/metainfo/$app.metainfo.xml" >/dev/null ||
  fail "$(appstreamcli validate --no-net "$scratch/usr/share/metainfo/$app.metainfo.xml")"
grep -q '<project_license>MIT</project_license>' "$scratch/usr/share/metainfo/$app.metainfo.xml" ||
  fail "metainfo does not name the MIT licence"

copyright=$scratch/usr/share/doc/tidewell/copyright
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "copyright is not in the machine-readable format"
grep -q '^License: MIT$' "$copyright" || fail "copyright names no MIT licence"

for program in tidewell-cli tidewell; do
  [ -x "$scratch/usr/bin/$program" ] || continue
  # Both answer without a display and do not open a window. Each output is
  # read whole before it is searched: grep -q leaving a pipe early would
  # end the writer with SIGPIPE, a failure under pipefail.
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/usr/bin/$program" --help)
  grep -q "^Usage: $program" <<<"$help" || fail "$program --help"
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/usr/bin/$program" --version)
  grep -q "1\.1\.0" <<<"$version" || fail "$program --version"
  manual=$(zcat "$scratch/usr/share/man/man1/$program.1.gz")
  grep -q '^\.TH' <<<"$manual" || fail "$program.1.gz"
done

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$scratch"/tidewell_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6svg6 fonts-ipafont-gothic; do
  [[ "$depends" == *"$package"* ]] || fail "package does not depend on $package"
done
dpkg-deb -x "$deb" "$scratch/deb"
for file in "usr/share/applications/$app.desktop" usr/share/doc/tidewell/copyright \
            usr/share/man/man1/tidewell-cli.1.gz; do
  [ -f "$scratch/deb/$file" ] || fail "not packaged: $file"
done
for binary in "$scratch"/deb/usr/bin/*; do
  ! readelf -S "$binary" | grep -q -e '\.debug_info' -e '\.symtab' || fail "not stripped: $binary"
done
echo "installed and packaged: $deb"
