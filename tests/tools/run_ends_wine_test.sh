#!/usr/bin/env bash
# tools/run without a display, the generator in a fresh prefix and then the
# launcher in the prefix it left, ends every process of that prefix and no
# other prefix's: a wineserver of a prefix named like it lives on.
# Usage: run_ends_wine_test.sh SOURCE_DIR BUILD_DIR
set -u
src=$1 build=$2
prefix=$build/run-prefix
fail() { echo "FAIL: $*"; exit 1; }
# Processes whose environment names the prefix DIR.
pids_of() {
  grep -lsxzF "WINEPREFIX=$1" /proc/[0-9]*/environ | sed 's|^/proc/||; s|/environ$||'
}

tmp=$(mktemp -d)
other=$prefix-other
trap 'kill "$other_pid" 2>/dev/null; rm -rf "$tmp" "$other"' EXIT
mkdir -p "$other"
WINEPREFIX=$other wineserver -f -p >/dev/null 2>&1 &
other_pid=$!
# Packages are the set-up's business, done before the tests: here it finds
# what is missing but installs nothing.
printf '#!/bin/sh\nexit 0\n' >"$tmp/apt-get"
chmod +x "$tmp/apt-get"

rm -rf "$prefix"
for program in "" menu; do
  out=$(env -u DISPLAY -u WINEPREFIX PATH="$tmp:$PATH" "$src/tools/run" $program 2>&1) ||
    { echo "$out"; fail "tools/run $program failed"; }
  grep -q "^No display: .* ran under Xvfb" <<<"$out" || { echo "$out"; fail "tools/run $program ran no program"; }
done
[ -d "$prefix/drive_c/windows" ] || fail "tools/run made no prefix in $prefix"
left=$(pids_of "$prefix")
[ -z "$left" ] || { ps -o pid,args -p "${left//$'\n'/,}"; fail "processes of $prefix left running"; }
kill -0 "$other_pid" 2>/dev/null || fail "the wineserver of $other was ended"
echo "ok"
