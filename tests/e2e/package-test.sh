#!/usr/bin/env bash
# Builds the Debian package, checks what it declares, runs lintian on it (any
# error or warning fails), unpacks it into a scratch folder and converts real
# files with the unpacked program.
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
# Debian's own checks of the package; overrides ship in the package itself.
lintian --fail-on error,warning --display-level '>=info' --color never "$deb" ||
  { echo "FAIL: lintian found errors or warnings in $deb" >&2; exit 1; }
unpacked=$build/package/unpacked
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
for f in usr/share/doc/qelvanto/copyright usr/share/doc/qelvanto/changelog.Debian.gz \
         usr/share/man/man1/qelvanto.1.gz usr/share/doc/qelvanto/README.md \
         usr/share/bash-completion/completions/qelvanto; do
  [ -f "$unpacked/$f" ] || { echo "FAIL: the package lacks $f" >&2; exit 1; }
done
# Every picture the installed README links to is installed beside it.
{ grep -o 'docs/[A-Za-z0-9_-]*\.png' "$unpacked/usr/share/doc/qelvanto/README.md" || true; } | sort -u | while read -r png; do
  [ -f "$unpacked/usr/share/doc/qelvanto/$png" ] || { echo "FAIL: the installed README links to a missing $png" >&2; exit 1; }
done
# The encoder link is relative inside /usr and, once installed, reaches the file
# that the ffmpeg package (a dependency) ships.
link=$(readlink "$unpacked/usr/share/qelvanto/ffmpeg")
[ "${link#/}" = "$link" ] || { echo "FAIL: the packaged encoder link is absolute: $link" >&2; exit 1; }
installed_target=$(realpath -m "/usr/share/qelvanto/$link")
[ "$(dpkg-query -S "$installed_target" 2>/dev/null | cut -d: -f1)" = ffmpeg ] ||
  { echo "FAIL: the packaged encoder link $link reaches $installed_target, which the ffmpeg package does not ship" >&2; exit 1; }
# In the scratch tree that file stands in for the installed dependency.
mkdir -p "$(dirname "$unpacked$installed_target")"
ln -s "$installed_target" "$unpacked$installed_target"
# Without a display, from a shell.
scratch=$(mktemp -d)
"$unpacked/usr/share/qelvanto/ffmpeg" -v error -f lavfi -i sine=d=1 "$scratch/tone.wav"
summary=$(cd "$scratch" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$scratch/data" \
  "$unpacked/usr/bin/qelvanto" --convert --quiet --format flac tone.wav) ||
  { echo "FAIL: qelvanto --convert ended with status $?" >&2; exit 1; }
[ "$summary" = "Conversion Completed." ] && [ -s "$scratch/Converted/tone.flac" ] && [ ! -e "$scratch/data" ] ||
  { echo "FAIL: qelvanto --convert said '$summary' and made $(find "$scratch" -type f)" >&2; exit 1; }
rm -rf "$scratch"
exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/session.sh" "$unpacked/usr" "$build/artifacts/package"
