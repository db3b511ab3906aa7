#!/usr/bin/env bash
# The start of the show under Xvfb with the generated data.ssd:
#   loading_screen_test.sh PROGRAM ARCHIVE
# Screenshots at the start of the closing animation (the loading picture centred on black), about
# three seconds in (a half-white veil) and near its end (almost white), judged by brightness means
# that tolerate timing; then log.txt lists every texture and mesh with "done", and the music was
# heard through SDL's disk driver.
set -u
program=$1
archive=$2

source "$(dirname "$0")/e2e_lib.sh"

[ -f "$archive" ] || fail "no archive at $archive"
cp "$archive" "$work/data.ssd"

start_xvfb

cat >"$work/settings.ini" <<INI
Path=$work
EnableMusic=1
Volume=100
UseDesktop=1
DefGamma=1
WideScreen=1
INI
start_saver "$program"

# Mean brightness (0 to 1) of a region WxH+X+Y of a screenshot.
mean_of() { convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:mean]' info:; }
# bc-free comparison of two decimals.
less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
since_start() { awk -v s="$start" -v now="$(date +%s.%N)" 'BEGIN { print now - s }'; }
# Takes screenshot $1 and sets low and high: the veil's strength (finale seconds / 6) the shown
# frame can have, from the seconds before and after the shot, widened by half a second and 0.1
# for frame times and the moment the finale began.
shoot() {
  local before after
  before=$(since_start)
  import -window root "$work/$1.png" || fail "no screenshot $1"
  after=$(since_start)
  low=$(awk -v t="$before" 'BEGIN { v = (t - 0.5) / 6 - 0.1; print (v > 0 ? v : 0) }')
  high=$(awk -v t="$after" 'BEGIN { v = t / 6 + 0.1; print (v < 1 ? v : 1) }')
}
wait_until() { sleep "$(awk -v t="$1" -v now="$(since_start)" 'BEGIN { d = t - now; print (d > 0 ? d : 0) }')"; }
# Region of the scene viewport that only the veil covers; 1280 x 1024 with WideScreen puts the
# viewport at rows 128 to 895.
veil_region=200x200+40+160

# The finale starts once the music is on.
wait_for 600 log_has "Open audio output" || fail "loading did not finish within 60 s"
start=$(date +%s.%N)
shoot start
picture=$(mean_of "$work/start.png" 300x300+490+362)
corner=$(mean_of "$work/start.png" $veil_region)
less "$corner" "$high" || fail "start: the surroundings are not dark ($corner, at most $high)"
less 0.05 "$picture" || fail "start: no picture in the centre ($picture)"
less "$corner" "$picture" || fail "start: the centre is not brighter than the surroundings"

wait_until 3
shoot middle
veil=$(mean_of "$work/middle.png" $veil_region)
bar=$(mean_of "$work/middle.png" 1280x100+0+10)
less "$low" "$veil" && less "$veil" "$high" || fail "about 3 s in: veil $veil outside $low to $high"
less 0.2 "$veil" || fail "about 3 s in: no veil ($veil)"
less "$bar" 0.05 || fail "the letterbox bar is not black ($bar)"

wait_until 5.6
if ! log_has "Starting main loop"; then
  shoot end
  white=$(mean_of "$work/end.png" $veil_region)
  # Once the loop runs the screen is black: judge only a shot taken wholly within the finale.
  if ! log_has "Starting main loop"; then
    less "$low" "$white" || fail "near the end the viewport is not white enough ($white, at least $low)"
    less 0.6 "$white" || fail "near the end the viewport is not white ($white)"
  fi
fi

wait_for 600 log_has "Starting main loop" || fail "no main loop"
sleep 0.3
xdotool key a
expect_clean_exit

for line in 'Load texture <c.jpg> ...done' 'Load texture <load.jpg> ...done' \
            'Load texture <loadg.jpg> ...done' 'Load texture <textures\particle.jpg> ...done' \
            'Load mesh <meshes\sphere.dat> ...done' 'Open audio output ...done'; do
  grep -qF "$line" "$work/log.txt" || fail "log.txt lacks '$line'"
done
grep -qF 'Load dynamic objects...Load mesh <meshes\env.dat> ...done' "$work/log.txt" ||
  fail "log.txt lacks the env mesh"
! grep -q 'failed!' "$work/log.txt" || fail "a load failed"

# The music: 16-bit samples, not all silent.
peak=$(od -An -v -t d2 -w2 "$work/audio.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')
[ "$peak" -gt 1000 ] || fail "the music was silent (peak $peak)"
echo "PASS: picture $picture / corner $corner, veil $veil, bar $bar, end ${white:-skipped}, music peak $peak"
