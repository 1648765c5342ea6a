#!/usr/bin/env python3
"""The one-piece net of a 60 x 40 x 30 mm box for the joints test on the real
program: the drawing file to open, where its sides are on the screen, and the
checks of the drawing saved after its joints were made and of its printed PDF.

  joined_box.py write FILE            the net without marks or flanges
  joined_box.py clicks LEFT TOP       the screen pixel of the middle of each
                                      side of a pair, first sides first, one
                                      pair a line, for a page whose corner is
                                      at LEFT TOP at 3.5 pixels a millimetre
  joined_box.py check-file FILE       every pair carries one mark, a tab on its
                                      first side, none on its second
  joined_box.py check-pdf PDF PAGE    every mark printed twice, each near one
                                      of its two sides, every text upright;
                                      PAGE is the PDF page rendered in grey at
                                      10 pixels a millimetre
"""
import math
import re
import subprocess
import sys
import zlib

# Clockwise as seen, 20 mm in from the page's corner: the front face on top,
# the bottom, the back and the lid below it, the end faces beside the bottom.
CORNERS = [(50, 20), (110, 20), (110, 50), (140, 50), (140, 90), (110, 90), (110, 120),
           (110, 160), (50, 160), (50, 120), (50, 90), (20, 90), (20, 50), (50, 50)]
# The fold lines between the faces, and the seven pairs of sides glued to
# close the box, the side that takes the tab first.
FOLDS = [(2, 13), (5, 10), (6, 9), (10, 13), (2, 5)]
JOINTS = [(0, 7), (1, 2), (3, 6), (4, 5), (8, 11), (9, 10), (12, 13)]
PIXELS_PER_MM = 3.5


def side_ends(k):
    return CORNERS[k], CORNERS[(k + 1) % len(CORNERS)]


def side_middle(k):
    (x1, y1), (x2, y2) = side_ends(k)
    return (x1 + x2) / 2, (y1 + y2) / 2


def fail(message):
    sys.exit(message)


def write(path):
    lines = ["1", "1", "Mirovelantiska PolygonDat", str(len(CORNERS))]
    lines += ["".join("%16.11f " % v for v in (x, y, 0, 0, 0)) for x, y in CORNERS]
    lines.append(str(len(FOLDS)))
    lines += ["%4d %4d" % fold for fold in FOLDS]
    lines += ["0", ""]
    with open(path, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("shift_jis"))


def clicks(left, top):
    for pair in JOINTS:
        points = []
        for k in pair:
            x, y = side_middle(k)
            points += [left + round(x * PIXELS_PER_MM), top + round(y * PIXELS_PER_MM)]
        print(*points)


def read_sides(path):
    """Per side of the one shape: width, both angles and name."""
    lines = open(path, "rb").read().decode("shift_jis").split("\r\n")
    if lines[0:4] != ["1", "1", "Mirovelantiska PolygonDat", str(len(CORNERS))]:
        fail("the saved drawing is not the one box net: %r" % lines[0:4])
    sides = []
    for k, line in enumerate(lines[4:4 + len(CORNERS)]):
        x, y, width, angle1, angle2 = (float(line[c:c + 16]) for c in (0, 17, 34, 51, 68))
        if (x, y) != CORNERS[k]:
            fail("vertex %d moved to %s" % (k, (x, y)))
        sides.append((width, angle1, angle2, line[85:]))
    return sides


def check_file(path):
    sides = read_sides(path)
    marks = {}
    for k, side in enumerate(sides):
        if not side[3]:
            fail("side %d has no mark" % k)
        marks.setdefault(side[3], []).append(k)
    for first, second in JOINTS:
        mark = sides[first][3]
        if marks[mark] != sorted([first, second]):
            fail("mark %s is on sides %s, not on %d and %d" % (mark, marks[mark], first, second))
        width, angle1, angle2, _ = sides[first]
        if width != 3 or abs(angle1 - math.pi / 4) > 1e-9 or abs(angle2 - math.pi / 4) > 1e-9:
            fail("side %d has not the default tab: %s" % (first, sides[first]))
        if sides[second][0] != 0:
            fail("side %d, the partner of %d, has a flange" % (second, first))
    if sorted(marks) != [str(n) for n in range(1, len(JOINTS) + 1)]:
        fail("the marks are not 1 to %d: %s" % (len(JOINTS), sorted(marks)))


def page_offset(page_png):
    """Where the drawing's origin lies on the paper, mm: the leftmost and the
    lowest line of the net are its sides without a tab at x = 20 and y = 160
    mm. The region looked at leaves out the page caption."""
    geometry = subprocess.run(
        ["convert", page_png, "-crop", "1700x2000+0+0", "+repage", "-threshold", "50%",
         "-format", "%@", "info:"], check=True, capture_output=True, text=True).stdout
    width, height, left, top = map(int, re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", geometry).groups())
    return left / 10 - 20, (top + height - 1) / 10 - 160


def printed_words(pdf):
    """(text, x, y) of every word, its middle in mm on the paper."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True, capture_output=True,
                          text=True).stdout
    words = []
    for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                         r'yMax="([\d.]+)">([^<]*)</word>', html):
        x1, y1, x2, y2 = (float(v) * 25.4 / 72 for v in m.groups()[:4])
        words.append((m.group(5), (x1 + x2) / 2, (y1 + y2) / 2))
    return words


def text_directions(pdf):
    """The direction of every text object of the page in PDF space (y up),
    from the transformation its content stream gives it."""
    data = open(pdf, "rb").read()
    token = re.compile(rb"<[0-9A-Fa-f]*>|\[|\]|/[^\s/\[\]<>()]+|\((?:\\.|[^\\)])*\)|[^\s\[\]<>/()]+")
    directions = []
    for stream in re.finditer(rb"stream\r?\n(.*?)\r?\nendstream", data, re.S):
        try:
            content = zlib.decompress(stream.group(1))
        except zlib.error:
            continue
        if b"BT" not in content.split():
            continue
        ctm = [1, 0, 0, 1]
        saved = []
        numbers = []
        for tok in token.findall(content):
            try:
                numbers.append(float(tok))
                continue
            except ValueError:
                pass
            if tok == b"q":
                saved.append(ctm)
            elif tok == b"Q":
                ctm = saved.pop()
            elif tok == b"cm":
                a, b, c, d = numbers[-6:-2]
                ctm = [a * ctm[0] + b * ctm[2], a * ctm[1] + b * ctm[3],
                       c * ctm[0] + d * ctm[2], c * ctm[1] + d * ctm[3]]
            elif tok == b"Tm":
                a, b = numbers[-6:-4]
                directions.append((a * ctm[0] + b * ctm[2], a * ctm[1] + b * ctm[3]))
            if not tok.startswith(b"<"):
                numbers = []
    return directions


def check_pdf(pdf, page_png):
    # Upright on paper: running rightward, or straight up the page; never
    # leftward or down.
    directions = text_directions(pdf)
    up = sum(1 for dx, dy in directions if abs(dx) < 1e-9 and dy > 0)
    right = sum(1 for dx, dy in directions if dx > 1e-9 and abs(dy) < 1e-9)
    if up + right != len(directions):
        fail("text that is not upright: %s" % directions)
    vertical = sum(1 for k in range(len(CORNERS)) if side_ends(k)[0][0] == side_ends(k)[1][0])
    if up != vertical or right < len(CORNERS) - vertical:
        fail("%d names run up the page and %d along it, for %d upright sides and %d level ones"
             % (up, right, vertical, len(CORNERS) - vertical))

    ox, oy = page_offset(page_png)
    words = [(text, x - ox, y - oy) for text, x, y in printed_words(pdf)]
    on_net = [(text, x, y) for text, x, y in words if 0 <= x <= 160 and 0 <= y <= 180]
    for number, (first, second) in enumerate(JOINTS, 1):
        found = [(x, y) for text, x, y in on_net if text == str(number)]
        if len(found) != 2:
            fail("mark %d is printed %d times on the net: %s" % (number, len(found), on_net))
        middles = [side_middle(first), side_middle(second)]
        # The name stands along its side, on its tab or a little inside.
        best = min(max(math.dist(found[0], middles[i]), math.dist(found[1], middles[1 - i]))
                   for i in (0, 1))
        if best > 6:
            fail("mark %d stands %.1f mm from its sides %d and %d: %s"
                 % (number, best, first, second, found))
    if len(on_net) != 2 * len(JOINTS):
        fail("more than the marks is printed on the net: %s" % on_net)


def main(args):
    command = args[0] if args else ""
    if command == "write" and len(args) == 2:
        write(args[1])
    elif command == "clicks" and len(args) == 3:
        clicks(int(args[1]), int(args[2]))
    elif command == "check-file" and len(args) == 2:
        check_file(args[1])
    elif command == "check-pdf" and len(args) == 3:
        check_pdf(args[1], args[2])
    else:
        fail(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
