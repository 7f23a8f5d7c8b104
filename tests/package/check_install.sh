#!/usr/bin/env bash
# Installs the build in BUILD for PREFIX into a temporary DESTDIR and checks
# that the udev rule lands in RULES_DIR (default: the system's udev rules
# folder), that every file lies under PREFIX or RULES_DIR and that the
# install manifest names every file, so that removing those uninstalls it.
set -euo pipefail
build=$1
prefix=$2
rules_dir=${3:-$(pkg-config --variable=udevdir udev)/rules.d}
destdir=$(mktemp -d)
trap 'rm -rf "$destdir"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

DESTDIR=$destdir cmake --install "$build" --prefix "$prefix" >/dev/null

[ -f "$destdir$rules_dir/70-pelnor-rudi.rules" ] || fail "no udev rule in $rules_dir"
[ -x "$destdir$prefix/bin/pelnor_configurator_com" ] || fail "no program in $prefix/bin"
installed=$(cd "$destdir" && find . ! -type d | cut -c2- | sort)
outside=$(grep -vE "^($prefix|$rules_dir)/" <<<"$installed" || true)
[ -z "$outside" ] || fail "installed outside $prefix and $rules_dir:"$'\n'"$outside"
unlisted=$(comm -23 - <(sort "$build/install_manifest.txt") <<<"$installed")
[ -z "$unlisted" ] || fail "installed but not in install_manifest.txt:"$'\n'"$unlisted"
exit $failed
