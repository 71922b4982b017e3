#!/usr/bin/env bash
# Installs what Qelvanto needs from Debian when it is missing, then configures and
# builds. Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev ffmpeg fonts-dejavu-core xvfb xauth
          dpkg-dev desktop-file-utils appstream xdotool wmctrl openbox imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

cmake -S "$root" -B "$build" -G Ninja "$@"
cmake --build "$build"
