#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds the Debian package, then
# checks that both hold what a desktop program needs.
set -euo pipefail
build=$1
with_window=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
app=io.github.tidewell.Tidewell
expected=(bin/tidewell-cli "share/applications/$app.desktop"
          "share/icons/hicolor/scalable/apps/$app.svg" "share/metainfo/$app.metainfo.xml")
[ "$with_window" = ON ] && expected+=(bin/tidewell)
for file in "${expected[@]}"; do
  [ -f "$scratch/usr/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$scratch/usr/share/applications/$app.desktop"
appstreamcli validate --no-net --pedantic "$scratch/usr/share/metainfo/$app.metainfo.xml" >/dev/null
"$scratch/usr/bin/tidewell-cli" --help | grep "^Usage: tidewell-cli" >/dev/null

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$scratch"/tidewell_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-ipafont-gothic; do
  [[ "$depends" == *"$package"* ]] || { echo "package does not depend on $package"; exit 1; }
done
dpkg-deb -c "$deb" | grep "usr/share/applications/$app.desktop" >/dev/null
echo "installed and packaged: $deb"
