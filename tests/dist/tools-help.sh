#!/usr/bin/env bash
# Every installed tool, and the witness, answers --help and -h with its usage
# on stdout and status 0, without a display (the manual pages are made so).
set -euo pipefail
build=$1
fail() { echo "tools-help: $*" >&2; exit 1; }

for tool in app/mirel tools/mirel-render tools/mirel-witness; do
  name=$(basename "$tool")
  for option in --help -h; do
    status=0
    text=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/$tool" "$option" 2>&1) ||
      status=$?
    [ "$status" -eq 0 ] || fail "$name $option ended with status $status: $text"
    [[ "$text" == "usage: $name "* ]] || fail "$name $option printed: $text"
  done
done
