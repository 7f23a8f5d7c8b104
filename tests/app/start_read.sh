#!/usr/bin/env bash
# X11_WINDOW WINDOW: on the COM program's main window, links COM1 to the
# simulated device PELNOR_TEST_DEVICE, clicks "Open port", dismisses the
# success box and clicks "Read config"; returns once the device log
# PELNOR_TEST_DEVICE_LOG shows the read's first request.
set -euo pipefail
source "$(dirname "$0")/form1_steps.sh" "$@"
click "${open_port[@]}"
wait_for "Open port: COM1 set up" "$PROGRAM_LOG"
dismiss_information
click "${read_config[@]}"
wait_for "command" "$PELNOR_TEST_DEVICE_LOG"
