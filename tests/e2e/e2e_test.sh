#!/usr/bin/env bash
# Drives the real program as a user would, from outside the process, on a
# virtual X display, and reads what a screen reader reads through AT-SPI:
#   - in English: both settings, Start, the graph on screen, the values,
#     the zoom keys, Help and Close, the settings again, Exit and its
#     notice, and the exit status;
#   - the zoom remembered at the next start, which ends against a sound
#     server that never answers and must not keep the program from ending;
#   - under LANG=ja_JP.UTF-8: Japanese dialogs, buttons and windows, worked
#     from the keyboard alone (Return, F1, Escape, Ctrl+Q).
# Runs in a D-Bus session of its own, with the accessibility bus on it.
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${COINWELL_E2E_SESSION:-}" ]; then
  exec env COINWELL_E2E_SESSION=1 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
app_pid=""
xvfb_pid=""
server_pid=""

cleanup() {
  for pid in "$app_pid" "$server_pid" "$xvfb_pid"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "e2e: $*" >&2; [ -f "$work/app.log" ] && cat "$work/app.log" >&2; exit 1; }

# Runs the command every 0.1 s until it succeeds, at most the given number of times.
retry() { local tries=$1; shift; for _ in $(seq 1 "$tries"); do "$@" && return 0; sleep 0.1; done; return 1; }

# The program's settings, runtime files and the accessibility bus stay in
# the work folder; Qt shows itself to AT-SPI whatever the desktop says.
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM LC_ALL LC_MESSAGES
export LANG=C.UTF-8  # English, but where a run asks for Japanese
# The accessibility bus is started by the session bus, with its environment:
# without the runtime folder there, its socket would be the one in ~/.cache
# that every other session of the user replaces.
dbus-update-activation-environment XDG_RUNTIME_DIR
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null

atspi() { /usr/bin/python3 "$here/atspi.py" "$@"; }
hears() { for name in "$@"; do atspi name "$name" >/dev/null || fail "a screen reader does not hear '$name'"; done; }

# The server takes a display number no other server uses and writes it,
# once it accepts clients, to the file on descriptor 3. It stays up when its
# last client goes (-noreset): a program started just then would find no
# display while it reset. A new screen comes up before the old one goes, so
# that it gets a number of its own: the accessibility bus stays tied to the
# display it first served.
start_display() {
  local old=$xvfb_pid number
  : >"$work/display"
  Xvfb -displayfd 3 -noreset -screen 0 "$1x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    if read -r number <"$work/display"; then
      export DISPLAY=:$number
      [ -n "$old" ] && kill "$old" && wait "$old" 2>/dev/null || true
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "no X display $1"
}

start_program() {
  "$program" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
}

# The window's title as the window manager reads it, in UTF-8. (Qt puts the
# UTF-8 bytes of a Japanese title into the older WM_NAME as if they were
# Latin-1, so xdotool's own search by name finds no Japanese title.)
title_of() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p'; }

# Prints the id of a window whose title matches the regular expression, if
# there is one; wait_for_window waits for it.
window_titled() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
    if title_of "$id" | grep -Eq -- "$1"; then echo "$id"; return 0; fi
  done
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for '$1'"
  return 1
}
wait_for_window() { retry 300 window_titled "$1" || fail "no window titled '$1' within 30 s"; }

key_in() {
  local id=$1
  shift
  [ -n "$id" ] || exit 1  # the window was not found: that has been said
  xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers "$@"
}

click_in() {
  local id=$1 x=$2 y=$3
  xdotool mousemove --window "$id" --sync "$x" "$y"
  xdotool click 1
}

# Sets X, Y, WIDTH and HEIGHT to the window's client area on the screen.
geometry_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

has_size() { geometry_of "$1"; [ "${WIDTH}x$HEIGHT" = "$2" ]; }
expect_size() { retry 50 has_size "$1" "$2" || fail "window $1 is ${WIDTH}x$HEIGHT, not $2"; }

# Answers the settings questions, titled as given, with their defaults, and
# sets main to the main window titled as the third argument says.
answer_settings() {
  key_in "$(wait_for_window "^$1\$")" Return
  key_in "$(wait_for_window "^$2\$")" Return
  [ -z "${3:-}" ] || main=$(wait_for_window "$3")
}

# Exit's notice, and the end of the program within the given milliseconds of
# the notice's OK, with status 0.
end_after_notice() {
  local notice=$1 limit_ms=$2
  key_in "$(wait_for_window "^${notice}\$")" Return
  local started status=0
  started=$(date +%s%N)
  for _ in $(seq 1 200); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.02; done
  local elapsed_ms=$((($(date +%s%N) - started) / 1000000))
  wait "$app_pid" || status=$?
  app_pid=""
  echo "e2e: the program ended ${elapsed_ms} ms after the notice's OK"
  [ "$status" -eq 0 ] || fail "the program exited with status $status"
  [ "$elapsed_ms" -lt "$limit_ms" ] || fail "the program took ${elapsed_ms} ms to end"
}

# --- In English, with the mouse ---------------------------------------------
start_display 1920x1200
start_program
english=(" Setting the number of guests" " Setting the number of experiments" '^Coinwell 3$')
answer_settings "${english[@]}"
hears 'Number of guests: 100' Start 'Number of guests' 'Coinwell \(Part 3\)'

# Start (client 528,448 57x41): the run draws its graph.
click_in "$main" 560 468
sleep 1
geometry_of "$main"
import -window root -crop "533x381+$((X + 34))+$((Y + 42))" "$work/graph.png"
blue=$(convert "$work/graph.png" txt:- | grep -ci '#0000FF' || true)
black=$(convert "$work/graph.png" txt:- | grep -ci '#000000' || true)
echo "e2e: graph area holds $blue light-blue and $black black pixels"
[ "$blue" -gt 200 ] || fail "no bars in the graph area"
[ "$black" -gt 1000 ] || fail "no frame in the graph area"
echo "e2e: a screen reader hears '$(atspi name 'Average number of shortage: -?[0-9]+\.[0-9]')'"

# Ctrl+= zooms to 125 %, where Help stands at (610, 0) 71x31.
key_in "$main" ctrl+equal
expect_size "$main" 754x640
click_in "$main" 645 15
help=$(wait_for_window '^Coinwell 3 _ Help \(Problem and operation\)$')
expect_size "$help" 771x701
for _ in 1 2 3; do key_in "$help" ctrl+equal; done
expect_size "$help" 1234x1122
# Close (client 560,0 49x25, here twice as large).
click_in "$help" 1168 24
answer_settings "${english[@]}"
expect_size "$main" 1206x1024
# Exit (client 0,0 57x25, here twice as large).
click_in "$main" 56 24
end_after_notice Coinwell 10000

# --- The zoom remembered, and a sound server that never answers --------------
nc -dlkU "$work/pulse" >/dev/null 2>&1 &
server_pid=$!
PULSE_SERVER="unix:$work/pulse" start_program
answer_settings "${english[@]}"
expect_size "$main" 1206x1024
key_in "$main" ctrl+0
expect_size "$main" 603x512
click_in "$main" 28 12
end_after_notice Coinwell 1500

# --- In Japanese, from the keyboard ------------------------------------------
start_display 1024x768
LANG=ja_JP.UTF-8 start_program
wait_for_window '^ 来場者数の設定$' >/dev/null
hears 'キャンセル'
answer_settings " 来場者数の設定" " 実験回数の設定" '^コインウェル 3$'
hears '来場者数：100'
# Return on Start, focused at first; the focus then rests on Init.
key_in "$main" Return
echo "e2e: a screen reader hears '$(atspi name '不足枚数の平均：-?[0-9]+\.[0-9]')'"
key_in "$main" Return
answer_settings "来場者数の設定" "実験回数の設定"
key_in "$main" F1
help=$(wait_for_window '^コインウェル 3 _ ヘルプ（問題と操作方法）$')
key_in "$help" Escape
answer_settings " 来場者数の設定" " 実験回数の設定"
key_in "$(wait_for_window '^コインウェル 3$')" ctrl+q
end_after_notice コインウェル 10000

echo "e2e: passed"
