#!/usr/bin/env bash
# The Debian package made from the build, as a distribution would check it:
# lintian must report no error and no warning. The informational tags that
# stay are listed, with their reasons, in the README.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "debian-package: $*" >&2; exit 1; }

# Into a folder of its own, so that neither a concurrent `make package` nor
# the package it leaves in the build folder is touched.
cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$out/cpack.log")"
debs=("$out"/mirel_*.deb)
[ -f "${debs[0]}" ] || fail "cpack wrote no package: $(cat "$out/cpack.log")"

status=0
lintian --fail-on error,warning --info "${debs[0]}" > "$out/lintian.txt" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "lintian ended with status $status: $(cat "$out/lintian.txt")"
