#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the browser's edition needs to build, serve and test, where
# they are missing: emscripten, Node.js with npm, Python (its http.server serves the site) and
# Chromium for the browser tests; then the tests' own npm packages, as package-lock.json pins
# them.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten python3 chromium)
# Node.js from Debian, unless a Node.js with npm is there already.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then packages+=(nodejs npm); fi
tools/install-deps.sh "${packages[@]}"

if [ ! -d tests/browser/node_modules/playwright-core ]; then
  (cd tests/browser && npm ci --no-audit --no-fund)
fi
