#!/usr/bin/env bash
# Runs a copy of SOURCE/scripts/run beside stand-ins for scripts/setup,
# scripts/build and the programs, which only say that they ran. With no
# display for the platform Qt would use, it stops before the set-up with the
# advice to use xvfb-run; otherwise it sets up, builds and starts the program.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/scripts" "$work/build-run"
cp "$1/scripts/run" "$work/scripts/run"
printf '#!/bin/sh\necho "setup $*"\n' >"$work/scripts/setup"
printf '#!/bin/sh\necho "build"\n' >"$work/scripts/build"
for edition in com hid; do
  printf '#!/bin/sh\necho "started %s"\n' "$edition" >"$work/build-run/pelnor_configurator_$edition"
done
chmod +x "$work"/scripts/* "$work"/build-run/*
failed=0

# run_case EXPECTED EDITION [VARIABLE=VALUE...]: EXPECTED is starts or refuses.
run_case() {
  local expected=$1 edition=$2 output status=0
  shift 2
  output=$(env -i PATH=/usr/bin:/bin "$@" "$work/scripts/run" "$edition" 2>&1) || status=$?
  if [ "$expected" = starts ]; then
    [ "$status" -eq 0 ] && [ "$output" = $'setup run\nbuild\nstarted '"$edition" ] && return
  else
    [ "$status" -ne 0 ] && grep -q "needs a graphical session" <<<"$output" &&
      grep -qF "xvfb-run -a $work/scripts/run $edition (xvfb-run is in the package xvfb)" <<<"$output" &&
      ! grep -qE "^(setup|build|started)" <<<"$output" && return
  fi
  echo "scripts/run $edition with $*: expected that it $expected, got status $status:"$'\n'"$output"
  failed=1
}

run_case refuses com
run_case refuses hid
run_case refuses com DISPLAY= WAYLAND_DISPLAY=
run_case refuses com QT_QPA_PLATFORM=xcb
run_case refuses com "QT_QPA_PLATFORM=wayland;xcb"
run_case starts com DISPLAY=:0
run_case starts hid WAYLAND_DISPLAY=wayland-0
run_case starts com QT_QPA_PLATFORM=offscreen
run_case starts com "QT_QPA_PLATFORM=wayland;offscreen"
run_case starts hid QT_QPA_PLATFORM=xcb DISPLAY=:1
exit $failed
