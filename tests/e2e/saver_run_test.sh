#!/usr/bin/env bash
# End-to-end run of the full-screen saver under Xvfb, with no archive beside it: every load fails
# quietly and the show still starts and ends as it should.
#   saver_run_test.sh PROGRAM CASE
# CASE: key (a key ends the show), sigterm, sigint, sighup (a stop signal ends it), inputs (the
# inputs that must not end it, then a left click that does), mouse (movement with MouseExit).
# Every path kills the program and the X server it started.
set -u
program=$1
case_name=$2

work=$(mktemp -d /tmp/vantrelle-e2e.XXXXXX)
xvfb_pid=""
saver_pid=""

cleanup() {
  [ -n "$saver_pid" ] && kill -KILL "$saver_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -f "$work/log.txt" ]; then echo "--- log.txt"; cat "$work/log.txt"; echo; fi
  if [ -f "$work/stderr.txt" ]; then echo "--- stderr"; cat "$work/stderr.txt"; fi
  exit 1
}

# Waits up to $1 tenths of a second for the command in the remaining arguments to succeed.
wait_for() {
  local tenths=$1; shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# A free display chosen by the server itself.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.txt" &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"

mouse_exit=0
[ "$case_name" = mouse ] && mouse_exit=1
cat >"$work/settings.ini" <<INI
Path=$work
EnableMusic=0
UseDesktop=1
DefGamma=0
Gamma=50
WideScreen=1
MouseExit=$mouse_exit
INI

export VANTRELLE_CONFIG="$work/settings.ini"
export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$work/audio.raw"
cd "$work"
"$program" /s >"$work/stdout.txt" 2>"$work/stderr.txt" &
saver_pid=$!

log_has() { grep -q "$1" "$work/log.txt" 2>/dev/null; }
running() { kill -0 "$saver_pid" 2>/dev/null; }
stopped() { ! running; }

wait_for 600 log_has "Starting main loop" || fail "no main loop within 60 s"
# Let the first frames run and the pointer settle on the main window.
sleep 0.5
running || fail "the saver ended before any input"

case "$case_name" in
  key) xdotool key a ;;
  sigterm) kill -TERM "$saver_pid" ;;
  sigint) kill -INT "$saver_pid" ;;
  sighup) kill -HUP "$saver_pid" ;;
  inputs)
    xdotool key alt; xdotool key F10; xdotool key alt+x
    xdotool click 2; xdotool click 4; xdotool click 5
    sleep 1
    running || fail "Alt, F10, Alt+x, the middle button or the wheel ended the show"
    xdotool click 1
    ;;
  mouse)
    # 24 pixels right of the centre give 7.2 units: past the threshold of 7.0.
    xdotool mousemove 664 512
    ;;
  *) fail "unknown case $case_name" ;;
esac

wait_for 20 stopped || fail "the saver did not end within 2 s"
wait "$saver_pid"
status=$?
saver_pid=""
[ "$status" -eq 0 ] || fail "exit status $status"

# The log's lines, in order, by their shapes.
shapes=(
  '^\.{15} Start screensaver \.{15}$'
  "^Path is <$work>\$"
  '^Set resolution: 1280x1024 \.\.\.done$'
  '^Create window for monitor <[^>]*>:1280x1024\.\.\.done$'
  '^\.{15} Initialize OpenGL \.{15}$'
  '^Vendor: .+$'
  '^Videocard: .+$'
  '^OpenGL version .+$'
  '^$'
  '^Supported extension: .*$'
  '^$'
  '^Init multitexture extension \.\.\.done$'
  '^Set swap interval\.\.\.done$'
  '^Set gamma \.\.\.done$'
  '^\.{15} Load resources \.{15}$'
  '^Load texture <c\.jpg> \.\.\.failed!$'
  '^Load texture <load\.jpg> \.\.\.failed!$'
  '^Load texture <loadg\.jpg> \.\.\.failed!$'
  '^Load texture <textures\\particle\.jpg> \.\.\.failed!$'
  '^Load environment\.\.\.done$'
  '^Load static objects\.\.\.done$'
  '^Load dynamic objects\.\.\.Load mesh <meshes\\env\.dat> \.\.\.done$'
  '^Load mesh <meshes\\sphere\.dat> \.\.\.done$'
  '^done$'
  '^\.{15} Starting main loop \.{15}$'
  '^\.\.\.Exit$'
)
mapfile -t lines <"$work/log.txt"
[ "${#lines[@]}" -eq "${#shapes[@]}" ] || fail "log has ${#lines[@]} lines, expected ${#shapes[@]}"
for i in "${!shapes[@]}"; do
  [[ "${lines[$i]}" =~ ${shapes[$i]} ]] || fail "log line $((i + 1)) '${lines[$i]}' does not match '${shapes[$i]}'"
done
# "...Exit" is the file's last text, with no line break after it.
[ "$(tail -c 7 "$work/log.txt")" = "...Exit" ] || fail "the log does not end in ...Exit"
echo "PASS: $case_name"
