#!/usr/bin/env bash
# Builds the Debian package from a copy of the source tree SOURCE in WORK
# (emptied first), checks that git, following the tree's .gitignore, finds
# nothing new in the copy afterwards, and unpacks the package into WORK/root.
set -euo pipefail
source_dir=$1
work=$2
rm -rf "$work"
mkdir -p "$work/source"
tar -C "$source_dir" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$work/source" -xf -
git -C "$work/source" -c init.defaultBranch=main init -q
git -C "$work/source" add -A
(cd "$work/source" && DEB_BUILD_OPTIONS="parallel=4 noautodbgsym" dpkg-buildpackage -b -us -uc)
left=$(git -C "$work/source" status --porcelain | grep -v '^A ' || true)
if [ -n "$left" ]; then
  echo "the package build left files that .gitignore does not name:"
  echo "$left"
  exit 1
fi
dpkg -x "$work"/*.deb "$work/root"
