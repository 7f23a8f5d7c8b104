#!/usr/bin/env bash
# X11_WINDOW WINDOW: clicks "Read config" on the HID program's main window,
# waits until the simulated Rudi has taken the read's first request
# (PELNOR_TEST_HID_LOG), and returns 1 s later, writing the time in
# milliseconds to the file "closed" beside that log.
set -euo pipefail
window=$2
client_height=418
read_config=(276 26)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" "${read_config[0]}" "$((HEIGHT - client_height + read_config[1]))" click 1
for _ in $(seq 200); do
  grep -q "^command FC page 0" "$PELNOR_TEST_HID_LOG" 2>/dev/null && break
  sleep 0.1
done
grep -q "^command FC page 0" "$PELNOR_TEST_HID_LOG" || { echo "the read did not start"; exit 1; }
sleep 1
echo $(($(date +%s%N) / 1000000)) >"$(dirname "$PELNOR_TEST_HID_LOG")/closed"
