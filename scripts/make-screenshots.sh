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
# A Japanese font for the translated window's picture; the program needs none.
if ! dpkg-query -W -f='${Status}' fonts-ipafont-gothic 2>/dev/null | grep -q "install ok installed"; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends fonts-ipafont-gothic </dev/null
fi
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
  # The idle window in two of its languages, as it first starts.
  for lang in de ja; do
    rm -rf /home/user/.local/share/Qelvanto
    HOME=/home/user LANGUAGE=$lang LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" bash -euc "
      openbox --sm-disable >/dev/null 2>&1 &
      until wmctrl -m >/dev/null 2>&1; do sleep 0.2; done
      /opt/qelvanto/bin/qelvanto >/dev/null 2>&1 & app=\$!
      win=\$(xdotool search --sync --onlyvisible --name \"^Qelvanto\$\" | head -1)
      xdotool windowactivate --sync \"\$win\"
      sleep 1
      import -window root \"$work/shots/e2e-idle-$lang.png\"
      kill \$app; wait \$app || true
    "
  done
' sh "$work"
mkdir -p "$root/docs"
for view in idle converting completed idle-de idle-ja; do
  convert "$work/shots/e2e-$view.png" -trim +repage -strip "$root/docs/$view.png"
  echo "$root/docs/$view.png"
done
