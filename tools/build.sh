#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game into build/: the programs velmoran and velmoran-console, and the ready game
# folder build/game. With targets given, builds only those.
set -euo pipefail
cd "$(dirname "$0")/.."
# The hardening of Debian's own packages (fortified functions, stack protector, relocations
# read-only and bound at start), as dpkg-buildflags gives it: the packages are made from this
# build.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
cmake --build build -j "$(nproc)" ${1:+--target "$@"}
