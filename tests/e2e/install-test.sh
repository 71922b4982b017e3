#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs a person's session with it.
# Usage: install-test.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
prefix=$build/e2e-install
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/qelvanto share/qelvanto/ffmpeg share/applications/org.qelvanto.Qelvanto.desktop \
         share/metainfo/org.qelvanto.Qelvanto.metainfo.xml share/doc/qelvanto/README.md \
         share/bash-completion/completions/qelvanto \
         share/icons/hicolor/48x48/apps/org.qelvanto.Qelvanto.png share/icons/hicolor/256x256/apps/org.qelvanto.Qelvanto.png; do
  [ -e "$prefix/$f" ] || { echo "FAIL: the install tree lacks $f" >&2; exit 1; }
done
exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/session.sh" "$prefix" "$build/artifacts"
