#!/usr/bin/env bash
# DEVICE_SERVER PROGRAM CAPTION X11_WINDOW: the COM program with COM1 open on
# the simulated device and a configuration read running when its window is
# closed as a window manager does. The worker ends and closes the port, and
# the program ends with status 0 (see ../package/wait_for_window.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
device_server=$1
program=$2
caption=$3
x11_window=$4
work=$(mktemp -d)
# The device holds back its reply to page 0, so the read waits for it.
"$device_server" 0 >"$work/device" &
device=$!
trap 'kill "$device"; wait "$device"; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/device" ] && break
  sleep 0.05
done
PELNOR_TEST_DEVICE=$(head -n 1 "$work/device")
[ -n "$PELNOR_TEST_DEVICE" ] || { echo "the simulated device did not start"; exit 1; }
export PELNOR_TEST_DEVICE PELNOR_TEST_DEVICE_LOG=$work/device PROGRAM_LOG=$work/errors
export QT_LOGGING_RULES="pelnor.serial=true"
"$here/../package/start_program.sh" "$program" "$caption" "$x11_window" "$here/start_read.sh" || exit 1
for line in "configuration read started" "worker ended; port closed"; do
  if ! grep -qF "pelnor.serial: $line" "$work/errors"; then
    echo "no log line \"$line\"; standard error of $program:"
    cat "$work/errors"
    exit 1
  fi
done
