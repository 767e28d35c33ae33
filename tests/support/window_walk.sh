#!/usr/bin/env bash
# Starts the real Tallyview window, compares its main menu with the headless
# tour's picture of the same screen, then steps through chapter 1's problem
# scene with Page Down and types 7 and Enter as a person would, and expects
# the program to end within 10 seconds.
#   window_walk.sh TALLYVIEW LESSON_TOUR OUTPUT_DIR
set -uo pipefail
exe=$1 tour=$2 out=$3
if [ -z "${DISPLAY:-}" ]; then
  echo "no X display: skipped"
  exit 77
fi
rm -rf "$out"
mkdir -p "$out"

# The headless picture of the main menu: the first wait is its number entry.
"$tour" Tallyview --keys '' --png "$out/headless" > "$out/events.txt"

"$exe" &
pid=$!
trap 'kill $pid 2> /dev/null' EXIT

window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tallyview$' | head -n 1)
if [ -z "$window" ]; then
  echo "the Tallyview window did not appear" >&2
  exit 1
fi

# Screenshots until two in a row agree: the menu has been drawn and presented.
shot() { xwd -root -silent | convert xwd:- "png24:$1"; }
previous=""
for attempt in $(seq 1 40); do
  sleep 0.25
  shot "$out/window.png"
  sum=$(md5sum < "$out/window.png")
  [ "$sum" = "$previous" ] && break
  previous=$sum
done

pixels=$(( $(identify -format '%w*%h' "$out/window.png") ))
differing=$(compare -metric AE -fuzz 8% "$out/window.png" "$out/headless/0001.png" "$out/diff.png" 2>&1 > /dev/null)
differing=${differing%% *}
echo "window vs headless main menu: $differing of $pixels pixels differ"
if ! [[ "$differing" =~ ^[0-9]+$ ]] || [ "$differing" -gt $((pixels / 200)) ]; then
  echo "the window's main menu differs from the headless picture (see $out/diff.png)" >&2
  exit 1
fi

# Chapter 1's problem scene stepped through with Page Down, as a classroom
# remote sends it, then back to the menu, then 7 and Enter: the program ends
# only if every Page Down ended its any-key wait.
xdotool windowfocus --sync "$window"
xdotool key --delay 150 1 Return 1 Return
xdotool key --delay 150 Next Next Next Next Next Next Next
xdotool key --delay 150 3 Return
xdotool type --delay 50 "7"
xdotool key Return
for tenth in $(seq 1 100); do
  if ! kill -0 "$pid" 2> /dev/null; then
    wait "$pid"
    status=$?
    trap - EXIT
    echo "Tallyview ended $((tenth * 100)) ms after Enter (exit $status)"
    exit "$status"
  fi
  sleep 0.1
done
echo "Tallyview did not end within 10 seconds of its walk with Page Down" >&2
exit 1
