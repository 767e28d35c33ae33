#!/usr/bin/env bash
# The random-key soak and the keys file of lesson-tour on its test program,
# whose item 2 raises a run-time error after one any-key screen.
#   check_soak.sh LESSON_TOUR_FAILING OUTPUT_DIR
set -uo pipefail
tour=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
fail() { echo "$*" >&2; exit 1; }

# A fixed seed types the same keys every time: the same summary, and exit 1
# at the error screen.
"$tour" Failing --random 2000 --seed 7 > "$out/soak.txt"
status=$?
[ "$status" -eq 1 ] || fail "the soak ended with $status at an error screen, not 1"
expected="keys 24, screens 6, program ends 0, error screens 1, longest draws between waits 33"
[ "$(tail -n 1 "$out/soak.txt")" = "$expected" ] || fail "summary: $(cat "$out/soak.txt")"
"$tour" Failing --random 2000 --seed 7 > "$out/again.txt"
cmp -s "$out/again.txt" "$out/soak.txt" || fail "the same seed gave another soak"

# Keys from a file, line breaks left out: the error screen on the third wait.
printf '1\\r\n2\\r\nk' > "$out/keys.txt"
"$tour" Failing --keys-file "$out/keys.txt" > "$out/events.txt"
status=$?
[ "$status" -eq 1 ] || fail "the keys file's walk ended with $status, not 1"
[[ "$(tail -n 1 "$out/events.txt")" =~ ^4\ error\ [0-9]+,5$ ]] || fail "events: $(cat "$out/events.txt")"
# Without item 2 the program never fails: keys-out, exit 0.
printf '1\\r3\\r' > "$out/keys.txt"
"$tour" Failing --keys-file "$out/keys.txt" > "$out/events.txt" || fail "a clean walk failed"
echo "soak and keys file: as expected"
