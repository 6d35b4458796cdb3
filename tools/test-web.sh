#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds the browser's edition and tests it: the core's tests in
# WebAssembly under Node.js, then the page in Debian's Chromium, headless, against the terminal
# edition (built by tools/build.sh, which this runs first).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/install-web-deps.sh
tools/build.sh velmoran-console
tools/build-web.sh
(cd build-web && ctest --output-on-failure)
node --test tests/browser/
