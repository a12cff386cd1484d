#!/usr/bin/env bash
# Runs a test program on a private Xvfb display with Qt's X11 platform.
# Exits 77 (skipped) when there is no Xvfb on the machine.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "Xvfb is missing: skipped"; exit 77; }
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
"$@"
