#!/usr/bin/env bash
# DEVICE_SERVER PROGRAM CAPTION X11_WINDOW CLIPBOARD_TEXT: the COM program's
# log box says what happened to the port as a user meets it (see
# use_port_and_lose_device.sh), and the program ends with status 0 when its
# window is closed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/simulated_device.sh" "$1"
export QT_LOGGING_RULES="pelnor.serial=true" PELNOR_TEST_CLIPBOARD=$5 PELNOR_TEST_DEVICE_SERVER=$1
"$here/../package/start_program.sh" "$2" "$3" "$4" "$here/use_port_and_lose_device.sh" || exit 1
log_has "pelnor.serial: request 3 not posted: no port is open" \
  "pelnor.serial: configuration read ended: page 0 could not be written" \
  "pelnor.serial: configuration read stopped by Close port"
