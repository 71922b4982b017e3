#!/usr/bin/env bash
# Builds Qelvanto in release mode and runs every benchmark once, each printed as a
# ratio against its baseline measured in the same run.
# Usage: bench/run.sh [--files N] [--only NAME]   (N: files of the steady batch, 2000;
# NAME: runner, collect, batch, steady, parallel, short, or clips or mixed alone)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DQELVANTO_TESTS=OFF \
  -DQELVANTO_BENCH=ON >&2
echo "machine: $(nproc) cores, $(free -g | awk '/^Mem:/{print $2}') GiB, $(date -u +%Y-%m-%d)"
QT_QPA_PLATFORM=offscreen exec "$root/build-bench/qelbench" "$@"
