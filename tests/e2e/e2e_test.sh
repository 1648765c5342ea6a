#!/usr/bin/env bash
# Zelvo as a user meets it, on a virtual X server and driven only by the
# keyboard and the mouse: a shape drawn in the editor by clicking its
# vertices, given glue flanges and a flange name, placed on the sheet and
# saved through the file dialog (which first offers to replace another file);
# then, after a restart, the drawing opened from the recent-file list and its
# page printed to PDF. The saved file's text, the PDF's size and content and
# the printed lengths are checked, and a screenshot of every stage is kept in
# the artifacts folder.
#
# Usage: e2e_test.sh ZELVO ARTIFACTS_FOLDER
set -euo pipefail

zelvo=$1
artifacts=$2

source "$(dirname "${BASH_SOURCE[0]}")/user_session.sh"
begin_session 180 Xvfb xdotool import convert pdfinfo pdftotext pdftoppm python3

# The window bounds a user would have arranged once: the sheet on the left,
# the editor on the right. Everything else starts from its default.
cat >"$work/app/zelvo.ini" <<'EOF'
[TMainFm]
Left=20
Top=20
Width=760
Height=820
[TMkPolygonFm]
Left=800
Top=20
Width=640
Height=560
EOF

models=$work/models
drawing=$models/box.zvt
other=$models/other.zvt
pdf=$models/box.pdf
printf 'not a drawing of ours\r\n' >"$other"

source "$(dirname "${BASH_SOURCE[0]}")/../virtual_display.sh"
start_virtual_display "$work" 1600x1200x24

# --- driving ------------------------------------------------------------------

# The id of a visible window whose name matches and whose width compares with
# the given one as asked (-lt, -ge): a question and the file dialog it came
# from share their title.
wait_sized_window() {
  local id
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      geometry "$id"
      if [ "$WIDTH" "$2" "$3" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "no window \"$1\" of a width $2 $3 appeared"
}

# A pointer at rest over the point, as a hand leaves it.
hover_at() {
  settled xdotool mousemove "$(($1 - 3))" "$(($2 - 3))" mousemove "$1" "$2"
}

type_text() {
  xdotool type --delay 20 "$1"
}

start_zelvo() {
  "$work/app/zelvo" >>"$work/app.log" 2>&1 &
  app_pid=$!
  sheet=$(wait_window '^Zelvo$')
  geometry "$sheet"
  # Below the menu bar the page begins at the window's left edge.
  sheet_x=$X sheet_y=$((Y + 30)) sheet_bottom=$((Y + HEIGHT - 6))
}

# Keyboard focus does not come back to a window by itself after a dialog
# without a window manager: the user clicks into the status line first.
focus_sheet() {
  click_at $((sheet_x + 300)) "$sheet_bottom"
}

# Exit from the File menu; the program must end on its own.
quit_zelvo() {
  focus_sheet
  keys alt+f x
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Exit"
  wait "$app_pid" || fail "the program ended with status $?"
  app_pid=
}

# The name typed into a file dialog; the dialog closes on Return unless the
# name's completion list took the key.
type_file_name() {
  keys ctrl+a
  settled type_text "$1"
  keys Return
}

# --- a shape drawn in the editor ------------------------------------------------

start_zelvo
shot sheet-at-start
focus_sheet
keys ctrl+n
editor=$(wait_window '^MkPolygon$')
geometry "$editor"
# 100 %: 3.5 pixels a millimetre, so 140 pixels are 40 mm.
ex=$((X + 70)) ey=$((Y + 100))
for corner in "0 0" "140 0" "140 140" "0 140"; do
  set -- $corner
  settled click_at $((ex + $1)) $((ey + $2))
done
hover_at $((ex + 60)) $((ey + 200))
shot editor-drawing
# A click on the vertex placed last closes the outline.
settled click_at "$ex" $((ey + 140))

# Flanges of 5 mm on every side, then the name A on the top side.
keys ctrl+g
wait_window '一括' >/dev/null
shot flange-dialog-all-sides
keys ctrl+a
type_text 5
keys Return
wait_gone '^糊代設定'
click_at $((ex + 70)) "$ey"
keys ctrl+g
wait_window '１辺' >/dev/null
keys Tab Tab Tab
type_text A
shot flange-dialog-one-side
keys Return
wait_gone '^糊代設定'
click_at $((ex + 300)) $((ey + 300))
hover_at $((ex + 70)) $((ey + 1))
shot editor-flanged
import -window "$editor" "$artifacts/readme-editor.png"
keys ctrl+x
wait_gone '^MkPolygon$'

# --- placed on the sheet and saved ------------------------------------------------

# The shape follows the pointer until the click; the status line says so.
hover_at $((sheet_x + 180)) $((sheet_y + 180))
hover_at $((sheet_x + 210)) $((sheet_y + 200))
shot sheet-placing
import -window "$sheet" "$artifacts/readme-sheet.png"
settled click_at $((sheet_x + 210)) $((sheet_y + 200))

keys alt+f a
wait_window '^名前を付けて保存$' >/dev/null
shot save-dialog
type_file_name "$other"
# Another file is not replaced without a word: No goes back to the dialog.
wait_sized_window '^名前を付けて保存$' -lt 500 >/dev/null
shot replace-question
keys alt+n
wait_sized_window '^名前を付けて保存$' -ge 500 >/dev/null
type_file_name "$drawing"
wait_gone '^名前を付けて保存$'
wait_window '^Zelvo - box$' >/dev/null
wait_file "$drawing"
cmp -s "$other" <(printf 'not a drawing of ours\r\n') || fail "other.zvt was replaced"
shot sheet-saved
quit_zelvo
tr -d '\r' <"$work/app/zelvo.ini" | grep -qxF "File1=$drawing" ||
  fail "the recent-file list was not kept: $(cat "$work/app/zelvo.ini")"
# The program writes its settings once, at its end: every window's section
# is there, once, the editor's with the bounds it was given.
for section in TMainFm Print TPolygonInfoDlg TMkPolygonFm; do
  [ "$(tr -d '\r' <"$work/app/zelvo.ini" | grep -cxF "[$section]")" = 1 ] ||
    fail "section $section is not there once: $(cat "$work/app/zelvo.ini")"
done
tr -d '\r' <"$work/app/zelvo.ini" | sed -n '/^\[TMkPolygonFm\]$/,/^\[/p' | grep -qxF "Left=800" ||
  fail "the editor's bounds were not kept: $(cat "$work/app/zelvo.ini")"

# --- after a restart: opened from the recent files, printed to PDF ----------------

start_zelvo
focus_sheet
settled keys alt+f
shot recent-files
keys 1
wait_window '^Zelvo - box$' >/dev/null
shot sheet-reopened
focus_sheet
# No printer is installed here: the page becomes a PDF file. 現在のページを印刷
# is the tenth item of the File menu.
keys alt+f Down Down Down Down Down Down Down Down Down Return
wait_window '^情報$' >/dev/null
shot print-question
keys Return
wait_gone '^情報$'
wait_window '^名前を付けて保存$' >/dev/null
type_file_name "$pdf"
wait_gone '^名前を付けて保存$'
wait_printed "$pdf"
quit_zelvo

# --- what was written -------------------------------------------------------------

cp "$drawing" "$pdf" "$artifacts/"
python3 - "$drawing" <<'EOF' || fail "the saved drawing is not what was drawn"
# One page, one shape: the 40 mm square clicked in the editor, every side with
# a 5 mm flange at 45 degrees, the top side's named A.
import math, sys

data = open(sys.argv[1], "rb").read()
assert data.endswith(b"\r\n") and b"\n" not in data.replace(b"\r\n", b""), "CR LF lines"
lines = data.decode("shift_jis").split("\r\n")
assert lines[0:4] == ["1", "1", "Mirovelantiska PolygonDat", "4"], lines[0:4]
vertices = []
for line in lines[4:8]:
    assert len(line) >= 85, line
    x, y, width, angle1, angle2 = (float(line[c:c + 16]) for c in (0, 17, 34, 51, 68))
    vertices.append((x, y))
    assert width == 5 and abs(angle1 - math.pi / 4) < 1e-9 and angle1 == angle2, line
assert [line[85:] for line in lines[4:8]] == ["A", "", "", ""], lines[4:8]
for i in range(4):
    (x1, y1), (x2, y2) = vertices[i], vertices[(i + 1) % 4]
    assert abs(math.hypot(x2 - x1, y2 - y1) - 40) < 0.01, (vertices, i)
assert vertices[1][0] > vertices[0][0] and vertices[2][1] > vertices[1][1], vertices
assert lines[8:] == ["0", "0", "", ""], lines[8:]
EOF

info=$(pdfinfo "$pdf")
grep -qE '^Pages: +1$' <<<"$info" || fail "the PDF has not one page: $info"
read -r width height < <(sed -nE 's/^Page size: +([0-9.]+) x ([0-9.]+) pts.*/\1 \2/p' <<<"$info")
awk -v w="$width" -v h="$height" 'BEGIN { exit !(w > 594 && w < 596.5 && h > 841 && h < 843) }' ||
  fail "the PDF page is not A4: $width x $height pt"
text=$(pdftotext "$pdf" -)
grep -qx 'A' <<<"$text" || fail "the flange name is not in the PDF: $text"
grep -qx 'Zelvo - box - 1' <<<"$text" || fail "the page caption is not in the PDF: $text"

# Rendered at 10 pixels a millimetre, the square with its flanges is 50 mm
# across both ways: the paper carries the drawing at full size.
pdftoppm -r 254 -gray -png -aa no -aaVector no "$pdf" "$work/page"
page_png=$(ls "$work"/page*.png)
cp "$page_png" "$artifacts/printed-page.png"
read -r box_width box_height < <(convert "$page_png" -crop 1050x1400+0+0 +repage \
  -threshold 50% -trim -format '%w %h\n' info:)
for size in "$box_width" "$box_height"; do
  [ "$size" -ge 496 ] && [ "$size" -le 504 ] ||
    fail "the printed shape measures $box_width x $box_height pixels, not 500 x 500"
done

echo "end to end: drawn, flanged, placed, saved, reopened and printed at full size" \
  "($box_width x $box_height px at 254 dpi); screenshots in $artifacts"
