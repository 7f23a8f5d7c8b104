#!/usr/bin/env bash
# On the X display given: runs PROGRAM until a window captioned CAPTION
# appears, runs STEPS X11_WINDOW WINDOW_ID when given, then closes the
# window as a window manager does (x11_window, the tool X11_WINDOW). The
# program must end with status 0 and write nothing to standard error but
# its own pelnor.* log lines; PROGRAM_LOG, when set, keeps what it wrote.
set -uo pipefail
program=$1
caption=$2
x11_window=$3
steps=${4:-}
log=${PROGRAM_LOG:-$(mktemp)}
[ -n "${PROGRAM_LOG:-}" ] || trap 'rm -f "$log"' EXIT
"$program" 2>"$log" &
pid=$!

fail() {
  echo "$1"
  kill "$pid" 2>/dev/null
  wait "$pid"
  echo "standard error of $program:"
  cat "$log"
  exit 1
}

if ! window=$("$x11_window" wait "$caption"); then
  echo "the windows shown:"
  xwininfo -root -tree
  fail "no window captioned \"$caption\""
fi
if [ -n "$steps" ] && ! "$steps" "$x11_window" "$window"; then fail "$steps failed"; fi
"$x11_window" close "$caption" >/dev/null || fail "could not close \"$caption\""
for _ in $(seq 300); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "$program still runs 30 s after its window was closed"
wait "$pid"
status=$?
if [ "$status" -ne 0 ]; then
  echo "$program ended with status $status after its window was closed; standard error:"
  cat "$log"
  exit 1
fi
if grep -v -E '^[0-9-]+ [0-9:.]+ pelnor(\.[a-z]+)*: ' "$log"; then
  echo "$program wrote the lines above to standard error"
  exit 1
fi
exit 0
