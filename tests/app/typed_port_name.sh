#!/usr/bin/env bash
# DEVICE_SERVER PROGRAM CAPTION X11_WINDOW: a name typed into the COM port
# list, not chosen from it, selects no port: "Open port" shows the open
# error and opens nothing, though COM1 leads to the simulated device. The
# program then ends with status 0 when its window is closed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/simulated_device.sh" "$1"
export QT_LOGGING_RULES="pelnor.*=true"
"$here/../package/start_program.sh" "$2" "$3" "$4" "$here/type_port_name.sh" || exit 1
log_has "pelnor.serial: Open port: choosing the port (no COM port selected) failed"
log_lacks "Open port: COM" "pelnor.serial: opened "
