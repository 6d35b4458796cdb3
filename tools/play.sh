#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it in its game folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
cd build/game
exec ../velmoran
