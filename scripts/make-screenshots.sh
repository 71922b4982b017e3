#!/usr/bin/env bash
# Makes the README's screenshots: builds, installs, runs the desktop session test
# and keeps its pictures, trimmed to the window.
# The pictures show paths (the console names the encoder it launched), so the
# session runs in a mount namespace of its own in which the install appears at
# /opt/qelvanto and the home folder at /home/user, as on an ordinary machine.
# Everything is written in a scratch folder; the mounts end with the namespace.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" >&2
# In /tmp, not under TMPDIR or the source tree: the namespace hides /home and /opt.
work=$(mktemp -d /tmp/qelvanto-shots.XXXXXX)
trap 'rm -rf "$work"' EXIT
DESTDIR=$work/root cmake --install "$root/build" --prefix /opt/qelvanto >/dev/null
mkdir -p "$work/home" "$work/shots"
cp "$root/tests/e2e/session.sh" "$work/"
if [ "$(id -u)" -eq 0 ]; then
  namespace=(unshare --mount --propagation private)
else
  namespace=(unshare --map-root-user --mount --propagation private)
fi
"${namespace[@]}" bash -euc '
  work=$1
  mount -t tmpfs -o mode=755 qelvanto /opt
  mkdir /opt/qelvanto
  mount --bind "$work/root/opt/qelvanto" /opt/qelvanto
  mount -t tmpfs -o mode=755 qelvanto /home
  mkdir /home/user
  mount --bind "$work/home" /home/user
  QELVANTO_E2E_HOME=/home/user xvfb-run -a -s "-screen 0 1024x768x24" \
    bash "$work/session.sh" /opt/qelvanto "$work/shots"
' sh "$work"
mkdir -p "$root/docs"
for view in idle converting completed; do
  convert "$work/shots/e2e-$view.png" -trim +repage -strip "$root/docs/$view.png"
  echo "$root/docs/$view.png"
done
