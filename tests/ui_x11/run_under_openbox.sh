#!/usr/bin/env bash
# Runs a test binary on a private X server (Xvfb) with a real window
# manager (openbox), on Qt's xcb platform. Usage:
#   run_under_openbox.sh BINARY [ARGS...]
# Extra environment (e.g. QT_SCALE_FACTOR) passes through to the binary.
set -euo pipefail

binary="$1"
shift
for tool in Xvfb openbox xprop xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "run_under_openbox: $tool is missing (bash scripts/deps.sh installs it)" >&2
    exit 1
  fi
done

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number when it is ready;
# openbox is ready once it announces itself on the root window. A server that
# comes up without its window manager is stopped and started afresh, twice at most.
start_x() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    if [ -s "$work/display" ]; then break; fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then return 1; fi
    sleep 0.1
  done
  if [ ! -s "$work/display" ]; then return 1; fi
  export DISPLAY=":$(head -n1 "$work/display")"
  HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 1 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then return 0; fi
    if ! kill -0 "$wm_pid" 2>/dev/null; then return 1; fi
    sleep 0.1
  done
  return 1
}
stop_x() {
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; wait "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  wm_pid=""
  xvfb_pid=""
}
ready=""
for attempt in 1 2 3; do
  if start_x; then ready=1; break; fi
  stop_x
  sleep "$attempt"
done
if [ -z "$ready" ]; then
  echo "run_under_openbox: Xvfb and openbox did not start" >&2
  cat "$work/xvfb.log" "$work/openbox.log" >&2 2>/dev/null || true
  exit 1
fi

export QT_QPA_PLATFORM=xcb
status=0
"$binary" "$@" || status=$?
exit "$status"
