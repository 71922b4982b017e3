#!/usr/bin/env bash
# A person's session with an installed Qelvanto, on a real X server with a real
# window manager: start it, pick ogg and Mono, click the door, choose two files in
# the picker, let the batch run, dismiss "Conversion Completed.", close the window.
# Then the outputs must be valid audio and setting.dat must hold the choices.
# Run inside xvfb-run. Usage: session.sh PREFIX ARTIFACTS
#   PREFIX: install tree with bin/qelvanto; ARTIFACTS: where screenshots go.
#   QELVANTO_E2E_HOME, when set, is an empty folder to use as the home folder
#   instead of a scratch one (the screenshots want one with an ordinary name).
set -euo pipefail
prefix=$(cd "$1" && pwd)
artifacts=$(mkdir -p "$2" && cd "$2" && pwd)
scratch=$(mktemp -d)
app_pid=
wm_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; import -window root "$artifacts/e2e-failure.png" 2>/dev/null || true; exit 1; }
# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local until=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $until ] || return 1
    sleep 0.2
  done
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
shot() { import -window root "$artifacts/$1"; echo "screenshot: $artifacts/$1"; }

program=$prefix/bin/qelvanto
encoder=$prefix/share/qelvanto/ffmpeg
[ -x "$program" ] || fail "no program at $program"
[ -x "$encoder" ] || fail "no encoder at $encoder"
ffprobe=$(dirname "$(readlink -f "$encoder")")/ffprobe

home=${QELVANTO_E2E_HOME:-$scratch/home}
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
music="$HOME/My Music"
mkdir -p "$music"
# A long first file so that the converting view can be seen.
"$encoder" -v error -f lavfi -i "sine=f=440:d=900" -ac 2 "$music/tone one.wav"
"$encoder" -v error -f lavfi -i "sine=f=660:d=3" -ac 2 "$music/tone-two.wav"

openbox --sm-disable >/dev/null 2>&1 & wm_pid=$!
wait_for 10 wmctrl -m || fail "the window manager did not start"

# Started as the menu entry starts it: with no files, its field codes stand for nothing.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/org.qelvanto.Qelvanto.desktop")
exec_line=$(sed 's/ %[fFuU]//g' <<<"$exec_line")
[ "$exec_line" = qelvanto ] || fail "unexpected Exec line: $exec_line"
PATH=$prefix/bin:$PATH "$exec_line" >"$artifacts/e2e-stdout.txt" 2>"$artifacts/e2e-stderr.txt" & app_pid=$!
wait_for 20 visible '^Qelvanto$' || fail "the window did not appear"
win=$(visible '^Qelvanto$' | head -1)
xdotool windowactivate --sync "$win"
sleep 1
shot e2e-idle.png

# Format: ogg; channels: Mono, with the keyboard alone: the door has the focus, Tab
# goes through the boxes in the order they are laid out, a letter picks an item.
xdotool key --delay 150 Tab o Tab Tab Tab m; sleep 0.3

# Ctrl+O opens the picker.
xdotool key ctrl+o
wait_for 10 visible 'Select File' || fail "Ctrl+O opened no picker"
picker=$(visible 'Select File' | head -1)
xdotool windowactivate --sync "$picker"
sleep 0.5
xdotool type --delay 20 "$music/"; xdotool key Return; sleep 0.8
xdotool type --delay 20 '"tone one.wav" "tone-two.wav"'; xdotool key Return

# The encoder writes a hidden unfinished file; the result's name stays empty until it is whole.
unfinished() { find "$music/Converted" -maxdepth 1 -name ".$1.qelvanto-unfinished-*" -size +0 | grep -q .; }
wait_for 20 unfinished "tone one.ogg" || fail "the first conversion did not start"
[ ! -s "$music/Converted/tone one.ogg" ] || fail "a result name held an unfinished file"
sleep 2.5 # a few progress ticks
shot e2e-converting.png

# The completion alert is a second window titled Qelvanto.
alert_shown() { [ "$(visible '^Qelvanto$' | wc -l)" -ge 2 ]; }
wait_for 120 alert_shown || fail "no completion alert"
alert=$(visible '^Qelvanto$' | grep -vx "$win" | head -1)
sleep 0.5
shot e2e-completed.png
xdotool windowactivate --sync "$alert"; xdotool key Return
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Qelvanto$' | grep -qx '$alert'" || fail "the alert stayed"

wmctrl -i -c "$win"
wait_for 20 bash -c "! kill -0 $app_pid" || fail "closing the window did not end the program"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=

for name in "tone one" "tone-two"; do
  out=$music/Converted/$name.ogg
  [ -s "$out" ] || fail "missing $out"
  "$encoder" -v error -i "$out" -f null - || fail "$out does not decode"
  info=$("$ffprobe" -v error -select_streams a:0 -show_entries stream=codec_name,channels -of csv=p=0 "$out")
  [ "$info" = "vorbis,1" ] || fail "$out is $info, not mono vorbis"
done
[ "$(find "$music" -type f | wc -l)" -eq 4 ] || fail "unexpected files: $(find "$music" -type f)"
settings=$XDG_DATA_HOME/Qelvanto/setting.dat
[ "$(cat "$settings")" = "3,5,2,0" ] || fail "setting.dat holds '$(cat "$settings" 2>/dev/null)', not 3,5,2,0"
echo "PASS: two files converted through the picker, choices saved"

# Opened with a file, as a file manager opens it: asked first, then killed in the
# middle of the conversion. Its encoder ends with it; no result name holds a part.
rm -f "$music/Converted/tone one.ogg"
PATH=$prefix/bin:$PATH qelvanto "$music/tone one.wav" >/dev/null 2>&1 & app_pid=$!
asked() { visible '^Qelvanto$' | wc -l | grep -qx 2; }
wait_for 20 asked || fail "opening a file did not ask first"
[ ! -e "$music/Converted/tone one.ogg" ] || fail "something was written before the question was answered"
question=$(visible '^Qelvanto$' | tail -1)
xdotool windowactivate --sync "$question"; xdotool key Return
wait_for 20 unfinished "tone one.ogg" || fail "the opened file did not convert"
encoders=$(pgrep -P "$app_pid" || true)
[ -n "$encoders" ] || fail "no encoder ran"
kill -KILL "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
encoder_gone() { for p in $encoders; do [ "$(awk '{print $3}' "/proc/$p/stat" 2>/dev/null || echo Z)" = Z ] || return 1; done; }
wait_for 1 encoder_gone || fail "an encoder outlived the killed window"
[ ! -s "$music/Converted/tone one.ogg" ] || fail "the killed run left a part under the result's name"
echo "PASS: killed while converting, nothing outlived it"
