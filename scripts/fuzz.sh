#!/usr/bin/env bash
# Builds the libFuzzer targets for the parsers of the encoder's text with clang
# and runs each over its corpus for a while (default 60 s each).
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$root/build-fuzz
# Needs what the program needs (scripts/setup.sh installs it) and clang.
command -v clang++ >/dev/null || { echo "clang++ is needed: sudo apt-get install clang" >&2; exit 1; }
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DQELVANTO_TESTS=OFF -DQELVANTO_FUZZ=ON -DQELVANTO_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target fuzz_dump fuzz_end
for target in dump end; do
  work=$build/corpus-$target
  mkdir -p "$work"
  cp -n "$root/fuzz/corpus/$target"/* "$work/"
  "$build/fuzz_$target" -max_total_time="$seconds" -max_len=65536 "$work"
done
