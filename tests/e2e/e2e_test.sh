#!/usr/bin/env bash
# Drives the real program as a user would, from outside the process, on a
# virtual X display: both settings, Start, the graph on screen, Help and
# Close, the settings again, Exit and its notice, and the exit status; then
# once more with a sound server that never answers, which must not keep the
# program from ending.
set -euo pipefail

program=$1
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
app_pid=""
xvfb_pid=""
server_pid=""

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "e2e: $*" >&2; exit 1; }

# Waits for a window whose title matches the regular expression, prints its id.
wait_for_window() {
  local title=$1
  for _ in $(seq 1 300); do
    local id
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for '$title'"
    sleep 0.1
  done
  fail "no window titled '$title' within 30 s"
}

wait_gone() {
  local id=$1
  for _ in $(seq 1 300); do
    xdotool getwindowname "$id" >/dev/null 2>&1 && xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$id" || return 0
    sleep 0.1
  done
  fail "window $id did not close within 30 s"
}

press_return_in() {
  local id=$1
  xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers Return
}

click_in() {
  local id=$1 x=$2 y=$3
  xdotool mousemove --window "$id" --sync "$x" "$y"
  xdotool click 1
}

answer_settings() {
  local prefix=$1
  press_return_in "$(wait_for_window "^${prefix}Setting the number of guests\$")"
  press_return_in "$(wait_for_window "^${prefix}Setting the number of experiments\$")"
}

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 1 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config  # the program's settings stay in here
"$program" >"$work/app.log" 2>&1 &
app_pid=$!

answer_settings " "
main=$(wait_for_window '^Coinwell 3$')

# Start (client 528,448 57x41): the run draws its graph.
click_in "$main" 560 468
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "533x381+$((X + 34))+$((Y + 42))" "$work/graph.png"
blue=$(convert "$work/graph.png" txt:- | grep -ci '#0000FF' || true)
black=$(convert "$work/graph.png" txt:- | grep -ci '#000000' || true)
echo "e2e: graph area holds $blue light-blue and $black black pixels"
[ "$blue" -gt 200 ] || fail "no bars in the graph area"
[ "$black" -gt 1000 ] || fail "no frame in the graph area"

# The key T lays the exact law over the bars in orange, and takes it off.
orange_pixels() {
  import -window root -crop "533x381+$((X + 34))+$((Y + 42))" "$work/graph.png"
  convert "$work/graph.png" txt:- | grep -ci '#E65A00' || true
}
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers t
sleep 0.5
orange=$(orange_pixels)
echo "e2e: with the exact law the graph area holds $orange orange pixels"
[ "$orange" -gt 50 ] || fail "no exact law over the bars"
xdotool key --clearmodifiers t
sleep 0.5
[ "$(orange_pixels)" -eq 0 ] || fail "the exact law stayed"

# Help (client 488,0 57x25), then Close (client 560,0 49x25).
click_in "$main" 516 12
help=$(wait_for_window '^Coinwell 3 _ Help \(Problem and operation\)$')
click_in "$help" 584 12
answer_settings " "
main=$(wait_for_window '^Coinwell 3$')

# Exit (client 0,0 57x25), its notice, and the end of the program: within
# the given milliseconds of the notice's OK, with status 0.
exit_within() {
  local limit_ms=$1
  click_in "$(wait_for_window '^Coinwell 3$')" 28 12
  press_return_in "$(wait_for_window '^Coinwell$')"
  local started status=0
  started=$(date +%s%N)
  for _ in $(seq 1 200); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.02; done
  local elapsed_ms=$((($(date +%s%N) - started) / 1000000))
  wait "$app_pid" || status=$?
  app_pid=""
  echo "e2e: the program ended ${elapsed_ms} ms after the notice's OK"
  [ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "the program exited with status $status"; }
  [ "$elapsed_ms" -lt "$limit_ms" ] || fail "the program took ${elapsed_ms} ms to end"
}
exit_within 10000

# A sound server that takes the connection and never answers.
nc -dlkU "$work/pulse" >/dev/null 2>&1 &
server_pid=$!
PULSE_SERVER="unix:$work/pulse" "$program" >"$work/app.log" 2>&1 &
app_pid=$!
answer_settings " "
exit_within 1500
echo "e2e: passed"
