#!/usr/bin/env bash
# DEVICE_SERVER PROGRAM CAPTION X11_WINDOW: a name typed into the COM port
# list opens the port it names, letter case and blanks around it ignored:
# typed "COM1" and " com1 " open COM1, the simulated device; "nosuchport"
# opens nothing; COM1 chosen from the list opens it (see type_port_name.sh).
# The program then ends with status 0 when its window is closed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/simulated_device.sh" "$1"
export QT_LOGGING_RULES="pelnor.*=true"
"$here/../package/start_program.sh" "$2" "$3" "$4" "$here/type_port_name.sh" || exit 1
[ "$(grep -cF "pelnor.serial: Open port: COM1 set up" "$PROGRAM_LOG")" -eq 3 ] || show_log "COM1 was not opened 3 times"
[ "$(grep -cF "Open port: choosing the port (no COM port selected) failed" "$PROGRAM_LOG")" -eq 1 ] ||
  show_log "the typed name that names no port was not refused once"
log_lacks "Open port: opening the port failed"
