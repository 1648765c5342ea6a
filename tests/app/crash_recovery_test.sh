#!/usr/bin/env bash
# The real program, killed with SIGKILL while its drawing has unsaved changes,
# offers them at the next start: run on a virtual X server and driven with
# xdotool, in a folder of its own so that no real settings or data are touched.
# Three runs: killed once its copy is written (copies every half second, as
# ZELVO_RECOVERY_INTERVAL_MS asks); killed within the first seconds of its
# first change (the copy interval left at its minute); and two programs
# running at once, both killed, both restored by the next two starts.
#   crash_recovery_test.sh <zelvo executable> <folder for screenshots>
set -euo pipefail
program="$1"
shots="$2"
work="$(mktemp -d)"
xvfb_pid=
pids=()

cleanup() {
  set +e
  for p in "${pids[@]}" $xvfb_pid; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$shots" "$work/data"
cp "$program" "$work/zelvo" # its settings file lives beside it
unset QT_QPA_PLATFORM ZELVO_RECOVERY_INTERVAL_MS
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
copies="$work/data/zelvo"

# What went wrong, with what the programs printed, then the end.
fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/recovery-failure.png" 2>/dev/null || true
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "  window $w: $(xdotool getwindowname "$w" 2>/dev/null)" >&2
  done
  for log in "$work"/zelvo-*.log; do
    [ -s "$log" ] && sed "s/^/  $(basename "$log"): /" "$log" >&2
  done
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
squares() { # count: that many squares in a row on one page
  printf '1\r\n%d\r\n' "$1"
  for ((i = 0; i < $1; i++)); do square $((20 + 80 * i)) 20; printf '\r\n'; done
}
squares 2 > "$work/box.zvt"
squares 3 > "$work/three.zvt"

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

runs() { # pid
  kill -0 "$1" 2>/dev/null || fail "program $1 ended by itself"
}

# The visible window of program $1 whose name matches $2.
window_of() {
  xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1
}

wait_window() { # pid name
  wait_for "runs $1; [ -n \"\$(window_of $1 '$2')\" ]" 20
}

wait_gone() { # pid name
  wait_for "runs $1; [ -z \"\$(window_of $1 '$2')\" ]" 20
}

# The number of windows of program $1 on screen: a menu that opens adds one.
shown_windows() {
  xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l
}

# Presses keys $2 in program $1 and waits for the menu they open.
open_menu() {
  local before
  before=$(shown_windows "$1")
  xdotool key --clearmodifiers "$2"
  wait_for "runs $1; [ \$(shown_windows $1) -gt $before ]" 10
}

has_focus() { # name
  xdotool getwindowfocus getwindowname 2>/dev/null | grep -q "$1"
}

# Waits until window $2 of program $1 has the keyboard. A dialog gets it as it
# opens; a main window only when given it, as without a window manager
# nothing else does.
focus() {
  wait_window "$1" "$2"
  for ((i = 0; i < 20; i++)); do
    if has_focus "$2"; then return 0; fi
    sleep 0.1
  done
  xdotool windowfocus --sync "$(window_of "$1" "$2")"
  wait_for "runs $1; has_focus '$2'" 10
}

# Starts the program with the arguments given; its pid becomes $started.
start() {
  "$work/zelvo" "$@" > "$work/zelvo-$((${#pids[@]} + 1)).log" 2>&1 &
  started=$!
  pids+=("$started")
  wait_window "$started" '^Zelvo'
}

# Deletes the first square of the drawing shown by program $1: an unsaved
# change. The server hands the click and the keys over in the order they come.
delete_first_square() {
  local window
  window=$(window_of "$1" '^Zelvo')
  xdotool mousemove --window "$window" 90 160 click 1
  focus "$1" '^Zelvo'
  xdotool key ctrl+Delete
}

copy_count() {
  ls "$copies"/recovery-*.zvt 2>/dev/null | wc -l
}

# Answers Yes to the restore question of program $1, passes the warning
# about further copies when $2 is "more", and saves the restored drawing as $3.
restore_and_save() {
  wait_window "$1" '^情報$'
  focus "$1" '^情報$'
  import -window root "$shots/recovery-$(basename "$3" .zvt)-offered.png"
  xdotool key y
  wait_gone "$1" '^情報$'
  if [ "$2" = more ]; then
    focus "$1" '^警告$'
    xdotool key Return
    wait_gone "$1" '^警告$'
  fi
  focus "$1" '^Zelvo'
  # Saving the restored drawing asks for a name: it has none of its own.
  open_menu "$1" alt+f
  xdotool key s
  focus "$1" '^名前を付けて保存$'
  xdotool key ctrl+a; xdotool type --delay 20 "$3"; xdotool key Return
  wait_for "runs $1; test -s '$3'" 10
  # Saved, the drawing needs its copy no more.
  wait_for "runs $1; ! ls '$copies'/recovery-$1-*.zvt > /dev/null 2>&1" 10
}

# The number of shapes in drawing file $1, which must have one page.
shapes_in() {
  [ "$(tr -d '\r' < "$1" | sed -n 1p)" = 1 ] || fail "$1 has no page count 1"
  grep -c 'Mirovelantiska PolygonDat' "$1"
}

# 1. Killed once its copy is written, at copies every half second.
ZELVO_RECOVERY_INTERVAL_MS=500 start
a=$started
focus "$a" '^Zelvo'
# Open the drawing through the file dialog, as a user does.
open_menu "$a" alt+f
xdotool key o
focus "$a" '^開く$'
xdotool type --delay 20 "$work/box.zvt"; xdotool key Return
wait_window "$a" '^Zelvo - box'
delete_first_square "$a"
wait_for "runs $a; [ \$(copy_count) -eq 1 ]" 20
import -window root "$shots/recovery-1-changed.png"
kill -9 "$a"
wait "$a" 2> /dev/null || true

start
b=$started
restore_and_save "$b" one "$work/restored.zvt"
[ "$(copy_count)" = 0 ] || fail "a copy is left after the save"
[ "$(shapes_in "$work/restored.zvt")" = 1 ] || fail "the restored drawing holds not one shape"
import -window root "$shots/recovery-2-restored.png"
kill "$b"; wait "$b" 2> /dev/null || true
echo "crash recovery: the killed program's change came back and saved"

# 2. Killed within the first seconds of its first change, at the minute's interval.
start "$work/box.zvt"
c=$started
wait_window "$c" '^Zelvo - box'
changed=$(date +%s%N)
delete_first_square "$c"
wait_for "runs $c; [ \$(copy_count) -eq 1 ]" 10
seconds=$(( ($(date +%s%N) - changed) / 1000000000 ))
[ "$seconds" -lt 5 ] || fail "the first copy took $seconds s"
kill -9 "$c"
wait "$c" 2> /dev/null || true
start
d=$started
restore_and_save "$d" one "$work/early.zvt"
[ "$(shapes_in "$work/early.zvt")" = 1 ] || fail "the early copy holds not one shape"
kill "$d"; wait "$d" 2> /dev/null || true
echo "crash recovery: a change killed $seconds s after it was made came back"

# 3. Two programs running at once, each with its own change, both killed.
start "$work/box.zvt"
e=$started
wait_window "$e" '^Zelvo - box'
delete_first_square "$e"
wait_for "runs $e; [ \$(copy_count) -eq 1 ]" 10
start "$work/three.zvt"
f=$started
wait_window "$f" '^Zelvo - three'
delete_first_square "$f"
wait_for "runs $f; [ \$(copy_count) -eq 2 ]" 10
import -window root "$shots/recovery-3-two-programs.png"
kill -9 "$e" "$f"
wait "$e" "$f" 2> /dev/null || true

# The next start offers the newest copy and says that another is left; a
# second start beside it offers that one.
start
g=$started
restore_and_save "$g" more "$work/second.zvt"
start
h=$started
restore_and_save "$h" one "$work/first.zvt"
[ "$(shapes_in "$work/second.zvt")" = 2 ] || fail "the second program's drawing is not back"
[ "$(shapes_in "$work/first.zvt")" = 1 ] || fail "the first program's drawing is not back"
wait_for "[ \$(copy_count) -eq 0 ]" 10
echo "crash recovery: two killed programs' changes both came back"
