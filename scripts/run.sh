#!/usr/bin/env bash
# Builds the lesson programs and starts one of them (default Tallyview).
#   scripts/run.sh [Tallyview|Diceway]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-Tallyview}
scripts/install-packages.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLESSON_WERROR=OFF > /dev/null
cmake --build build -j"$(nproc)" --target "$program"
exec "build/$program/$program"
