#!/usr/bin/env bash
# X11_WINDOW WINDOW: on the COM program's main window, with COM1 linked to
# the simulated device: "Read config" before any "Open port", "Open port"
# twice, the device killed during a read, "Read config" again, "Close
# port"; then another device (a new one from PELNOR_TEST_DEVICE_SERVER),
# "Open port", and "Close port" during a read. After each step the log box,
# copied as a user copies it (select all, copy; read with
# PELNOR_TEST_CLIPBOARD), must say what happened.
set -euo pipefail
source "$(dirname "$0")/form1_steps.sh" "$@"
close_port=(325 26)
log_box=(400 356)

# count_of TEXT FILE: how many lines of FILE hold TEXT.
count_of() { grep -cF "$1" "$2" || true; }

# log_box_ends_with LINE: the log box's last line is, or soon becomes, LINE.
log_box_ends_with() {
  local text
  for _ in $(seq 20); do
    click "${log_box[@]}"
    xdotool key ctrl+a ctrl+c
    text=$("$PELNOR_TEST_CLIPBOARD")
    [ "$(tail -n 1 <<<"$text")" = "$1" ] && return 0
    sleep 0.25
  done
  echo "the log box does not end with \"$1\"; it holds:"
  echo "$text"
  return 1
}

open_port_and_dismiss() {
  click "${open_port[@]}"
  dismiss_information
}

commands() { count_of "command" "$PELNOR_TEST_DEVICE_LOG"; }

click "${read_config[@]}"
log_box_ends_with "No port open. Press Open port first."

open_port_and_dismiss
wait_for "Open port: COM1 set up" "$PROGRAM_LOG"
sleep 1
[ "$(commands)" -eq 0 ] || { echo "the device received a command after Open port"; exit 1; }

open_port_and_dismiss
wait_for "Open port: refused" "$PROGRAM_LOG"

# The device goes away while it owes the read its first page.
click "${read_config[@]}"
wait_for_count 1 "command" "$PELNOR_TEST_DEVICE_LOG"
kill "$PELNOR_TEST_DEVICE_PID"
wait_for "the port no longer reads" "$PROGRAM_LOG"
log_box_ends_with "Serial port lost. Press Close port, then Open port."

# The next request cannot be written, and is not logged as sent.
click "${read_config[@]}"
wait_for "write to the port failed" "$PROGRAM_LOG"
sleep 1
log_box_ends_with "Serial port lost. Press Close port, then Open port."
click "${close_port[@]}"
wait_for "worker ended" "$PROGRAM_LOG"

# Another device plugged in: a read that it leaves waiting, then "Close port".
program_log=$PROGRAM_LOG
source "$(dirname "$0")/simulated_device.sh" "$PELNOR_TEST_DEVICE_SERVER"
PROGRAM_LOG=$program_log
ln -sfn "$PELNOR_TEST_DEVICE" "$XDG_CONFIG_HOME/pelnor/dosdevices/com1"
open_port_and_dismiss
wait_for_count 2 "Open port: COM1 set up" "$PROGRAM_LOG"
click "${read_config[@]}"
wait_for_count 1 "command" "$PELNOR_TEST_DEVICE_LOG"
click "${close_port[@]}"
wait_for_count 2 "worker ended" "$PROGRAM_LOG"
log_box_ends_with "Eeprom read stopped before it finished."
