#!/usr/bin/env bash
# The programs configure without GoogleTest when the tests are left out, and
# a build that asks for the tests stops at once without it, telling why.
#   check_configure.sh SOURCE_DIR OUTPUT_DIR
set -uo pipefail
src=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
fail() { echo "$*" >&2; exit 1; }
configure() {  # configure DIR ARGS...: as if GoogleTest were not installed
  local dir=$1; shift
  cmake -S "$src" -B "$out/$dir" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON "$@" > "$out/$dir.log" 2>&1
}

configure programs -DBUILD_TESTING=OFF || fail "without the tests: $(cat "$out/programs.log")"
targets=$(cmake --build "$out/programs" --target help)
grep -q 'Tallyview' <<< "$targets" && grep -q 'Diceway' <<< "$targets" \
  || fail "without the tests the programs are not targets: $targets"

configure tests -DBUILD_TESTING=ON && fail "the tests configured without GoogleTest"
grep -q 'The tests need GoogleTest' "$out/tests.log" || fail "no reason given: $(cat "$out/tests.log")"
echo "configure: the programs without GoogleTest, the tests never"
