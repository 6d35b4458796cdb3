#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser's edition into build-web/: the core in WebAssembly, its tests, and the
# static site build-web/site/, whose pictures the Qt game's drawing code makes in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh web-pictures
# Debian's emcc finds its JavaScript helpers there also when the node on the path is another.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release \
  -DVELMORAN_WEB_PICTURES="$PWD/build/web-pictures"
cmake --build build-web -j "$(nproc)"
