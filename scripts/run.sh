#!/usr/bin/env bash
# Builds the lesson programs and starts one of them (default Tallyview).
#   scripts/run.sh [Tallyview|Diceway]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-Tallyview}
scripts/install-packages.sh run
# A build folder of its own, without the tests, so that running never needs
# the test packages and never recompiles what scripts/test.sh built.
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DLESSON_WERROR=OFF > /dev/null
cmake --build build-run -j"$(nproc)" --target "$program"
exec "build-run/$program/$program"
