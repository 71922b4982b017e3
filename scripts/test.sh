#!/usr/bin/env bash
# Sets up, builds and runs the whole suite twice: in the normal build and in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure)
"$root/scripts/setup.sh" "$root/build-sanitize" -DQELVANTO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$root/build-sanitize" && ctest --output-on-failure)
