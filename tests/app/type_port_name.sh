#!/usr/bin/env bash
# X11_WINDOW WINDOW: on the COM program's main window, with COM1 linked to
# the simulated device, types port names over the COM port list's text
# with real key events and clicks "Open port" after each, dismissing the
# box shown: "COM1" and " com1 " open COM1 ("Close port" closes it again),
# "nosuchport" opens nothing; then COM1 chosen from the list opens it.
set -euo pipefail
source "$(dirname "$0")/form1_steps.sh" "$@"

open_typed() {
  click "${com_port_text[@]}"
  xdotool key ctrl+a type "$1"
  click "${open_port[@]}"
}

opened=0
for typed in COM1 " com1 "; do
  open_typed "$typed"
  opened=$((opened + 1))
  wait_for_count "$opened" "Open port: COM1 set up" "$PROGRAM_LOG"
  dismiss_information
  click "${close_port[@]}"
  wait_for_count "$opened" "worker ended; port closed" "$PROGRAM_LOG"
done

open_typed nosuchport
dismiss_information

click "${com_port_text[@]}"
xdotool key alt+Down
sleep 0.5
xdotool key Return
click "${open_port[@]}"
wait_for_count 3 "Open port: COM1 set up" "$PROGRAM_LOG"
dismiss_information
