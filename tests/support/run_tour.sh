#!/usr/bin/env bash
# Runs the built-in walk of one program with screenshots and fails unless it
# ends the program without a run-time error.
set -euo pipefail
tour=$1 program=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
status=0
"$tour" "$program" --png "$out/png" --ops "$out/ops.txt" > "$out/events.txt" || status=$?
last=$(tail -n 1 "$out/events.txt")
echo "$program: $(wc -l < "$out/events.txt") events, last: $last"
if [ "$status" -ne 0 ] || [[ "$last" != *" end" ]]; then
  echo "the tour of $program did not end cleanly (exit $status)" >&2
  exit 1
fi
