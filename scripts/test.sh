#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the plain build,
# then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzzers.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
jobs=$(nproc)

echo "== build and test"
"$here/scripts/build.sh" "$here/build" -DVANTRELLE_WERROR=ON
ctest --test-dir "$here/build" --output-on-failure -j "$jobs"

echo "== build and test with ASan and UBSan"
"$here/scripts/build.sh" "$here/build-san" -DVANTRELLE_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$here/build-san" --output-on-failure -j "$jobs"

if [ -x "$here/scripts/fuzz.sh" ]; then
  echo "== fuzz"
  "$here/scripts/fuzz.sh"
fi
