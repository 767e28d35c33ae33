#!/usr/bin/env bash
# Runs COMMAND on a virtual X server of its own (Xvfb, 1440x720, 24 bits),
# so that no other test's window, nor the server resetting when another
# test's last client leaves, changes what COMMAND sees of its window. Exits
# 77 (skipped) when Xvfb is not installed, else with COMMAND's status.
#   own_display.sh COMMAND [ARGUMENTS...]
set -uo pipefail
if ! command -v Xvfb > /dev/null; then
  echo "Xvfb is not installed: skipped"
  exit 77
fi

# The server writes its display number to a file once it accepts clients.
ready=$(mktemp)
exec {ready_fd}> "$ready"
# It ends with this script, however that ends.
setpriv --pdeathsig TERM Xvfb -displayfd "$ready_fd" -screen 0 1440x720x24 -nolisten tcp -noreset > /dev/null 2>&1 &
server=$!
exec {ready_fd}>&-
trap 'kill $server 2> /dev/null; wait $server 2> /dev/null; rm -f "$ready"' EXIT

# However long a busy machine takes to start it, up to two minutes.
ready_now() { [ -s "$ready" ] && [ -z "$(tail -c 1 "$ready")" ]; }  # the number and its newline
for _ in $(seq 1 1200); do
  ready_now && break
  kill -0 "$server" 2> /dev/null || break
  sleep 0.1
done
if ! ready_now; then
  echo "Xvfb ended or was not ready within two minutes" >&2
  exit 1
fi

DISPLAY=:$(head -n 1 "$ready") "$@"
