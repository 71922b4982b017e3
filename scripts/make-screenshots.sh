#!/usr/bin/env bash
# Makes the README's screenshots: builds, installs into a scratch prefix, runs the
# desktop session test there and keeps its pictures, trimmed to the window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" >&2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$root/build" --prefix "$work/prefix" >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" bash "$root/tests/e2e/session.sh" "$work/prefix" "$work/shots"
mkdir -p "$root/docs"
for view in idle converting completed; do
  convert "$work/shots/e2e-$view.png" -trim +repage -strip "$root/docs/$view.png"
  echo "$root/docs/$view.png"
done
