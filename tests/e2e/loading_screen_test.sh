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
shoot() { import -window root "$work/$1.png" || fail "no screenshot $1"; }
# bc-free comparison of two decimals.
less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# The finale starts once the music is on.
wait_for 600 log_has "Open audio output" || fail "loading did not finish within 60 s"
start=$(date +%s.%N)
shoot start
# 1280 x 1024 with WideScreen: the scene viewport is rows 128 to 895.
picture=$(mean_of "$work/start.png" 300x300+490+362)
corner=$(mean_of "$work/start.png" 200x200+40+160)
less "$corner" 0.2 || fail "start: the surroundings are not dark ($corner)"
less 0.05 "$picture" || fail "start: no picture in the centre ($picture)"
less "$corner" "$picture" || fail "start: the centre is not brighter than the surroundings"

sleep "$(awk -v s="$start" -v now="$(date +%s.%N)" 'BEGIN { d = 3 - (now - s); print (d > 0 ? d : 0) }')"
shoot middle
veil=$(mean_of "$work/middle.png" 200x200+40+160)
bar=$(mean_of "$work/middle.png" 1280x100+0+10)
less 0.25 "$veil" && less "$veil" 0.85 || fail "about 3 s in: the veil is not half white ($veil)"
less "$bar" 0.05 || fail "the letterbox bar is not black ($bar)"

sleep "$(awk -v s="$start" -v now="$(date +%s.%N)" 'BEGIN { d = 5.6 - (now - s); print (d > 0 ? d : 0) }')"
if ! log_has "Starting main loop"; then
  shoot end
  white=$(mean_of "$work/end.png" 1280x700+0+160)
  less 0.75 "$white" || fail "near the end the viewport is not white ($white)"
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
