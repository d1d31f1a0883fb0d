#!/usr/bin/env bash
# Two copies of the real program under a virtual X server: the second says so and exits 0,
# the first keeps running; the first's exit button ends it with 0; after a kill -9 the name is
# free again. Runs inside a private network namespace (and so its own abstract socket names).
set -euo pipefail
program=$1
title=$2  # the main window's title
fail() { echo "FAIL: $*" >&2; exit 1; }

wait_window() {  # name, seconds
  for _ in $(seq $(( $2 * 10 ))); do
    xdotool search --name "^$1\$" 2>/dev/null | head -n1 && return 0
    sleep 0.1
  done
  return 1
}

"$program" & first=$!
main=$(wait_window "$title" 20) || fail "first copy never showed its window"

"$program" & second=$!
box=$(wait_window "友情提醒:" 20) || fail "second copy did not say it is already running"
kill -0 "$second" 2>/dev/null || fail "second copy ended before its message was answered"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
set +e; wait "$second"; rc=$?; set -e
[[ $rc -eq 0 ]] || fail "second copy exited with $rc"
kill -0 "$first" 2>/dev/null || fail "first copy is gone"

# The exit button (group at 8,8; button at 681,137, 120 x 48) ends the process with 0.
read -r x y < <(xdotool getwindowgeometry --shell "$main" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
xdotool mousemove --sync $(( x + 8 + 681 + 60 )) $(( y + 8 + 137 + 24 )) click 1
for _ in $(seq 100); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
set +e; wait "$first"; rc=$?; set -e
[[ $rc -eq 0 ]] || fail "exit button ended the first copy with $rc"

# A killed copy leaves nothing behind that blocks the next start.
"$program" & third=$!
wait_window "$title" 20 >/dev/null || fail "third copy never showed its window"
kill -9 "$third"; wait "$third" 2>/dev/null || true
"$program" & fourth=$!
wait_window "$title" 20 >/dev/null || fail "a copy started after kill -9 did not open its window"
xdotool search --name "^友情提醒:$" >/dev/null 2>&1 && fail "stale single-instance name after kill -9"
kill "$fourth"; wait "$fourth" 2>/dev/null || true
echo "1 passed, 0 failed"
