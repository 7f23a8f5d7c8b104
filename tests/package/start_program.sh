#!/usr/bin/env bash
# Starts PROGRAM on a virtual X server with a fresh home folder, waits until
# a window captioned CAPTION is shown, runs STEPS against it when given and
# closes it as a window manager does (see wait_for_window.sh).
set -euo pipefail
program=$1
caption=$2
x11_window=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1280x1024x24' "$(dirname "$0")/wait_for_window.sh" "$program" "$caption" "$x11_window" "${@:4}"
