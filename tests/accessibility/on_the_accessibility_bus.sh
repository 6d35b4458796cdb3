#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program on a virtual 1280 × 1024 X display under a window manager (openbox), with a
# session D-Bus of its own and the accessibility bus switched on, as a desktop with a screen
# reader has them.
#
#   tests/accessibility/on_the_accessibility_bus.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

if [[ "${ON_THE_ACCESSIBILITY_BUS:-}" != 1 ]]; then
  export ON_THE_ACCESSIBILITY_BUS=1
  # A bus of its own, and runtime and settings folders of its own: nothing of the player's
  # desktop, and nothing left behind.
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  mkdir -m 700 "$scratch/runtime"
  XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch" DESKTOP_SCREEN=1280x1024x24 \
    "$(dirname "$0")/../screens/on_a_desktop.sh" dbus-run-session -- "$0" "$@"
  exit
fi

# Switched on as a screen reader switches it on; the bus starts when first asked for.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
  variant:boolean:true >/dev/null
"$@"
