#!/usr/bin/env bash
# X11_WINDOW WINDOW: on the COM program's main window, links COM1 to the
# simulated device PELNOR_TEST_DEVICE, clicks "Open port", dismisses the
# success box and clicks "Read config"; returns once the device log
# PELNOR_TEST_DEVICE_LOG shows the read's first request.
set -euo pipefail
x11_window=$1
window=$2
mkdir -p "$XDG_CONFIG_HOME/pelnor/dosdevices"
ln -s "$PELNOR_TEST_DEVICE" "$XDG_CONFIG_HOME/pelnor/dosdevices/com1"

# Button centres in the client area, which lies below the menu bar.
client_height=418
open_port=(236 26)
read_config=(436 26)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - client_height))
click() { xdotool mousemove --window "$window" "$1" "$((menu + $2))" click 1; }

wait_for() {
  for _ in $(seq 200); do
    grep -qF "$1" "$2" && return 0
    sleep 0.1
  done
  echo "no \"$1\" in $2"
  return 1
}

click "${open_port[@]}"
box=$("$x11_window" wait "Information")
wait_for "Open port: COM1 set up" "$PROGRAM_LOG"
xdotool mousemove --window "$box" 20 20 key Return
"$x11_window" gone "Information"
click "${read_config[@]}"
wait_for "command" "$PELNOR_TEST_DEVICE_LOG"
