#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time over fresh seed corpora.
# Fails on any crash, leak, hang or out-of-memory. FUZZ_SECONDS sets the time per target (default 50).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$here/build-fuzz
seconds=${FUZZ_SECONDS:-50}

cmake -S "$here" -B "$dir" -DVANTRELLE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" -j "$(nproc)" --target extract_fuzzer readline_fuzzer fuzz_seeds

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/seeds-extract" "$work/seeds-readline" "$work/corpus-extract" "$work/corpus-readline" "$dir/artifacts"
"$dir/fuzz/fuzz_seeds" "$work/seeds-extract" "$work/seeds-readline"

# Archives from the packer too, when a regular build has made it.
ssdpack=$(find "$here/build" -type f -name ssdpack -perm -u+x 2>/dev/null | head -n 1 || true)
if [ -n "$ssdpack" ]; then
  src=$work/files
  mkdir -p "$src/c"
  printf 'begin\r\n  name alpha\n\tmaterial\nend\n' >"$src/a.txt"
  awk 'BEGIN { srand(1); for (i = 0; i < 2500; i++) printf "%c", int(rand() * 256) }' >"$src/b.bin"
  awk 'BEGIN { for (i = 0; i < 1500; i++) printf "%c%c", int(128 + 100 * sin(i / 9)), int(128 + 90 * cos(i / 7)) }' >"$src/c/dat"
  for options in "-m0" "-m1" "-m3" "-m5" "-s -m3" "-s -m5 -mm" "-mm -m2"; do
    name=$(echo "$options" | tr -d ' -')
    # shellcheck disable=SC2086
    (cd "$src" && "$ssdpack" a $options "$work/seeds-extract/ssdpack-$name.rar" a.txt b.bin c >/dev/null 2>&1) || true
  done
fi

for target in extract_fuzzer readline_fuzzer; do
  kind=${target%_fuzzer}
  echo "== fuzz $target for ${seconds}s"
  "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix="$dir/artifacts/$target-" \
    "$work/corpus-$kind" "$work/seeds-$kind" 2>"$work/$target.log" || {
      tail -n 60 "$work/$target.log"
      echo "FUZZ FAILED: $target (artifacts in $dir/artifacts)"
      exit 1
    }
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$target.log" || true
done
