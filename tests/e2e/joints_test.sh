#!/usr/bin/env bash
# The joints of a box net made as a user makes them, on a virtual X server and
# driven only by the keyboard and the mouse: the one-piece net of a
# 60 x 40 x 30 mm box is opened from the command line, its seven pairs of
# sides are joined with the join command (Ctrl+J, then two clicks a pair),
# the flange check is opened, and the drawing is saved and printed to PDF.
# The saved file must carry one mark on both sides of every pair, a tab on
# one; the PDF every mark twice, beside both of its sides, every text upright.
# Screenshots of every stage are kept in the artifacts folder.
#
# The program runs as a copy in a temporary folder, with a temporary home and
# XDG folders, so that its settings, recovery files and caches never touch
# the user's own.
#
# Usage: joints_test.sh ZELVO ARTIFACTS_FOLDER
set -euo pipefail

zelvo=$1
artifacts=$2
box_net="$(dirname "${BASH_SOURCE[0]}")/joined_box.py"

for tool in Xvfb xdotool import convert pdftotext pdftoppm python3; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool is missing: tools/setup installs it" >&2
    exit 1
  }
done

rm -rf "$artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
xvfb_pid=
app_pid=
watchdog=

cleanup() {
  set +e
  for pid in $app_pid $xvfb_pid $watchdog; do
    kill "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

shot_count=0
shot() {
  shot_count=$((shot_count + 1))
  import -window root "$(printf '%s/%02d-%s.png' "$artifacts" "$shot_count" "$1")"
}

fail() {
  echo "FAIL: $*" >&2
  [ -n "$xvfb_pid" ] && shot failure 2>/dev/null
  [ -s "$work/app.log" ] && sed 's/^/  program: /' "$work/app.log" >&2
  exit 1
}

# The whole run is bounded: a hung dialog ends the test, not the test run.
(
  sleep 150 >/dev/null 2>&1 &
  timer=$!
  trap 'kill "$timer" 2>/dev/null; exit 0' TERM
  wait "$timer" && kill -TERM $$ 2>/dev/null
) &
watchdog=$!
trap 'fail "the run took longer than 150 s"' TERM

mkdir -p "$work"/{app,home,config,data,cache,runtime,models}
chmod 700 "$work/runtime"
cp "$zelvo" "$work/app/zelvo"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset SESSION_MANAGER

cat >"$work/app/zelvo.ini" <<'EOF'
[TMainFm]
Left=20
Top=20
Width=760
Height=820
EOF

drawing=$work/models/box.zvt
pdf=$work/models/box.pdf
python3 "$box_net" write "$drawing"

source "$(dirname "${BASH_SOURCE[0]}")/../virtual_display.sh"
start_virtual_display "$work" 1280x1024x24

# --- driving ------------------------------------------------------------------

wait_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1) || true
  [ -n "$id" ] || fail "no window \"$1\" appeared"
  echo "$id"
}

wait_gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window \"$1\" did not close"
}

wait_file() {
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "$1 was not written"
}

geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

screen_sum() {
  import -window root rgb:- 2>/dev/null | md5sum
}

# Waits until the screen holds still.
still() {
  local now last=
  for _ in $(seq 100); do
    now=$(screen_sum)
    [ "$now" = "$last" ] && return 0
    last=$now
    sleep 0.05
  done
  fail "the screen did not hold still"
}

# Runs the command given, then waits until the screen has changed and holds
# still: the program has taken what was sent and shows it.
settled() {
  local before now last=
  before=$(screen_sum)
  "$@"
  for _ in $(seq 100); do
    now=$(screen_sum)
    [ "$now" != "$before" ] && break
  done
  for _ in $(seq 100); do
    [ "$now" = "$last" ] && return 0
    last=$now
    now=$(screen_sum)
  done
  fail "the screen did not settle after: $*"
}

click_at() {
  xdotool mousemove "$1" "$2" click 1
}

keys() {
  xdotool key --delay 40 "$@"
}

clicks=0
keystrokes=0

# --- the net joined -------------------------------------------------------------

"$work/app/zelvo" "$drawing" >>"$work/app.log" 2>&1 &
app_pid=$!
sheet=$(wait_window '^Zelvo - box$')
geometry "$sheet"
status_x=$((X + 300)) status_y=$((Y + HEIGHT - 6))
still
shot net-opened

# The page is the white area left of the tabs; the net's outline is its only
# black. Its top-left corner is 20 mm (70 pixels at 100 %) in from the page's.
read -r net_width net_height net_left net_top < <(
  import -window root png:- | convert - -crop "$((WIDTH - 60))x$((HEIGHT - 80))+$X+$((Y + 40))" \
    +repage -threshold 50% -format '%@\n' info: | sed -E 's/[x+]/ /g')
[ "$net_width" = 421 ] && [ "$net_height" = 491 ] ||
  fail "the net is not drawn 120 x 140 mm at 100 %: $net_width x $net_height pixels"
page_left=$((X + net_left - 70)) page_top=$((Y + 40 + net_top - 70))

# Keyboard focus comes to the window with a click into its status line.
click_at "$status_x" "$status_y"
settled keys ctrl+j
keystrokes=$((keystrokes + 1))
shot join-mode
pair=0
while read -r x1 y1 x2 y2; do
  pair=$((pair + 1))
  settled click_at "$x1" "$y1"
  [ "$pair" = 1 ] && {
    settled xdotool mousemove "$x2" $((y2 - 2))
    shot first-side-chosen
  }
  settled click_at "$x2" "$y2"
  clicks=$((clicks + 2))
done < <(python3 "$box_net" clicks "$page_left" "$page_top")
shot all-joined
settled keys Escape
keystrokes=$((keystrokes + 1))
shot joined-net

# No question was asked on the way: the sheet is the only window.
[ "$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l)" = 1 ] ||
  fail "a dialog came up while joining"

# The flange check beside the sheet.
keys ctrl+g
check=$(wait_window '^糊代の検査$')
still
shot flange-check
import -window "$check" "$artifacts/flange-check-window.png"

# --- saved and printed ------------------------------------------------------------

# 上書き保存 writes the drawing over the file it was opened from.
opened=$(md5sum <"$drawing")
click_at "$status_x" "$status_y"
keys alt+f s
for _ in $(seq 100); do
  [ "$(md5sum <"$drawing")" != "$opened" ] && break
  sleep 0.1
done
python3 "$box_net" check-file "$drawing" || fail "the saved drawing does not carry the joints"

# No printer is installed here: the page becomes a PDF file. 現在のページを印刷
# is the ninth item of the File menu.
keys alt+f Down Down Down Down Down Down Down Down Return
wait_window '^情報$' >/dev/null
keys Return
wait_gone '^情報$'
wait_window '^名前を付けて保存$' >/dev/null
keys ctrl+a
xdotool type --delay 20 "$pdf"
keys Return
wait_gone '^名前を付けて保存$'
wait_file "$pdf"
sleep 0.5

click_at "$status_x" "$status_y"
keys alt+f x
for _ in $(seq 100); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Exit"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=

# --- what was printed ---------------------------------------------------------------

cp "$drawing" "$pdf" "$artifacts/"
pdftoppm -r 254 -gray -png -aa no -aaVector no -singlefile "$pdf" "$work/page"
cp "$work/page.png" "$artifacts/printed-page.png"
python3 "$box_net" check-pdf "$pdf" "$work/page.png" || fail "the printed marks are not as joined"

echo "joints: the box net's 7 joints took $keystrokes keystrokes (Ctrl+J, Esc), $clicks clicks" \
  "and no dialog; saved and printed with every mark on both partners, upright;" \
  "screenshots in $artifacts"
