#!/usr/bin/env bash
# Starts a program's real window, compares its main menu with the headless
# tour's picture of the same screen, then types STEP_KEYS (xdotool key names:
# a chapter stepped through with Page Down, as a classroom remote sends it,
# and back to the menu), then the menu's exit number and Enter, as a person
# would, and expects the program to end within 10 seconds: it ends only if
# every Page Down ended its any-key wait.
#   window_walk.sh PROGRAM EXECUTABLE LESSON_TOUR OUTPUT_DIR EXIT_NUMBER STEP_KEYS
set -uo pipefail
program=$1 exe=$2 tour=$3 out=$4 exit_number=$5 step_keys=$6
if [ -z "${DISPLAY:-}" ]; then
  echo "no X display: skipped"
  exit 77
fi
rm -rf "$out"
mkdir -p "$out"

# The headless picture of the main menu: the first wait is its number entry.
"$tour" "$program" --keys '' --png "$out/headless" > "$out/events.txt"

"$exe" &
pid=$!
trap 'kill $pid 2> /dev/null' EXIT

window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$program\$" | head -n 1)
if [ -z "$window" ]; then
  echo "the $program window did not appear" >&2
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

# A chapter stepped through with Page Down, then the exit number and Enter.
xdotool windowfocus --sync "$window"
# shellcheck disable=SC2086
xdotool key --delay 150 $step_keys
xdotool type --delay 50 "$exit_number"
xdotool key Return
for tenth in $(seq 1 100); do
  if ! kill -0 "$pid" 2> /dev/null; then
    wait "$pid"
    status=$?
    trap - EXIT
    echo "$program ended $((tenth * 100)) ms after Enter (exit $status)"
    exit "$status"
  fi
  sleep 0.1
done
echo "$program did not end within 10 seconds of its walk with Page Down" >&2
exit 1
