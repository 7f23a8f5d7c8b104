#!/usr/bin/env bash
# On the X display given: runs PROGRAM until a window captioned CAPTION
# appears (up to a minute), then ends it.
set -uo pipefail
program=$1
caption=$2
"$program" &
pid=$!
while [ "$SECONDS" -lt 60 ]; do
  if xwininfo -root -tree | grep -qF "\"$caption\""; then
    kill "$pid"
    wait "$pid"
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "$program ended with status $? before showing \"$caption\""
    exit 1
  fi
  sleep 0.1
done
echo "no window captioned \"$caption\"; the windows shown:"
xwininfo -root -tree
kill "$pid"
exit 1
