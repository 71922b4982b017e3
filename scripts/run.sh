#!/usr/bin/env bash
# Sets up, builds and starts Qelvanto.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" >&2
exec "$root/build/qelvanto" "$@"
