# Shared by the end-to-end scripts: a work folder, an Xvfb server of its own, and clean-up that
# kills the program and the server on every path. Source it; then call start_xvfb.
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
  if [ -f "$work/log.txt" ]; then echo "--- log.txt"; grep -v '^Supported' "$work/log.txt"; echo; fi
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

# A 1280 x 1024 server on a free display chosen by the server itself.
start_xvfb() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.txt" &
  xvfb_pid=$!
  wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
}

# Starts the saver full screen in $work with the settings file $work/settings.ini.
start_saver() {
  export VANTRELLE_CONFIG="$work/settings.ini"
  export SDL_VIDEODRIVER=x11
  export SDL_AUDIODRIVER=disk
  export SDL_DISKAUDIOFILE="$work/audio.raw"
  # In a sanitizer build: the X server's GL driver is unloaded at exit, so what it keeps can be
  # neither attributed nor suppressed; leaks are checked by the unit tests instead.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
  cd "$work" || fail "no work folder"
  "$1" /s >"$work/stdout.txt" 2>"$work/stderr.txt" &
  saver_pid=$!
}

log_has() { grep -q "$1" "$work/log.txt" 2>/dev/null; }
running() { kill -0 "$saver_pid" 2>/dev/null; }
stopped() { ! running; }

# Waits up to 2 s for the saver to end and checks it exits 0.
expect_clean_exit() {
  wait_for 20 stopped || fail "the saver did not end within 2 s"
  wait "$saver_pid"
  local status=$?
  saver_pid=""
  [ "$status" -eq 0 ] || fail "exit status $status"
}
