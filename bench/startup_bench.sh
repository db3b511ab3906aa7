#!/usr/bin/env bash
# How long the real program takes from its start to the first frame of the loading finale, under
# Xvfb with the generated data.ssd. Prints figures only.
#   startup_bench.sh PROGRAM ARCHIVE [RUNS]
# The finale begins right after the music starts, so the time is taken when log.txt first shows
# "Open audio output ...done" (polled every 5 ms); loading ends there too.
set -u
program=$1
archive=$2
runs=${3:-5}

work=$(mktemp -d /tmp/vantrelle-startup.XXXXXX)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
cp "$archive" "$work/data.ssd"
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
printf 'Path=%s\nEnableMusic=1\nUseDesktop=1\nDefGamma=1\n' "$work" >"$work/settings.ini"
export VANTRELLE_CONFIG="$work/settings.ini" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$work/audio.raw"

cd "$work"
echo "start to first finale frame, $runs runs:"
for run in $(seq "$runs"); do
  rm -f log.txt
  begin=$(date +%s%N)
  "$program" /s >/dev/null 2>&1 &
  pid=$!
  until grep -q 'Open audio output ...done' log.txt 2>/dev/null; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.005
  done
  finale=$(date +%s%N)
  loaded=$(grep -c 'done' log.txt)
  kill -TERM "$pid"
  wait "$pid"
  echo "  run $run: $(( (finale - begin) / 1000000 )) ms ($loaded steps done)"
done
