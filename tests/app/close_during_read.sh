#!/usr/bin/env bash
# DEVICE_SERVER PROGRAM CAPTION X11_WINDOW: the COM program with COM1 open on
# the simulated device and a configuration read running when its window is
# closed as a window manager does. The worker ends and closes the port, and
# the program ends with status 0 (see ../package/wait_for_window.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/simulated_device.sh" "$1"
export QT_LOGGING_RULES="pelnor.serial=true"
"$here/../package/start_program.sh" "$2" "$3" "$4" "$here/start_read.sh" || exit 1
log_has "pelnor.serial: configuration read started" "pelnor.serial: worker ended; port closed"
