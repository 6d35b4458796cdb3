#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a virtual X display under a real window manager (openbox), which
# places, decorates and activates the windows as a player's desktop does. The display is
# 1024 × 768, or as DESKTOP_SCREEN says (1280x1024x24).
#
#   tests/screens/on_a_desktop.sh PROGRAM [ARGUMENTS...]
#
# The X server picks a free display itself and tells which (-displayfd), so tests started
# side by side never meet on one display, as they could when a free number was guessed first.
set -euo pipefail

scratch=$(mktemp -d)
manager=""
server=""
cleanup() {
  [[ -n "$manager" ]] && kill "$manager" 2>/dev/null || true
  [[ -n "$server" ]] && kill "$server" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "${DESKTOP_SCREEN:-1024x768x24}" -nolisten tcp 3>"$scratch/display" 2>"$scratch/server.log" &
server=$!
for _ in $(seq 200); do
  [[ -s "$scratch/display" ]] && break
  sleep 0.05
done
if [[ ! -s "$scratch/display" ]]; then
  echo "on_a_desktop.sh: the X server did not start" >&2
  cat "$scratch/server.log" >&2
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"

# The window manager is up once it has named itself on the root window. On a busy machine it
# may fail to reach the display it was started for; it is then started again.
window_manager_up() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
for _ in 1 2 3; do
  openbox --sm-disable >>"$scratch/openbox.log" 2>&1 &
  manager=$!
  for _ in $(seq 200); do
    window_manager_up && break
    kill -0 "$manager" 2>/dev/null || break
    sleep 0.05
  done
  window_manager_up && break
  kill "$manager" 2>/dev/null || true
done
if ! window_manager_up; then
  echo "on_a_desktop.sh: the window manager did not start" >&2
  cat "$scratch/openbox.log" >&2
  exit 1
fi
QT_QPA_PLATFORM=xcb "$@"
