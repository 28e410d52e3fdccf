#!/usr/bin/env bash
# The program check refuses a program that imports zlib1.dll and keeps its
# debug information, and names both faults.
# Usage: check_programs_test.sh CHECK OBJDUMP PROGRAM
set -u
check=$1 objdump=$2 program=$3
fail() { echo "FAIL: $*"; echo "$out"; exit 1; }

out=$(bash "$check" "$objdump" "$program" 2>&1) && fail "the check passed it"
grep -q "imports zlib1.dll, which Windows does not provide" <<<"$out" || fail "zlib1.dll not named"
grep -q "carries debug information (.*\.debug_info" <<<"$out" || fail "debug information not named"
grep -qi "imports kernel32.dll, which" <<<"$out" && fail "a system DLL was refused"

out=$(bash "$check" "$objdump" "$program.missing" 2>&1) && fail "the check passed a missing program"
grep -q "not built" <<<"$out" || fail "a missing program not named"
echo "ok"
