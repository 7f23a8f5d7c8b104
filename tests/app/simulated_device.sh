# Sourced with DEVICE_SERVER: starts the simulated device in a fresh folder
# $work, holding back its reply to page 0, and exports its path
# PELNOR_TEST_DEVICE, its process PELNOR_TEST_DEVICE_PID, its command log
# PELNOR_TEST_DEVICE_LOG and PROGRAM_LOG for the program's standard error;
# stops the device (unless a step already has) and removes $work on exit.
# log_has and log_lacks check PROGRAM_LOG once the program has ended.
work=$(mktemp -d)
"$1" 0 >"$work/device" &
device=$!
trap 'kill "$device" 2>/dev/null; wait "$device"; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/device" ] && break
  sleep 0.05
done
PELNOR_TEST_DEVICE=$(head -n 1 "$work/device")
[ -n "$PELNOR_TEST_DEVICE" ] || { echo "the simulated device did not start"; exit 1; }
export PELNOR_TEST_DEVICE PELNOR_TEST_DEVICE_PID=$device PELNOR_TEST_DEVICE_LOG=$work/device PROGRAM_LOG=$work/errors

show_log() {
  echo "$1; standard error of the program:"
  cat "$PROGRAM_LOG"
  exit 1
}

# log_has LINE...: every LINE is in the program's standard error.
log_has() {
  for line in "$@"; do
    grep -qF "$line" "$PROGRAM_LOG" || show_log "no log line \"$line\""
  done
}

# log_lacks TEXT...: no TEXT is in the program's standard error.
log_lacks() {
  for text in "$@"; do
    ! grep -qF "$text" "$PROGRAM_LOG" || show_log "the log has \"$text\""
  done
}
