#!/usr/bin/env bash
# Builds the Debian package, checks what it declares, unpacks it into a scratch
# folder and converts real files with the unpacked program.
# Usage: package-test.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$build/package
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
debs=("$out"/qelvanto_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one package in $out" >&2; exit 1; }
deb=${debs[0]}
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in ffmpeg libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || { echo "FAIL: the package does not depend on $p" >&2; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = qelvanto ] || { echo "FAIL: package name" >&2; exit 1; }
# Every declared dependency can be met from the machine's package sources.
if command -v apt-get >/dev/null; then
  apt-get install -s "$deb" >/dev/null || { echo "FAIL: apt-get cannot install $deb" >&2; exit 1; }
fi
unpacked=$build/package/unpacked
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
[ "$(readlink "$unpacked/usr/share/qelvanto/ffmpeg")" = "$(command -v ffmpeg)" ] ||
  { echo "FAIL: the packaged encoder link does not point at the system's ffmpeg" >&2; exit 1; }
exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/session.sh" "$unpacked/usr" "$build/artifacts/package"
