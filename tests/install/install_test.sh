#!/usr/bin/env bash
# Installs the build as a user would, into a temporary prefix, and staged under
# a temporary DESTDIR at the configured prefix as a package would, and checks
# what a Linux desktop needs: the executable, a valid desktop entry that opens
# drawing files, the icon in the hicolor theme and the drawing file type whose
# glob the file-type database learns.
# Usage: install_test.sh CMAKE BUILD_FOLDER CONFIGURED_PREFIX
set -euo pipefail

cmake_command=$1
build=$2
configured_prefix=$3

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in desktop-file-validate xmllint update-mime-database; do
  command -v "$tool" >/dev/null || fail "$tool is missing: tools/setup installs it"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect_installed() {
  local root=$1
  [ -x "$root/bin/zelvo" ] || fail "no executable $root/bin/zelvo"
  for file in share/applications/zelvo.desktop share/icons/hicolor/scalable/apps/zelvo.svg \
    share/mime/packages/zelvo.xml; do
    [ -s "$root/$file" ] || fail "$file was not installed under $root"
  done
}

expect_line() {
  local file=$1 line=$2
  grep -qxF -- "$line" "$file" || fail "$(basename "$file") has no line \"$line\""
}

# Straight into a prefix of the user's choosing.
prefix=$work/usr
"$cmake_command" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$work/install.log")"
expect_installed "$prefix"

entry=$prefix/share/applications/zelvo.desktop
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
expect_line "$entry" "Exec=zelvo %f"
expect_line "$entry" "Icon=zelvo"
expect_line "$entry" "MimeType=application/x-zelvo-drawing;"
grep -qE '^Categories=(.*;)?Graphics;' "$entry" || fail "the desktop entry is not in Graphics"
grep -qE '^Comment=.+' "$entry" || fail "the desktop entry has no English comment"
grep -qE '^Comment\[ja\]=.+' "$entry" || fail "the desktop entry has no Japanese comment"

xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/zelvo.svg" || fail "the icon is not SVG"
types=$prefix/share/mime/packages/zelvo.xml
xmllint --noout "$types" || fail "the file type is not well-formed XML"
[ "$(xmllint --xpath 'string(//*[local-name()="glob"]/@pattern)' "$types")" = "*.zvt" ] ||
  fail "the file type has no *.zvt glob"

# The install brought the prefix's file-type database up to date, so a file
# manager using it calls *.zvt files Zelvo drawings.
[ -s "$prefix/share/mime/globs2" ] || fail "the install did not update the file-type database"
grep -qE '^[0-9]+:application/x-zelvo-drawing:\*\.zvt$' "$prefix/share/mime/globs2" ||
  fail "the file-type database does not know *.zvt"
grep -qx 'application/x-zelvo-drawing text/plain' "$prefix/share/mime/subclasses" ||
  fail "drawing files are not known as text"

# Staged for a package: everything under DESTDIR at the configured prefix, and
# the caches left to the package manager.
stage=$work/stage
DESTDIR=$stage "$cmake_command" --install "$build" >"$work/stage.log" 2>&1 ||
  fail "the staged install failed: $(cat "$work/stage.log")"
expect_installed "$stage$configured_prefix"
[ ! -e "$stage$configured_prefix/share/mime/globs2" ] ||
  fail "a staged install updated the file-type database"

echo "install: $prefix and DESTDIR$configured_prefix hold the program, its entry, icon and file type"
