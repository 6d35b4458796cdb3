#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a virtual X display under a real window manager (openbox), which
# places, decorates and activates the windows as a player's desktop does. The display is
# 1024 × 768, or as DESKTOP_SCREEN says (1280x1024x24).
#
#   tests/screens/on_a_desktop.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

if [[ "${ON_A_DESKTOP:-}" != 1 ]]; then
  ON_A_DESKTOP=1 exec xvfb-run -a -s "-screen 0 ${DESKTOP_SCREEN:-1024x768x24}" "$0" "$@"
fi

openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null || true' EXIT
# The window manager is up once it has named itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
QT_QPA_PLATFORM=xcb "$@"
