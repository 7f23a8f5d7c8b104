#!/usr/bin/env bash
# Starts PROGRAM on a virtual X server with a fresh home folder and waits
# until a window captioned CAPTION is shown.
set -euo pipefail
program=$1
caption=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1280x1024x24' "$(dirname "$0")/wait_for_window.sh" "$program" "$caption"
