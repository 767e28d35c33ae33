#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests, the window tests
# (each on a virtual X server of its own) and the screenshot tour of every
# program; then the same once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh test
jobs=$(nproc)

# Builds DIR as build type TYPE with the tests and warnings as errors, then
# runs its tests; a build without tests fails rather than passes.
run_suite() {
  local dir=$1 type=$2; shift 2
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" -DBUILD_TESTING=ON -DLESSON_WERROR=ON "$@" > /dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j"$jobs"
}

echo "== build and test (Release, the build users get)"
run_suite build Release
echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The window draws without OpenGL here: the GL driver keeps memory that the
# leak checker cannot name, since the driver is unloaded before it reports.
export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0
run_suite build-sanitize RelWithDebInfo -DLESSON_SANITIZE=ON
echo "== all tests passed"
