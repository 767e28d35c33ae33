#!/usr/bin/env bash
# Fails when a file under lessonlib/ includes a file of either program or
# of the platform layer: the shared library knows neither.
#   check_lessonlib_includes.sh SOURCE_DIR
set -euo pipefail
found=$(grep -rnE '^\s*#\s*include\s*[<"](\.\./)*(Tallyview|Diceway|platform)/|^\s*#\s*include\s*[<"](SDL|cairo)' \
  "$1/lessonlib" || true)
if [[ -n $found ]]; then
  echo "lessonlib includes a program's or the platform's file:"
  echo "$found"
  exit 1
fi
