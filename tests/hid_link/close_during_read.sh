#!/usr/bin/env bash
# SIMULATED_HIDAPI PROGRAM CAPTION X11_WINDOW IMAGE: the HID program on the
# simulated Rudi (the stand-in hidapi library holding the configuration
# IMAGE, each reply 50 ms after its request), its main window closed as a
# window manager does 1 s into a configuration read. The read stops, no box
# is shown (nothing is decoded, the version is never asked for) and the
# program ends with status 0 (see ../package/wait_for_window.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PELNOR_TEST_HID_IMAGE=$5 PELNOR_TEST_HID_REPLY_MS=50 PELNOR_TEST_HID_LOG=$work/device PROGRAM_LOG=$work/errors
export QT_LOGGING_RULES="pelnor.hid=true"
# The stand-in goes into the program alone; under AddressSanitizer it is
# loaded before the sanitizer's runtime.
cat >"$work/program" <<END
#!/bin/sh
LD_PRELOAD=$1 ASAN_OPTIONS=\${ASAN_OPTIONS:+\$ASAN_OPTIONS:}verify_asan_link_order=0 exec $2
END
chmod +x "$work/program"

show_log() {
  echo "$1; the simulated Rudi took:"
  cat "$PELNOR_TEST_HID_LOG"
  echo "standard error of the program:"
  cat "$PROGRAM_LOG"
  exit 1
}

"$here/../package/start_program.sh" "$work/program" "$3" "$4" "$here/start_read.sh" || exit 1
echo "the program ended $(($(date +%s%N) / 1000000 - $(cat "$work/closed"))) ms after its window was closed"
reads=$(grep -c "^command FC" "$PELNOR_TEST_HID_LOG")
[ "$reads" -lt 64 ] || show_log "the read ran to its end"
! grep -q "^command FB" "$PELNOR_TEST_HID_LOG" || show_log "the version was asked for"
grep -qF "pelnor.hid: configuration read stopped before page $((reads + 1)) of 64" "$PROGRAM_LOG" ||
  show_log "no line on the stopped read"
