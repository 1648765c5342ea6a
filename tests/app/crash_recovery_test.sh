#!/usr/bin/env bash
# The real program, killed with SIGKILL while its drawing has unsaved changes,
# offers them at the next start: run on a virtual X server and driven with
# xdotool, in a folder of its own so that no real settings or data are touched.
#   crash_recovery_test.sh <zelvo executable> <folder for screenshots>
set -euo pipefail
program="$1"
shots="$2"
work="$(mktemp -d)"
xvfb_pid=
pid=

cleanup() {
  set +e
  for p in $pid $xvfb_pid; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$shots" "$work/data"
cp "$program" "$work/zelvo" # its settings file lives beside it
unset QT_QPA_PLATFORM
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
# Copies every half second instead of every minute, so the test takes seconds.
export ZELVO_RECOVERY_INTERVAL_MS=500

# What went wrong, with what the program printed, then the end.
fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/recovery-failure.png" 2>/dev/null || true
  [ -s "$work/zelvo.log" ] && sed 's/^/  program: /' "$work/zelvo.log" >&2
  exit 1
}

square() { # x y: a 40 mm square block
  printf 'Mirovelantiska PolygonDat\r\n4\r\n'
  for p in "$1 $2" "$(($1 + 40)) $2" "$(($1 + 40)) $(($2 + 40))" "$1 $(($2 + 40))"; do
    set -- $p
    printf '%16.11f %16.11f %16.11f %16.11f %16.11f \r\n' "$1" "$2" 0 0 0
  done
  printf '0\r\n0\r\n'
}
{ printf '1\r\n2\r\n'; square 20 20; printf '\r\n'; square 100 20; printf '\r\n'; } > "$work/box.zvt"
recovery="$work/data/zelvo/recovery.zvt"

source "$(dirname "${BASH_SOURCE[0]}")/../virtual_display.sh"
start_virtual_display "$work" 1280x1024x24

# Waits up to $2 seconds for command $1 to succeed.
wait_for() {
  for ((i = 0; i < $2 * 10; i++)); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  fail "timed out waiting for: $1"
}

program_runs() {
  kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
}

# Waits for a visible window whose name matches $1 while the program runs.
wait_window() {
  wait_for "program_runs; xdotool search --onlyvisible --name '$1' > /dev/null 2>&1" 20
}

wait_gone() {
  wait_for "program_runs; ! xdotool search --onlyvisible --name '$1' > /dev/null 2>&1" 20
}

# The number of the program's windows on screen: a menu that opens adds one.
shown_windows() {
  xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l
}

# Presses keys $1 and waits for the menu they open.
open_menu() {
  local before
  before=$(shown_windows)
  xdotool key --clearmodifiers "$1"
  wait_for "program_runs; [ \$(shown_windows) -gt $before ]" 10
}

# Waits until the window whose name matches $1 has the keyboard.
wait_focus() {
  wait_for "program_runs; xdotool getwindowfocus getwindowname 2>/dev/null | grep -q '$1'" 10
}

start() {
  "$work/zelvo" > "$work/zelvo.log" 2>&1 &
  pid=$!
  wait_window '^Zelvo'
}

# Without a window manager nothing gives the window the keyboard by itself.
focus() {
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^Zelvo" | head -1)"
  wait_focus '^Zelvo'
}

start
focus
# Open the drawing through the file dialog, as a user does.
open_menu alt+f
xdotool key o
wait_window '^開く$'
wait_focus '^開く$'
xdotool type --delay 20 "$work/box.zvt"; xdotool key Return
wait_window '^Zelvo - box'
# Select the first square with a click and delete it: an unsaved change. The
# server hands the click and the keys over in the order they are sent.
window=$(xdotool search --onlyvisible --name "^Zelvo - box" | head -1)
xdotool mousemove --window "$window" 90 160 click 1
focus
xdotool key ctrl+Delete
# The copy is written within an interval of the change.
wait_for "program_runs; test -s '$recovery'" 20
import -window root "$shots/recovery-1-changed.png"
kill -9 "$pid"
wait "$pid" 2> /dev/null || true

start
wait_window '^情報$'
wait_focus '^情報$'
import -window root "$shots/recovery-2-offered.png"
xdotool key y
wait_gone '^情報$'
import -window root "$shots/recovery-3-restored.png"
focus
# Saving the restored drawing asks for a name: it has none of its own.
open_menu alt+f
xdotool key s
wait_window '^名前を付けて保存$'
wait_focus '^名前を付けて保存$'
xdotool key ctrl+a; xdotool type --delay 20 "$work/restored.zvt"; xdotool key Return
wait_for "program_runs; test -s '$work/restored.zvt'" 10
wait_for "program_runs; ! test -e '$recovery'" 10

# The restored drawing is the changed one: one page, one square left.
lines=$(tr -d '\r' < "$work/restored.zvt")
[ "$(printf '%s\n' "$lines" | sed -n 1p)" = 1 ] || fail "the restored drawing has no page count 1"
[ "$(printf '%s\n' "$lines" | sed -n 2p)" = 1 ] || fail "the restored page holds not one shape"
[ "$(grep -c 'Mirovelantiska PolygonDat' "$work/restored.zvt")" = 1 ] ||
  fail "the restored drawing holds not one shape"
echo "crash recovery: the killed program's change came back and saved"
