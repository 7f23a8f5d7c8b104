#!/usr/bin/env bash
# Builds the Debian package from a copy of the source tree SOURCE in WORK
# (emptied first) and unpacks it into WORK/root.
set -euo pipefail
source_dir=$1
work=$2
rm -rf "$work"
mkdir -p "$work/source"
tar -C "$source_dir" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$work/source" -xf -
(cd "$work/source" && DEB_BUILD_OPTIONS="parallel=4 noautodbgsym" dpkg-buildpackage -b -us -uc)
dpkg -x "$work"/*.deb "$work/root"
