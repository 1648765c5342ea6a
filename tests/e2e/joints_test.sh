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
# Usage: joints_test.sh ZELVO ARTIFACTS_FOLDER
set -euo pipefail

zelvo=$1
artifacts=$2
box_net="$(dirname "${BASH_SOURCE[0]}")/joined_box.py"

source "$(dirname "${BASH_SOURCE[0]}")/user_session.sh"
begin_session 150 Xvfb xdotool import convert pdftotext pdftoppm python3

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
# is the tenth item of the File menu.
keys alt+f Down Down Down Down Down Down Down Down Down Return
wait_window '^情報$' >/dev/null
keys Return
wait_gone '^情報$'
wait_window '^名前を付けて保存$' >/dev/null
keys ctrl+a
xdotool type --delay 20 "$pdf"
keys Return
wait_gone '^名前を付けて保存$'
wait_printed "$pdf"

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
