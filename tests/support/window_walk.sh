#!/usr/bin/env bash
# Starts a program's real window, waits until it shows its main menu as the
# headless tour draws it, then types STEP_KEYS (xdotool key names: a chapter
# stepped through with Page Down, as a classroom remote sends it, and back to
# the menu), then the menu's exit number and Enter, as a person would, and
# expects the program to end: it ends only if every Page Down ended its
# any-key wait. Run it on a display of its own (own_display.sh): it takes
# screenshots of the whole screen. Every wait is sized for a machine whose
# every core is busy and for the sanitizer build; a program that never gets
# there fails the walk when the wait runs out.
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

window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$program\$" | head -n 1)
if [ -z "$window" ]; then
  echo "the $program window did not appear within 60 seconds" >&2
  exit 1
fi

# Screenshots until the window shows the headless picture, allowing a pixel
# in 200 to differ: the menu has been drawn and presented.
shot() { xwd -root -silent | convert xwd:- "png24:$1"; }
start=$SECONDS
while :; do
  shot "$out/window.png"
  pixels=$(( $(identify -format '%w*%h' "$out/window.png") ))
  differing=$(compare -metric AE -fuzz 8% "$out/window.png" "$out/headless/0001.png" "$out/diff.png" 2>&1 > /dev/null)
  differing=${differing%% *}
  if [[ "$differing" =~ ^[0-9]+$ ]] && [ "$differing" -le $((pixels / 200)) ]; then
    break
  fi
  if [ $((SECONDS - start)) -ge 60 ]; then
    echo "window vs headless main menu: $differing of $pixels pixels differ" >&2
    echo "the window's main menu differs from the headless picture (see $out/diff.png)" >&2
    exit 1
  fi
  sleep 0.25
done
echo "window vs headless main menu: $differing of $pixels pixels differ"

# A chapter stepped through with Page Down, then the exit number and Enter.
xdotool windowfocus --sync "$window"
# shellcheck disable=SC2086
xdotool key --delay 150 $step_keys
xdotool type --delay 50 "$exit_number"
xdotool key Return
entered=$(date +%s%3N)
while kill -0 "$pid" 2> /dev/null; do
  if [ $(($(date +%s%3N) - entered)) -ge 120000 ]; then
    echo "$program did not end within 120 seconds of its walk with Page Down" >&2
    exit 1
  fi
  sleep 0.1
done
wait "$pid"
status=$?
trap - EXIT
echo "$program ended $(($(date +%s%3N) - entered)) ms after Enter (exit $status)"
exit "$status"
