#!/usr/bin/env bash
# X11_WINDOW WINDOW: on the COM program's main window, with COM1 linked to
# the simulated device, types /dev/ttyUSB0 over the COM port list's text
# with real key events, clicks "Open port" and dismisses the box shown.
set -euo pipefail
source "$(dirname "$0")/form1_steps.sh" "$@"
click "${com_port_text[@]}"
xdotool key ctrl+a type /dev/ttyUSB0
click "${open_port[@]}"
dismiss_information
