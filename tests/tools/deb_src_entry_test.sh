#!/usr/bin/env bash
# The source entry tools/setup writes comes only from the machine's own
# configured archives, in either sources format, and nothing is made up when
# there is none to derive it from.
# Usage: deb_src_entry_test.sh DEB_SRC_ENTRY
set -u
entry=$1
apt=$(mktemp -d)
trap 'rm -rf "$apt"' EXIT
failures=0
expect() {  # NAME EXPECTED_RC EXPECTED_OUTPUT
  local out rc=0
  out=$(bash "$entry" "$apt" bookworm 2>/dev/null) || rc=$?
  if [ "$rc" != "$2" ] || [ "$out" != "$3" ]; then
    echo "FAIL $1: rc $rc (wanted $2), output:"; echo "$out"; echo "wanted:"; echo "$3"
    failures=$((failures + 1))
  fi
}
reset() { rm -rf "$apt"/*; mkdir -p "$apt/sources.list.d"; }

reset
cat > "$apt/sources.list.d/mirror.sources" <<'SRC'
# the machine's own mirror
Types: deb
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates sid
Components: main contrib
Architectures: amd64
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 abc
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
Enabled: no
URIs: http://off.example/debian
Suites: bookworm
Components: main

Types: deb
URIs: http://other.example/repo
Suites: nodistro
Components: main
SRC
cat > "$apt/sources.list.d/old.list.disabled" <<'SRC'
deb http://disabled.example/debian bookworm main
SRC
expect "multi-line format" 0 "Types: deb-src
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: 
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 abc
 -----END PGP PUBLIC KEY BLOCK-----"

reset
cat > "$apt/sources.list" <<'SRC'
# deb http://commented.example/debian bookworm main
deb [ arch=amd64 signed-by=/k.gpg ] http://mirror.example/debian bookworm main # comment
deb http://security.example/debian-security bookworm-security main
deb-src http://mirror.example/debian bullseye main
SRC
expect "one-line format" 0 "Types: deb-src
URIs: http://mirror.example/debian
Suites: bookworm
Components: main
Signed-By: /k.gpg

Types: deb-src
URIs: http://security.example/debian-security
Suites: bookworm-security
Components: main"

echo "deb-src http://mirror.example/debian bookworm main" > "$apt/sources.list.d/src.list"
expect "a source entry already there" 0 ""

reset
echo "deb http://mirror.example/debian bullseye main" > "$apt/sources.list"
expect "no entry of the release" 1 ""
message=$(bash "$entry" "$apt" bookworm 2>&1 >/dev/null)
grep -q "Add a 'deb-src' entry for your bookworm archive" <<<"$message" \
  || { echo "FAIL: no advice in: $message"; failures=$((failures + 1)); }
rm -rf "$apt/sources.list" "$apt/sources.list.d"
expect "no sources at all" 1 ""

[ "$failures" = 0 ] && echo ok
exit "$failures"
