#!/usr/bin/env bash
# The install tree as `cmake --install` lays it out, checked file by file and
# by the desktop tools' validators, and the installed Mirel started from a
# folder without Data/ (as a launcher starts it).
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
fail() { echo "install-tree: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null

id=org.mirel.Mirel
for f in bin/mirel bin/mirel-render \
         share/mirel/Data/facebank1/face.txt share/mirel/Data/facebank1/kamiyouso.txt \
         share/mirel/Data/facebank20/haegiwa.txt \
         share/mirel/translations/mirel_en.qm \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/bin/mirel" ] && [ -x "$prefix/bin/mirel-render" ] || fail "binaries not executable"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net --no-color "$prefix/share/metainfo/$id.metainfo.xml" > /dev/null ||
  fail "metainfo invalid"
# The session type as the desktop's database builds it: by name and by content.
update-mime-database "$prefix/share/mime" || fail "session type invalid"
grep -q '^50:application/x-mirel-session:\*\.mirel$' "$prefix/share/mime/globs2" ||
  fail "no *.mirel glob for the session type"
grep -q 'MIREL SESSION' "$prefix/share/mime/magic" || fail "no magic for the session type"
grep -q '^MimeType=application/x-mirel-session;$' "$prefix/share/applications/$id.desktop" ||
  fail "the desktop entry does not open sessions"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/$id.desktop")
[ -x "$prefix/bin/$command" ] || fail "the desktop entry starts $command, which is not installed"

# Started elsewhere, with a fresh home: the installed bank is read, and
# nothing is written into the working directory.
work=$root/elsewhere
mkdir -p "$work" "$root/home"
cd "$work"
export HOME=$root/home XDG_CONFIG_HOME=$root/home/.config QT_QPA_PLATFORM=offscreen
"$prefix/bin/mirel-render" face "$prefix/share/mirel/Data/facebank1" "$root/face.pdf"
head -c 5 "$root/face.pdf" | grep -q '%PDF-' || fail "mirel-render wrote no PDF"
"$prefix/bin/mirel-render" grid "$root/grid.png" || fail "mirel-render did not find the installed bank"
# Mirel runs until it is stopped; a missing bank would end it at once, or
# hold it at its message box with the reader's text on stderr.
status=0
timeout 5 "$prefix/bin/mirel" --lang en 2> "$root/stderr.txt" || status=$?
[ "$status" -eq 124 ] || fail "mirel ended with status $status: $(cat "$root/stderr.txt")"
! grep -E "^error:|^mirel:" "$root/stderr.txt" || fail "mirel reported the above"
[ -z "$(ls -A "$work")" ] || fail "mirel wrote into the working directory: $(ls -A "$work")"
