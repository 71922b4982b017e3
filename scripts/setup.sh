#!/usr/bin/env bash
# Installs what Qelvanto needs from Debian when it is missing, then configures and
# builds.
# Usage: scripts/setup.sh [--program] BUILD_DIR [extra cmake arguments]
#   --program  only what building and running the program needs: the smaller
#              package list, no tests configured, only the program and the
#              files its install needs built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program_only=false
if [ "${1:-}" = --program ]; then
  program_only=true
  shift
fi
build=${1:-$root/build}
shift || true

# Building and running the program: compiler, build tools, Qt, the encoder and a
# font for the window's text; Qt's translation tools, which compile the program's
# languages into it, and Qt's own translations for its pickers and buttons.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libcue-dev ffmpeg fonts-dejavu-core
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
if ! $program_only; then
  # The tests: an X server and a window manager for the sessions, a message bus
  # for the desktop notification and file manager calls, the desktop file
  # validators, the Debian package tools and lintian, and image tools for screenshots.
  packages+=(xvfb xauth dbus-daemon file dpkg-dev desktop-file-utils appstream lintian xdotool wmctrl openbox imagemagick)
fi
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

if $program_only; then
  cmake -S "$root" -B "$build" -G Ninja -DQELVANTO_TESTS=OFF "$@"
  # The compressed manual page and changelog too: the install and the package need them.
  cmake --build "$build" --target qelvanto compressed_docs
else
  # Tests on unless the caller says otherwise: a folder that run.sh configured
  # without them gets them back.
  cmake -S "$root" -B "$build" -G Ninja -DQELVANTO_TESTS=ON "$@"
  cmake --build "$build"
fi
