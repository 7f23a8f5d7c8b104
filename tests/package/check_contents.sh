#!/usr/bin/env bash
# Checks the built package in WORK: its version, that it holds what a desktop
# installation needs with the manual pages and the README, and no program but
# the two.
set -euo pipefail
work=$1
version=$2
app_id=$3
deb=$(echo "$work"/*.deb)
failed=0
fail() { echo "$*"; failed=1; }

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

udev_rules=$(pkg-config --variable=udevdir udev)/rules.d
expected=(
  /usr/bin/pelnor_configurator_com
  /usr/bin/pelnor_configurator_hid
  "/usr/share/applications/$app_id.Com.desktop"
  "/usr/share/applications/$app_id.Hid.desktop"
  "/usr/share/metainfo/$app_id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  "$udev_rules/70-pelnor-rudi.rules"
  /usr/share/man/man1/pelnor_configurator_com.1.gz
  /usr/share/man/man1/pelnor_configurator_hid.1.gz
  /usr/share/doc/pelnor-rudi-configurator/README.md.gz
)
for size in 32 48 64 128 256; do expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"); done

contents=$(dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }')
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$contents" || fail "missing: $file"
done
programs=$(grep '^/usr/bin/.' <<<"$contents" | sort | tr '\n' ' ')
[ "$programs" = "/usr/bin/pelnor_configurator_com /usr/bin/pelnor_configurator_hid " ] ||
  fail "programs in /usr/bin: $programs"

for size in 32 48 64 128 256; do
  identify -format '%wx%h' "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" |
    grep -qx "${size}x${size}" || fail "icon in ${size}x${size} has another size"
done
grep -qF "<release version=\"$version\"" "$work/root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo names no release $version"
exit $failed
