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

source "$(dirname "$0")/e2e_lib.sh"
start_xvfb

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

start_saver "$program"

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

expect_clean_exit
# EnableMusic is off: no audio output was ever opened, so the disk driver wrote no file.
[ ! -e "$work/audio.raw" ] || fail "audio was opened with EnableMusic off"

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
