#!/usr/bin/env bash
# Sets up, builds and starts Qelvanto: installs only what building and running the
# program needs and builds the program alone, without the tests.
# The build folder is build/ unless QELVANTO_BUILD_DIR names another.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QELVANTO_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" --program "$build" >&2
exec "$build/qelvanto" "$@"
